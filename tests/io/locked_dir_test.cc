#include "io/locked_dir.h"

#include <gtest/gtest.h>

#include <span>
#include <string>

#include "io/file_names.h"
#include "io/interrupts.h"
#include "io/platform.h"
#include "io/temporary_names.h"
#include "support/temp_dir.h"

namespace percorso {
namespace {

using testing::TempDir;
using testing::WriteBytes;

TEST(TemporaryNamesTest, ShortNamesOfOneShapeOnly) {
  std::string name = MakeTemporaryName(4242, 0);
  EXPECT_EQ(name, ".percorso-4242-000000.tmp");
  EXPECT_EQ(MakeTemporaryName(7, 35 + 36 * 10), ".percorso-7-za0000.tmp");
  EXPECT_EQ(MakeTemporaryName(UINT64_MAX, UINT64_MAX).size(), 41u);
  for (const char* ok : {".percorso-1-abc123.tmp", ".percorso-4194304-zzzzzz.tmp"}) {
    EXPECT_TRUE(IsTemporaryName(ok)) << ok;
  }
  for (const char* other :
       {".percorso-1-abc12.tmp", ".percorso--abc123.tmp", ".percorso-1-ABC123.tmp",
        ".percorso-x-abc123.tmp", ".percorso-1-abc123.tmp~", "percorso-1-abc123.tmp",
        ".percorso-1-abc123", ".Pianura_Crinale_linea.dat.tmp-12-0", "Pianura_Crinale_2731.dat"}) {
    EXPECT_FALSE(IsTemporaryName(other)) << other;
  }
}

TEST(TemporaryNamesTest, CreationTriesNewNamesAndSaysWhyItGivesUp) {
  // Opens nothing: answers `result` a number of times, then kOpened.
  struct Case {
    std::string dir;
    TemporaryOpen result;
    int times;
    bool created;
    std::string err;
    int calls;
  };
  const Case cases[] = {
      {"d", TemporaryOpen::kNameTaken, 99, true, "", 100},
      {"d", TemporaryOpen::kNameTaken, 100, false, "every name tried was taken", 100},
      {"d", TemporaryOpen::kFailed, 1, false, "refused", 1},
      {std::string(kMaxTemporaryPath, 'd'), TemporaryOpen::kOpened, 0, false, "File name too long",
       0},
  };
  for (const Case& c : cases) {
    int calls = 0;
    std::string last;
    auto open = [&](const std::string& path, FileHandle* handle, std::string* err) {
      ++calls;
      EXPECT_TRUE(IsTemporaryName(BaseName(path))) << path;
      EXPECT_NE(path, last) << "a taken name is tried again";
      last = path;
      if (calls > c.times) {
        *handle = 7;
        return TemporaryOpen::kOpened;
      }
      *err = "refused";
      return c.result;
    };
    TemporaryFile temp;
    std::string err;
    EXPECT_EQ(CreateTemporaryIn(c.dir, 42, open, &temp, &err), c.created) << c.err;
    EXPECT_EQ(calls, c.calls) << c.err;
    if (c.created) {
      EXPECT_EQ(temp.path, last);
      EXPECT_EQ(temp.handle, 7);
      ForgetTemporary(temp.slot);
    } else {
      EXPECT_EQ(err, c.err);
      EXPECT_EQ(temp.handle, kNoHandle);
    }
  }
}

TEST(LockedDirTest, TheWriterRemovesTemporariesOfEndedRunsAndNothingElse) {
  TempDir dir;
  for (const char* name : {".percorso-1-abc123.tmp", ".percorso-99999-zzzzzz.tmp", "keep.dat",
                           ".percorso-notes.tmp", ".hidden"}) {
    WriteBytes(dir.file(name), "x");
  }
  RealDisk disk;
  DirectoryLock lock;
  std::string err;
  bool waited = false;
  LockWait wait;
  wait.on_wait = [&](const std::string&) { waited = true; };
  ASSERT_TRUE(LockDirectoryFor(disk, dir.path(), LockMode::kExclusive, &lock, wait, &err)) << err;
  EXPECT_TRUE(lock.held());
  EXPECT_FALSE(waited);
  EXPECT_EQ(dir.List(), (std::vector<std::string>{".hidden", ".percorso-notes.tmp", "keep.dat"}));
}

TEST(LockedDirTest, AReaderRemovesNothing) {
  TempDir dir;
  WriteBytes(dir.file(".percorso-1-abc123.tmp"), "x");
  RealDisk disk;
  DirectoryLock lock;
  std::string err;
  ASSERT_TRUE(LockDirectoryFor(disk, dir.path(), LockMode::kShared, &lock, LockWait{}, &err))
      << err;
  EXPECT_EQ(dir.List(), std::vector<std::string>{".percorso-1-abc123.tmp"});
}

TEST(LockedDirTest, WritersExcludeEveryoneAndReadersOnlyWriters) {
#ifdef _WIN32
  GTEST_SKIP() << "the lock of a directory is a named mutex, which the thread that holds it takes "
                  "again: two locks in one process do not exclude each other";
#else
  TempDir dir;
  RealDisk disk;
  std::string err;
  auto try_lock = [&](LockMode mode, DirectoryLock* lock) {
    return disk.LockDirectory(dir.path(), mode, /*wait=*/false, lock, &err);
  };
  {
    DirectoryLock writer, other;
    ASSERT_EQ(try_lock(LockMode::kExclusive, &writer), LockResult::kLocked) << err;
    EXPECT_EQ(try_lock(LockMode::kExclusive, &other), LockResult::kBusy);
    EXPECT_EQ(try_lock(LockMode::kShared, &other), LockResult::kBusy);
    EXPECT_FALSE(other.held());
  }
  DirectoryLock reader, second_reader, writer;
  ASSERT_EQ(try_lock(LockMode::kShared, &reader), LockResult::kLocked) << err;
  EXPECT_EQ(try_lock(LockMode::kShared, &second_reader), LockResult::kLocked) << err;
  EXPECT_EQ(try_lock(LockMode::kExclusive, &writer), LockResult::kBusy);
  reader.Release();
  second_reader.Release();
  EXPECT_EQ(try_lock(LockMode::kExclusive, &writer), LockResult::kLocked) << err;
  // The lock leaves no file behind.
  EXPECT_TRUE(dir.List().empty());
#endif
}

TEST(FileNameTest, NamesTheFileSystemRefuses) {
  TempDir dir;
  std::string reason;
  EXPECT_TRUE(CheckFileName(dir.path(), std::string(255, 'a'), &reason)) << reason;
  EXPECT_FALSE(CheckFileName(dir.path(), std::string(256, 'a'), &reason));
#ifdef _WIN32
  EXPECT_EQ(reason, "a name of 256 characters is longer than the 255 Windows allows");
#else
  EXPECT_EQ(reason, "a name of 256 bytes is longer than the 255 the file system allows");
#endif
  for (std::string_view bad : {std::string_view("a/b"), std::string_view("a\0b", 3)}) {
    EXPECT_FALSE(CheckFileName(dir.path(), bad, &reason)) << bad;
  }
  // No file system takes these; the paths that end in them are refused.
  for (std::string_view bad : {"", ".", ".."}) {
    const std::string path = JoinPath(dir.path(), bad);
    std::string err;
    EXPECT_FALSE(CheckFileNames(std::span(&path, 1), &err)) << bad;
    EXPECT_EQ(err,
              path + ": not a possible file name: '" + std::string(bad) + "' cannot name a file");
  }
}

}  // namespace
}  // namespace percorso
