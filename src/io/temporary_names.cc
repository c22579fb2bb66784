#include "io/temporary_names.h"

#include <random>

#include "io/interrupts.h"
#include "io/platform.h"

namespace percorso {
namespace {

constexpr std::string_view kDigits = "0123456789abcdefghijklmnopqrstuvwxyz";

// How many names are tried before creating a temporary gives up.
constexpr int kTemporaryAttempts = 100;

/// 64 bits from the system's random source, for temporary names.
uint64_t RandomBits() {
  std::random_device source;
  return (uint64_t{source()} << 32) ^ source();
}

/// Opens the temporary and makes its slot live as one step for the interrupt
/// handler.
TemporaryOpen OpenRegistered(const OpenNewFile& open, const std::string& path, int slot,
                             FileHandle* handle, std::string* err) {
  InterruptsHeld held;
  const TemporaryOpen result = open(path, handle, err);
  if (result == TemporaryOpen::kOpened) ActivateTemporary(slot);
  return result;
}

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

bool CreateTemporaryIn(const std::string& dir, uint64_t pid, const OpenNewFile& open,
                       TemporaryFile* temp, std::string* err, FileHandle dir_handle) {
  for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
    temp->path = JoinPath(dir, MakeTemporaryName(pid, RandomBits()));
    const int slot = RegisterTemporary(temp->path, dir_handle);
    if (slot < 0) {
      // The same text on every platform.
      *err = temp->path.size() >= kMaxTemporaryPath ? "File name too long"
                                                    : "too many temporary files at once";
      return false;
    }
    FileHandle handle = kNoHandle;
    const TemporaryOpen result = OpenRegistered(open, temp->path, slot, &handle, err);
    if (result == TemporaryOpen::kOpened) {
      temp->handle = handle;
      temp->slot = slot;
      return true;
    }
    ForgetTemporary(slot);
    if (result == TemporaryOpen::kFailed) return false;
  }
  *err = "every name tried was taken";
  return false;
}

}  // namespace percorso
