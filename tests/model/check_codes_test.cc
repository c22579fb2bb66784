#include "model/check_codes.h"

#include <gtest/gtest.h>

#include <string>

namespace percorso {
namespace {

Scenario WithKeys(const std::string& treno, const std::string& linea) {
  Scenario s;
  s.voci[kVoceChiaveTreno].nome = treno;
  s.voci[kVoceLinea].nome = linea;
  return s;
}

TEST(CheckCodesTest, KnownKeys) {
  struct Case {
    std::string treno;
    std::string linea;
    int16_t og;
    int32_t st;
  };
  const Case cases[] = {
      {"c", "ab", 2546, 33753},
      {"", "", 2583, 34355},
      // Upper case counts as lower case.
      {"C", "AB", 2546, 33753},
      {"c", "Ab", 2546, 33753},
      // Train key first: "abc" instead of "cab".
      {"ab", "c", 2546, 33756},
      {"", "abc", 2546, 33756},
      // 25 characters or more: a to y, the filler and the rest play no part.
      {"abcdefghijklmnopqrstuvwxy", "", 2725, 36725},
      {"abcdefghij", "klmnopqrstuvwxyZZZ", 2725, 36725},
      // Long keys: the order changes the plain sum too.
      {std::string(20, 'x'), std::string(10, 'y'), 3005, 39115},
      {std::string(10, 'y'), std::string(20, 'x'), 3010, 39055},
      // Bytes above 0x7F count as 0..255, and the accented capitals lower.
      {"\xE9", "", 2705, 34285},
      {"\xE0", "", 2696, 34276},
      {"\xC0", "", 2696, 34276},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("train key \"" + c.treno + "\", line key \"" + c.linea + "\"");
    Scenario s = WithKeys(c.treno, c.linea);
    EXPECT_EQ(codice_gara_og(s), c.og);
    EXPECT_EQ(codice_gara_st(s), c.st);
  }
}

TEST(CheckCodesTest, HighestBytesDoNotOverflow) {
  Scenario s = WithKeys(std::string(25, '\xFF'), "");
  EXPECT_EQ(codice_gara_og(s), 25 * 255);
  EXPECT_EQ(codice_gara_st(s), 325 * 255);
}

TEST(CheckCodesTest, ReadsOnlyTheKeySlots) {
  Scenario s = WithKeys("c", "ab");
  s.line_key = "zzz";
  s.train_key = "zzz";
  s.voci[kVoceTreno].nome = "zzz";
  Scenario before = s;
  EXPECT_EQ(codice_gara_og(s), 2546);
  EXPECT_EQ(codice_gara_st(s), 33753);
  EXPECT_EQ(s.voci, before.voci);
}

}  // namespace
}  // namespace percorso
