#include "compiler/near_misses.h"

#include <algorithm>
#include <string>
#include <vector>

#include "compiler/source_text.h"
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
  // A keyword written whole in other letters is the one meant, before any
  // keyword a word or two letters away.
  const std::string lower = ToLower1252(Trim(field));
  for (const KeywordRule& k : KeywordsOf(g)) {
    if (lower == ToLower1252(k.written)) return k.written;
  }
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

}  // namespace percorso
