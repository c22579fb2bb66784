#include <cstddef>
#include <cstdint>

#include "io/memory.h"

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#define PERCORSO_GLIBC_HEAP (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 33))
#else
#define PERCORSO_GLIBC_HEAP 0
#endif

namespace percorso {

#if PERCORSO_GLIBC_HEAP

namespace {

constexpr uintptr_t kLargePage = uintptr_t{2} << 20;
// Blocks up to this size come from the heap rather than from mappings of
// their own, which would be small pages again.
constexpr int kHeapBlocksUpTo = 32 << 20;
// Each time the heap grows, it grows by this much more than asked: the memory
// of a run lies in one region marked for large pages.
constexpr int kHeapGrowth = 8 << 20;
// The heap is given back to the system only past this much free at its top.
constexpr int kHeapKept = 64 << 20;
// The allocator's bookkeeping before a block: the previous size and the size.
constexpr uintptr_t kBlockHeader = 2 * sizeof(size_t);

bool MarkTheHeapsTopForLargePages() {
  if (mallopt(M_MMAP_THRESHOLD, kHeapBlocksUpTo) != 1 ||
      mallopt(M_TRIM_THRESHOLD, kHeapKept) != 1 || mallopt(M_TOP_PAD, kHeapGrowth) != 1) {
    return false;
  }
  // The free space at the top of the heap runs from `top` to the break, where
  // the heap ends.
  const uintptr_t end = reinterpret_cast<uintptr_t>(sbrk(0));
  const size_t free_at_top = mallinfo2().keepcost;
  if (free_at_top > end) return false;
  const uintptr_t top = end - free_at_top;
  // A block that fills the heap from `top` up to just below a large-page
  // boundary: the allocator writes its bookkeeping after it in the last small
  // page, the heap grows past the boundary, and the blocks allocated next lie
  // above it, in memory nothing has touched yet, which can therefore still be
  // given large pages. The block is kept to the end of the process; it holds
  // no memory but the pages it already shared with the blocks below it.
  const uintptr_t boundary = (top + 4 * kBlockHeader + kLargePage - 1) & ~(kLargePage - 1);
  const size_t filler_size = boundary - top - 4 * kBlockHeader;
  void* filler = malloc(filler_size);
  if (filler == nullptr) return false;
  if (reinterpret_cast<uintptr_t>(filler) != top + kBlockHeader) {
    // Another allocator, or a free block reused: nothing is known of the
    // heap's shape.
    free(filler);
    return false;
  }
  // Kept where a leak checker sees it.
  [[maybe_unused]] static void* const kept_filler = filler;
  // The memory from the boundary up to the break, where the heap now ends.
  char* const heap_end = static_cast<char*>(sbrk(0));
  const uintptr_t grown = reinterpret_cast<uintptr_t>(heap_end);
  if (grown <= boundary) return false;
  return madvise(heap_end - (grown - boundary), grown - boundary, MADV_HUGEPAGE) == 0;
}

}  // namespace

bool UseLargePagesForTheHeap() {
  // Once per process: the heap's top is marked, and stays so.
  static const bool marked = MarkTheHeapsTopForLargePages();
  return marked;
}

#else

bool UseLargePagesForTheHeap() {
  return false;
}

#endif

}  // namespace percorso
