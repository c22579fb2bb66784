// Temporaries removed when the process is interrupted. The names are kept
// ready in a fixed table, so that the handler only has to remove files and
// end the process: the one process-wide state of the program, because a
// signal handler can reach nothing else.
#ifndef PERCORSO_IO_INTERRUPTS_H_
#define PERCORSO_IO_INTERRUPTS_H_

#include <cstdint>
#include <string_view>

#ifndef _WIN32
#include <signal.h>
#endif

namespace percorso {

/// How many temporaries can be registered at once, and the longest name.
inline constexpr int kMaxTemporaries = 32;
inline constexpr size_t kMaxTemporaryPath = 4096;

/// On SIGINT, SIGTERM, SIGHUP and SIGXFSZ (a file grew past the size limit of
/// the process): removes every live temporary and ends the process with status
/// 128 + the signal's number. Called once, by main().
void InstallInterruptCleanup();

/// Puts `path` in the table, not yet live: an interrupt leaves it alone until
/// ActivateTemporary. -1 when the table is full or the name too long. With
/// `dir`, the open directory that holds it, the handler removes the name from
/// that directory wherever it has been moved since.
int RegisterTemporary(std::string_view path, intptr_t dir = -1);
/// The file now exists and is ours: an interrupt removes it.
void ActivateTemporary(int slot);
/// The temporary was renamed or removed: the slot is free again.
void ForgetTemporary(int slot);

/// Calls `remove` with the name and directory (or -1) of every live
/// temporary. For the handlers of each platform: it only reads the table, so
/// it may run in a signal handler.
void ForEachLiveTemporary(void (*remove)(const char* path, intptr_t dir));

/// Keeps interrupts waiting while it lives, so that a file operation and the
/// update of the table (or several renames that belong together) happen as
/// one step for the handler. May be nested.
class InterruptsHeld {
 public:
  InterruptsHeld();
  ~InterruptsHeld();
  InterruptsHeld(const InterruptsHeld&) = delete;
  InterruptsHeld& operator=(const InterruptsHeld&) = delete;

 private:
#ifndef _WIN32
  sigset_t saved_;
#endif
};

}  // namespace percorso

#endif  // PERCORSO_IO_INTERRUPTS_H_
