#include "compiler/source_text.h"

#include <gtest/gtest.h>

#include <string>

namespace percorso {
namespace {

// Whether a file has the line that ends it, and where its last text stands.
TEST(SourceTextTest, TheEndingLineAndTheLastTextLine) {
  struct Case {
    std::string text;
    bool has_fine;
    int last_text_line;
  };
  const Case cases[] = {
      {"", false, 0},
      {" \t\r\n\r\n", false, 0},
      {"[fine]", true, 1},
      {"[generale]\r\n[fine]\r\n", true, 2},
      {"a\r\n  \t[FiNe] \t, what follows\r\n\r\n", true, 2},
      {"a\n[fine]\n", true, 2},
      {"a\r[fine]\r", true, 2},
      {"[fine]x\r\n", false, 1},
      {"[fine]x, [fine]\r\n", false, 1},
      {"x [fine]\r\n", false, 1},
      {", [fine]\r\n", false, 1},
      {"[fine\r\n", false, 1},
      {"[ fine]\r\n", false, 1},
      {"[fin", false, 1},
      {"\"[fine]\"\r\n", false, 1},
      {"[generale]\r\nsabbia, 300\r\n \t\r\n", false, 2},
      {"a\r\n\r\nb", false, 3},
      {"a\r\rb", false, 3},
      {"a\n\rb \t\r\n", false, 3},
      {"[fine]\r\nmore after the end\r\n", true, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(HasFineLine(c.text), c.has_fine);
    EXPECT_EQ(LastTextLine(c.text), c.last_text_line);
  }
}

}  // namespace
}  // namespace percorso
