// Input made to hurt: control bytes that would drive the terminal, paths too
// long for the system, names of the process's own output, and sources that
// would fill the memory with diagnostics.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "driver/shown_text.h"
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

}  // namespace
}  // namespace percorso
