#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstring>

#include "io/interrupts.h"

namespace percorso {
namespace {

enum SlotState : int { kFree, kClaimed, kPending, kLive };

struct Slot {
  std::atomic<int> state{kFree};
  char path[kMaxTemporaryPath] = {};
};
static_assert(std::atomic<int>::is_always_lock_free);

// The table the handler reads: every name is complete before its slot turns
// live, so the handler never sees half a name. Initialised at compile time, so
// that starting the program touches none of its pages.
constinit Slot g_temporaries[kMaxTemporaries];

constexpr int kInterruptSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void RemoveTemporariesAndExit(int signal_number) {
  for (Slot& slot : g_temporaries) {
    if (slot.state.load() == kLive) unlink(slot.path);
  }
  _exit(128 + signal_number);
}

void FillInterruptSet(sigset_t* set) {
  sigemptyset(set);
  for (int s : kInterruptSignals) sigaddset(set, s);
}

}  // namespace

void InstallInterruptCleanup() {
  struct sigaction action;
  std::memset(&action, 0, sizeof action);
  action.sa_handler = RemoveTemporariesAndExit;
  FillInterruptSet(&action.sa_mask);
  for (int s : kInterruptSignals) {
    struct sigaction old;
    // A signal ignored by whoever started the program (nohup, a background
    // job) stays ignored.
    if (sigaction(s, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
    sigaction(s, &action, nullptr);
  }
}

int RegisterTemporary(std::string_view path) {
  if (path.size() >= kMaxTemporaryPath) return -1;
  for (int i = 0; i < kMaxTemporaries; ++i) {
    int expected = kFree;
    if (!g_temporaries[i].state.compare_exchange_strong(expected, kClaimed)) continue;
    std::memcpy(g_temporaries[i].path, path.data(), path.size());
    g_temporaries[i].path[path.size()] = '\0';
    g_temporaries[i].state.store(kPending);
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

InterruptsHeld::InterruptsHeld() {
  sigset_t set;
  FillInterruptSet(&set);
  pthread_sigmask(SIG_BLOCK, &set, &saved_);
}

InterruptsHeld::~InterruptsHeld() {
  pthread_sigmask(SIG_SETMASK, &saved_, nullptr);
}

}  // namespace percorso
