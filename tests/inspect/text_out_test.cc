#include "inspect/text_out.h"

#include <gtest/gtest.h>

#include <limits>

namespace percorso {
namespace {

TEST(TextOutTest, ValidUtf8ReadsStrayBytesAsWindows1252) {
  struct Case {
    std::string in, out;
  };
  const Case cases[] = {
      {"Citt\xE0_linea.dat", "Citt\u00e0_linea.dat"},
      {"Citt\u00e0 \u20ac", "Citt\u00e0 \u20ac"},  // already UTF-8: kept
      {"\xC0\xAF", "\u00c0\u00af"},                // an overlong sequence
      {"\xE2\x82", "\u00e2\u201a"},                // a sequence cut short
      {"\xED\xA0\x80", "\u00ed\u00a0\u20ac"},      // a surrogate
      {"\x80", "\u20ac"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.out);
    EXPECT_EQ(ValidUtf8(c.in), c.out);
  }
}

TEST(TextOutTest, QuotingAndNumbers) {
  EXPECT_EQ(JsonQuote("a\"b\\c\n\x01\u00e0"), "\"a\\\"b\\\\c\\n\\u0001\u00e0\"");
  EXPECT_EQ(ConsoleQuote("a\"b\x01"), "\"a\\\"b\\x01\"");
  EXPECT_EQ(HtmlEscape("<a href='x'>&\"\x02"), "&lt;a href=&#39;x&#39;&gt;&amp;&quot;&#xFFFD;");
  EXPECT_EQ(ShortestDouble(0.1), "0.1");
  EXPECT_EQ(ShortestDouble(2), "2");
  EXPECT_EQ(ShortestDouble(std::numeric_limits<double>::infinity()), "null");
  EXPECT_EQ(Kilometres(4250), "4.250");
  EXPECT_EQ(Kilometres(-50), "-0.050");
  EXPECT_EQ(Kilometres(1007000), "1007.000");
  EXPECT_EQ(ClockTime(22080), "6:08:00");
  EXPECT_EQ(ClockTime(27000), "7:30:00");
  EXPECT_EQ(ClockTime(-61), "-0:01:01");
}

}  // namespace
}  // namespace percorso
