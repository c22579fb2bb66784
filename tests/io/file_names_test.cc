#include "io/file_names.h"

#include <gtest/gtest.h>

#include "io/platform.h"

namespace percorso {
namespace {

// Names made from keys are read back to the same keys and kinds.
TEST(FileNamesTest, KeysRoundTripThroughTheNames) {
  const std::pair<std::string, std::string> keys[] = {
      {"Pianura_Crinale", "2731"}, {"L", "T"}, {"a_b", "c_d"}, {"Citt\xE0", "1-2"}, {"x.y", "z"}};
  for (const auto& [line, train] : keys) {
    SCOPED_TRACE(line + " / " + train);
    FileNames n = NameFiles("dir", line, train);
    std::optional<std::string> line_key, train_key;
    KeysFromSourceNames(n.linea_txt, n.treno_txt, &line_key, &train_key);
    EXPECT_EQ(line_key, line);
    EXPECT_EQ(train_key, train);

    EXPECT_EQ(CompiledFileOfName(n.linea_dat), CompiledFile::kGeometry);
    EXPECT_EQ(CompiledFileOfName(n.sim), CompiledFile::kTable);
    EXPECT_EQ(CompiledFileOfName(n.dat), CompiledFile::kCells);
    EXPECT_EQ(CompiledFileOfName(n.linea_txt), std::nullopt);

    std::vector<std::string> entries = {std::string(BaseName(n.linea_dat)),
                                        std::string(BaseName(n.sim)), std::string(BaseName(n.dat)),
                                        std::string(BaseName(n.note))};
    EXPECT_EQ(FindScenarios(entries), (std::vector<ScenarioKeys>{{line, train}}));
  }
}

TEST(FileNamesTest, NamesThatDoNotFollowTheSchemeGiveNoKey) {
  struct Case {
    const char* line_file;
    const char* train_file;
    std::optional<std::string> line_key, train_key;
  };
  const Case cases[] = {
      {"_linea.txt", "_T-.txt", std::nullopt, std::nullopt},
      {"L_linea.txt", "M_T-.txt", "L", std::nullopt},
      {"L_linea.txt", "L_-.txt", "L", std::nullopt},
      {"L_linea.txt", "L_T.txt", "L", std::nullopt},
      {"sub/L_linea.txt", "other/L_T-.txt", "L", "T"},
      {"linea.txt", "L_T-.txt", std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.line_file) + " " + c.train_file);
    std::optional<std::string> line_key, train_key;
    KeysFromSourceNames(c.line_file, c.train_file, &line_key, &train_key);
    EXPECT_EQ(line_key, c.line_key);
    EXPECT_EQ(train_key, c.train_key);
  }
}

}  // namespace
}  // namespace percorso
