#include <signal.h>
#include <unistd.h>

#include <cstring>

#include "io/interrupts.h"

namespace percorso {
namespace {

constexpr int kInterruptSignals[] = {SIGINT, SIGTERM, SIGHUP};

void RemoveOne(const char* path) {
  unlink(path);
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
