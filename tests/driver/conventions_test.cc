// The conventions of the command line, as a table of command lines with the
// exit status and what each stream must hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>

#include "driver/cli.h"
#include "driver/diagnostics_out.h"
#include "driver/help.h"
#include "io/file_names.h"
#include "model/catalogue.h"
#include "sources/writers.h"
#include "support/cli.h"
#include "support/faulty_disk.h"
#include "support/source_fixture.h"
#include "support/temp_dir.h"

namespace percorso {
namespace {

using testing::CliResult;
using testing::RunCli;

// The names in a directory, sorted; none when it does not exist.
std::vector<std::string> ListOf(const std::string& dir) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(testing::PathOf(dir), ec)) {
    names.push_back(e.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

void SetEnvironment(const char* name, const char* value) {
#ifdef _WIN32
  _putenv_s(name, value != nullptr ? value : "");
#else
  if (value != nullptr) {
    setenv(name, value, 1);
  } else {
    unsetenv(name);
  }
#endif
}

// A stream that refuses every byte, as a full disk or a closed descriptor.
class RefusingBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

class ConventionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteBytes(line_, testing::LineFile({"pendeza, 1000, 2"}, 9000));
    testing::WriteBytes(train_, testing::TrainFile({"sabbia, 300"}));
  }
  testing::TempDir dir_;
  std::string line_ = dir_.file("L_linea.txt");
  std::string train_ = dir_.file("L_T-.txt");
};

struct Row {
  std::vector<std::string> args;
  int status;
  std::string out_start;  // what standard output starts with
  std::string err;        // standard error, whole
};

std::string Try(const std::string& command) {
  return "Try 'percorso" + (command.empty() ? "" : " " + command) +
         " --help' for more information.\n";
}

TEST_F(ConventionsTest, UsageErrorsAreOneLineAndAPointerToTheHelp) {
  const Row rows[] = {
      {{"init", "--force=yes"}, 2, "", "percorso: option '--force' takes no value\n" + Try("init")},
      {{"init", "--forc=yes"}, 2, "", "percorso: option '--force' takes no value\n" + Try("init")},
      {{"compile", "--line"}, 2, "", "percorso: option '--line' needs a value\n" + Try("compile")},
      // --help after an option that needs a value is that value.
      {{"compile", "--line", "--help"},
       2,
       "",
       "percorso: compile needs --line and --train\n" + Try("compile")},
      {{"check", "--li", "x"},
       2,
       "",
       "percorso: option '--li' is ambiguous: --line, --line-key\n" + Try("check")},
      {{"init", "-x"}, 2, "", "percorso: unknown option: -x\n" + Try("init")},
      {{"--bogus"}, 2, "", "percorso: unknown option: --bogus\n" + Try("")},
      {{"frobnicate"}, 2, "", "percorso: unknown command: frobnicate\n" + Try("")},
      {{"check", "--line", "a", "--train", "b", "-Wno-bogus"},
       2,
       "",
       "percorso: unknown warning: -Wno-bogus ('percorso help check' lists the names)\n" +
           Try("check")},
      {{"check", "--line", "a", "--train", "b", "--diagnostics-format=xml"},
       2,
       "",
       "percorso: --diagnostics-format takes text, json or sarif, not 'xml'\n" + Try("check")},
      {{"compile", "--line", "a", "--train", "b", "--color=sometimes"},
       2,
       "",
       "percorso: --color takes auto, always or never, not 'sometimes'\n" + Try("compile")},
      {{"dump", "--kind=map", "-"},
       2,
       "",
       "percorso: --kind takes cells, table or geometry, not 'map'\n" + Try("dump")},
      {{"check", "--line", "-", "--train", "-"},
       2,
       "",
       "percorso: only one of --line and --train can be - (standard input)\n" + Try("check")},
      // --help answers whatever follows it; options and arguments mix.
      {{"compile", "--help", "--bogus"}, 0, "usage: percorso compile [OPTION]...", ""},
      {{"init", "-h"}, 0, "usage: percorso init [OPTION]...", ""},
      {{"--version"}, 0, "percorso ", ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(::testing::PrintToString(r.args));
    CliResult got = RunCli(r.args);
    EXPECT_EQ(got.status, r.status);
    EXPECT_TRUE(got.out.starts_with(r.out_start)) << got.out;
    if (r.out_start.empty()) {
      EXPECT_EQ(got.out, "");
    }
    EXPECT_EQ(got.err, r.err);
  }
}

TEST_F(ConventionsTest, AFailedWriteToStandardOutputIsAnError) {
  testing::WriteBytes(dir_.file("x"), "");
  CliResult compiled =
      RunCli({"compile", "--line", line_, "--train", train_, "--dir", dir_.path(), "-q", "-w"});
  ASSERT_EQ(compiled.status, 0) << compiled.err;
  const std::vector<std::string> rows[] = {
      {"--help"},
      {"help"},
      {"help", "dump"},
      {"dump", dir_.file("L_T.sim")},
      {"view", "--dir", dir_.path(), "-o", "-"},
      {"--dir", dir_.path()},  // "Attendere"
  };
  for (const std::vector<std::string>& args : rows) {
    SCOPED_TRACE(::testing::PrintToString(args));
    RefusingBuffer refusing;
    std::ostream out(&refusing);
    std::istringstream in;
    std::ostringstream err;
    RealDisk disk;
    EXPECT_EQ(RunCommandLine(args, "", disk, in, out, err), 1);
    EXPECT_TRUE(err.str().ends_with("percorso: standard output: write error\n")) << err.str();
  }
}

TEST_F(ConventionsTest, CommandsThatWriteIntoDirCreateIt) {
  const std::string nested = dir_.file("a/b");
  CliResult init = RunCli({"init", "--dir", nested});
  EXPECT_EQ(init.status, 0) << init.err;
  EXPECT_EQ(init.out, "");
  FileNames names = NameFiles(nested, kBuiltinLineKey, kBuiltinTrainKey);
  EXPECT_EQ(init.err,
            "percorso: wrote " + names.linea_txt + "\npercorso: wrote " + names.treno_txt + "\n");
  CliResult quiet = RunCli({"init", "--dir", dir_.file("q"), "-q"});
  EXPECT_EQ(quiet.status, 0);
  EXPECT_EQ(quiet.err, "");

  CliResult compile =
      RunCli({"compile", "--line", line_, "--train", train_, "--dir", dir_.file("c/d"), "-w"});
  EXPECT_EQ(compile.status, 0) << compile.err;
  EXPECT_EQ(compile.out, "");
  EXPECT_EQ(ListOf(dir_.file("c/d")),
            (std::vector<std::string>{"L_T.dat", "L_T.sim", "L_linea.dat"}));

  CliResult run = RunCli({"--dir", dir_.file("run")});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "Attendere\n");

  // A command that only reads keeps the directory as it is.
  CliResult view = RunCli({"view", "--dir", dir_.file("none")});
  EXPECT_EQ(view.status, 1);
  EXPECT_EQ(view.err, "percorso: " + dir_.file("none") + ": no such directory\n");
  EXPECT_EQ(ListOf(dir_.file("none")), std::vector<std::string>{});
}

TEST_F(ConventionsTest, TheDefaultRunThatCannotWriteBesideTheProgramSuggestsDir) {
  testing::FaultyDisk disk;
  disk.Arm(testing::Op::kCreate, 1);
  CliResult r = RunCli({}, &disk, dir_.path());
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(
      r.err.ends_with("percorso: the built-in scenario is written beside the program, "
                      "into " +
                      dir_.path() + "; give --dir DIR to write it elsewhere\n"))
      << r.err;
}

TEST_F(ConventionsTest, WarningsAreNamedAndTurnedOffByName) {
  const std::string misspelt = line_ +
                               ":4:1: warning: line ignored: 'pendeza' matches no keyword; did you "
                               "mean 'pendenza'? [-Wmisspelt-keyword]\n"
                               "    4 | pendeza, 1000, 2\n"
                               "      | ^~~~~~~\n"
                               "      | pendenza\n";
  // A clean check ends with what it read, counting only the warnings shown.
  const std::string read =
      ": 0 stations, 0 signals, 0 slowdowns, 0 speed entries, 0 boards (0 speed-indicator, 0 "
      "text), route length 9000 m\n";
  const std::string warned = "percorso: no error (1 warning)" + read;
  const std::string clean = "percorso: no error" + read;
  const Row rows[] = {
      {{}, 0, warned, misspelt},
      {{"-Wno-misspelt-keyword"}, 0, clean, ""},
      {{"-Wno-misspelt-keyword", "-Wmisspelt-keyword"}, 0, warned, misspelt},
      {{"-Wno-extra-field"}, 0, warned, misspelt},
      {{"-w"}, 0, clean, ""},
      {{"--strict", "-Wno-misspelt-keyword"}, 0, clean, ""},
      {{"--strict"}, 3, "", misspelt},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(::testing::PrintToString(r.args));
    std::vector<std::string> args = {"check", "--line", line_, "--train", train_};
    args.insert(args.end(), r.args.begin(), r.args.end());
    CliResult got = RunCli(args);
    EXPECT_EQ(got.status, r.status);
    EXPECT_EQ(got.out, r.out_start);
    EXPECT_EQ(got.err, r.err);
  }
  for (const WarningEntry& w : kWarningCatalogue) {
    EXPECT_NE(CommandHelp(*FindCommand("check")).find(std::string(w.name)), std::string::npos);
  }
}

TEST_F(ConventionsTest, CheckReadsASourceFromStandardInput) {
  CliResult r = testing::RunCliWithInput({"check", "--line", "-", "--train", train_},
                                         testing::ReadBytes(line_));
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(r.err.starts_with("<stdin>:4:1: warning: line ignored: 'pendeza'")) << r.err;
}

TEST_F(ConventionsTest, DumpReadsStandardInputAndTellsItsKind) {
  ASSERT_EQ(
      RunCli({"compile", "--line", line_, "--train", train_, "--dir", dir_.path(), "-w"}).status,
      0);
  for (const char* name : {"L_T.sim", "L_T.dat", "L_linea.dat"}) {
    SCOPED_TRACE(name);
    CliResult named = RunCli({"dump", dir_.file(name)});
    CliResult piped = testing::RunCliWithInput({"dump", "-"}, testing::ReadBytes(dir_.file(name)));
    EXPECT_EQ(piped.status, 0) << piped.err;
    // The same listing, but for the file's name in its first line.
    EXPECT_EQ(piped.out.substr(piped.out.find('\n')), named.out.substr(named.out.find('\n')));
  }
  CliResult forced = testing::RunCliWithInput({"dump", "--kind", "table", "-"},
                                              testing::ReadBytes(dir_.file("L_T.dat")));
  EXPECT_EQ(forced.status, 1);
  EXPECT_TRUE(forced.err.starts_with("percorso: -: ")) << forced.err;
  CliResult unknown = testing::RunCliWithInput({"dump", "-"}, "abc");
  EXPECT_EQ(unknown.status, 1);
  EXPECT_EQ(unknown.err,
            "percorso: -: cannot tell the kind of file by its size and content (give --kind "
            "cells, table or geometry)\n");
  CliResult json =
      testing::RunCliWithInput({"dump", "--json", "-"}, testing::ReadBytes(dir_.file("L_T.sim")));
  EXPECT_TRUE(json.out.starts_with("{\"schema\":1,\"file\":\"-\",\"kind\":\"table\"")) << json.out;
}

TEST_F(ConventionsTest, DiagnosticsForToolsAsJsonAndSarif) {
  testing::WriteBytes(train_, testing::TrainFile({"segnale, 2100, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0",
                                                  "segnale, 2100, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0"}));
  CliResult json = RunCli(
      {"check", "--line", line_, "--train", train_, "--diagnostics-format=json", "--color=always"});
  EXPECT_EQ(json.status, 3);
  EXPECT_EQ(json.err.find('\033'), std::string::npos);
  EXPECT_TRUE(json.err.starts_with("[\n{\"kind\":")) << json.err;
  EXPECT_NE(json.err.find("{\"kind\":\"warning\",\"name\":\"misspelt-keyword\",\"file\":"),
            std::string::npos);
  EXPECT_NE(json.err.find("{\"kind\":\"error\",\"file\":"), std::string::npos) << json.err;
  EXPECT_NE(json.err.find("\"status\":16,\"position\":2100,"), std::string::npos);
  EXPECT_NE(json.err.find("\"notes\":[{\"kind\":\"note\",\"file\":"), std::string::npos);
  EXPECT_NE(json.err.find("\"line\":3,\"column\":10,\"endColumn\":13,"), std::string::npos);
  // The file's name as JSON writes it (a Windows path's backslashes doubled).
  std::string line_in_json;
  for (char c : line_) line_in_json += c == '\\' ? std::string("\\\\") : std::string(1, c);
  EXPECT_NE(json.err.find("\"fixes\":[{\"file\":\"" + line_in_json +
                          "\",\"line\":4,\"column\":1,\"endColumn\":7,\"replacement\":"
                          "\"pendenza\",\"title\":\"Change to 'pendenza'\"}]"),
            std::string::npos)
      << json.err;

  CliResult sarif = RunCli({"compile", "--line", line_, "--train", train_, "--dir", dir_.path(),
                            "--diagnostics-format", "sarif"});
  EXPECT_EQ(sarif.status, 3);
  EXPECT_TRUE(sarif.err.starts_with(
      "{\"$schema\":\"https://json.schemastore.org/sarif-2.1.0.json\",\"version\":\"2.1.0\","))
      << sarif.err;
  EXPECT_NE(sarif.err.find("\"ruleId\":\"misspelt-keyword\",\"ruleIndex\":0,\"level\":\"warning\""),
            std::string::npos);
  // An error's rule is its status; a region spans the field at fault.
  EXPECT_NE(sarif.err.find("\"ruleId\":\"status-16\","), std::string::npos);
  EXPECT_NE(sarif.err.find("\"region\":{\"startLine\":3,\"startColumn\":10,\"endColumn\":14}"),
            std::string::npos);
  // The misspelt keyword's fix, as a replacement of the field.
  EXPECT_NE(sarif.err.find("\"deletedRegion\":{\"startLine\":4,\"startColumn\":1,"
                           "\"endColumn\":8},\"insertedContent\":{\"text\":\"pendenza\"}"),
            std::string::npos)
      << sarif.err;
  EXPECT_NE(sarif.err.find("\"relatedLocations\":[{\"id\":0,\"physicalLocation\":"),
            std::string::npos);
  EXPECT_TRUE(sarif.err.ends_with("]}]}\n"));
}

TEST(DiagnosticPlaceTest, AnErrorWithoutAPlaceCarriesTheFileInEveryFormat) {
  Diagnostic d;
  d.stato = 12;
  d.progressiva_errore = 100;
  d.notes.push_back(Note{{}, "why"});
  DiagnosticStyle style;
  style.placeless_file = "t/L_T-.txt";
  const std::pair<DiagnosticsFormat, std::string> rows[] = {
      {DiagnosticsFormat::kText,
       "t/L_T-.txt: error: no free cell for a marker in a window before a slowdown start "
       "[status 12, position 100 m]\nt/L_T-.txt: note: why\n"},
      {DiagnosticsFormat::kJson, "{\"kind\":\"error\",\"file\":\"t/L_T-.txt\",\"status\":12,"},
      {DiagnosticsFormat::kSarif,
       "\"locations\":[{\"physicalLocation\":{\"artifactLocation\":{\"uri\":\"t/L_T-.txt\"}}}],"
       "\"relatedLocations\":[{\"id\":0,\"physicalLocation\":{\"artifactLocation\":{\"uri\":"
       "\"t/L_T-.txt\"}},\"message\":{\"text\":\"why\"}}]"},
  };
  for (const auto& [format, want] : rows) {
    SCOPED_TRACE(want);
    style.format = format;
    std::ostringstream err;
    PrintDiagnostics(err, {d}, style);
    EXPECT_NE(err.str().find(want), std::string::npos) << err.str();
  }
}

TEST_F(ConventionsTest, ColourIsAskedForOrFollowsTheTerminal) {
  CliResult always = RunCli({"check", "--line", line_, "--train", train_, "--color=always"});
  EXPECT_TRUE(always.err.starts_with("\033[01m\033[K" + line_)) << always.err;
  EXPECT_NE(always.err.find("\033[01;32m\033[K^"), std::string::npos);
  EXPECT_TRUE(ColourFor(std::cerr, ColourMode::kAlways));
  EXPECT_FALSE(ColourFor(std::cerr, ColourMode::kNever));
  const char* term = std::getenv("TERM");
  std::string saved = term != nullptr ? term : "";
  SetEnvironment("TERM", "dumb");
  EXPECT_FALSE(ColourFor(std::cerr, ColourMode::kAuto));
  SetEnvironment("TERM", term != nullptr ? saved.c_str() : nullptr);
}

// Columns of a line of UTF-8 text: its characters, not its bytes.
size_t ColumnsOf(std::string_view line) {
  return static_cast<size_t>(
      std::count_if(line.begin(), line.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

TEST(HelpTest, EveryHelpFitsATerminalOfEightyColumns) {
  std::vector<std::vector<std::string>> asked = {{"--help"}, {"help", "keywords"}};
  for (const char* command : {"init", "compile", "check", "dump", "view", "lsp", "help"}) {
    asked.push_back({command, "--help"});
  }
  for (const KeywordRule& k : Keywords())
    asked.push_back({"help", "keywords", std::string(k.name)});
  for (const std::vector<std::string>& args : asked) {
    CliResult r = RunCli(args);
    ASSERT_EQ(r.status, 0) << args.back();
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);) {
      EXPECT_LE(ColumnsOf(line), 79u) << args.back() << ": " << line;
    }
  }
}

TEST(HelpSourcesTest, TheReadmeAndTheManPageComeFromTheOptionTable) {
  std::ifstream readme(std::string(PERCORSO_TEST_DATA) + "/../../README.md");
  std::stringstream text;
  text << readme.rdbuf();
  std::string usage;
  std::istringstream lines(UsageLines());
  for (std::string line; std::getline(lines, line);) usage += "    " + line + "\n";
  EXPECT_NE(text.str().find(usage), std::string::npos) << "README.md lacks\n" << usage;

  const std::string man = ManPage("2026-01-02");
  EXPECT_TRUE(man.starts_with(".TH PERCORSO 1 2026-01-02 ")) << man.substr(0, 60);
  for (const char* section :
       {".SH SYNOPSIS", ".SH COMMANDS", ".SH \"EXIT STATUS\"", ".SH ENVIRONMENT", "NO_COLOR",
        ".SH \"SEE ALSO\"", "\\fBpercorso\\-format\\fR(5)"}) {
    EXPECT_NE(man.find(section), std::string::npos) << section;
  }
  for (std::string_view name : {"init", "compile", "check", "dump", "view", "lsp", "help"}) {
    for (const OptionDefinition& o : FindCommand(name)->options) {
      // As roff writes it: every hyphen escaped.
      std::string shown =
          o.long_name.empty() ? "\\fB\\-" + std::string(1, o.short_name) : "\\fB\\-\\-";
      for (char c : o.long_name) shown += c == '-' ? std::string("\\-") : std::string(1, c);
      EXPECT_NE(man.find(shown), std::string::npos) << name << " " << shown;
    }
  }
}

}  // namespace
}  // namespace percorso
