#include "driver/disk_sources.h"

namespace percorso {

std::string DiskSourceFiles::Name(Source which) const {
  return Path(which);
}

bool DiskSourceFiles::Exists(Source which) {
  return disk_.Stat(Path(which)).kind != FileKind::kMissing;
}

SourceText DiskSourceFiles::Read(Source which) {
  SourceText text;
  std::string reason;
  text.ok = disk_.ReadFile(Path(which), kMaxSourceSize, &text.contents, &reason);
  if (!text.ok) text.error = Path(which) + ": cannot read: " + reason;
  return text;
}

bool DiskSourceFiles::Delete(Source which, std::string* error) {
  if (!delete_after_reading_) return true;
  if (disk_.Stat(Path(which)).kind == FileKind::kMissing) return true;
  std::string reason;
  if (disk_.Remove(Path(which), &reason)) return true;
  *error = Path(which) + ": cannot delete: " + reason;
  return false;
}

}  // namespace percorso
