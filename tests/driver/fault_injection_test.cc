// Every file operation of a full default run is made to fail, one at a time:
// the run must end with one line naming the file and the reason, exit status
// 1, and leave no truncated file under a final name and no temporary file.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "driver/cli.h"
#include "io/file_names.h"
#include "support/cli.h"
#include "support/faulty_disk.h"
#include "support/temp_dir.h"

namespace percorso {
namespace {

using testing::Contents;
using testing::FaultyDisk;
using testing::Op;
using testing::TempDir;

using Outcome = testing::CliResult;

Outcome RunDefault(Disk& disk, const std::string& dir) {
  return testing::RunCli({"--dir", dir}, &disk);
}

std::vector<std::string> AllNames() {
  FileNames n = NameFiles("", kBuiltinLineKey, kBuiltinTrainKey);
  std::vector<std::string> names;
  for (const std::string* p : {&n.linea_txt, &n.treno_txt, &n.scheda_treno, &n.rallentamenti,
                               &n.note, &n.linea_dat, &n.sim, &n.dat}) {
    names.push_back(p->substr(1));
  }
  return names;
}

const char* OpName(Op op) {
  switch (op) {
    case Op::kCreate:
      return "create";
    case Op::kWrite:
      return "write";
    case Op::kRename:
      return "rename";
    case Op::kRemove:
      return "remove";
    case Op::kRead:
      return "read";
    case Op::kSync:
      return "sync";
  }
  return "?";
}

class FaultInjectionTest : public ::testing::TestWithParam<bool> {};

TEST_P(FaultInjectionTest, EveryOperationOfTheDefaultRunFailsCleanly) {
  const bool old_files = GetParam();
  TempDir reference_dir;
  FaultyDisk counting;
  Outcome clean = RunDefault(counting, reference_dir.path());
  FaultyDisk::Counts counts = counting.counts();
  ASSERT_EQ(clean.status, 0) << clean.err;
  std::map<std::string, std::string> reference = Contents(reference_dir);
  ASSERT_EQ(reference.size(), 6u);
  // The two sources exist only between their writing and their reading.
  TempDir sources_dir;
  ASSERT_EQ(testing::RunCli({"init", "--dir", sources_dir.path()}, &counting).status, 0);
  for (const auto& [name, bytes] : Contents(sources_dir)) reference[name] = bytes;
  ASSERT_EQ(reference.size(), 8u);

  for (Op op : {Op::kCreate, Op::kWrite, Op::kSync, Op::kRename, Op::kRemove, Op::kRead}) {
    ASSERT_GT(counts[static_cast<int>(op)], 0) << OpName(op);
    for (int k = 1; k <= counts[static_cast<int>(op)]; ++k) {
      SCOPED_TRACE(std::string(OpName(op)) + " #" + std::to_string(k) +
                   (old_files ? " over old files" : " in an empty directory"));
      TempDir dir;
      if (old_files) {
        // Sources of other content would stop the run before it starts.
        for (const std::string& name : AllNames()) {
          bool source = name.ends_with("_linea.txt") || name.ends_with("-.txt");
          testing::WriteBytes(dir.file(name), source ? reference[name] : "old");
        }
      }
      FaultyDisk disk;
      disk.Arm(op, k);
      Outcome failed = RunDefault(disk, dir.path());
      EXPECT_TRUE(disk.fired());
      EXPECT_EQ(failed.status, 1);
      EXPECT_TRUE(failed.err.starts_with("percorso: " + dir.file(""))) << failed.err;
      EXPECT_NE(failed.err.find("Input/output error (injected)"), std::string::npos) << failed.err;
      EXPECT_EQ(std::count(failed.err.begin(), failed.err.end(), '\n'), 1) << failed.err;
      for (const auto& [name, bytes] : Contents(dir)) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(name.starts_with(".")) << "a temporary file was left behind";
        auto it = reference.find(name);
        bool is_old = old_files && bytes == "old";
        bool is_new = it != reference.end() && bytes == it->second;
        EXPECT_TRUE(is_old || is_new) << "unexpected content in " << name;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(DefaultRun, FaultInjectionTest, ::testing::Bool());

}  // namespace
}  // namespace percorso
