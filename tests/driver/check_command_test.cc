// `percorso check`, -w on compile, and the help of each command.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "driver/help.h"
#include "support/cli.h"
#include "support/source_fixture.h"
#include "support/temp_dir.h"

namespace percorso {
namespace {

using testing::kSignal;
using testing::LineFile;
using testing::TempDir;
using testing::TrainFile;

class CheckCommandTest : public ::testing::Test {
 protected:
  testing::CliResult Run(const std::string& command, const std::string& linea,
                         const std::string& treno, const std::vector<std::string>& extra = {}) {
    return testing::RunOnSources(dir_, command, linea, treno, extra);
  }

  static int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
  }

  TempDir dir_;
};

TEST_F(CheckCommandTest, StatusesAndWhatIsPrinted) {
  const std::string clean_line = LineFile({}, 9000);
  const std::string warned_line = LineFile({"pendeza, 1000, 2"}, 9000);
  const std::string three_conflicts =
      TrainFile({"segnale, 1050" + kSignal, "segnale, 1050" + kSignal, "segnale, 2050" + kSignal,
                 "segnale, 2050" + kSignal, "segnale, 3050" + kSignal, "segnale, 3050" + kSignal});
  struct Row {
    const char* name;
    std::string linea;
    std::string treno;
    std::vector<std::string> extra;
    int status;
    int errors;
    int warnings;
  };
  const Row rows[] = {
      {"clean", clean_line, TrainFile({"sabbia, 300"}), {}, 0, 0, 0},
      {"warnings only", warned_line, TrainFile({"sabbia, 300"}), {}, 0, 0, 1},
      {"warnings only, strict", warned_line, TrainFile({"sabbia, 300"}), {"--strict"}, 3, 0, 1},
      {"warnings silenced", warned_line, TrainFile({"sabbia, 300"}), {"-w", "--strict"}, 0, 0, 0},
      {"every error", clean_line, three_conflicts, {}, 3, 3, 0},
      {"at most two errors", clean_line, three_conflicts, {"--max-errors", "2"}, 3, 2, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    testing::CliResult r = Run("check", row.linea, row.treno, row.extra);
    EXPECT_EQ(r.status, row.status) << r.err;
    EXPECT_EQ(Count(r.err, ": error: "), row.errors) << r.err;
    EXPECT_EQ(Count(r.err, ": warning: "), row.warnings) << r.err;
    EXPECT_EQ(r.err.find("too many errors") != std::string::npos,
              row.extra.size() == 2 && row.extra[0] == "--max-errors")
        << r.err;
    // One line on standard output, only when the check passes.
    if (row.status == 0) {
      EXPECT_TRUE(r.out.starts_with("percorso: no error")) << r.out;
      EXPECT_EQ(Count(r.out, "\n"), 1) << r.out;
    } else {
      EXPECT_EQ(r.out, "");
    }
  }
  // Nothing is written.
  EXPECT_EQ(dir_.List(), (std::vector<std::string>{"L_T-.txt", "L_linea.txt"}));
}

TEST_F(CheckCommandTest, FirstErrorLineIsTheCompilesAndTheFatalLineStaysFirst) {
  const std::string linea = LineFile({}, 9000);
  const std::vector<std::string> trains = {
      TrainFile({"segnale, 1050" + kSignal, "segnale, 1050" + kSignal, "sabbia, 99999"}),
      TrainFile({"x", "segnale, 0" + kSignal}),
      TrainFile({"stazione, 1025, 12, 500"}),
  };
  for (const std::string& treno : trains) {
    SCOPED_TRACE(treno);
    testing::CliResult compiled = Run("compile", linea, treno);
    testing::CliResult checked = Run("check", linea, treno);
    EXPECT_NE(compiled.status, 0);
    EXPECT_EQ(checked.status, 3);
    auto first_error = [](const std::string& err) {
      size_t at = err.find(": error: ");
      size_t start = err.rfind('\n', at);
      start = start == std::string::npos ? 0 : start + 1;
      return err.substr(start, err.find('\n', at) - start);
    };
    EXPECT_EQ(first_error(checked.err), first_error(compiled.err));
    EXPECT_EQ(checked.err.starts_with(" Errore n. "), compiled.err.starts_with(" Errore n. "));
  }
}

TEST_F(CheckCommandTest, CompileWarnsWithoutChangingItsStatusAndMinusWSilencesIt) {
  const std::string linea = LineFile({"pendeza, 1000, 2"}, 9000);
  testing::CliResult r = Run("compile", linea, TrainFile({"sabbia, 300"}));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, dir_.file("L_linea.txt") +
                       ":4:1: warning: line ignored: 'pendeza' matches no keyword; did you mean "
                       "'pendenza'? [-Wmisspelt-keyword]\n"
                       "    4 | pendeza, 1000, 2\n"
                       "      | ^~~~~~~\n"
                       "      | pendenza\n");
  testing::CliResult quiet = Run("compile", linea, TrainFile({"sabbia, 300"}), {"-w"});
  EXPECT_EQ(quiet.status, 0);
  EXPECT_EQ(quiet.err, "");
}

TEST_F(CheckCommandTest, ACleanCheckSaysWhatItRead) {
  const std::string linea =
      LineFile({"indicatori_vmax, 2000, 100,100,100,0,0,0,0,0", "cartello_indicatore, 3000, (A)",
                "cartello_indicatore, 3500, (B)"},
               9000);
  const std::string treno =
      TrainFile({"velocita, 0, 100", "velocita, 4000, 120", testing::Station(0, 8, 600, "A"),
                 testing::Station(5000, 12, 500, "B"), "segnale, 1050" + kSignal,
                 "rallentamento, 6000, 60, 500, 0, 0, 60"});
  const std::string read =
      "2 stations, 1 signal, 1 slowdown, 2 speed entries, 3 boards (1 speed-indicator, 2 text), "
      "route length 9000 m\n";
  testing::CliResult checked = Run("check", linea, treno);
  EXPECT_EQ(checked.status, 0) << checked.err;
  EXPECT_EQ(checked.out, "percorso: no error: " + read);
  // A compile is silent on success, unless -v.
  testing::CliResult compiled = Run("compile", linea, treno);
  EXPECT_EQ(compiled.status, 0) << compiled.err;
  EXPECT_EQ(compiled.out, "");
  EXPECT_EQ(compiled.err, "");
  testing::CliResult told = Run("compile", linea, treno, {"-v"});
  EXPECT_EQ(told.status, 0) << told.err;
  EXPECT_EQ(told.out, "");
  EXPECT_EQ(told.err, "percorso: compiled " + read);
  // -q leaves the status line out.
  testing::CliResult quiet = Run("compile", linea, treno, {"-v", "-q"});
  EXPECT_EQ(quiet.status, 0) << quiet.err;
  EXPECT_EQ(quiet.err, "");
}

TEST_F(CheckCommandTest, UsageErrors) {
  for (const std::vector<std::string>& extra :
       {std::vector<std::string>{"--max-errors", "x"}, {"--max-errors", "-1"}, {"--dir", "."}}) {
    SCOPED_TRACE(extra[0] + " " + extra[1]);
    testing::CliResult r = Run("check", LineFile({}), TrainFile({}), extra);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.starts_with("percorso: ")) << r.err;
  }
}

TEST(HelpTest, EachCommandHasItsHelp) {
  for (const char* command : {"init", "compile", "check", "dump", "view", "lsp", "help"}) {
    SCOPED_TRACE(command);
    const CommandDefinition* definition = FindCommand(command);
    ASSERT_NE(definition, nullptr);
    std::string help = CommandHelp(*definition);
    EXPECT_TRUE(help.starts_with(std::string("usage: percorso ") + command));
    EXPECT_NE(help.find("Example:\n  percorso "), std::string::npos);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"help", command}, {command, "--help"}}) {
      testing::CliResult r = testing::RunCli(args);
      EXPECT_EQ(r.status, 0);
      EXPECT_EQ(r.out, help);
    }
  }
  testing::CliResult general = testing::RunCli({"help"});
  EXPECT_EQ(general.out, ProgramHelp());
  testing::CliResult unknown = testing::RunCli({"help", "nothing"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_TRUE(unknown.err.starts_with("percorso: no such command: nothing\n"));
}

TEST(HelpTest, KeywordsAreListedFromTheKeywordTable) {
  testing::CliResult all = testing::RunCli({"help", "keywords"});
  EXPECT_EQ(all.status, 0);
  EXPECT_EQ(all.out, KeywordsHelp());
  // Each section's keywords in the order of its tests, with their fields.
  const size_t length = all.out.find("\n  lunghezza percorso ");
  const size_t header = all.out.find("\n  ripetizione segnali ");
  const size_t body = all.out.find("\n  pendenza ");
  const size_t station = all.out.find("\n  stazione ");
  EXPECT_LT(length, header);
  EXPECT_LT(header, body);
  EXPECT_LT(body, station);
  EXPECT_NE(all.out.find("posizione (L, m), sx (L), s1 (L)"), std::string::npos);

  testing::CliResult one = testing::RunCli({"help", "keywords", "stazione"});
  EXPECT_EQ(one.status, 0);
  EXPECT_TRUE(one.out.starts_with("stazione: A station")) << one.out;
  EXPECT_NE(one.out.find("  1. posizione (L, m)  "), std::string::npos) << one.out;
  EXPECT_NE(one.out.find("  2. tipo (B)  "), std::string::npos) << one.out;
  EXPECT_NE(one.out.find("  17. name (T)  "), std::string::npos) << one.out;
  // A keyword as the files write it names the same keyword.
  EXPECT_EQ(testing::RunCli({"help", "keywords", "indicatori_vmax"}).out,
            testing::RunCli({"help", "keywords", "indicatori_v"}).out);

  testing::CliResult unknown = testing::RunCli({"help", "keywords", "stazzione"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_TRUE(unknown.err.starts_with("percorso: no such keyword: stazzione\n")) << unknown.err;
}

}  // namespace
}  // namespace percorso

namespace percorso {
namespace {

// check --fix makes the fixes of what it shows, keeps the old file as FILE~
// (unless --no-backup), leaves a file with nothing to fix alone, and reports
// what is left after a second check.
TEST_F(CheckCommandTest, FixMakesTheFixesAndChecksAgain) {
  const std::string linea =
      "[generale]\r\nlunghezza percorso, 97\r\n[curve]\r\n"
      "pendeza, 1000, 2\r\nmontagna, 5000, 4000, 2\r\n";
  const std::string treno = TrainFile({"sabbia, 300"});
  testing::CliResult r = Run("check", linea, treno, {"--fix"});
  EXPECT_EQ(r.status, 0) << r.err;
  // Three problems and the missing [fine]; the line ends stay the file's own.
  EXPECT_EQ(testing::ReadBytes(dir_.file("L_linea.txt")),
            "[generale]\r\nlunghezza percorso, 97000\r\n[curve]\r\n"
            "pendenza, 1000, 2\r\nmontagna, 4000, 5000, 2\r\n[fine]\r\n");
  EXPECT_EQ(testing::ReadBytes(dir_.file("L_linea.txt~")), linea);
  EXPECT_EQ(r.err, "percorso: " + dir_.file("L_linea.txt") +
                       ": 4 problems fixed (the old file is " + dir_.file("L_linea.txt") + "~)\n");
  EXPECT_EQ(testing::ReadBytes(dir_.file("L_T-.txt")), treno);
  EXPECT_FALSE(std::filesystem::exists(dir_.file("L_T-.txt~")));

  // What has no fix is reported after the fixes; -Wno-NAME leaves its fix
  // out; --no-backup keeps no copy.
  const std::string two = TrainFile({"segnale, 18+510" + kSignal, "velocita, 0, 400"});
  r = Run("check", LineFile({"pendeza, 1000, 2"}), two,
          {"--fix", "--no-backup", "-Wno-misspelt-keyword", "--strict"});
  EXPECT_EQ(r.status, 3);
  EXPECT_FALSE(std::filesystem::exists(dir_.file("L_T-.txt~")));
  EXPECT_EQ(testing::ReadBytes(dir_.file("L_T-.txt")),
            TrainFile({"segnale, 18510" + kSignal, "velocita, 0, 400"}));
  EXPECT_EQ(testing::ReadBytes(dir_.file("L_linea.txt")), LineFile({"pendeza, 1000, 2"}));
  EXPECT_EQ(Count(r.err, "[-Wspeed-too-high]"), 1) << r.err;
  EXPECT_EQ(Count(r.err, "[-Wnumber-text]"), 0) << r.err;

  // Standard input cannot be fixed.
  testing::CliResult in = testing::RunCliWithInput(
      {"check", "--fix", "--line", "-", "--train", dir_.file("L_T-.txt")}, LineFile({}));
  EXPECT_EQ(in.status, 2);
}

}  // namespace
}  // namespace percorso
