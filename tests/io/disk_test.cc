#include "io/disk.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.h"

namespace percorso {
namespace {

using testing::TempDir;
using testing::WriteBytes;

// A file is read whole and byte for byte, whatever its size beside the
// pieces it is read in.
TEST(RealDiskTest, ReadsAFileWhole) {
  for (size_t size :
       {size_t{0}, size_t{1}, size_t{65535}, size_t{65536}, size_t{65537}, size_t{300001}}) {
    SCOPED_TRACE(size);
    TempDir dir;
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + i / 256);
    WriteBytes(dir.file("f"), bytes);
    RealDisk disk;
    std::string contents = "left over from before", err;
    ASSERT_TRUE(disk.ReadFile(dir.file("f"), 1 << 20, &contents, &err)) << err;
    EXPECT_EQ(contents, bytes);
  }
}

TEST(RealDiskTest, RefusesAFileAboveTheLimit) {
  TempDir dir;
  WriteBytes(dir.file("f"), "12345");
  RealDisk disk;
  std::string contents, err;
  EXPECT_TRUE(disk.ReadFile(dir.file("f"), 5, &contents, &err)) << err;
  EXPECT_EQ(contents, "12345");
  EXPECT_FALSE(disk.ReadFile(dir.file("f"), 4, &contents, &err));
  EXPECT_EQ(err, "file too large (5 bytes, at most 4)");
}

#ifdef __linux__
// A file of the system whose size is given as 0 is read to its end, and the
// limit holds for it too.
TEST(RealDiskTest, ReadsAFileThatGivesNoSize) {
  RealDisk disk;
  std::string contents, err;
  ASSERT_TRUE(disk.ReadFile("/proc/self/maps", 1 << 24, &contents, &err)) << err;
  EXPECT_GT(contents.size(), 100u);
  EXPECT_TRUE(contents.ends_with('\n'));
  EXPECT_FALSE(disk.ReadFile("/proc/self/maps", 10, &contents, &err));
  EXPECT_EQ(err, "file too large (more than 10 bytes)");
}
#endif

}  // namespace
}  // namespace percorso
