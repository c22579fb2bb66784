#include "io/fresh_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/faulty_disk.h"
#include "support/temp_dir.h"

namespace percorso {
namespace {

using testing::FaultyDisk;
using testing::Op;
using testing::PathOf;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

TEST(FreshFileTest, ReplacesALongerOldFileWithoutStaleTail) {
  TempDir dir;
  std::string path = dir.file("a.dat");
  WriteBytes(path, std::string(100, 'x'));
  RealDisk disk;
  std::string err;
  ASSERT_TRUE(WriteFresh(disk, path, "new", &err)) << err;
  EXPECT_EQ(ReadBytes(path), "new");
  EXPECT_EQ(dir.List(), std::vector<std::string>{"a.dat"});
}

TEST(FreshFileTest, WritesAnEmptyFile) {
  TempDir dir;
  RealDisk disk;
  std::string err;
  ASSERT_TRUE(WriteFresh(disk, dir.file("e.txt"), "", &err)) << err;
  EXPECT_EQ(ReadBytes(dir.file("e.txt")), "");
}

TEST(FreshFileTest, RefusesAReadOnlyFileAndLeavesItAlone) {
  TempDir dir;
  std::string path = dir.file("ro.sim");
  WriteBytes(path, "old");
  std::filesystem::permissions(PathOf(path), std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::group_read |
                                                 std::filesystem::perms::others_read);
  RealDisk disk;
  std::string err;
  EXPECT_FALSE(WriteFresh(disk, path, "new", &err));
  EXPECT_EQ(err, path + ": cannot replace: Permission denied (the file is read-only)");
  EXPECT_EQ(ReadBytes(path), "old");
  EXPECT_EQ(dir.List(), std::vector<std::string>{"ro.sim"});
}

TEST(FreshFileTest, RefusesADirectoryOfTheSameName) {
  TempDir dir;
  ASSERT_TRUE(std::filesystem::create_directory(PathOf(dir.file("x.dat"))));
  RealDisk disk;
  std::string err;
  EXPECT_FALSE(WriteFresh(disk, dir.file("x.dat"), "new", &err));
  EXPECT_NE(err.find("x.dat: cannot write: Is a directory"), std::string::npos) << err;
}

TEST(FreshFileTest, PathThroughARegularFileFailsWithTheSystemReason) {
  TempDir dir;
  WriteBytes(dir.file("plain"), "");
  RealDisk disk;
  std::string err;
  EXPECT_FALSE(WriteFresh(disk, dir.file("plain") + "/a.dat", "x", &err));
#ifdef _WIN32
  // Windows tells no more than that the path is not there.
  EXPECT_EQ(err, dir.file("plain") + "/a.dat: cannot create: No such file or directory");
#else
  EXPECT_EQ(err, dir.file("plain") + "/a.dat: cannot create: Not a directory");
#endif
}

// A failing operation leaves no temporary file, and never a truncated file
// under the final name: the old file stays whole, except when the last step,
// the rename, fails after the old file was deleted.
TEST(FreshFileTest, AnyFailingOperationLeavesNoTruncatedFileAndNoTemporary) {
  struct Case {
    Op op;
    int k;
    const char* reason;
    bool old_stays;
  };
  const Case cases[] = {
      {Op::kCreate, 1, "cannot create", true},   {Op::kWrite, 1, "cannot write", true},
      {Op::kWrite, 2, "cannot write", true},     {Op::kRemove, 1, "cannot replace", true},
      {Op::kRename, 1, "cannot replace", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.reason) + " #" + std::to_string(c.k));
    TempDir dir;
    std::string path = dir.file("f.dat");
    WriteBytes(path, "old content");
    FaultyDisk disk;
    disk.Arm(c.op, c.k);
    int pieces = 0;
    std::string err;
    bool ok = WriteFreshChunked(
        disk, path,
        [&](std::string* piece) {
          if (pieces == 3) return false;
          ++pieces;
          piece->append("part");
          return true;
        },
        &err);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(disk.fired());
    EXPECT_EQ(err, path + ": " + c.reason + ": Input/output error (injected)");
    if (c.old_stays) {
      EXPECT_EQ(ReadBytes(path), "old content");
      EXPECT_EQ(dir.List(), std::vector<std::string>{"f.dat"});
    } else {
      EXPECT_TRUE(dir.List().empty());
    }
  }
}

TEST(FreshFileTest, ChunkedContentArrivesWhole) {
  TempDir dir;
  RealDisk disk;
  int n = 0;
  std::string err;
  ASSERT_TRUE(WriteFreshChunked(
      disk, dir.file("c"),
      [&](std::string* piece) {
        if (n == 3) return false;
        piece->append(std::to_string(n++));
        return true;
      },
      &err));
  EXPECT_EQ(ReadBytes(dir.file("c")), "012");
}

}  // namespace
}  // namespace percorso
