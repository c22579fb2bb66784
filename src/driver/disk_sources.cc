#include "driver/disk_sources.h"

namespace percorso {

namespace {

constexpr std::string_view kStandardInput = "-";

}  // namespace

std::string DiskSourceFiles::Name(Source which) const {
  if (stdin_ && Path(which) == kStandardInput) return "<stdin>";
  return Path(which);
}

bool DiskSourceFiles::Exists(Source which) {
  if (stdin_ && Path(which) == kStandardInput) return true;
  // A file that could not be examined (a name too long, a directory that may
  // not be entered) is read, so that the system's reason is reported.
  const FileInfo info = disk_.Stat(Path(which));
  return info.kind != FileKind::kMissing || !info.error.empty();
}

void DiskSourceFiles::ReadAhead() {
  for (Source which : {Source::kLinea, Source::kTreno}) {
    read_ahead_[which == Source::kLinea ? 0 : 1] = Read(which);
  }
}

SourceText DiskSourceFiles::Read(Source which) {
  std::optional<SourceText>& ahead = read_ahead_[which == Source::kLinea ? 0 : 1];
  if (ahead) {
    SourceText text = std::move(*ahead);
    ahead.reset();
    return text;
  }
  SourceText text;
  if (stdin_ && Path(which) == kStandardInput) {
    text.ok = true;
    text.contents = *stdin_;
  } else {
    std::string reason;
    text.ok = disk_.ReadFile(Path(which), kMaxSourceSize, &text.contents, &reason);
    if (!text.ok) text.error = Path(which) + ": cannot read: " + reason;
  }
  if (text.ok) texts_[Name(which)] = text.contents;
  return text;
}

bool DiskSourceFiles::Delete(Source which, std::string* error) {
  if (!delete_after_reading_ || (stdin_ && Path(which) == kStandardInput)) return true;
  if (disk_.Stat(Path(which)).kind == FileKind::kMissing) return true;
  std::string reason;
  if (disk_.Remove(Path(which), &reason)) return true;
  *error = Path(which) + ": cannot delete: " + reason;
  return false;
}

}  // namespace percorso
