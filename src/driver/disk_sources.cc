#include "driver/disk_sources.h"

namespace percorso {

std::string DiskSourceFiles::Name(Source which) const {
  return Path(which);
}

bool DiskSourceFiles::Exists(Source which) {
  return disk_.Stat(Path(which)).kind != FileKind::kMissing;
}

bool DiskSourceFiles::Read(Source which, std::string* contents) {
  std::string reason;
  if (!disk_.ReadFile(Path(which), kMaxSourceSize, contents, &reason)) {
    Note(Path(which) + ": cannot read: " + reason);
    return false;
  }
  return true;
}

void DiskSourceFiles::Delete(Source which) {
  if (!delete_after_reading_) return;
  if (disk_.Stat(Path(which)).kind == FileKind::kMissing) return;
  std::string reason;
  if (!disk_.Remove(Path(which), &reason)) {
    Note(Path(which) + ": cannot delete: " + reason);
  }
}

void DiskSourceFiles::Note(const std::string& message) {
  if (io_error_.empty()) io_error_ = message;
}

}  // namespace percorso
