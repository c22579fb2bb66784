#include "io/interrupts.h"

#include <atomic>
#include <cstring>

namespace percorso {
namespace {

// A slot stays claimed from the copy of its name until the file exists and
// ActivateTemporary makes it live.
enum SlotState : int { kFree, kClaimed, kLive };

struct Slot {
  std::atomic<int> state{kFree};
  intptr_t dir = -1;
  char path[kMaxTemporaryPath] = {};
};
static_assert(std::atomic<int>::is_always_lock_free);

// The table the handler reads: every name is complete before its slot turns
// live, so the handler never sees half a name. Initialised at compile time, so
// that starting the program touches none of its pages.
constinit Slot g_temporaries[kMaxTemporaries];

}  // namespace

int RegisterTemporary(std::string_view path, intptr_t dir) {
  if (path.size() >= kMaxTemporaryPath) return -1;
  for (int i = 0; i < kMaxTemporaries; ++i) {
    int expected = kFree;
    if (!g_temporaries[i].state.compare_exchange_strong(expected, kClaimed)) continue;
    std::memcpy(g_temporaries[i].path, path.data(), path.size());
    g_temporaries[i].path[path.size()] = '\0';
    g_temporaries[i].dir = dir;
    return i;
  }
  return -1;
}

void ActivateTemporary(int slot) {
  if (slot >= 0 && slot < kMaxTemporaries) g_temporaries[slot].state.store(kLive);
}

void ForgetTemporary(int slot) {
  if (slot >= 0 && slot < kMaxTemporaries) g_temporaries[slot].state.store(kFree);
}

void ForEachLiveTemporary(void (*remove)(const char* path, intptr_t dir)) {
  for (Slot& slot : g_temporaries) {
    if (slot.state.load() == kLive) remove(slot.path, slot.dir);
  }
}

}  // namespace percorso
