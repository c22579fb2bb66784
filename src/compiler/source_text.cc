#include "compiler/source_text.h"

#include <cstring>
#include <tuple>
#include <utility>

#include "compiler/field_reader.h"
#include "model/model.h"
#include "model/windows1252.h"

namespace percorso {

std::string_view Trim(std::string_view s) {
  size_t b = s.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  size_t e = s.find_last_not_of(" \t");
  return s.substr(b, e - b + 1);
}

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

// `c` with an ASCII capital letter made small: Windows-1252 turns no other
// byte into an ASCII letter.
char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool HasFineLine(std::string_view t) {
  constexpr std::string_view kFine = "[fine]";
  // Such a line has only blanks before its '['.
  for (size_t p = t.find('['); p != std::string_view::npos; p = t.find('[', p + 1)) {
    size_t b = p;
    while (b > 0 && IsBlank(t[b - 1])) --b;
    if (b > 0 && !IsLineEnd(t[b - 1])) continue;
    if (t.size() - p < kFine.size()) return false;
    bool fine = true;
    for (size_t k = 0; k < kFine.size() && fine; ++k) fine = AsciiLower(t[p + k]) == kFine[k];
    if (!fine) continue;
    size_t e = p + kFine.size();
    while (e < t.size() && IsBlank(t[e])) ++e;
    if (e == t.size() || t[e] == ',' || IsLineEnd(t[e])) return true;
  }
  return false;
}

int LastTextLine(std::string_view t) {
  size_t q = t.size();
  while (q > 0 && (IsBlank(t[q - 1]) || IsLineEnd(t[q - 1]))) --q;
  if (q == 0) return 0;
  // Line ends before the last text byte, CR LF counted once.
  int line = 1;
  for (size_t i = 0; i + 1 < q; ++i) {
    if (t[i] == '\n' || (t[i] == '\r' && t[i + 1] != '\n')) ++line;
  }
  return line;
}

std::string Quoted(std::string_view text) {
  return "'" + Utf8FromWindows1252(text) + "'";
}

namespace {

// The length of the UTF-8 sequence that starts at `i`, 0 when none does.
size_t Utf8Sequence(std::string_view t, size_t i) {
  const auto c = static_cast<uint8_t>(t[i]);
  size_t n = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c <= 0xDF ? 2 : 0;
  if (c >= 0xF5 || n == 0 || i + n > t.size()) return 0;
  for (size_t k = 1; k < n; ++k) {
    if ((static_cast<uint8_t>(t[i + k]) & 0xC0) != 0x80) return 0;
  }
  return n;
}

constexpr uint64_t kHighBits = 0x8080808080808080;

// Where the line after the one that holds byte `from` starts, by the line ends
// of the field reader; npos when that line is the last.
size_t NextLineStart(std::string_view t, size_t from) {
  const size_t end = t.find_first_of("\r\n", from);
  return end == std::string_view::npos ? end : end + LineEndAt(t, end);
}

// The line and column of byte `at`, every byte before it being below 0x80: a
// column is a byte.
std::pair<int, int> AsciiPlace(std::string_view t, size_t at) {
  const std::string_view before = t.substr(0, at);
  int line = 1;
  size_t line_start = 0;
  for (size_t next; (next = NextLineStart(before, line_start)) != std::string_view::npos;) {
    ++line;
    line_start = next;
  }
  return {line, 1 + static_cast<int>(at - line_start)};
}

}  // namespace

Encoding DetectEncoding(std::string_view t) {
  Encoding e;
  if (t.starts_with("\xFF\xFE") || t.starts_with("\xFE\xFF")) {
    e.kind = Encoding::kUtf16;
    e.detail = t[0] == '\xFF' ? "UTF-16LE" : "UTF-16BE";
    return e;
  }
  // Text of Latin letters in UTF-16 without a byte-order mark: every other
  // byte of the first line is zero.
  if (t.size() >= 4 && (t[0] == '\0' || t[1] == '\0') && (t[2] == '\0' || t[3] == '\0')) {
    e.kind = Encoding::kUtf16;
    e.detail = t[0] == '\0' ? "UTF-16BE" : "UTF-16LE";
    return e;
  }
  // Only a byte of 0x80 or above decides; the place of the first UTF-8
  // sequence, before which every byte is below 0x80 (but for a byte-order
  // mark), is counted once found.
  size_t from = 0;
  if (t.starts_with("\xEF\xBB\xBF")) {
    e.bom = true;
    from = 3;
  }
  for (size_t i = from; i < t.size();) {
    // Eight bytes at a time while all of them are below 0x80.
    uint64_t eight = 0;
    if (i + 8 <= t.size() && (std::memcpy(&eight, t.data() + i, 8), eight & kHighBits) == 0) {
      i += 8;
      continue;
    }
    if (static_cast<uint8_t>(t[i]) < 0x80) {
      ++i;
      continue;
    }
    size_t n = Utf8Sequence(t, i);
    // A byte outside a UTF-8 sequence: Windows-1252 text, as the sources are.
    if (n == 0) {
      Encoding plain;
      plain.bom = e.bom;
      return plain;
    }
    if (e.kind != Encoding::kUtf8) {
      e.kind = Encoding::kUtf8;
      e.detail = std::string(t.substr(i, n));
      std::tie(e.line, e.column) = AsciiPlace(t, i);
    }
    i += n;
  }
  return e;
}

std::string LineText(std::string_view contents, int line, size_t limit) {
  LineCursor cursor;
  return LineTextFrom(contents, line, &cursor, limit);
}

std::string LineTextFrom(std::string_view contents, int line, LineCursor* cursor, size_t limit) {
  if (line < cursor->line) *cursor = LineCursor{};
  size_t start = cursor->start;
  int l = cursor->line;
  for (; l < line && start != std::string_view::npos; ++l) start = NextLineStart(contents, start);
  if (start == std::string_view::npos || start > contents.size()) return {};
  *cursor = LineCursor{l, start};
  size_t end = contents.find_first_of("\r\n", start);
  std::string_view text = contents.substr(start, end == std::string_view::npos ? end : end - start);
  text = Trim(text);
  if (text.size() > limit) return std::string(text.substr(0, limit)) + "...";
  return std::string(text);
}

}  // namespace percorso
