// Comparing texts line by line, so that a failure shows what changed.
#ifndef PERCORSO_TESTS_SUPPORT_TEXT_DIFF_H_
#define PERCORSO_TESTS_SUPPORT_TEXT_DIFF_H_

#include <string>

namespace percorso::testing {

/// `text` with every occurrence of `from` replaced by `to`.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to);

/// Fails the current test when the texts differ, showing the first differing
/// line of each with its number and the lines around it.
void ExpectSameLines(const std::string& expected, const std::string& actual);

}  // namespace percorso::testing

#endif  // PERCORSO_TESTS_SUPPORT_TEXT_DIFF_H_
