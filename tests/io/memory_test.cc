#include "io/memory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace percorso {
namespace {

// The lines of /proc/self/smaps that describe the mapping holding `address`.
std::string MappingOf(const void* address) {
  std::ifstream smaps("/proc/self/smaps");
  const auto a = reinterpret_cast<uintptr_t>(address);
  std::string line, found;
  bool inside = false;
  while (std::getline(smaps, line)) {
    uintptr_t from = 0, to = 0;
    char dash = 0;
    std::istringstream head(line);
    // A mapping's first line starts with its range in hexadecimal.
    if (head >> std::hex >> from >> dash >> to && dash == '-') {
      inside = from <= a && a < to;
      if (inside) found = line + "\n";
      continue;
    }
    if (inside) found += line + "\n";
  }
  return found;
}

// Where the heap can be asked for large pages, the blocks allocated after the
// request lie in a mapping marked for them.
TEST(MemoryTest, TheHeapsNextBlocksLieInMemoryMarkedForLargePages) {
  if (!UseLargePagesForTheHeap()) GTEST_SKIP() << "no heap of large pages here";
  std::vector<char> block(4 << 20, 'x');
  // The first block starts a few bytes below the boundary of the marked
  // memory: its middle is in it.
  const std::string mapping = MappingOf(block.data() + block.size() / 2);
  ASSERT_FALSE(mapping.empty());
  const size_t field = mapping.find("THPeligible:");
  ASSERT_NE(field, std::string::npos) << mapping;
  std::istringstream value(mapping.substr(field + 12));
  int eligible = 0;
  value >> eligible;
  EXPECT_EQ(eligible, 1) << mapping;
  // Asked again, it answers as the first time.
  EXPECT_TRUE(UseLargePagesForTheHeap());
}

}  // namespace
}  // namespace percorso
