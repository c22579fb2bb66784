// Input made to hurt: control bytes that would drive the terminal, paths too
// long for the system, names of the process's own output, and sources that
// would fill the memory with diagnostics.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "driver/shown_text.h"
#include "io/disk.h"
#include "lsp/server.h"
#include "sources/writers.h"
#include "support/cli.h"
#include "support/temp_dir.h"

namespace percorso {
namespace {

using testing::RunCli;
using testing::TempDir;

TEST(ShownTextTest, ControlBytesAreEscapedAndNothingElse) {
  struct Case {
    std::string text;
    bool keep_newlines;
    std::string shown;
  };
  const Case cases[] = {
      {"plain Città \\ \"q\"\ttab", false, "plain Città \\ \"q\"\ttab"},
      {"\x1b[2J\x1b]0;owned\x07", false, "\\x1b[2J\\x1b]0;owned\\x07"},
      {std::string("nul\0byte", 8), false, "nul\\x00byte"},
      {"del\x7f", false, "del\\x7f"},
      {"csi\xc2\x9b"
       "31m",
       false, "csi\\xc2\\x9b31m"},
      {"two\nlines\r", false, "two\\x0alines\\x0d"},
      {"two\nlines", true, "two\nlines"},
      {"\xc2\xa0nbsp \xe9", false, "\xc2\xa0nbsp \xe9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    EXPECT_EQ(EscapeControls(c.text, c.keep_newlines), c.shown);
  }
}

// Nothing a user or a source file gives reaches standard error raw.
TEST(HostileInputTest, ControlBytesFromPathsAndSourcesAreEscaped) {
  TempDir dir;
  // (view only reads, so it does not create the directory.)
  testing::CliResult r = RunCli({"view", "--dir", dir.file("x\x1b[31mred")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "percorso: " + dir.file("x\\x1b[31mred") + ": no such directory\n");

  std::string line = BuiltinLineBytes();
  line.insert(line.find("[curve]\r\n") + 9, "\x1b]0;owned\x07segnale\r\n");
  r = testing::RunOnSources(dir, "check", line, BuiltinTrainBytes());
  EXPECT_NE(r.err.find("\\x1b]0;owned\\x07"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find('\x1b'), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find('\x07'), std::string::npos) << r.err;
}

TEST(HostileInputTest, ADirectoryPathTooLongSaysSo) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows paths have limits of their own";
#else
  const std::string dir = "/" + std::string(5000, 'd');
  struct Case {
    std::vector<std::string> args;
    std::string err;
  };
  // Commands that write create a missing directory; view only reads it.
  const std::string creating =
      "percorso: " + dir + ": cannot create the directory: File name too long\n";
  for (const Case& c :
       {Case{{"--dir", dir}, creating}, Case{{"init", "--dir", dir}, creating},
        Case{{"view", "--dir", dir}, "percorso: " + dir + ": File name too long\n"}}) {
    testing::CliResult r = RunCli(c.args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, c.err);
  }
#endif
}

// -o naming the process's own standard output, or a device, through a link:
// the page goes there and the link stays.
TEST(HostileInputTest, APageThroughALinkToStandardOutputOrADeviceIsWrittenThrough) {
#ifdef _WIN32
  GTEST_SKIP() << "symbolic links need a privilege on Windows";
#else
  TempDir dir;
  ASSERT_EQ(RunCli({"--dir", dir.path()}).status, 0);
  struct Case {
    const char* target;
    bool on_standard_output;
  };
  for (const Case& c :
       {Case{"/proc/self/fd/1", true}, Case{"/dev/stdout", true}, Case{"/dev/null", false}}) {
    SCOPED_TRACE(c.target);
    const std::string link = dir.file("page.html");
    std::filesystem::remove(link);
    std::filesystem::create_symlink(c.target, link);
    testing::CliResult r = RunCli({"view", "--dir", dir.path(), "-o", link});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.starts_with("<!DOCTYPE html>"), c.on_standard_output) << r.out.substr(0, 80);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(std::filesystem::read_symlink(link), c.target);
  }
#endif
}

// A source of nothing but unknown lines is warned about line by line, up to
// a limit; the rest is counted.
TEST(HostileInputTest, TheDiagnosticsKeptAreBounded) {
  TempDir dir;
  std::string line = BuiltinLineBytes();
  std::string junk;
  for (int i = 0; i < 12000; ++i) junk += "zz\r\n";
  line.insert(line.find("[curve]\r\n") + 9, junk);
  testing::CliResult r = testing::RunOnSources(dir, "check", line, BuiltinTrainBytes());
  // Each warning is one line, then the source line and a caret under it.
  size_t warnings = 0;
  for (size_t at = r.err.find(": warning: "); at != std::string::npos;
       at = r.err.find(": warning: ", at + 1)) {
    ++warnings;
  }
  EXPECT_GT(warnings, 9000u);
  EXPECT_LT(warnings, 10100u);
  EXPECT_NE(r.err.find(" more warnings were found and are not listed\n"), std::string::npos)
      << r.err.substr(r.err.size() - 300);
}

// An output that is one of the command's inputs, by its name, a second name
// (a hard link) or a link to it, is refused before anything is written, and
// the input keeps its bytes.
TEST(HostileInputTest, AnOutputThatIsAnInputIsRefused) {
  TempDir dir;
  const std::string line = BuiltinLineBytes(), train = BuiltinTrainBytes();
  testing::WriteBytes(dir.file("L_linea.txt"), line);
  testing::WriteBytes(dir.file("L_T-.txt"), train);
  ASSERT_EQ(RunCli({"compile", "--line", dir.file("L_linea.txt"), "--train", dir.file("L_T-.txt"),
                    "--dir", dir.file("out")})
                .status,
            0);
  const std::vector<std::string> compiled = {"L_T.dat", "L_T.sim", "L_linea.dat"};
  struct Case {
    const char* what;
    // The name the line source is copied to (empty: L_linea.txt as is), and
    // how a name of an output is made to reach it.
    std::string line_as;
    enum { kNone, kHardLink, kSymbolicLink } second_name;
    std::vector<std::string> args;
    std::string refused;
  };
  const std::string line_path = dir.file("L_linea.txt");
  const Case cases[] = {
      {"keys that name the geometry after the source",
       "K_linea.dat",
       Case::kNone,
       {"compile", "--line", dir.file("K_linea.dat"), "--train", dir.file("L_T-.txt"), "--line-key",
        "K", "--train-key", "T", "--dir", dir.path()},
       dir.file("K_linea.dat")},
      {"a table file that is a second name of the train source",
       "",
       Case::kHardLink,
       {"compile", "--line", line_path, "--train", dir.file("L_T-.txt"), "--dir", dir.path()},
       dir.file("L_T.sim")},
      {"a cell file that is a link to the line source",
       "",
       Case::kSymbolicLink,
       {"compile", "--line", line_path, "--train", dir.file("L_T-.txt"), "--dir", dir.path()},
       dir.file("L_T.dat")},
      {"view -o naming a source",
       "",
       Case::kNone,
       {"view", "--line", line_path, "--train", dir.file("L_T-.txt"), "-o", line_path},
       line_path},
      {"view -o naming a compiled file it draws",
       "",
       Case::kNone,
       {"view", "--dir", dir.file("out"), "-o", dir.file("out/L_T.sim")},
       dir.file("out/L_T.sim")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (!c.line_as.empty()) testing::WriteBytes(dir.file(c.line_as), line);
#ifdef _WIN32
    if (c.second_name == Case::kSymbolicLink) continue;
#endif
    if (c.second_name == Case::kHardLink) {
      std::filesystem::create_hard_link(testing::PathOf(dir.file("L_T-.txt")),
                                        testing::PathOf(dir.file("L_T.sim")));
    } else if (c.second_name == Case::kSymbolicLink) {
      std::filesystem::create_symlink("L_linea.txt", testing::PathOf(dir.file("L_T.dat")));
    }
    const std::map<std::string, std::string> before = testing::Contents(dir);
    std::map<std::string, std::string> compiled_before;
    for (const std::string& name : compiled) {
      compiled_before[name] = testing::ReadBytes(dir.file("out/" + name));
    }
    testing::CliResult r = RunCli(c.args);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(
        r.err.starts_with("percorso: " + c.refused + ": the output would overwrite the input "))
        << r.err;
    EXPECT_TRUE(r.err.ends_with(" (the same file); nothing was written\n")) << r.err;
    EXPECT_EQ(testing::Contents(dir), before);
    for (const std::string& name : compiled) {
      EXPECT_EQ(testing::ReadBytes(dir.file("out/" + name)), compiled_before.at(name)) << name;
    }
    EXPECT_EQ(testing::ReadBytes(dir.file("L_linea.txt")), line);
    EXPECT_EQ(testing::ReadBytes(dir.file("L_T-.txt")), train);
    for (const char* made : {"K_linea.dat", "L_T.sim", "L_T.dat"}) {
      std::filesystem::remove(testing::PathOf(dir.file(made)));
    }
  }
}

// The system's own reason, not "no such file", when a source cannot even be
// looked at; a link to nothing given as the directory is named as one.
TEST(HostileInputTest, TheRealReasonIsGiven) {
#ifdef _WIN32
  GTEST_SKIP() << "names too long and links are the platform's own on Windows";
#else
  TempDir dir;
  testing::WriteBytes(dir.file("L_T-.txt"), BuiltinTrainBytes());
  const std::string too_long = "/" + std::string(5000, 'n') + "_linea.txt";
  std::filesystem::create_symlink(dir.file("nowhere"), dir.file("dangling"));
  const std::string dangling = dir.file("dangling");
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string err;
  };
  const std::string link_err =
      "percorso: " + dangling + ": a dangling symbolic link (what it names does not exist)\n";
  const Case cases[] = {
      {{"compile", "--line", too_long, "--train", dir.file("L_T-.txt"), "--dir", dir.path()},
       1,
       "percorso: " + too_long + ": cannot read: File name too long\n"},
      {{"dump", too_long + ".dat"},
       1,
       "percorso: " + too_long + ".dat: cannot read: File name too long\n"},
      {{"--dir", dangling}, 1, link_err},
      {{"init", "--dir", dangling}, 1, link_err},
      {{"compile", "--line", dir.file("L_T-.txt"), "--train", dir.file("L_T-.txt"), "--line-key",
        "L", "--train-key", "T", "--dir", dangling},
       1,
       link_err},
      {{"view", "--dir", dangling}, 1, link_err},
      {{"dump", dangling + ".sim"}, 1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[0] + " " + c.args[1]);
    testing::CliResult r = RunCli(c.args);
    EXPECT_EQ(r.status, c.status);
    if (!c.err.empty()) {
      EXPECT_EQ(r.err, c.err);
    }
  }
  EXPECT_TRUE(std::filesystem::is_symlink(dangling));
  EXPECT_FALSE(std::filesystem::exists(dir.file("nowhere")));
  // A source in a directory that may not be entered: Permission denied.
  if (geteuid() == 0) GTEST_SKIP() << "root enters a directory whatever its permissions";
  std::filesystem::create_directory(dir.file("shut"));
  testing::WriteBytes(dir.file("shut/L_linea.txt"), BuiltinLineBytes());
  std::filesystem::permissions(dir.file("shut"), std::filesystem::perms::none);
  testing::CliResult r = RunCli({"compile", "--line", dir.file("shut/L_linea.txt"), "--train",
                                 dir.file("L_T-.txt"), "--dir", dir.path()});
  std::filesystem::permissions(dir.file("shut"), std::filesystem::perms::owner_all);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err,
            "percorso: " + dir.file("shut/L_linea.txt") + ": cannot read: Permission denied\n");
#endif
}

// A message nested a hundred thousand levels deep gets a parse error, and the
// server answers the next one.
TEST(HostileInputTest, TheLanguageServerRefusesDeepNesting) {
  RealDisk disk;
  std::string input;
  for (const std::string& body :
       {R"({"jsonrpc":"2.0","id":1,"params":)" + std::string(100000, '[') +
            std::string(100000, ']') + "}",
        std::string(100000, '{'),
        std::string(R"({"jsonrpc":"2.0","id":2,"method":"initialize","params":{}})")}) {
    input += Framed(body);
  }
  std::istringstream in(input);
  std::ostringstream out;
  ServeLanguageClient(in, out, disk);
  const std::string answer = out.str();
  size_t errors = 0;
  for (size_t at = answer.find("\"code\":-32700"); at != std::string::npos;
       at = answer.find("\"code\":-32700", at + 1)) {
    ++errors;
  }
  EXPECT_EQ(errors, 2u) << answer.substr(0, 400);
  EXPECT_NE(answer.find("\"capabilities\""), std::string::npos);
}

}  // namespace
}  // namespace percorso
