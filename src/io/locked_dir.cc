#include "io/locked_dir.h"

#include <chrono>
#include <sstream>
#include <thread>
#include <vector>

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

bool LockDirectoryFor(Disk& disk, const std::string& dir, LockMode mode, DirectoryLock* lock,
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
      if (mode == LockMode::kExclusive) RemoveStaleTemporaries(disk, dir);
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

void RemoveStaleTemporaries(Disk& disk, const std::string& dir) {
  std::vector<std::string> names;
  std::string ignored;
  if (!disk.ListDirectory(dir, &names, &ignored)) return;
  for (const std::string& name : names) {
    if (IsTemporaryName(name)) disk.Remove(JoinPath(dir, name), &ignored);
  }
}

}  // namespace percorso
