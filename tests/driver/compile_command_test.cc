// `percorso compile` on an author's files: outcomes, messages and what is left
// on disk, including hostile files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>

#include "driver/cli.h"
#include "model/check_codes.h"
#include "output/decode.h"
#include "support/cli.h"
#include "support/source_fixture.h"
#include "support/temp_dir.h"

namespace percorso {
namespace {

using testing::LineFile;
using testing::Lines;
using testing::TempDir;
using testing::TrainFile;
using testing::WriteBytes;

using Outcome = testing::CliResult;

class CompileCommandTest : public ::testing::Test {
 protected:
  /// Writes the sources as L_linea.txt and L_T-.txt and compiles them into the
  /// same directory.
  Outcome Compile(const std::string& linea, const std::string& treno,
                  const std::vector<std::string>& extra = {}) {
    return testing::RunOnSources(dir_, "compile", linea, treno, extra);
  }

  TempDir dir_;
};

TEST_F(CompileCommandTest, CleanCompileKeepsTheSourcesAndWritesThreeFiles) {
  std::string linea = LineFile({"pendenza,  0,   2", "curvas2,  1000,  400"}, 5000);
  std::string treno =
      TrainFile({"velocita,   0,    30", "segnale,    2250,   1, 4, 1,  0, 0,    0,  0,0,0, 0"});
  Outcome o = Compile(linea, treno);
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.err, "");
  EXPECT_EQ(dir_.List(), (std::vector<std::string>{"L_T-.txt", "L_T.dat", "L_T.sim", "L_linea.dat",
                                                   "L_linea.txt"}));
  EXPECT_EQ(testing::ReadBytes(dir_.file("L_linea.txt")), linea);
  EXPECT_EQ(testing::ReadBytes(dir_.file("L_T-.txt")), treno);
  EXPECT_EQ(testing::ReadBytes(dir_.file("L_linea.dat")).size(), 20u * 12000 - 36);
}

TEST_F(CompileCommandTest, NoGeometryWritesNoGeometryFile) {
  Outcome o = Compile(LineFile({"curvas2,  1000,  400"}, 5000), TrainFile({}), {"--no-geometry"});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(dir_.List(),
            (std::vector<std::string>{"L_T-.txt", "L_T.dat", "L_T.sim", "L_linea.txt"}));
}

TEST_F(CompileCommandTest, AConflictIsReportedWithItsPlaceAndTheFilesAreWritten) {
  std::string treno = Lines({"[generale]", "segnale,    4250,   1, 4, 1,  0, 0,    0,  0,0,0, 0",
                             "segnale,    4250,   2, 4, 1,  0, 0,    0,  0,0,0, 0", "[fine]"});
  Outcome o = Compile(LineFile({}, 9000), treno);
  EXPECT_EQ(o.status, 3);
  // The paths as given on the command line.
  const std::string train = dir_.file("L_T-.txt");
  // Each place is followed by its source line and a caret under the column.
  EXPECT_EQ(o.err, train +
                       ":3:13: error: signal cell already taken [status 16, position 4250 m]\n"
                       "    3 | segnale,    4250,   2, 4, 1,  0, 0,    0,  0,0,0, 0\n"
                       "      |             ^~~~\n" +
                       train +
                       ":2:1: note: cell 86 (about metre 4250) already holds a signal, put there "
                       "by this 'segnale' entry\n"
                       "    2 | segnale,    4250,   1, 4, 1,  0, 0,    0,  0,0,0, 0\n"
                       "      | ^~~~~~~\n");
  EXPECT_EQ(dir_.List().size(), 5u);
}

TEST_F(CompileCommandTest, AFeatureOnTheHeaderCellIsTheFatalError1250) {
  std::string treno = TrainFile({"segnale,    0,   1, 4, 1,  0, 0,    0,  0,0,0, 0"});
  Outcome o = Compile(LineFile({}, 9000), treno);
  EXPECT_EQ(o.status, 1);
  // The fatal report stays the first line; the entry behind it follows.
  EXPECT_TRUE(o.err.starts_with(" Errore n. 1250\n" + dir_.file("L_T-.txt") +
                                ":2:1: error: this 'segnale' entry puts its feature on cell 1"))
      << o.err;
  EXPECT_EQ(dir_.List(), (std::vector<std::string>{"L_T-.txt", "L_linea.txt"}));
}

TEST_F(CompileCommandTest, NoRouteMeansNoBinaryFile) {
  Outcome o = Compile(Lines({"no header here", "[fine]"}), TrainFile({}));
  EXPECT_EQ(o.status, 3);
  const std::string line = dir_.file("L_linea.txt");
  EXPECT_EQ(o.err, line +
                       ": error: line description file has no \"[generale]\" [status 102, "
                       "position 0 m]\n" +
                       line + ": note: no route was compiled; nothing is written\n");
  EXPECT_EQ(dir_.List(), (std::vector<std::string>{"L_T-.txt", "L_linea.txt"}));
}

// Hostile files end in a status or a clear message, never a crash.
TEST_F(CompileCommandTest, HostileFilesEndInAStatusOrAMessage) {
  const std::string good_line = LineFile({}, 9000);
  struct Case {
    const char* name;
    std::string linea;
    std::string treno;
  };
  const Case cases[] = {
      {"empty line file", "", TrainFile({})},
      {"empty train file", good_line, ""},
      {"NUL and binary bytes",
       std::string("[generale]\0\xff\xfe,\0,,\x80\r\n", 17) + std::string(5000, '\0'),
       std::string(3000, '\xff')},
      {"a line of megabytes", good_line, "[generale]\r\n" + std::string(3 << 20, 'x') + ",1\r\n"},
      {"cut inside a quoted field", good_line, "[generale]\r\nstazione, \"never closed"},
      {"a huge number", LineFile({"pendenza,  99999999999999999999,   2"}), TrainFile({})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Outcome o = Compile(c.linea, c.treno);
    EXPECT_TRUE(o.status == 0 || o.status == 3) << o.status << " " << o.err;
    if (o.status == 3) {
      EXPECT_NE(o.err.find(": error: "), std::string::npos) << o.err;
    }
  }
}

TEST_F(CompileCommandTest, ASourceThatIsADirectoryIsRefused) {
  ASSERT_TRUE(std::filesystem::create_directory(testing::PathOf(dir_.file("D_linea.txt"))));
  WriteBytes(dir_.file("D_T-.txt"), TrainFile({}));
  testing::CliResult r = testing::RunCli({"compile", "--line", dir_.file("D_linea.txt"), "--train",
                                          dir_.file("D_T-.txt"), "--dir", dir_.path()});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err,
            "percorso: " + dir_.file("D_linea.txt") + ": is a directory, not a source file\n");
}

TEST_F(CompileCommandTest, KeysComeFromTheFileNames) {
  WriteBytes(dir_.file("Valle_linea.txt"), LineFile({}, 9000));
  WriteBytes(dir_.file("Valle_42-.txt"), TrainFile({}));
  testing::CliResult r =
      testing::RunCli({"compile", "--line", dir_.file("Valle_linea.txt"), "--train",
                       dir_.file("Valle_42-.txt"), "--dir", dir_.path()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(testing::ReadBytes(dir_.file("Valle_42.sim")).size(), 2958u + 5 + 2);
}

// Every output is checked before the compile: one that cannot be replaced
// leaves all three as they were.
TEST_F(CompileCommandTest, AnOutputThatCannotBeReplacedStopsTheRunBeforeAnyIsWritten) {
  for (const char* name : {"L_T.dat", "L_T.sim", "L_linea.dat"}) WriteBytes(dir_.file(name), "old");
  ASSERT_EQ(chmod(dir_.file("L_T.dat").c_str(), 0444), 0);
  Outcome o = Compile(LineFile({}, 5000), TrainFile({}));
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.err, "percorso: " + dir_.file("L_T.dat") +
                       ": cannot replace: Permission denied (the file is read-only)\n");
  for (const char* name : {"L_T.dat", "L_T.sim", "L_linea.dat"}) {
    EXPECT_EQ(testing::ReadBytes(dir_.file(name)), "old") << name;
  }
}

// The temporaries' names do not grow with the final names: keys that make
// the longest names the file system allows work, and a replaced file keeps
// its permissions.
TEST_F(CompileCommandTest, TheLongestNamesWorkAndModesAreKept) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no permission bits";
#else
  const std::string key(245, 'k');  // "k..k_linea.dat" is 255 bytes
  const std::string sim = dir_.file(key + "_T.sim");
  WriteBytes(sim, "old");
  ASSERT_EQ(chmod(sim.c_str(), 0600), 0);
  Outcome o = Compile(LineFile({}, 5000), TrainFile({}), {"--line-key", key, "--train-key", "T"});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(dir_.List(), (std::vector<std::string>{"L_T-.txt", "L_linea.txt", key + "_T.dat",
                                                   key + "_T.sim", key + "_linea.dat"}));
  struct stat st;
  ASSERT_EQ(stat(sim.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_NE(testing::ReadBytes(sim), "old");
#endif
}

// File names carry the keys' characters (UTF-8 here, UTF-16 on Windows); the
// model and its check codes keep the keys' Windows-1252 bytes.
TEST_F(CompileCommandTest, AnAccentedKeyNamesTheFilesWithItsCharacters) {
  Outcome r = Compile(LineFile({}, 9000), TrainFile({}),
                      {"--line-key", "Citt\u00e0", "--train-key", "\u00e81"});
  ASSERT_EQ(r.status, 0) << r.err;
  for (const char* name :
       {"Citt\u00e0_linea.dat", "Citt\u00e0_\u00e81.sim", "Citt\u00e0_\u00e81.dat"}) {
    EXPECT_TRUE(std::filesystem::is_regular_file(testing::PathOf(dir_.file(name)))) << name;
  }
  std::array<voce, kNumVoci> voci{};
  std::string err;
  ASSERT_TRUE(DecodeVoci(testing::ReadBytes(dir_.file("Citt\u00e0_\u00e81.sim")), &voci, &err))
      << err;
  EXPECT_EQ(voci[85].nome, "Citt\xE0");
  EXPECT_EQ(voci[86].nome,
            "\xE8"
            "1");
  Scenario keys;
  keys.voci[85].nome = "Citt\xE0";
  keys.voci[86].nome =
      "\xE8"
      "1";
  EXPECT_EQ(voci[85].orario, codice_gara_st(keys));

  // A character outside the code page has no byte for the check codes.
  r = Compile(LineFile({}, 9000), TrainFile({}), {"--line-key", "\u03a9", "--train-key", "1"});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(
      r.err.starts_with("percorso: line key '\u03a9' holds a character outside "
                        "Windows-1252"))
      << r.err;
}

}  // namespace
}  // namespace percorso
