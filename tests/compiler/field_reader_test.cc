#include "compiler/field_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace percorso {
namespace {

// Reads every field of `text` as a text field.
std::vector<std::string> TextFields(const std::string& text) {
  FieldReader r(text);
  std::vector<std::string> fields;
  std::string f;
  while (r.ReadText(&f)) fields.push_back(f);
  return fields;
}

TEST(FieldReaderTest, TextFieldsEndAtCommasAndEveryKindOfLineEnd) {
  EXPECT_EQ(TextFields("lunghezza percorso,  97000\r\na\nb\rc"),
            (std::vector<std::string>{"lunghezza percorso", "97000", "a", "b", "c"}));
}

TEST(FieldReaderTest, TextKeepsInnerAndTrailingBlanksAndSkipsLeadingOnes) {
  EXPECT_EQ(TextFields(" \t PIANURA S.M.N.  \r\n  (VIADOTTO)(SETTA   )  ,x"),
            (std::vector<std::string>{"PIANURA S.M.N.  ", "(VIADOTTO)(SETTA   )  ", "x"}));
}

TEST(FieldReaderTest, QuotedFieldRunsToItsClosingQuote) {
  // Commas and line ends inside the quotes belong to the field; what follows
  // the closing quote up to the delimiter is dropped.
  EXPECT_EQ(TextFields("\"a, b\r\nc\" dropped,next\r\n  \"\",last"),
            (std::vector<std::string>{"a, b\r\nc", "next", "", "last"}));
}

TEST(FieldReaderTest, QuotedFieldCutByTheEndOfTheFileRunsToTheEnd) {
  EXPECT_EQ(TextFields("x,\"abc, def"), (std::vector<std::string>{"x", "abc, def"}));
}

TEST(FieldReaderTest, NumbersEndAtBlanksAndOwnTheBlanksBeforeTheirDelimiter) {
  FieldReader r("6               12            40 \r\n[aderenze]\r\n5 , 6,\t7\t,8");
  std::vector<int32_t> numbers(3);
  for (int32_t& n : numbers) ASSERT_TRUE(r.ReadInt32(&n));
  EXPECT_EQ(numbers, (std::vector<int32_t>{6, 12, 40}));
  std::string text;
  ASSERT_TRUE(r.ReadText(&text));
  EXPECT_EQ(text, "[aderenze]");
  for (int32_t expected : {5, 6, 7, 8}) {
    int32_t n = -1;
    ASSERT_TRUE(r.ReadInt32(&n));
    EXPECT_EQ(n, expected);
  }
  EXPECT_TRUE(r.at_end());
}

TEST(FieldReaderTest, EmptyNumericFieldsReadZero) {
  FieldReader r("indicatori_vmax,  1000,  105,  ,  ,\r\n");
  std::string kw;
  ASSERT_TRUE(r.ReadText(&kw));
  std::vector<int32_t> v(5, -1);
  for (int32_t& n : v) ASSERT_TRUE(r.ReadInt32(&n));
  EXPECT_EQ(v, (std::vector<int32_t>{1000, 105, 0, 0, 0}));
  EXPECT_TRUE(r.at_end());
}

TEST(FieldReaderTest, NumericValueOfATextRoundsHalvesToEvenOrReadsZero) {
  constexpr NumberForm kWhole = NumberForm::kWhole;
  constexpr NumberForm kDecimal = NumberForm::kDecimal;
  constexpr NumberForm kNone = NumberForm::kNotANumber;
  struct Row {
    const char* text;
    int64_t value;
    NumberForm form;
  };
  const Row rows[] = {
      {"", 0, kNone},         {"AC", 0, kNone},           {"12abc", 0, kNone},
      {"-3", -3, kWhole},     {"+7", 7, kWhole},          {"007", 7, kWhole},
      {"2.5", 2, kDecimal},   {"3.5", 4, kDecimal},       {"-2.5", -2, kDecimal},
      {"-3.5", -4, kDecimal}, {"0.5000001", 1, kDecimal}, {"2.4999", 2, kDecimal},
      {"12.", 0, kNone},      {".5", 0, kNone},           {"1e3", 0, kNone},
      {"1,5", 0, kNone},      {"- 3", 0, kNone},          {"--3", 0, kNone},
      {"0x10", 0, kNone},     {"-0.4", 0, kDecimal},      {"+", 0, kNone},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    int64_t v = -99;
    NumberForm form = NumberForm::kWhole;
    ASSERT_TRUE(NumericValue(row.text, &v, &form));
    EXPECT_EQ(v, row.value);
    EXPECT_EQ(form, row.form);
  }
  int64_t v = 0;
  EXPECT_FALSE(NumericValue(std::string(40, '9'), &v));
}

TEST(FieldReaderTest, ValueThatDoesNotFitItsWidthIsAReadFailure) {
  struct Row {
    const char* text;
    int width;  // 32, 16 or 8
    bool fits;
  };
  const Row rows[] = {
      {"2147483647", 32, true},
      {"2147483648", 32, false},
      {"-2147483648", 32, true},
      {"-2147483649", 32, false},
      {"32767", 16, true},
      {"32767.5", 16, false},
      {"-32768", 16, true},
      {"-32769", 16, false},
      {"255", 8, true},
      {"256", 8, false},
      {"-1", 8, false},
      {"-0.4", 8, true},
      {"99999999999999999999", 32, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    FieldReader r(row.text);
    bool ok = false;
    if (row.width == 32) {
      int32_t v = 0;
      ok = r.ReadInt32(&v);
    } else if (row.width == 16) {
      int16_t v = 0;
      ok = r.ReadInt16(&v);
    } else {
      uint8_t v = 0;
      ok = r.ReadByte(&v);
    }
    EXPECT_EQ(ok, row.fits);
    EXPECT_EQ(r.error(), row.fits ? ReadError::kNone : ReadError::kDoesNotFit);
  }
}

TEST(FieldReaderTest, EndOfFileComesRightAfterTheLastFieldAndItsLineEnd) {
  FieldReader r("a,b\r\n");
  std::string f;
  ASSERT_TRUE(r.ReadText(&f));
  EXPECT_FALSE(r.at_end());
  ASSERT_TRUE(r.ReadText(&f));
  EXPECT_TRUE(r.at_end());
  int32_t n = 0;
  EXPECT_FALSE(r.ReadInt32(&n));
  EXPECT_EQ(r.error(), ReadError::kEndOfFile);
  EXPECT_EQ(r.line(), 2);
  EXPECT_EQ(r.column(), 1);
}

TEST(FieldReaderTest, AnEmptyLineIsAnEmptyField) {
  EXPECT_EQ(TextFields("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
}

TEST(FieldReaderTest, KeepsTheLineAndColumnWhereEachFieldStarts) {
  FieldReader r("x,  yy\r\n\tz\n\"q\r\nq\",w\rv");
  struct Place {
    int line;
    int column;
  };
  const Place places[] = {{1, 1}, {1, 5}, {2, 2}, {3, 1}, {4, 4}, {5, 1}};
  std::string f;
  for (const Place& p : places) {
    ASSERT_TRUE(r.ReadText(&f));
    EXPECT_EQ(r.line(), p.line) << f;
    EXPECT_EQ(r.column(), p.column) << f;
  }
  EXPECT_TRUE(r.at_end());
  // Asked for only now and then, across several line ends at once.
  FieldReader later("x,  yy\r\n\tz\n\"q\r\nq\",w\rv");
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(later.ReadText(&f));
  EXPECT_EQ(later.line(), 4);
  EXPECT_EQ(later.column(), 4);
  ASSERT_TRUE(later.ReadText(&f));
  EXPECT_EQ(later.line(), 5);
  EXPECT_EQ(later.column(), 1);
}

TEST(FieldReaderTest, TellsWhichFieldsAreFirstOnTheirLine) {
  // Line ends of every kind, an empty line, blanks before a field and a quoted
  // field that runs over a line end.
  FieldReader r("a,b\r\nc\n\r\n  d,\"e\r\nf\",g\rh,i");
  const bool first[] = {true, false, true, true, true, false, true, true, false};
  std::string f;
  for (bool want : first) {
    ASSERT_TRUE(r.ReadText(&f));
    EXPECT_EQ(r.first_on_line(), want) << f;
  }
  EXPECT_TRUE(r.at_end());
}

TEST(FieldReaderTest, SkipsTheRestOfALineUnlessAtItsStart) {
  FieldReader r("a,b,c\r\nd,e\nf");
  std::string f;
  r.SkipRestOfLine();  // nothing read yet: stays at the start
  ASSERT_TRUE(r.ReadText(&f));
  EXPECT_EQ(f, "a");
  r.SkipRestOfLine();
  ASSERT_TRUE(r.ReadText(&f));
  EXPECT_EQ(f, "d");
  ASSERT_TRUE(r.ReadText(&f));
  EXPECT_EQ(f, "e");
  r.SkipRestOfLine();  // "e" ended its line: already at the start of the next
  ASSERT_TRUE(r.ReadText(&f));
  EXPECT_EQ(f, "f");
  EXPECT_EQ(r.line(), 3);
}

TEST(FieldReaderTest, HostileBytesNeverBreakIt) {
  std::string nuls("a\0b,\0\0,1\0\r\n", 11);
  std::string high(300, '\xFF');
  std::string megabyte_line(1 << 20, '7');
  std::string quote_cut = "\"" + std::string(1 << 20, 'q');
  for (const std::string& text : {nuls, high, megabyte_line, quote_cut, std::string(",,,,")}) {
    FieldReader r(text);
    size_t fields = 0;
    while (!r.at_end()) {
      std::string f;
      int32_t n = 0;
      if (fields % 2 == 0) {
        ASSERT_TRUE(r.ReadText(&f));
      } else if (!r.ReadInt32(&n)) {
        EXPECT_EQ(r.error(), ReadError::kDoesNotFit);
        break;
      }
      ASSERT_LT(++fields, text.size() + 2);
    }
  }
  std::string f;
  FieldReader nul_reader(nuls);
  ASSERT_TRUE(nul_reader.ReadText(&f));
  EXPECT_EQ(f, std::string("a\0b", 3));
}

}  // namespace
}  // namespace percorso
