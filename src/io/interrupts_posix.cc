#include <signal.h>
#include <unistd.h>

#include <cstring>

#include "io/interrupts.h"

namespace percorso {
namespace {

// SIGXFSZ comes when a write would pass the file size limit (ulimit -f): the
// temporary being written is cut short, so the run ends as when interrupted.
constexpr int kInterruptSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGXFSZ};

void RemoveOne(const char* path, intptr_t dir) {
  if (dir < 0) {
    unlink(path);
    return;
  }
  const char* slash = std::strrchr(path, '/');
  unlinkat(static_cast<int>(dir), slash != nullptr ? slash + 1 : path, 0);
}

extern "C" void RemoveTemporariesAndExit(int signal_number) {
  ForEachLiveTemporary(RemoveOne);
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

InterruptsHeld::InterruptsHeld() {
  sigset_t set;
  FillInterruptSet(&set);
  pthread_sigmask(SIG_BLOCK, &set, &saved_);
}

InterruptsHeld::~InterruptsHeld() {
  pthread_sigmask(SIG_SETMASK, &saved_, nullptr);
}

}  // namespace percorso
