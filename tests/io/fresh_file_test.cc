#include "io/fresh_file.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "support/faulty_disk.h"
#include "support/temp_dir.h"

namespace percorso {
namespace {

using testing::FaultyDisk;
using testing::Op;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

#ifndef _WIN32
mode_t ModeOf(const std::string& path) {
  struct stat st;
  EXPECT_EQ(lstat(path.c_str(), &st), 0) << path;
  return st.st_mode;
}
#endif

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
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);
  RealDisk disk;
  std::string err;
  EXPECT_FALSE(WriteFresh(disk, path, "new", &err));
  EXPECT_EQ(err, path + ": cannot replace: Permission denied (the file is read-only)");
  EXPECT_EQ(ReadBytes(path), "old");
  EXPECT_EQ(dir.List(), std::vector<std::string>{"ro.sim"});
}

TEST(FreshFileTest, OnlyRegularFilesAndLinksAreReplaced) {
#ifdef _WIN32
  GTEST_SKIP() << "FIFOs and /dev/null are POSIX";
#else
  TempDir dir;
  ASSERT_EQ(mkdir(dir.file("d.dat").c_str(), 0755), 0);
  ASSERT_EQ(mkfifo(dir.file("f.dat").c_str(), 0644), 0);
  RealDisk disk;
  struct Case {
    std::string path;
    std::string err;
  };
  const Case cases[] = {
      {dir.file("d.dat"), dir.file("d.dat") + ": cannot write: Is a directory"},
      {dir.file("f.dat"), dir.file("f.dat") + ": cannot replace: a FIFO, not a regular file"},
      // Only examined: a faulty check must not get as far as writing here.
      {"/dev/null", "/dev/null: cannot replace: a character device, not a regular file"},
  };
  for (const Case& c : cases) {
    std::string err;
    EXPECT_FALSE(CheckReplaceable(disk, c.path, &err)) << c.path;
    EXPECT_EQ(err, c.err);
  }
  std::string err;
  EXPECT_FALSE(WriteFresh(disk, dir.file("f.dat"), "new", &err));
  EXPECT_TRUE(S_ISFIFO(ModeOf(dir.file("f.dat"))));
  EXPECT_EQ(dir.List(), (std::vector<std::string>{"d.dat", "f.dat"}));
#endif
}

TEST(FreshFileTest, ALinkIsReplacedAsALinkAndWhatItPointsToStays) {
#ifdef _WIN32
  GTEST_SKIP() << "symbolic links need a privilege on Windows";
#else
  TempDir dir;
  WriteBytes(dir.file("target"), "kept");
  ASSERT_EQ(symlink("target", dir.file("out.html").c_str()), 0);
  ASSERT_EQ(symlink("/dev/null", dir.file("null.html").c_str()), 0);
  RealDisk disk;
  std::string err;
  ASSERT_TRUE(WriteFresh(disk, dir.file("out.html"), "page", &err)) << err;
  ASSERT_TRUE(WriteFresh(disk, dir.file("null.html"), "page", &err)) << err;
  EXPECT_EQ(ReadBytes(dir.file("target")), "kept");
  EXPECT_TRUE(S_ISREG(ModeOf(dir.file("out.html"))));
  EXPECT_TRUE(S_ISREG(ModeOf(dir.file("null.html"))));
  EXPECT_EQ(ReadBytes(dir.file("out.html")), "page");
  EXPECT_TRUE(S_ISCHR(ModeOf("/dev/null")));
#endif
}

TEST(FreshFileTest, AReplacedFileKeepsItsModeAndANewOneFollowsTheUmask) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no permission bits or umask";
#else
  TempDir dir;
  WriteBytes(dir.file("private"), "old");
  ASSERT_EQ(chmod(dir.file("private").c_str(), 0600), 0);
  WriteBytes(dir.file("shared"), "old");
  ASSERT_EQ(chmod(dir.file("shared").c_str(), 0664), 0);
  RealDisk disk;
  std::string err;
  mode_t saved = umask(027);
  bool ok = WriteFresh(disk, dir.file("private"), "new", &err) &&
            WriteFresh(disk, dir.file("shared"), "new", &err) &&
            WriteFresh(disk, dir.file("fresh"), "new", &err);
  umask(saved);
  ASSERT_TRUE(ok) << err;
  EXPECT_EQ(ModeOf(dir.file("private")) & 07777, 0600u);
  EXPECT_EQ(ModeOf(dir.file("shared")) & 07777, 0664u);
  EXPECT_EQ(ModeOf(dir.file("fresh")) & 07777, 0640u);
#endif
}

TEST(FreshFileTest, TheLongestNameTheFileSystemAllowsCanBeWritten) {
  TempDir dir;
  std::string path = dir.file(std::string(255, 'n'));
  RealDisk disk;
  std::string err;
  ASSERT_TRUE(WriteFresh(disk, path, "x", &err)) << err;
  EXPECT_EQ(ReadBytes(path), "x");
}

TEST(FreshFileTest, AFailedCreationNamesTheTemporary) {
  TempDir dir;
  WriteBytes(dir.file("plain"), "");
  RealDisk disk;
  std::string err;
  EXPECT_FALSE(WriteFresh(disk, dir.file("plain") + "/a.dat", "x", &err));
  EXPECT_TRUE(err.starts_with(dir.file("plain") + "/a.dat: cannot create the temporary file " +
                              ".percorso-" + std::to_string(getpid()) + "-"))
      << err;
#ifdef _WIN32
  // Windows tells no more than that the path is not there.
  EXPECT_TRUE(err.ends_with(".tmp: No such file or directory")) << err;
#else
  EXPECT_TRUE(err.ends_with(".tmp: Not a directory")) << err;
#endif
}

// A failing operation leaves no temporary file and the old file whole: the
// old file is never removed before the new one takes its name.
TEST(FreshFileTest, AnyFailingOperationLeavesTheOldFileAndNoTemporary) {
  struct Case {
    Op op;
    int k;
    const char* reason;
  };
  const Case cases[] = {
      {Op::kCreate, 1, "cannot create the temporary file .percorso-"},
      {Op::kWrite, 1, "cannot write"},
      {Op::kWrite, 2, "cannot write"},
      {Op::kSync, 1, "cannot write"},
      {Op::kRename, 1, "cannot replace"},
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
    FileSet set(disk);
    bool ok = set.AddChunked(
                  path,
                  [&](std::string* piece) {
                    if (pieces == 3) return false;
                    ++pieces;
                    piece->append("part");
                    return true;
                  },
                  &err) &&
              set.Commit(&err);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(disk.fired());
    EXPECT_TRUE(err.starts_with(path + ": " + c.reason)) << err;
    EXPECT_TRUE(err.ends_with(": Input/output error (injected)")) << err;
    EXPECT_EQ(ReadBytes(path), "old content");
    EXPECT_EQ(dir.List(), std::vector<std::string>{"f.dat"});
  }
}

TEST(FreshFileTest, ChunkedContentArrivesWhole) {
  TempDir dir;
  RealDisk disk;
  int n = 0;
  std::string err;
  FileSet set(disk);
  ASSERT_TRUE(set.AddChunked(
      dir.file("c"),
      [&](std::string* piece) {
        if (n == 3) return false;
        piece->append(std::to_string(n++));
        return true;
      },
      &err));
  EXPECT_FALSE(std::filesystem::exists(dir.file("c")));
  ASSERT_TRUE(set.Commit(&err)) << err;
  EXPECT_EQ(ReadBytes(dir.file("c")), "012");
}

// The files of a set change together: until the last one is complete, every
// old file stays as it was.
TEST(FileSetTest, NothingIsReplacedUntilEveryFileIsComplete) {
  TempDir dir;
  for (const char* name : {"a", "b", "c"}) WriteBytes(dir.file(name), "old");
  RealDisk disk;
  std::string err;
  {
    ASSERT_EQ(chmod(dir.file("c").c_str(), 0444), 0);
    FileSet set(disk);
    EXPECT_TRUE(set.Add(dir.file("a"), "new", &err));
    EXPECT_TRUE(set.Add(dir.file("b"), "new", &err));
    EXPECT_FALSE(set.Add(dir.file("c"), "new", &err));
    EXPECT_EQ(dir.List().size(), 5u);  // the two temporaries wait beside the old files
  }
  for (const char* name : {"a", "b", "c"}) EXPECT_EQ(ReadBytes(dir.file(name)), "old") << name;
  EXPECT_EQ(dir.List(), (std::vector<std::string>{"a", "b", "c"}));

  ASSERT_EQ(chmod(dir.file("c").c_str(), 0644), 0);
  FileSet set(disk);
  ASSERT_TRUE(set.Add(dir.file("a"), "new", &err) && set.Add(dir.file("b"), "new", &err) &&
              set.Add(dir.file("c"), "new", &err) && set.Commit(&err))
      << err;
  for (const char* name : {"a", "b", "c"}) EXPECT_EQ(ReadBytes(dir.file(name)), "new") << name;
  EXPECT_EQ(dir.List(), (std::vector<std::string>{"a", "b", "c"}));
}

// The files of a set reach the disk together when the set is committed: a
// file that cannot be synced is named, and every old file stays.
TEST(FileSetTest, AFailingSyncLeavesTheWholeOldSet) {
  const char* const names[] = {"a", "b", "c"};
  for (int k = 1; k <= 3; ++k) {
    SCOPED_TRACE("sync #" + std::to_string(k));
    TempDir dir;
    for (const char* name : names) WriteBytes(dir.file(name), "old");
    FaultyDisk disk;
    disk.Arm(Op::kSync, k);
    std::string err;
    FileSet set(disk);
    ASSERT_TRUE(set.Add(dir.file("a"), "new", &err) && set.Add(dir.file("b"), "new", &err) &&
                set.Add(dir.file("c"), "new", &err))
        << err;
    EXPECT_FALSE(set.Commit(&err));
    EXPECT_EQ(err, dir.file(names[k - 1]) + ": cannot write: Input/output error (injected)");
    for (const char* name : names) EXPECT_EQ(ReadBytes(dir.file(name)), "old") << name;
    EXPECT_EQ(dir.List(), (std::vector<std::string>{"a", "b", "c"}));
  }
}

// A set is replaced whole or not at all: whichever rename fails (keeping an
// old file aside, or putting a new one in place), every target holds its old
// content afterwards, a target that had none is left absent, and no temporary
// (nor the commit's journal) stays. Three old files take three renames aside,
// one of the journal into place and three into place.
TEST(FileSetTest, AFailingRenameLeavesTheWholeOldSet) {
  for (bool old_files : {true, false}) {
    for (int k = 1; k <= (old_files ? 7 : 4); ++k) {
      SCOPED_TRACE((old_files ? "over old files, rename #" : "new files, rename #") +
                   std::to_string(k));
      TempDir dir;
      if (old_files) {
        for (const char* name : {"a", "b", "c"}) WriteBytes(dir.file(name), "old");
      }
      FaultyDisk disk;
      disk.Arm(Op::kRename, k);
      std::string err;
      FileSet set(disk);
      ASSERT_TRUE(set.Add(dir.file("a"), "new", &err) && set.Add(dir.file("b"), "new", &err) &&
                  set.Add(dir.file("c"), "new", &err))
          << err;
      EXPECT_FALSE(set.Commit(&err));
      EXPECT_TRUE(disk.fired());
      EXPECT_TRUE(err.ends_with("Input/output error (injected) (no file of the set was replaced)"))
          << err;
      if (old_files) {
        for (const char* name : {"a", "b", "c"}) EXPECT_EQ(ReadBytes(dir.file(name)), "old");
        EXPECT_EQ(dir.List(), (std::vector<std::string>{"a", "b", "c"}));
      } else {
        EXPECT_EQ(dir.List(), std::vector<std::string>{});
      }
    }
  }
}

}  // namespace
}  // namespace percorso
