#include "io/locked_dir.h"

#include <chrono>
#include <sstream>
#include <thread>
#include <vector>

#include "io/commit_journal.h"
#include "io/platform.h"
#include "io/temporary_names.h"

namespace percorso {
namespace {

// How often a run with a time limit tries the lock again.
constexpr std::chrono::milliseconds kRetryEvery{50};

std::string Seconds(double seconds) {
  std::ostringstream text;
  text << seconds;
  return text.str();
}

}  // namespace

namespace {

bool TakeLock(Disk& disk, const std::string& dir, LockMode mode, DirectoryLock* lock,
              const LockWait& wait, std::string* err) {
  std::string reason;
  LockResult result = disk.LockDirectory(dir, mode, /*wait=*/false, lock, &reason);
  std::string holder;
  if (result == LockResult::kBusy) {
    holder = disk.LockHolder(dir);
    if (wait.on_wait) wait.on_wait(holder);
  }
  if (result == LockResult::kBusy && wait.seconds < 0) {
    result = disk.LockDirectory(dir, mode, /*wait=*/true, lock, &reason);
  } else if (result == LockResult::kBusy) {
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                              std::chrono::duration<double>(wait.seconds));
    while (result == LockResult::kBusy && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(kRetryEvery);
      result = disk.LockDirectory(dir, mode, /*wait=*/false, lock, &reason);
    }
    if (result == LockResult::kBusy) {
      *err = dir + ": still locked by " + (holder.empty() ? "another run" : holder) + " after " +
             Seconds(wait.seconds) + " s (--wait); nothing was written";
      return false;
    }
  }
  switch (result) {
    case LockResult::kLocked:
      return true;
    case LockResult::kUnsupported:
      *err = dir + ": cannot lock: " + reason + "; runs into it could mix their files";
      return false;
    case LockResult::kBusy:
    case LockResult::kFailed:
      break;
  }
  *err = dir + ": cannot lock: " + reason;
  return false;
}

/// Completes or rolls back an unfinished commit of `dir`, whose exclusive
/// lock is held; false after a message when neither can be done.
bool Recover(Disk& disk, const std::string& dir, const LockWait& wait, std::string* err) {
  std::string said;
  switch (RecoverUnfinishedCommit(disk, dir, &said, err)) {
    case Recovery::kNone:
      return true;
    case Recovery::kCompleted:
    case Recovery::kRolledBack:
      if (wait.on_recovery) wait.on_recovery(said);
      return true;
    case Recovery::kFailed:
      break;
  }
  return false;
}

// How many times a reader that found an unfinished commit takes the locks
// again before it gives up: each time, another run left one.
constexpr int kRecoveryAttempts = 8;

}  // namespace

bool LockDirectoryFor(Disk& disk, const std::string& dir, LockMode mode, DirectoryLock* lock,
                      const LockWait& wait, std::string* err) {
  if (mode == LockMode::kExclusive) {
    if (!TakeLock(disk, dir, mode, lock, wait, err)) return false;
    if (!Recover(disk, dir, wait, err)) {
      *lock = DirectoryLock();
      return false;
    }
    RemoveStaleTemporaries(disk, dir);
    return true;
  }
  // A reader looks for a journal under its shared lock; one found is dealt
  // with under the exclusive lock, which the shared one then replaces.
  const std::string journal = JoinPath(dir, kJournalName);
  for (int attempt = 0; attempt < kRecoveryAttempts; ++attempt) {
    if (!TakeLock(disk, dir, LockMode::kShared, lock, wait, err)) return false;
    const FileInfo info = disk.Stat(journal);
    if (info.kind == FileKind::kMissing && !info.link) return true;
    *lock = DirectoryLock();
    DirectoryLock exclusive;
    if (!TakeLock(disk, dir, LockMode::kExclusive, &exclusive, wait, err)) return false;
    if (!Recover(disk, dir, wait, err)) return false;
    RemoveStaleTemporaries(disk, dir);
  }
  *err = dir + ": cannot lock: runs keep leaving commits unfinished";
  return false;
}

void RemoveStaleTemporaries(Disk& disk, const std::string& dir) {
  std::vector<std::string> names;
  std::string ignored;
  if (!disk.ListDirectory(dir, &names, &ignored)) return;
  for (const std::string& name : names) {
    if (IsTemporaryName(name)) disk.Remove(JoinPath(dir, name), &ignored);
  }
}

}  // namespace percorso
