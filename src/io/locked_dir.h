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

/// Takes the lock of `dir` in `mode`. While another run holds it, calls
/// `on_wait` once and waits. With the exclusive lock, removes the temporaries
/// of ended runs. On a file system (or a directory) that allows no lock the
/// run goes on without one and removes nothing. False with one line in `*err`
/// naming the directory when the lock fails otherwise.
bool LockDirectoryFor(Disk& disk, const std::string& dir, LockMode mode, DirectoryLock* lock,
                      const std::function<void()>& on_wait, std::string* err);

/// Removes every file of `dir` named as a temporary.
void RemoveStaleTemporaries(Disk& disk, const std::string& dir);

}  // namespace percorso

#endif  // PERCORSO_IO_LOCKED_DIR_H_
