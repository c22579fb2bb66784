#include "model/fixes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace percorso {
namespace {

Diagnostic With(std::vector<Fix> fixes) {
  Diagnostic d;
  d.fixes = std::move(fixes);
  return d;
}

Fix At(int line, int column, int end_column, std::string text) {
  return Fix{SourceLocation{"f", line, column, end_column}, std::move(text), "t"};
}

// The fixes of a diagnostic go in together, on the lines as CR LF, LF or a
// lone CR end them; one that overlaps a fix taken before, or lies outside
// the text, is left out with the rest of its diagnostic's.
TEST(ApplyFixesTest, FixesGoInTogetherOrNotAtAll) {
  const std::string text = "ab, 12\r\ncd, 34\rxy\n";
  struct Row {
    const char* name;
    std::vector<Diagnostic> ds;
    std::string want;
    int applied;
  };
  const Row rows[] = {
      {"a replacement", {With({At(1, 1, 2, "abc")})}, "abc, 12\r\ncd, 34\rxy\n", 1},
      {"a swap on one line",
       {With({At(2, 1, 2, "34"), At(2, 5, 6, "cd")})},
       "ab, 12\r\n34, cd\rxy\n",
       1},
      {"an insertion at a line's end",
       {With({At(3, 3, 2, "\n[fine]")})},
       "ab, 12\r\ncd, 34\rxy\n[fine]\n",
       1},
      {"a removal", {With({At(1, 1, 4, "")})}, "12\r\ncd, 34\rxy\n", 1},
      {"an overlap leaves the second out",
       {With({At(1, 1, 2, "X")}), With({At(1, 2, 3, "Y"), At(3, 1, 2, "Z")})},
       "X, 12\r\ncd, 34\rxy\n",
       1},
      {"past the line's end", {With({At(1, 5, 9, "X")})}, text, 0},
      {"another file", {With({Fix{SourceLocation{"g", 1, 1, 2}, "X", "t"}})}, text, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    FixedText got = ApplyFixes(text, "f", row.ds);
    EXPECT_EQ(got.text, row.want);
    EXPECT_EQ(got.applied, row.applied);
  }
}

}  // namespace
}  // namespace percorso
