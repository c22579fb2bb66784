#include "io/text_document.h"

#include <gtest/gtest.h>

#include "io/file_names.h"
#include "io/platform.h"
#include "support/temp_dir.h"

namespace percorso {
namespace {

TEST(LineListTest, EveryLineEndsWithCrLfAndTheSentinelIsNotWritten) {
  std::string_view lines[] = {"[generale]", "", "  a,  1 ", "[fine]"};
  std::vector<std::string> list = MakeLineList(lines);
  ASSERT_EQ(list.size(), 1001u);
  EXPECT_EQ(list[4], kSentinel);
  EXPECT_EQ(RenderLineList(list), "[generale]\r\n\r\n  a,  1 \r\n[fine]\r\n");
}

TEST(LineListTest, SentinelAtIndexZeroGivesAnEmptyFile) {
  std::vector<std::string> list = MakeLineList({});
  EXPECT_EQ(list[0], kSentinel);
  EXPECT_EQ(RenderLineList(list), "");
}

TEST(LineListTest, StopsAtTheFirstSentinelOnly) {
  std::vector<std::string> list(1001);
  list[0] = "a";
  list[1] = std::string(kSentinel);
  list[2] = "never";
  EXPECT_EQ(RenderLineList(list), "a\r\n");
}

TEST(LineListTest, ComparisonWithTheSentinelIsExact) {
  std::vector<std::string> list(3);
  list[0] = "Riferimento fine del file";
  list[1] = std::string(kSentinel) + " ";
  list[2] = std::string(kSentinel);
  EXPECT_EQ(RenderLineList(list), "Riferimento fine del file\r\nriferimento fine del file \r\n");
}

TEST(LineListTest, AListWithoutSentinelIsWrittenWholeAndNoFurther) {
  std::vector<std::string> list(1001, "x");
  EXPECT_EQ(RenderLineList(list).size(), 1001u * 3);
}

TEST(LineListTest, TooManyLinesKeepRoomForTheSentinel) {
  std::vector<std::string_view> lines(1200, "l");
  std::vector<std::string> list = MakeLineList(lines);
  EXPECT_EQ(list.back(), kSentinel);
  EXPECT_EQ(RenderLineList(list).size(), 1000u * 3);
}

TEST(LineListTest, WritesBytesAsTheyAre) {
  testing::TempDir dir;
  RealDisk disk;
  std::string_view lines[] = {"per\xF2", "x"};
  std::string err;
  ASSERT_TRUE(WriteLineList(disk, dir.file("n.txt"), lines, &err)) << err;
  EXPECT_EQ(testing::ReadBytes(dir.file("n.txt")), "per\xF2\r\nx\r\n");
}

TEST(FileNamesTest, NamesFollowTheKeys) {
  FileNames n = NameFiles("/d", kBuiltinLineKey, kBuiltinTrainKey);
  const std::string d = std::string("/d") + kPathSeparator;
  EXPECT_EQ(n.linea_txt, d + "Pianura_Crinale_linea.txt");
  EXPECT_EQ(n.treno_txt, d + "Pianura_Crinale_2731-.txt");
  EXPECT_EQ(n.scheda_treno, d + "Pianura_Crinale_2731_scheda_treno.txt");
  EXPECT_EQ(n.rallentamenti, d + "Pianura_Crinale_2731_rallentamenti.txt");
  EXPECT_EQ(n.note, d + "Pianura_Crinale_2731_note.txt");
  EXPECT_EQ(n.linea_dat, d + "Pianura_Crinale_linea.dat");
  EXPECT_EQ(n.sim, d + "Pianura_Crinale_2731.sim");
  EXPECT_EQ(n.dat, d + "Pianura_Crinale_2731.dat");
}

TEST(FileNamesTest, KeysAreUsedExactlyAsStored) {
  FileNames n = NameFiles("d", " A b", "X ");
  const std::string d = std::string("d") + kPathSeparator;
  EXPECT_EQ(n.linea_txt, d + " A b_linea.txt");
  EXPECT_EQ(n.sim, d + " A b_X .sim");
}

TEST(FileNamesTest, KeysThatCannotNameFiles) {
  struct Case {
    std::string_view key;
    const char* reason;
  };
  const Case cases[] = {
      {"", "is empty"},
      {"a\nb", "holds a control character"},
      {"\x1b[31m", "holds a control character"},
      {std::string_view("a\0", 2), "holds a control character"},
      {"a\x7f", "holds a control character"},
      {"a/b", "holds a path separator"},
      {"a\\b", "holds a path separator"},
  };
  for (const Case& c : cases) {
    std::string reason;
    EXPECT_FALSE(CheckKey(c.key, &reason)) << c.key;
    EXPECT_EQ(reason, c.reason) << c.key;
  }
  std::string reason;
  for (std::string_view good : {"Pianura_Crinale", " A b", "per\xF2", "."}) {
    EXPECT_TRUE(CheckKey(good, &reason)) << good;
  }
}

TEST(FileNamesTest, ScenariosWithKeysThatCannotNameFilesAreNotFound) {
  std::vector<std::string> names = {"a\nb_linea.dat", "a\nb_1.sim", "a\nb_1.dat",
                                    "L_linea.dat",    "L_\x1b.sim", "L_\x1b.dat"};
  EXPECT_TRUE(FindScenarios(names).empty());
}

}  // namespace
}  // namespace percorso
