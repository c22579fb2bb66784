#include "output/compiled_files.h"

#include <gtest/gtest.h>

#include "output/cell_file.h"
#include "output/geometry_file.h"
#include "output/table_file.h"
#include "support/encoded.h"
#include "support/faulty_disk.h"
#include "support/temp_dir.h"

namespace percorso {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

Scenario SmallScenario(int32_t j) {
  Scenario s;
  s.j = j;
  create_route(s, 100);
  s.voci[85].nome = "L";
  s.voci[86].nome = "T";
  s.celle[3].tipo = 1;
  return s;
}

TEST(CompileDriverTest, WritesTheThreeFiles) {
  TempDir dir;
  Scenario s = SmallScenario(1);
  FileNames names = NameFiles(dir.path(), "L", "T");
  RealDisk disk;
  std::string err;
  ASSERT_TRUE(WriteCompiledFiles(disk, s, names, &err)) << err;
  EXPECT_EQ(dir.List(), (std::vector<std::string>{"L_T.dat", "L_T.sim", "L_linea.dat"}));
  EXPECT_EQ(ReadBytes(names.dat), testing::EncodedCelle(s.celle));
  EXPECT_EQ(ReadBytes(names.sim), testing::EncodedVoci(s.voci));
  // Nothing computed yet: every entry of metres 0..7100 is an empty tag.
  EXPECT_EQ(ReadBytes(names.linea_dat), std::string(2 * 7101 * 2, '\0'));
}

TEST(CompileDriverTest, WithoutGeometryAnOldGeometryFileStaysAsItWas) {
  TempDir dir;
  FileNames names = NameFiles(dir.path(), "L", "T");
  WriteBytes(names.linea_dat, "old geometry");
  Scenario s = SmallScenario(0);
  RealDisk disk;
  std::string err;
  ASSERT_TRUE(WriteCompiledFiles(disk, s, names, &err)) << err;
  EXPECT_EQ(ReadBytes(names.linea_dat), "old geometry");
  EXPECT_EQ(ReadBytes(names.dat).size(), 15u * s.celle.size());
}

// The three files change together: a failure at any of them leaves every old
// file as it was and no temporary.
TEST(CompileDriverTest, AFailureAtAnyFileLeavesEveryOldFile) {
  struct Case {
    testing::Op op;
    int k;
  };
  const Case cases[] = {{testing::Op::kCreate, 1}, {testing::Op::kCreate, 3},
                        {testing::Op::kWrite, 1},  {testing::Op::kWrite, 3},
                        {testing::Op::kRename, 1}, {testing::Op::kRename, 2},
                        {testing::Op::kRename, 3}, {testing::Op::kRename, 4},
                        {testing::Op::kRename, 5}, {testing::Op::kRename, 6}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.op)) + " #" + std::to_string(c.k));
    TempDir dir;
    FileNames names = NameFiles(dir.path(), "L", "T");
    for (const std::string* path : {&names.linea_dat, &names.sim, &names.dat}) {
      WriteBytes(*path, "old");
    }
    Scenario s = SmallScenario(1);
    testing::FaultyDisk disk;
    disk.Arm(c.op, c.k);
    std::string err;
    EXPECT_FALSE(WriteCompiledFiles(disk, s, names, &err));
    EXPECT_TRUE(disk.fired());
    EXPECT_NE(err.find("Input/output error (injected)"), std::string::npos) << err;
    EXPECT_EQ(dir.List(), (std::vector<std::string>{"L_T.dat", "L_T.sim", "L_linea.dat"}));
    for (const std::string* path : {&names.linea_dat, &names.sim, &names.dat}) {
      EXPECT_EQ(ReadBytes(*path), "old") << *path;
    }
  }
}

// A route long enough for its geometry (6 MB) to be written by two threads,
// one half each.
Scenario LongScenario() {
  Scenario s = SmallScenario(1);
  create_route(s, 300000);
  Tracciato& t = *s.tracciato;
  EXPECT_TRUE(t.set_origine());
  EXPECT_TRUE(t.AddRun(2, 150000, 0.0));
  EXPECT_TRUE(t.AddRun(150001, 151000, 0.003));
  EXPECT_TRUE(t.AddRun(151001, t.ultimo_metro() - 2, 0.0));
  return s;
}

TEST(CompileDriverTest, ALongGeometryWrittenByTwoThreadsHasTheSameBytes) {
  TempDir dir;
  Scenario s = LongScenario();
  FileNames names = NameFiles(dir.path(), "L", "T");
  RealDisk disk;
  std::string err;
  ASSERT_TRUE(WriteCompiledFiles(disk, s, names, &err)) << err;
  EXPECT_EQ(ReadBytes(names.linea_dat), testing::EncodedTracciato(*s.tracciato));
  EXPECT_EQ(dir.List(), (std::vector<std::string>{"L_T.dat", "L_T.sim", "L_linea.dat"}));
}

// The disk's write-back of a long geometry file begins a whole MiB of a half
// at a time while the half is written, in order and without gaps, and once
// more for each whole file before the commit.
TEST(CompileDriverTest, TheWriteBackOfALongGeometryBeginsAMiBOfAHalfAtATime) {
  TempDir dir;
  Scenario s = LongScenario();
  FileNames names = NameFiles(dir.path(), "L", "T");
  testing::FaultyDisk disk;
  std::string err;
  ASSERT_TRUE(WriteCompiledFiles(disk, s, names, &err)) << err;
  const uint64_t half = GeometryHalfSize(*s.tracciato);
  const uint64_t mib = uint64_t{1} << 20;
  ASSERT_GT(half, 2 * mib);
  uint64_t begun[2] = {0, 0};
  int whole_files = 0;
  for (const auto& [offset, length] : disk.begun_syncs()) {
    SCOPED_TRACE(std::to_string(offset) + " +" + std::to_string(length));
    if (length == 0) {
      EXPECT_EQ(offset, 0u);
      ++whole_files;
      continue;
    }
    const int k = offset < half ? 0 : 1;
    EXPECT_EQ(offset, k * half + begun[k]);
    EXPECT_EQ(length % mib, 0u);
    begun[k] += length;
    EXPECT_LE(begun[k], half);
  }
  EXPECT_EQ(whole_files, 3);
  EXPECT_EQ(begun[0], half - half % mib);
  EXPECT_EQ(begun[1], half - half % mib);
}

// A write that fails in either half, while the other thread writes the other
// half: every old file stays and no temporary is left.
TEST(CompileDriverTest, AFailingWriteOfALongGeometryLeavesEveryOldFile) {
  for (int k : {1, 2, 30, 90}) {
    SCOPED_TRACE("write #" + std::to_string(k));
    TempDir dir;
    FileNames names = NameFiles(dir.path(), "L", "T");
    for (const std::string* path : {&names.linea_dat, &names.sim, &names.dat}) {
      WriteBytes(*path, "old");
    }
    Scenario s = LongScenario();
    testing::FaultyDisk disk;
    disk.Arm(testing::Op::kWrite, k);
    std::string err;
    EXPECT_FALSE(WriteCompiledFiles(disk, s, names, &err));
    EXPECT_TRUE(disk.fired());
    EXPECT_TRUE(err.ends_with("Input/output error (injected)")) << err;
    EXPECT_EQ(dir.List(), (std::vector<std::string>{"L_T.dat", "L_T.sim", "L_linea.dat"}));
    for (const std::string* path : {&names.linea_dat, &names.sim, &names.dat}) {
      EXPECT_EQ(ReadBytes(*path), "old") << *path;
    }
  }
}

}  // namespace
}  // namespace percorso
