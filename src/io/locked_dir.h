// The lock of a directory that runs take while they write there (exclusive)
// or read a compiled scenario from it (shared), so that runs into one
// directory follow one another and a reader never sees a set of files half
// replaced.
//
// Temporaries are only ever created under the exclusive lock. A run that holds
// it therefore knows that every temporary in the directory belongs to a run
// that has ended without removing it (killed, crashed, cut off), and removes
// them.
#ifndef PERCORSO_IO_LOCKED_DIR_H_
#define PERCORSO_IO_LOCKED_DIR_H_

#include <functional>
#include <string>

#include "io/disk.h"

namespace percorso {

/// How long a run waits for the lock of a directory held by another process.
struct LockWait {
  /// Called once when the lock is taken by another process, with who holds
  /// it ("process 1234", or empty when the platform cannot tell).
  std::function<void(const std::string& holder)> on_wait;
  /// Seconds to wait at most; negative: as long as it takes.
  double seconds = -1;
  /// Called with one line when a commit that a run left unfinished in the
  /// directory was completed or rolled back.
  std::function<void(const std::string& what)> on_recovery;
};

/// Takes the lock of `dir` in `mode`, waiting as `wait` says while another
/// run holds it. A commit that a run left unfinished there is completed or
/// rolled back first (a reader takes the exclusive lock for that, then its
/// shared one); with the exclusive lock, the temporaries of ended runs are
/// removed. False with one line in `*err` naming the directory when the lock
/// cannot be taken: also on a file system (or a directory) that allows no
/// lock, since runs into it could mix their files, and when an unfinished
/// commit can be neither completed nor rolled back.
bool LockDirectoryFor(Disk& disk, const std::string& dir, LockMode mode, DirectoryLock* lock,
                      const LockWait& wait, std::string* err);

/// Removes every file of `dir` named as a temporary.
void RemoveStaleTemporaries(Disk& disk, const std::string& dir);

}  // namespace percorso

#endif  // PERCORSO_IO_LOCKED_DIR_H_
