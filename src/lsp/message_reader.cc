#include "lsp/message_reader.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>

namespace percorso {
namespace {

// No header of the protocol comes near these.
constexpr size_t kMaxHeaderLine = 1024;
constexpr int kMaxHeaderLines = 64;

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool IsContentLength(std::string_view name) {
  constexpr std::string_view kName = "content-length";
  return name.size() == kName.size() &&
         std::equal(name.begin(), name.end(), kName.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == b;
         });
}

}  // namespace

bool MessageReader::ReadHeaderLine(std::string* line) {
  line->clear();
  bool any = false;
  for (;;) {
    int c = in_.get();
    if (c == std::char_traits<char>::eof()) return any;
    any = true;
    if (c == '\n') break;
    if (line->size() < kMaxHeaderLine) line->push_back(static_cast<char>(c));
  }
  if (!line->empty() && line->back() == '\r') line->pop_back();
  return true;
}

ReadOutcome MessageReader::Next(std::string* body, std::string* error) {
  body->clear();
  error->clear();
  std::string line;
  bool have_length = false, bad_length = false, any_line = false;
  uint64_t length = 0;
  for (int lines = 0;; ++lines) {
    if (!ReadHeaderLine(&line)) return ReadOutcome::kEnd;
    // Blank lines between messages are no header.
    if (line.empty() && !any_line) {
      --lines;
      continue;
    }
    if (line.empty()) break;
    any_line = true;
    if (lines >= kMaxHeaderLines) {
      *error = "a message header of more than " + std::to_string(kMaxHeaderLines) + " lines";
      return ReadOutcome::kBadHeader;
    }
    size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    if (!IsContentLength(Trim(std::string_view(line).substr(0, colon)))) continue;
    std::string_view value = Trim(std::string_view(line).substr(colon + 1));
    auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), length);
    have_length = true;
    bad_length = ec != std::errc() || end != value.data() + value.size();
  }
  if (!have_length || bad_length) {
    *error = have_length ? "a Content-Length that is not a number"
                         : "a message header without Content-Length";
    return ReadOutcome::kBadHeader;
  }
  const bool too_large = length > max_body_;
  if (!too_large) body->reserve(static_cast<size_t>(length));
  char buffer[65536];
  for (uint64_t left = length; left > 0;) {
    std::streamsize chunk = static_cast<std::streamsize>(std::min<uint64_t>(left, sizeof buffer));
    in_.read(buffer, chunk);
    std::streamsize got = in_.gcount();
    if (got <= 0) return ReadOutcome::kEnd;
    if (!too_large) body->append(buffer, static_cast<size_t>(got));
    left -= static_cast<uint64_t>(got);
  }
  if (too_large) {
    body->clear();
    *error = "a message of " + std::to_string(length) + " bytes, over the limit of " +
             std::to_string(max_body_);
    return ReadOutcome::kTooLarge;
  }
  return ReadOutcome::kMessage;
}

}  // namespace percorso
