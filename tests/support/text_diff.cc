#include "support/text_diff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

namespace percorso::testing {
namespace {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

void ExpectSameLines(const std::string& expected, const std::string& actual) {
  if (expected == actual) return;
  std::vector<std::string> a = SplitLines(expected), b = SplitLines(actual);
  size_t first = 0;
  while (first < a.size() && first < b.size() && a[first] == b[first]) ++first;
  std::ostringstream shown;
  size_t from = first >= 3 ? first - 3 : 0;
  shown << "first difference at line " << first + 1 << " (" << a.size() << " lines expected, "
        << b.size() << " actual)\n";
  for (size_t i = from; i < first + 4 && (i < a.size() || i < b.size()); ++i) {
    if (i < first) {
      shown << "  " << a[i] << "\n";
      continue;
    }
    if (i < a.size()) shown << "- " << a[i] << "\n";
    if (i < b.size()) shown << "+ " << b[i] << "\n";
  }
  if (first == std::min(a.size(), b.size()) && a.size() == b.size()) {
    shown << "(the texts differ only in their line ends)\n";
  }
  ADD_FAILURE() << shown.str();
}

}  // namespace percorso::testing
