#include "compiler/source_checks.h"

#include <algorithm>
#include <cstring>
#include <tuple>
#include <utility>
#include <vector>

#include "compiler/field_reader.h"
#include "model/model.h"
#include "model/windows1252.h"

namespace percorso {
namespace {

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The runs of ASCII letters of a field.
std::vector<std::string_view> Words(std::string_view field) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < field.size()) {
    while (i < field.size() && !IsLetter(field[i])) ++i;
    size_t start = i;
    while (i < field.size() && IsLetter(field[i])) ++i;
    if (i > start) words.push_back(field.substr(start, i - start));
  }
  return words;
}

// Short words allow one edit, longer ones two.
int AllowedEdits(std::string_view word) {
  return word.size() <= 5 ? 1 : 2;
}

}  // namespace

std::string_view Trim(std::string_view s) {
  size_t b = s.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  size_t e = s.find_last_not_of(" \t");
  return s.substr(b, e - b + 1);
}

std::string Quoted(std::string_view text) {
  return "'" + Utf8FromWindows1252(text) + "'";
}

int EditDistance(std::string_view a, std::string_view b) {
  const std::string x = ToLower1252(a);
  const std::string y = ToLower1252(b);
  const size_t n = x.size();
  const size_t m = y.size();
  std::vector<std::vector<int>> d(n + 1, std::vector<int>(m + 1, 0));
  for (size_t i = 0; i <= n; ++i) d[i][0] = static_cast<int>(i);
  for (size_t j = 0; j <= m; ++j) d[0][j] = static_cast<int>(j);
  for (size_t i = 1; i <= n; ++i) {
    for (size_t j = 1; j <= m; ++j) {
      int cost = x[i - 1] == y[j - 1] ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
      if (i > 1 && j > 1 && x[i - 1] == y[j - 2] && x[i - 2] == y[j - 1]) {
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
      }
    }
  }
  return d[n][m];
}

std::optional<std::string_view> NearestKeyword(std::string_view field, Grammar g) {
  std::optional<std::string_view> best;
  int best_distance = 3;
  for (std::string_view word : Words(field)) {
    if (word.size() < 4) continue;
    for (const KeywordRule& k : KeywordsOf(g)) {
      for (std::string_view near : k.near_words) {
        if (word.size() > near.size() + 2 || near.size() > word.size() + 2) continue;
        int d = EditDistance(word, near);
        if (d <= AllowedEdits(near) && d < best_distance) {
          best = k.written;
          best_distance = d;
        }
      }
    }
  }
  return best;
}

std::optional<std::string_view> KeywordElsewhere(std::string_view field, Grammar g) {
  struct Place {
    Grammar grammar;
    std::string_view name;
  };
  constexpr Place kPlaces[] = {{Grammar::kLineHeader, "the header of the line file"},
                               {Grammar::kLineBody, "the body of the line file"},
                               {Grammar::kTrain, "the train file"}};
  for (const Place& place : kPlaces) {
    if (place.grammar == g) continue;
    for (const KeywordRule& k : KeywordsOf(place.grammar)) {
      for (std::string_view near : k.near_words) {
        if (ContainsIgnoringCase(field, near)) return place.name;
      }
    }
  }
  return std::nullopt;
}

bool IsSectionName(std::string_view field) {
  std::string_view t = Trim(field);
  return t.size() >= 2 && t.front() == '[' && t.back() == ']';
}

bool IsKnownSection(std::string_view field, bool line_file) {
  std::string lower = ToLower1252(Trim(field));
  for (std::string_view known : SectionNames(line_file)) {
    if (lower == known) return true;
  }
  return false;
}

std::optional<std::string_view> NearestSection(std::string_view field, bool line_file) {
  std::optional<std::string_view> best;
  int best_distance = 3;
  const std::string_view t = Trim(field);
  for (std::string_view known : SectionNames(line_file)) {
    if (t.size() > known.size() + 2 || known.size() > t.size() + 2) continue;
    int d = EditDistance(t, known);
    if (d < best_distance) {
      best = known;
      best_distance = d;
    }
  }
  return best;
}

std::optional<std::string_view> CommentPrefix(std::string_view field) {
  std::string_view t = Trim(field);
  auto starts_with = [&t](std::string_view mark) {
    if (t.size() <= mark.size()) return false;
    for (size_t i = 0; i < mark.size(); ++i) {
      if (ToLower1252(static_cast<uint8_t>(t[i])) != static_cast<uint8_t>(mark[i])) return false;
    }
    return true;
  };
  for (std::string_view mark : {"//", "#", ";", "'", "*", "rem "}) {
    if (starts_with(mark)) return mark;
  }
  return std::nullopt;
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

std::string_view TipoDescription(uint8_t tipo) {
  switch (tipo) {
    case kSegnale:
      return "a signal";
    case kFineRallentamento:
      return "the end of a slowdown";
    case kInizioRallentamento:
      return "the start of a slowdown";
    case kAvvisoRallentamento:
      return "a slowdown warning board";
    case kNumerataRallentamento:
      return "a numbered cell before a slowdown warning board";
    case kIndicatoreVMax:
      return "a speed-indicator board";
    case kFermata:
      return "a station's stopping mark";
    case kMarcatore:
      return "a cut-off point or marker";
    case kAbbattimentoNullo:
      return "a cut-off point";
    case kCartello:
      return "a text board";
    default:
      return "a feature";
  }
}

}  // namespace percorso
