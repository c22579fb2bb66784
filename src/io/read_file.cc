#include "io/read_file.h"

namespace percorso {

ReadStatus ReadRegularFile(Disk& disk, const std::string& path, uint64_t max_size,
                           std::string* bytes, std::string* err) {
  FileInfo info = disk.Stat(path);
  if (info.kind == FileKind::kMissing && !info.error.empty()) {
    *err = path + ": cannot read: " + info.error;
    return ReadStatus::kFailed;
  }
  if (info.kind == FileKind::kMissing) {
    *err = path + (info.link ? ": no such file (a dangling symbolic link)" : ": no such file");
    return ReadStatus::kMissing;
  }
  if (info.kind != FileKind::kRegular) {
    *err = path + ": not a regular file";
    return ReadStatus::kFailed;
  }
  std::string reason;
  if (!disk.ReadFile(path, max_size, bytes, &reason)) {
    *err = path + ": cannot read: " + reason;
    return ReadStatus::kFailed;
  }
  return ReadStatus::kOk;
}

}  // namespace percorso
