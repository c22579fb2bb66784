#include "io/temporary_names.h"

namespace percorso {
namespace {

constexpr std::string_view kDigits = "0123456789abcdefghijklmnopqrstuvwxyz";

bool AllOf(std::string_view text, std::string_view allowed) {
  return text.find_first_not_of(allowed) == std::string_view::npos;
}

}  // namespace

std::string MakeTemporaryName(uint64_t pid, uint64_t random_bits) {
  std::string name(kTemporaryPrefix);
  name += std::to_string(pid);
  name += '-';
  for (size_t i = 0; i < kTemporaryRandomLength; ++i) {
    name += kDigits[random_bits % kDigits.size()];
    random_bits /= kDigits.size();
  }
  name += kTemporarySuffix;
  return name;
}

bool IsTemporaryName(std::string_view name) {
  if (!name.starts_with(kTemporaryPrefix) || !name.ends_with(kTemporarySuffix)) return false;
  name.remove_prefix(kTemporaryPrefix.size());
  name.remove_suffix(kTemporarySuffix.size());
  size_t dash = name.find('-');
  if (dash == 0 || dash == std::string_view::npos || dash > 20) return false;
  std::string_view pid = name.substr(0, dash);
  std::string_view random = name.substr(dash + 1);
  return AllOf(pid, kDigits.substr(0, 10)) && random.size() == kTemporaryRandomLength &&
         AllOf(random, kDigits);
}

}  // namespace percorso
