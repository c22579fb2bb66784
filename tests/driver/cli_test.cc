#include "driver/cli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string_view>

#include "driver/compile_and_write.h"
#include "driver/diagnostics_out.h"
#include "driver/options.h"
#include "support/cli.h"
#include "support/temp_dir.h"

namespace percorso {
namespace {

using Result = testing::CliResult;
using testing::RunCli;

TEST(CliTest, HelpAndVersionSucceed) {
  Result help = RunCli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Exit status"), std::string::npos);
  Result version = RunCli({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out,
            std::string("percorso ") + PERCORSO_VERSION + " (" + PERCORSO_PLATFORM +
                ")\nCopyright (C) 2026 the percorso authors.\n"
                "MIT License: you may use, copy, change and share it; there is NO WARRANTY.\n");
  // The platform is the one the program was built for.
#if defined(_WIN32)
  EXPECT_TRUE(std::string_view(PERCORSO_PLATFORM).starts_with("Windows ")) << PERCORSO_PLATFORM;
#elif defined(__linux__)
  EXPECT_TRUE(std::string_view(PERCORSO_PLATFORM).starts_with("Linux ")) << PERCORSO_PLATFORM;
#endif
}

TEST(CliTest, UsageErrorsExitWithStatus2) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const Case cases[] = {
      {{"--bogus"}, "percorso: unknown option: --bogus\n"},
      {{"--dir"}, "percorso: option '--dir' needs a value\n"},
      {{"frobnicate"}, "percorso: unknown command: frobnicate\n"},
      {{"--dir", "x", "extra"}, "percorso: unexpected argument: extra\n"},
      {{"compile", "--line", "a_linea.txt"}, "percorso: compile needs --line and --train\n"},
      {{"compile", "--no-geometry=1"}, "percorso: option '--no-geometry' takes no value\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    Result r = RunCli(c.args);
    EXPECT_EQ(r.status, 2);
    // One line, then where to read more.
    std::string command =
        c.args[0].starts_with("-") || c.args[0] == "frobnicate" ? "" : " " + c.args[0];
    EXPECT_EQ(r.err, c.message + ("Try 'percorso" + command + " --help' for more information.\n"));
  }
}

TEST(CliTest, DefaultRunNeedsADirectory) {
  testing::TempDir dir;
  testing::WriteBytes(dir.file("file"), "");
  Result r = RunCli({"--dir", dir.file("file")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "percorso: " + dir.file("file") + ": not a directory\n");
  EXPECT_EQ(dir.List(), std::vector<std::string>{"file"});
}

TEST(CliTest, CompileNamesAMissingInputFile) {
  testing::TempDir dir;
  testing::WriteBytes(dir.file("L_linea.txt"), "");
  Result r = RunCli({"compile", "--line", dir.file("L_linea.txt"), "--train", dir.file("L_T-.txt"),
                     "--dir", dir.path()});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "percorso: " + dir.file("L_T-.txt") + ": no such file\n");
}

TEST(CliTest, CompileRefusesKeysItCannotUse) {
  testing::TempDir dir;
  testing::WriteBytes(dir.file("a.txt"), "");
  testing::WriteBytes(dir.file("b.txt"), "");
  struct Case {
    std::vector<std::string> extra;
    std::string message;
  };
  const Case cases[] = {
      {{}, "percorso: no line key: give --line-key, or name the line file KEY_linea.txt\n"},
      {{"--line-key", "L"},
       "percorso: no train key: give --train-key, or name the train file LINE_TRAIN-.txt\n"},
      {{"--line-key", "a/b", "--train-key", "T"},
       "percorso: line key 'a/b' holds a path separator\n"},
      {{"--line-key", "L", "--train-key", "\xE4\xB8\xAD"},
       "percorso: train key '\xE4\xB8\xAD' holds a character outside Windows-1252\n"},
      {{"--line-key", "", "--train-key", "T"}, "percorso: line key is empty\n"},
      {{"--line-key", "L", "--train-key", ""}, "percorso: train key is empty\n"},
      {{"--line-key", "a\\b", "--train-key", "T"},
       "percorso: line key 'a\\b' holds a path separator\n"},
      // Control characters are never echoed as they are.
      {{"--line-key", "a\nb", "--train-key", "T"},
       "percorso: line key \"a\\nb\" holds a control character\n"},
      {{"--line-key", "L", "--train-key", "\x1b[2J"},
       "percorso: train key \"\\x1b[2J\" holds a control character\n"},
      {{"--line-key", std::string(246, 'k'), "--train-key", "T"},
       "percorso: " + dir.file(std::string(246, 'k') + "_linea.dat") +
#ifdef _WIN32
           ": not a possible file name: a name of 256 characters is longer than the 255 "
           "Windows allows\n"},
#else
           ": not a possible file name: a name of 256 bytes is longer than the 255 the file "
           "system allows\n"},
#endif
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    std::vector<std::string> args = {"compile",         "--line", dir.file("a.txt"), "--train",
                                     dir.file("b.txt"), "--dir",  dir.path()};
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    Result r = RunCli(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.starts_with(c.message)) << r.err;
    EXPECT_EQ(dir.List(), (std::vector<std::string>{"a.txt", "b.txt"}));
  }
}

TEST(ErroreTest, MessageHasALeadingBlank) {
  EXPECT_EQ(errore("1250"), " Errore n. 1250");
  EXPECT_EQ(errore("1251"), " Errore n. 1251");
}

Diagnostic Make(Severity severity, int32_t stato, int32_t posizione, SourceLocation where,
                std::string text = "", std::vector<Note> notes = {}) {
  Diagnostic d;
  d.severity = severity;
  d.stato = stato;
  d.progressiva_errore = posizione;
  d.where = std::move(where);
  d.text = std::move(text);
  d.notes = std::move(notes);
  return d;
}

TEST(DiagnosticFormatTest, OneFormForErrorsWarningsAndNotes) {
  struct Row {
    const char* name;
    Diagnostic d;
    std::string want;
  };
  const Row rows[] = {
      {"status at a place", Make(Severity::kError, 16, 4250, {"some/dir/L_T-.txt", 57, 13}),
       "some/dir/L_T-.txt:57:13: error: signal cell already taken [status 16, position 4250 m]\n"},
      {"no place", Make(Severity::kError, 12, 100, {}),
       "percorso: error: no free cell for a marker in a window before a slowdown start "
       "[status 12, position 100 m]\n"},
      {"whole file", Make(Severity::kError, 101, 0, {"d/L_linea.txt", 0, 0}),
       "d/L_linea.txt: error: line description file missing [status 101, position 0 m]\n"},
      {"error without a status", Make(Severity::kError, 0, 0, {"a.txt", 0, 0}, "no route length"),
       "a.txt: error: no route length\n"},
      {"warning with notes",
       Make(Severity::kWarning, 0, 0, {"b.txt", 3, 1}, "line ignored",
            {{{"a.txt", 2, 1}, "set here"}, {{}, "at the warning's place"}}),
       "b.txt:3:1: warning: line ignored\na.txt:2:1: note: set here\n"
       "b.txt:3:1: note: at the warning's place\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(FormatDiagnostic(row.d, false), row.want);
  }
}

TEST(DiagnosticFormatTest, GccColoursOnlyWhenAsked) {
  Diagnostic d = Make(Severity::kWarning, 0, 0, {"b.txt", 3, 1}, "x");
  EXPECT_EQ(FormatDiagnostic(d, true),
            "\033[01m\033[Kb.txt:3:1:\033[m\033[K \033[01;35m\033[Kwarning:\033[m\033[K x\n");
  // Standard error of a test is no terminal, and output to another stream
  // never gets colour.
  std::ostringstream out;
  EXPECT_FALSE(ColourFor(out));
}

}  // namespace
}  // namespace percorso

namespace percorso {
namespace {

// The source line under a diagnostic: whole when short, a window around the
// column when long, so that a line of megabytes is never printed whole.
TEST(DiagnosticFormatTest, SourceLinesAreQuotedWithACaretAndLongOnesCut) {
  const std::string long_line = std::string(1000, 'a') + "X" + std::string(1000, 'b');
  const SourceTexts sources = {{"f.txt", "first\r\n\tsecond, 2\r\n" + long_line + "\r\n"}};
  struct Row {
    const char* name;
    SourceLocation where;
    std::string want;
  };
  const Row rows[] = {
      {"first line", {"f.txt", 1, 3}, "    1 | first\n      |   ^\n"},
      {"a tab goes on to the next multiple of 8 columns",
       {"f.txt", 2, 10},
       "    2 |         second, 2\n      |                 ^\n"},
      {"a long line",
       {"f.txt", 3, 1001},
       "    3 | ..." + std::string(120, 'a') + "X" + std::string(119, 'b') + "...\n      | " +
           std::string(123, ' ') + "^\n"},
      {"past the end", {"f.txt", 4, 1}, ""},
      {"another file", {"g.txt", 1, 1}, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Diagnostic d;
    d.severity = Severity::kWarning;
    d.where = row.where;
    d.text = "w";
    const std::string head = FormatDiagnostic(d, false);
    EXPECT_EQ(FormatDiagnostic(d, false, &sources), head + row.want);
  }
}

}  // namespace
}  // namespace percorso
