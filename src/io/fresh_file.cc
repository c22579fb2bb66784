#include "io/fresh_file.h"

#include "io/interrupts.h"
#include "io/platform.h"

namespace percorso {

bool CheckReplaceable(Disk& disk, const std::string& path, std::string* err) {
  FileInfo info = disk.Stat(path);
  if (info.kind == FileKind::kRegular && info.read_only) {
    *err = path + ": cannot replace: Permission denied (the file is read-only)";
    return false;
  }
  if (info.link || info.kind == FileKind::kMissing || info.kind == FileKind::kRegular) return true;
  if (info.kind == FileKind::kDirectory) {
    *err = path + ": cannot write: Is a directory";
  } else {
    *err = path + ": cannot replace: " + info.other + ", not a regular file";
  }
  return false;
}

bool CheckAllReplaceable(Disk& disk, std::span<const std::string> paths, std::string* err) {
  for (const std::string& path : paths) {
    if (!CheckReplaceable(disk, path, err)) return false;
  }
  return true;
}

FileSet::~FileSet() {
  DiscardAll();
}

void FileSet::DiscardAll() {
  std::string ignored;
  for (const Staged& s : staged_) disk_.Discard(s.temp, &ignored);
  staged_.clear();
}

bool FileSet::Add(const std::string& path, std::string_view bytes, std::string* err) {
  return AddWritten(
      path,
      [&](FileHandle handle, std::string* reason) {
        return bytes.empty() || disk_.Write(handle, bytes, reason);
      },
      err);
}

bool FileSet::AddChunked(const std::string& path, const std::function<bool(std::string*)>& next,
                         std::string* err) {
  return AddWritten(
      path,
      [&](FileHandle handle, std::string* reason) {
        std::string piece;
        while (next(&piece)) {
          if (!piece.empty() && !disk_.Write(handle, piece, reason)) return false;
          piece.clear();
        }
        return true;
      },
      err);
}

bool FileSet::AddWritten(const std::string& path,
                         const std::function<bool(FileHandle handle, std::string* reason)>& write,
                         std::string* err) {
  if (!CheckReplaceable(disk_, path, err)) return false;
  TemporaryFile temp;
  std::string reason;
  if (!disk_.CreateTemporary(path, &temp, &reason)) {
    *err = path + ": cannot create the temporary file " + std::string(BaseName(temp.path)) + ": " +
           reason;
    return false;
  }
  bool ok = write(temp.handle, &reason);
  if (!ok) *err = path + ": cannot write: " + reason;
  if (!disk_.Close(temp.handle, &reason) && ok) {
    *err = path + ": cannot write: " + reason;
    ok = false;
  }
  if (!ok) {
    disk_.Discard(temp, &reason);
    return false;
  }
  staged_.push_back({path, std::move(temp)});
  return true;
}

bool FileSet::Commit(std::string* err) {
  // An interrupt waits until every file is renamed: the set changes whole.
  InterruptsHeld held;
  std::string reason;
  for (size_t i = 0; i < staged_.size(); ++i) {
    if (!disk_.Replace(staged_[i].temp, staged_[i].target, &reason)) {
      *err = staged_[i].target + ": cannot replace: " + reason;
      staged_.erase(staged_.begin(), staged_.begin() + static_cast<ptrdiff_t>(i));
      DiscardAll();
      return false;
    }
  }
  staged_.clear();
  return true;
}

bool WriteFresh(Disk& disk, const std::string& path, std::string_view bytes, std::string* err) {
  FileSet set(disk);
  return set.Add(path, bytes, err) && set.Commit(err);
}

}  // namespace percorso
