#include "io/locked_dir.h"

#include <vector>

#include "io/platform.h"
#include "io/temporary_names.h"

namespace percorso {

bool LockDirectoryFor(Disk& disk, const std::string& dir, LockMode mode, DirectoryLock* lock,
                      const std::function<void()>& on_wait, std::string* err) {
  std::string reason;
  LockResult result = disk.LockDirectory(dir, mode, /*wait=*/false, lock, &reason);
  if (result == LockResult::kBusy) {
    on_wait();
    result = disk.LockDirectory(dir, mode, /*wait=*/true, lock, &reason);
  }
  switch (result) {
    case LockResult::kLocked:
      if (mode == LockMode::kExclusive) RemoveStaleTemporaries(disk, dir);
      return true;
    case LockResult::kUnsupported:
      return true;
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
