#include "io/fresh_file.h"

#include "io/platform.h"

namespace percorso {
namespace {

bool CheckReplaceable(Disk& disk, const std::string& path, std::string* err) {
  FileInfo info = disk.Stat(path);
  if (info.kind == FileKind::kDirectory) {
    *err = path + ": cannot write: Is a directory";
    return false;
  }
  if (info.kind == FileKind::kRegular && info.read_only) {
    *err = path + ": cannot replace: Permission denied (the file is read-only)";
    return false;
  }
  return true;
}

std::string TemporaryName(const std::string& path) {
  return JoinPath(DirName(path), "." + std::string(BaseName(path)) + ".tmp-" + UniqueSuffix());
}

}  // namespace

bool WriteFresh(Disk& disk, const std::string& path, std::string_view bytes, std::string* err) {
  bool done = false;
  return WriteFreshChunked(
      disk, path,
      [&](std::string* piece) {
        if (done) return false;
        piece->append(bytes);
        done = true;
        return true;
      },
      err);
}

bool WriteFreshChunked(Disk& disk, const std::string& path,
                       const std::function<bool(std::string*)>& next, std::string* err) {
  return WriteFreshWith(
      disk, path,
      [&](int handle, std::string* reason) {
        std::string piece;
        while (next(&piece)) {
          if (!piece.empty() && !disk.Write(handle, piece, reason)) return false;
          piece.clear();
        }
        return true;
      },
      err);
}

bool WriteFreshWith(Disk& disk, const std::string& path,
                    const std::function<bool(int handle, std::string* reason)>& write,
                    std::string* err) {
  if (!CheckReplaceable(disk, path, err)) return false;
  std::string temp = TemporaryName(path);
  std::string reason;
  int handle = -1;
  if (!disk.Create(temp, &handle, &reason)) {
    *err = path + ": cannot create: " + reason;
    return false;
  }
  bool ok = write(handle, &reason);
  if (!ok) *err = path + ": cannot write: " + reason;
  std::string close_reason;
  if (!disk.Close(handle, &close_reason) && ok) {
    *err = path + ": cannot write: " + close_reason;
    ok = false;
  }
  // The old file goes first, then the new one takes its name: the same end as
  // deleting and writing anew, and a rename over an existing file would make
  // the file system flush the new content at once.
  if (ok && disk.Stat(path).kind == FileKind::kRegular && !disk.Remove(path, &reason)) {
    *err = path + ": cannot replace: " + reason;
    ok = false;
  }
  if (ok && !disk.Rename(temp, path, &reason)) {
    *err = path + ": cannot replace: " + reason;
    ok = false;
  }
  if (!ok) {
    std::string ignored;
    disk.Remove(temp, &ignored);
  }
  return ok;
}

}  // namespace percorso
