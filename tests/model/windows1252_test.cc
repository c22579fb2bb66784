#include "model/windows1252.h"

#include <gtest/gtest.h>

namespace percorso {
namespace {

TEST(Windows1252Test, LowerCasesCapitalsOfTheCodePage) {
  EXPECT_EQ(ToLower1252("AbZ"), "abz");
  EXPECT_EQ(ToLower1252("\xC0\xC9\xDE"), "\xE0\xE9\xFE");
  EXPECT_EQ(ToLower1252("\xD7"), "\xD7");  // the multiplication sign has no small letter
  EXPECT_EQ(ToLower1252("\x8A\x8C\x8E\x9F"), "\x9A\x9C\x9E\xFF");
  EXPECT_EQ(ToLower1252("\xDF\xFF"), "\xDF\xFF");
}

TEST(Windows1252Test, ContainsIgnoringCase) {
  EXPECT_TRUE(ContainsIgnoringCase("Percentuale MASSA frenata", "massa"));
  EXPECT_TRUE(ContainsIgnoringCase("VELOCIT\xC0", "velocit\xE0"));
  EXPECT_FALSE(ContainsIgnoringCase("vel", "velocit"));
  EXPECT_TRUE(ContainsIgnoringCase("x", ""));
}

TEST(Windows1252Test, ConvertsToAndFromUtf8) {
  EXPECT_EQ(Utf8FromWindows1252("per\xF2 \x80"), "per\xC3\xB2 \xE2\x82\xAC");
  EXPECT_EQ(Utf8FromWindows1252("\x81"), "\xEF\xBF\xBD");
  EXPECT_EQ(Windows1252FromUtf8("per\xC3\xB2 \xE2\x82\xAC"), std::string("per\xF2 \x80"));
  EXPECT_EQ(Windows1252FromUtf8("\xE4\xB8\xAD"), std::nullopt);  // a CJK character
  EXPECT_EQ(Windows1252FromUtf8("\xF0\x9F\x98\x80"), std::nullopt);
  EXPECT_EQ(Windows1252FromUtf8("\xC3"), std::nullopt);  // cut inside a character
}

}  // namespace
}  // namespace percorso
