// The default run of the built-in scenario and the `init` command, on real
// directories.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "driver/cli.h"
#include "driver/commands.h"
#include "driver/exit_status.h"
#include "io/file_names.h"
#include "sources/writers.h"
#include "support/cli.h"
#include "support/faulty_disk.h"
#include "support/temp_dir.h"

namespace percorso {
namespace {

using testing::Contents;
using testing::FaultyDisk;
using testing::Op;
using testing::ReadBytes;
using testing::TempDir;

using Outcome = testing::CliResult;

Outcome RunArgs(const std::vector<std::string>& args, Disk& disk) {
  return testing::RunCli(args, &disk);
}

TEST(RunTest, CleanDirectoryGetsSixFilesTwiceTheSame) {
  TempDir dir;
  RealDisk disk;
  Outcome first = RunArgs({"--dir", dir.path()}, disk);
  EXPECT_EQ(first.status, kExitOk) << first.err;
  EXPECT_EQ(first.out, "Attendere\n");
  EXPECT_EQ(first.err, "");
  // The two source files are read back and deleted by the compile.
  EXPECT_EQ(dir.List(),
            (std::vector<std::string>{
                "Pianura_Crinale_2731.dat", "Pianura_Crinale_2731.sim",
                "Pianura_Crinale_2731_note.txt", "Pianura_Crinale_2731_rallentamenti.txt",
                "Pianura_Crinale_2731_scheda_treno.txt", "Pianura_Crinale_linea.dat"}));
  std::map<std::string, std::string> once = Contents(dir);

  Outcome second = RunArgs({"--dir", dir.path()}, disk);
  EXPECT_EQ(second.status, kExitOk) << second.err;
  EXPECT_EQ(Contents(dir), once);
}

TEST(RunTest, WriterFailureStopsTheRunAtThatFile) {
  TempDir dir;
  FaultyDisk disk;
  // Creates, one per file: line, train, notes, ...
  disk.Arm(Op::kCreate, 3);
  std::ostringstream out;
  std::ostringstream err;
  int status = Form_Load(disk, dir.path(), out, err);
  EXPECT_EQ(status, kExitFailure);
  EXPECT_EQ(out.str(), "Attendere\n");
  FileNames names = NameFiles(dir.path(), kBuiltinLineKey, kBuiltinTrainKey);
  EXPECT_TRUE(err.str().starts_with("percorso: " + names.note +
                                    ": cannot create the temporary file .percorso-"))
      << err.str();
  EXPECT_TRUE(err.str().ends_with(".tmp: Input/output error (injected)\n")) << err.str();
  // The sources and the documents are replaced together: none was written.
  EXPECT_EQ(dir.List(), std::vector<std::string>{});
}

TEST(RunTest, ReadOnlyDocumentStopsTheRunBeforeAnyFileIsWritten) {
  TempDir dir;
  FileNames names = NameFiles(dir.path(), kBuiltinLineKey, kBuiltinTrainKey);
  testing::WriteBytes(names.rallentamenti, "old");
  std::filesystem::permissions(names.rallentamenti, std::filesystem::perms::owner_read |
                                                        std::filesystem::perms::group_read |
                                                        std::filesystem::perms::others_read);
  RealDisk disk;
  Outcome o = RunArgs({"--dir", dir.path()}, disk);
  EXPECT_EQ(o.status, kExitFailure);
  EXPECT_EQ(o.err, "percorso: " + names.rallentamenti +
                       ": cannot replace: Permission denied (the file is read-only)\n");
  EXPECT_EQ(ReadBytes(names.rallentamenti), "old");
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(dir.List(), std::vector<std::string>{"Pianura_Crinale_2731_rallentamenti.txt"});
}

// The default run writes its two sources and deletes them: a file of either
// name that is not the built-in text is an author's work and stops the run
// before anything is written. The built-in text itself is fine.
TEST(RunTest, AnAuthorsSourceIsNeverOverwritten) {
  TempDir builtin_dir;
  RealDisk disk;
  ASSERT_EQ(RunArgs({"init", "--dir", builtin_dir.path()}, disk).status, kExitOk);
  FileNames builtin = NameFiles(builtin_dir.path(), kBuiltinLineKey, kBuiltinTrainKey);
  struct Case {
    const char* what;
    std::optional<std::string> line, train;  // nothing: no such file
    bool train_named;                        // the train file is the one refused
  };
  const std::string line = ReadBytes(builtin.linea_txt);
  const std::string train = ReadBytes(builtin.treno_txt);
  const Case cases[] = {
      {"an edited line file", line + "; edited\r\n", std::nullopt, false},
      {"an edited train file", line, train.substr(0, train.size() - 1), true},
      {"a longer train file", std::nullopt, train + train, true},
      {"an empty line file", "", train, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    FileNames names = NameFiles(dir.path(), kBuiltinLineKey, kBuiltinTrainKey);
    if (c.line) testing::WriteBytes(names.linea_txt, *c.line);
    if (c.train) testing::WriteBytes(names.treno_txt, *c.train);
    std::map<std::string, std::string> before = Contents(dir);
    Outcome o = RunArgs({"--dir", dir.path()}, disk);
    EXPECT_EQ(o.status, kExitFailure);
    EXPECT_EQ(o.err, "percorso: " + (c.train_named ? names.treno_txt : names.linea_txt) +
                         ": not the built-in source; the default run would overwrite and delete "
                         "it (compile your own files with `percorso compile --line " +
                         names.linea_txt + " --train " + names.treno_txt + "`)\n");
    EXPECT_EQ(Contents(dir), before);
  }
  // Sources of the built-in text, left by an interrupted run, are compiled.
  TempDir dir;
  ASSERT_EQ(RunArgs({"init", "--dir", dir.path()}, disk).status, kExitOk);
  Outcome o = RunArgs({"--dir", dir.path()}, disk);
  EXPECT_EQ(o.status, kExitOk) << o.err;
  EXPECT_EQ(dir.List().size(), 6u);
}

TEST(RunTest, ALinkAtASourceNameIsLeftAlone) {
#ifdef _WIN32
  GTEST_SKIP() << "symbolic links need a privilege on Windows";
#else
  TempDir dir;
  FileNames names = NameFiles(dir.path(), kBuiltinLineKey, kBuiltinTrainKey);
  testing::WriteBytes(dir.file("mine.txt"), "my train");
  std::filesystem::create_symlink("mine.txt", names.treno_txt);
  RealDisk disk;
  Outcome o = RunArgs({"--dir", dir.path()}, disk);
  EXPECT_EQ(o.status, kExitFailure);
  EXPECT_TRUE(o.err.starts_with("percorso: " + names.treno_txt + ": not the built-in source"));
  EXPECT_TRUE(std::filesystem::is_symlink(names.treno_txt));
  EXPECT_EQ(ReadBytes(dir.file("mine.txt")), "my train");
#endif
}

TEST(InitTest, WritesTheSourcesOfTheRunWithoutCompiling) {
  // The bytes of the sources that the default run writes and compiles.
  TempDir dir;
  RealDisk disk;
  Outcome o = RunArgs({"init", "--dir", dir.path()}, disk);
  EXPECT_EQ(o.status, kExitOk) << o.err;
  // What was written is said on standard error, as status lines.
  FileNames names = NameFiles(dir.path(), kBuiltinLineKey, kBuiltinTrainKey);
  EXPECT_EQ(o.err,
            "percorso: wrote " + names.linea_txt + "\npercorso: wrote " + names.treno_txt + "\n");
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(Contents(dir), (std::map<std::string, std::string>{
                               {"Pianura_Crinale_2731-.txt", BuiltinTrainBytes()},
                               {"Pianura_Crinale_linea.txt", BuiltinLineBytes()}}));
}

TEST(InitTest, Failures) {
  TempDir dir;
  testing::WriteBytes(dir.file("file"), "");
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string err_start;
  };
  const Case cases[] = {
      {{"init", "extra"}, kExitUsage, "percorso: unexpected argument: extra\n"},
      {{"init", "--bogus"}, kExitUsage, "percorso: "},
      {{"init", "--dir"}, kExitUsage, "percorso: "},
      {{"init", "--dir", dir.file("file")},
       kExitFailure,
       "percorso: " + dir.file("file") + ": not a directory\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.back());
    RealDisk disk;
    Outcome o = RunArgs(c.args, disk);
    EXPECT_EQ(o.status, c.status);
    EXPECT_TRUE(o.err.starts_with(c.err_start)) << o.err;
    EXPECT_EQ(o.out, "");
  }
  EXPECT_EQ(dir.List(), std::vector<std::string>{"file"});
}

TEST(InitTest, WriteFailureIsReported) {
  TempDir dir;
  FaultyDisk disk;
  disk.Arm(Op::kCreate, 2);
  Outcome o = RunArgs({"init", "--dir", dir.path()}, disk);
  EXPECT_EQ(o.status, kExitFailure);
  FileNames names = NameFiles(dir.path(), kBuiltinLineKey, kBuiltinTrainKey);
  EXPECT_TRUE(o.err.starts_with("percorso: " + names.treno_txt +
                                ": cannot create the temporary file .percorso-"))
      << o.err;
  EXPECT_EQ(o.out, "");
}

// An existing line or train file may be the author's work: init replaces it
// only with --force, and checks both before writing either.
TEST(InitTest, ExistingSourcesAreReplacedOnlyWithForce) {
  TempDir dir;
  FileNames names = NameFiles(dir.path(), kBuiltinLineKey, kBuiltinTrainKey);
  testing::WriteBytes(names.treno_txt, "my train");
  RealDisk disk;
  Outcome o = RunArgs({"init", "--dir", dir.path()}, disk);
  EXPECT_EQ(o.status, kExitFailure);
  EXPECT_EQ(o.err,
            "percorso: " + names.treno_txt + ": exists already; give --force to replace it\n");
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(dir.List(), std::vector<std::string>{"Pianura_Crinale_2731-.txt"});
  EXPECT_EQ(ReadBytes(names.treno_txt), "my train");

  o = RunArgs({"init", "--force", "--dir", dir.path()}, disk);
  EXPECT_EQ(o.status, kExitOk) << o.err;
  EXPECT_EQ(dir.List().size(), 2u);
  EXPECT_NE(ReadBytes(names.treno_txt), "my train");
}

}  // namespace
}  // namespace percorso
