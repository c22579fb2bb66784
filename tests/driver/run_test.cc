// The default run of the built-in scenario and the `init` command, on real
// directories.
#include "driver/run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "driver/cli.h"
#include "driver/exit_status.h"
#include "io/file_names.h"
#include "support/cli.h"
#include "support/faulty_disk.h"
#include "support/temp_dir.h"

namespace percorso {
namespace {

using testing::FaultyDisk;
using testing::Op;
using testing::ReadBytes;
using testing::TempDir;

using Outcome = testing::CliResult;

Outcome RunArgs(const std::vector<std::string>& args, Disk& disk) {
  return testing::RunCli(args, &disk);
}

std::map<std::string, std::string> Contents(const TempDir& dir) {
  std::map<std::string, std::string> files;
  for (const std::string& name : dir.List()) files[name] = ReadBytes(dir.file(name));
  return files;
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
  EXPECT_EQ(err.str(),
            "percorso: " + names.note + ": cannot create: Input/output error (injected)\n");
  // The sources are complete and were never compiled, so never deleted.
  EXPECT_EQ(dir.List(),
            (std::vector<std::string>{"Pianura_Crinale_2731-.txt", "Pianura_Crinale_linea.txt"}));
}

TEST(RunTest, ReadOnlyDocumentStopsTheRunThere) {
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
  // Earlier files are complete; the train card and the compile never came.
  EXPECT_EQ(dir.List(),
            (std::vector<std::string>{"Pianura_Crinale_2731-.txt", "Pianura_Crinale_2731_note.txt",
                                      "Pianura_Crinale_2731_rallentamenti.txt",
                                      "Pianura_Crinale_linea.txt"}));
}

TEST(InitTest, WritesTheSourcesOfTheRunWithoutCompiling) {
  // A run stopped right after its sources leaves them as the compile would
  // have read them.
  TempDir run_dir;
  FaultyDisk run_disk;
  run_disk.Arm(Op::kCreate, 3);
  std::ostringstream ignored;
  ASSERT_EQ(Form_Load(run_disk, run_dir.path(), ignored, ignored), kExitFailure);

  TempDir dir;
  RealDisk disk;
  Outcome o = RunArgs({"init", "--dir", dir.path()}, disk);
  EXPECT_EQ(o.status, kExitOk) << o.err;
  EXPECT_EQ(o.err, "");
  FileNames names = NameFiles(dir.path(), kBuiltinLineKey, kBuiltinTrainKey);
  EXPECT_EQ(o.out, names.linea_txt + "\n" + names.treno_txt + "\n");
  EXPECT_EQ(Contents(dir), Contents(run_dir));
}

TEST(InitTest, Failures) {
  TempDir dir;
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string err_start;
  };
  const Case cases[] = {
      {{"init", "extra"}, kExitUsage, "percorso: unexpected argument: extra\n"},
      {{"init", "--bogus"}, kExitUsage, "percorso: "},
      {{"init", "--dir"}, kExitUsage, "percorso: "},
      {{"init", "--dir", dir.file("missing")},
       kExitFailure,
       "percorso: " + dir.file("missing") + ": no such directory\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.back());
    RealDisk disk;
    Outcome o = RunArgs(c.args, disk);
    EXPECT_EQ(o.status, c.status);
    EXPECT_TRUE(o.err.starts_with(c.err_start)) << o.err;
    EXPECT_EQ(o.out, "");
  }
  EXPECT_TRUE(dir.List().empty());
}

TEST(InitTest, WriteFailureIsReported) {
  TempDir dir;
  FaultyDisk disk;
  disk.Arm(Op::kCreate, 2);
  Outcome o = RunArgs({"init", "--dir", dir.path()}, disk);
  EXPECT_EQ(o.status, kExitFailure);
  FileNames names = NameFiles(dir.path(), kBuiltinLineKey, kBuiltinTrainKey);
  EXPECT_EQ(o.err,
            "percorso: " + names.treno_txt + ": cannot create: Input/output error (injected)\n");
  EXPECT_EQ(o.out, "");
}

}  // namespace
}  // namespace percorso
