#include <windows.h>

#include <mutex>

#include "io/interrupts.h"
#include "io/windows_api.h"

namespace percorso {
namespace {

// Held by the program around "create and make live" and "rename and forget",
// and by the handler while it removes the live temporaries: the handler runs
// on a thread of its own, and never sees a half-done step.
std::recursive_mutex g_steps;

/// The status of a process ended by a console event, as the shells of other
/// platforms report an interrupt, a break and a hang-up.
int StatusOfEvent(DWORD event) {
  switch (event) {
    case CTRL_C_EVENT:
      return 128 + 2;
    case CTRL_BREAK_EVENT:
      return 128 + 3;
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
      return 128 + 1;
    default:
      return 0;
  }
}

void RemoveOne(const char* path, intptr_t /*dir*/) {
  DeleteFileW(WideFromUtf8(path).c_str());
}

BOOL WINAPI RemoveTemporariesAndExit(DWORD event) {
  int status = StatusOfEvent(event);
  if (status == 0) return FALSE;
  g_steps.lock();
  ForEachLiveTemporary(RemoveOne);
  // At once, as after a signal elsewhere: no stream is flushed, nothing more
  // is written.
  TerminateProcess(GetCurrentProcess(), static_cast<UINT>(status));
  return TRUE;
}

}  // namespace

void InstallInterruptCleanup() {
  SetConsoleCtrlHandler(RemoveTemporariesAndExit, TRUE);
}

InterruptsHeld::InterruptsHeld() {
  g_steps.lock();
}

InterruptsHeld::~InterruptsHeld() {
  g_steps.unlock();
}

}  // namespace percorso
