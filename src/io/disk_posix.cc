#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "io/disk.h"
#include "io/interrupts.h"
#include "io/platform.h"
#include "io/temporary_names.h"

namespace percorso {
namespace {

std::string KindOf(mode_t mode) {
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  if (S_ISSOCK(mode)) return "a socket";
  return "a special file";
}

void Describe(const struct stat& st, FileInfo* info) {
  if (S_ISREG(st.st_mode)) {
    info->kind = FileKind::kRegular;
  } else if (S_ISDIR(st.st_mode)) {
    info->kind = FileKind::kDirectory;
  } else {
    info->kind = FileKind::kOther;
    info->other = KindOf(st.st_mode);
  }
  info->read_only = (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
  info->size = static_cast<uint64_t>(st.st_size);
  info->device = static_cast<uint64_t>(st.st_dev);
  info->inode = static_cast<uint64_t>(st.st_ino);
}

/// A file named by `name` in the directory `dir` (AT_FDCWD: `name` is the
/// path as given).
struct At {
  int dir = AT_FDCWD;
  std::string name;
};

std::optional<uint64_t> ParseNumber(std::string_view text, int base) {
  uint64_t n = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n, base);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return n;
}

}  // namespace

FileHandle RealDisk::DirectoryOf(const std::string& path) const {
  const std::string dir = DirName(path);
  for (const auto& [name, handle] : locked_) {
    if (name == dir) return handle;
  }
  return kNoHandle;
}

namespace {

At Where(FileHandle dir, const std::string& path) {
  if (dir == kNoHandle) return {AT_FDCWD, path};
  return {static_cast<int>(dir), std::string(BaseName(path))};
}

}  // namespace

FileInfo RealDisk::Stat(const std::string& path) {
  FileInfo info;
  const At at = Where(DirectoryOf(path), path);
  struct stat st;
  if (fstatat(at.dir, at.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
    if (errno != ENOENT && errno != ENOTDIR) info.error = SystemError(errno);
    return info;
  }
  if (S_ISLNK(st.st_mode)) {
    info.link = true;
    if (fstatat(at.dir, at.name.c_str(), &st, 0) != 0) return info;
  }
  Describe(st, &info);
  return info;
}

bool RealDisk::ReadFile(const std::string& path, uint64_t max_size, std::string* contents,
                        std::string* err) {
  const At at = Where(DirectoryOf(path), path);
  // Without blocking, so that a FIFO with no writer cannot hold the run: it is
  // refused below, as everything that is not a regular file.
  int fd = openat(at.dir, at.name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) {
    *err = SystemError(errno);
    return false;
  }
  struct stat st;
  if (fstat(fd, &st) != 0) {
    *err = SystemError(errno);
    close(fd);
    return false;
  }
  if (!S_ISREG(st.st_mode)) {
    *err = S_ISDIR(st.st_mode) ? SystemError(EISDIR) : KindOf(st.st_mode) + ", not a regular file";
    close(fd);
    return false;
  }
  if (static_cast<uint64_t>(st.st_size) > max_size) {
    *err = "file too large (" + std::to_string(st.st_size) + " bytes, at most " +
           std::to_string(max_size) + ")";
    close(fd);
    return false;
  }
  // Straight into the string, one byte more than the file's size so that the
  // first read already meets the end; a file that grows meanwhile is read on.
  const size_t room = static_cast<size_t>(std::min<uint64_t>(max_size, SIZE_MAX - 1)) + 1;
  contents->clear();
  contents->resize(static_cast<size_t>(st.st_size) + 1);
  size_t have = 0;
  for (;;) {
    if (have == contents->size()) {
      if (have >= room) {
        *err = "file too large (more than " + std::to_string(max_size) + " bytes)";
        close(fd);
        return false;
      }
      contents->resize(std::min(room, std::max(2 * have, size_t{1} << 16)));
    }
    ssize_t n = read(fd, contents->data() + have, contents->size() - have);
    if (n < 0) {
      if (errno == EINTR) continue;
      *err = SystemError(errno);
      close(fd);
      return false;
    }
    if (n == 0) break;
    have += static_cast<size_t>(n);
  }
  contents->resize(have);
  close(fd);
  return true;
}

bool RealDisk::CreateTemporary(const std::string& target, TemporaryFile* temp, std::string* err) {
  const FileHandle dir = DirectoryOf(target);
  const At at = Where(dir, target);
  // A regular file keeps its permissions; anything else gives way to a new
  // file with the permissions of the umask.
  struct stat st;
  bool keep_mode =
      fstatat(at.dir, at.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode);
  auto open_new = [dir](const std::string& path, FileHandle* handle, std::string* why) {
    const At place = Where(dir, path);
    const int fd = openat(place.dir, place.name.c_str(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) {
      *handle = fd;
      return TemporaryOpen::kOpened;
    }
    if (errno == EEXIST) return TemporaryOpen::kNameTaken;
    *why = SystemError(errno);
    return TemporaryOpen::kFailed;
  };
  if (!CreateTemporaryIn(DirName(target), static_cast<uint64_t>(getpid()), open_new, temp, err,
                         dir)) {
    return false;
  }
  if (keep_mode && fchmod(static_cast<int>(temp->handle), st.st_mode & 0777) != 0) {
    *err = SystemError(errno);
    std::string ignored;
    Close(temp->handle, &ignored);
    Discard(*temp, &ignored);
    return false;
  }
  return true;
}

bool RealDisk::Write(FileHandle handle, std::string_view data, std::string* err) {
  while (!data.empty()) {
    ssize_t n = write(static_cast<int>(handle), data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      *err = SystemError(errno);
      return false;
    }
    data.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

bool RealDisk::WriteAt(FileHandle handle, uint64_t offset, std::string_view data,
                       std::string* err) {
  while (!data.empty()) {
    ssize_t n =
        pwrite(static_cast<int>(handle), data.data(), data.size(), static_cast<off_t>(offset));
    if (n < 0) {
      if (errno == EINTR) continue;
      *err = SystemError(errno);
      return false;
    }
    data.remove_prefix(static_cast<size_t>(n));
    offset += static_cast<uint64_t>(n);
  }
  return true;
}

bool RealDisk::Close(FileHandle handle, std::string* err) {
  if (close(static_cast<int>(handle)) != 0) {
    *err = SystemError(errno);
    return false;
  }
  return true;
}

bool RealDisk::Sync(FileHandle handle, std::string* err) {
  if (fsync(static_cast<int>(handle)) != 0 && errno != EINVAL) {
    *err = SystemError(errno);
    return false;
  }
  return true;
}

void RealDisk::BeginSync(FileHandle handle, uint64_t offset, uint64_t length) {
  // The pages go to the disk in the background; fsync then waits only for
  // what is still on its way. A range past what off_t holds is left to fsync.
  constexpr uint64_t kMax = static_cast<uint64_t>(std::numeric_limits<off_t>::max());
  if (offset > kMax || length > kMax - offset) return;
  sync_file_range(static_cast<int>(handle), static_cast<off_t>(offset), static_cast<off_t>(length),
                  SYNC_FILE_RANGE_WRITE);
}

bool RealDisk::SyncDirectory(const std::string& dir, std::string* err) {
  FileHandle locked = kNoHandle;
  for (const auto& [name, handle] : locked_) {
    if (name == dir) locked = handle;
  }
  int fd = locked != kNoHandle ? static_cast<int>(locked)
                               : open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    *err = SystemError(errno);
    return false;
  }
  // A file system that cannot sync a directory (EINVAL) keeps its names as it
  // can.
  const bool synced = fsync(fd) == 0 || errno == EINVAL;
  if (!synced) *err = SystemError(errno);
  if (locked == kNoHandle) close(fd);
  return synced;
}

bool RealDisk::KeepAside(const std::string& target, TemporaryFile* aside, bool* moved,
                         std::string* err) {
  const FileHandle dir = DirectoryOf(target);
  const At from = Where(dir, target);
  *moved = false;
  auto keep = [&](const std::string& path, FileHandle* handle, std::string* why) {
    const At to = Where(dir, path);
    *handle = kNoHandle;
    if (linkat(from.dir, from.name.c_str(), to.dir, to.name.c_str(), 0) == 0) {
      return TemporaryOpen::kOpened;
    }
    int error = errno;
    // A file system without hard links: the old file is renamed aside instead,
    // and put back if the set cannot be replaced whole.
    if (error == EPERM || error == EOPNOTSUPP || error == EMLINK || error == ENOSYS) {
      if (renameat2(from.dir, from.name.c_str(), to.dir, to.name.c_str(), RENAME_NOREPLACE) == 0) {
        *moved = true;
        return TemporaryOpen::kOpened;
      }
      if (errno != EINVAL && errno != ENOSYS) error = errno;
    }
    if (error == EEXIST) return TemporaryOpen::kNameTaken;
    *why = SystemError(error);
    return TemporaryOpen::kFailed;
  };
  return CreateTemporaryIn(DirName(target), static_cast<uint64_t>(getpid()), keep, aside, err, dir);
}

bool RealDisk::Replace(const TemporaryFile& temp, const std::string& target, std::string* err) {
  InterruptsHeld held;
  const FileHandle dir = DirectoryOf(target);
  const At from = Where(dir, temp.path);
  const At to = Where(dir, target);
  if (renameat(from.dir, from.name.c_str(), to.dir, to.name.c_str()) != 0) {
    *err = SystemError(errno);
    return false;
  }
  ForgetTemporary(temp.slot);
  return true;
}

bool RealDisk::Discard(const TemporaryFile& temp, std::string* err) {
  InterruptsHeld held;
  const At at = Where(DirectoryOf(temp.path), temp.path);
  bool removed = unlinkat(at.dir, at.name.c_str(), 0) == 0;
  if (!removed) *err = SystemError(errno);
  ForgetTemporary(temp.slot);
  return removed;
}

bool RealDisk::Remove(const std::string& path, std::string* err) {
  const At at = Where(DirectoryOf(path), path);
  if (unlinkat(at.dir, at.name.c_str(), 0) != 0) {
    *err = SystemError(errno);
    return false;
  }
  return true;
}

bool RealDisk::MakeDirectory(const std::string& path, std::string* err) {
  if (mkdir(path.c_str(), 0777) != 0) {
    *err = SystemError(errno);
    return false;
  }
  return true;
}

bool RealDisk::ListDirectory(const std::string& dir, std::vector<std::string>* names,
                             std::string* err) {
  FileHandle locked = kNoHandle;
  for (const auto& [name, handle] : locked_) {
    if (name == dir) locked = handle;
  }
  // The locked directory is listed through a descriptor of its own, which
  // closedir() closes.
  int fd = locked != kNoHandle
               ? openat(static_cast<int>(locked), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)
               : open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  DIR* d = fd >= 0 ? fdopendir(fd) : nullptr;
  if (d == nullptr) {
    *err = SystemError(errno);
    if (fd >= 0) close(fd);
    return false;
  }
  errno = 0;
  while (const dirent* entry = readdir(d)) {
    std::string_view name = entry->d_name;
    if (name != "." && name != "..") names->emplace_back(name);
  }
  int error = errno;
  closedir(d);
  if (error != 0) {
    *err = SystemError(error);
    return false;
  }
  return true;
}

LockResult RealDisk::LockDirectory(const std::string& dir, LockMode mode, bool wait,
                                   DirectoryLock* lock, std::string* err) {
  int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    *err = SystemError(errno);
    // A directory that may be written but not read cannot be opened to lock.
    if (errno == EACCES) {
      *err = "the directory cannot be read (" + *err + "), so it cannot be locked";
      return LockResult::kUnsupported;
    }
    return LockResult::kFailed;
  }
  int operation = (mode == LockMode::kShared ? LOCK_SH : LOCK_EX) | (wait ? 0 : LOCK_NB);
  while (flock(fd, operation) != 0) {
    int error = errno;
    if (error == EINTR) continue;
    close(fd);
    if (error == EWOULDBLOCK) return LockResult::kBusy;
    *err = SystemError(error);
    if (error == ENOLCK || error == EOPNOTSUPP || error == ENOSYS || error == EINVAL) {
      *err = "the file system offers no lock (" + *err + ")";
      return LockResult::kUnsupported;
    }
    return LockResult::kFailed;
  }
  locked_.emplace_back(dir, fd);
  *lock = DirectoryLock(this, fd);
  return LockResult::kLocked;
}

// The holder of a lock on a directory, from the kernel's table of locks:
// "1: FLOCK  ADVISORY  WRITE 4242 08:01:1234 0 EOF", the device in hex and the
// inode in decimal; a waiting process is listed with "->" and is no holder.
std::string RealDisk::LockHolder(const std::string& dir) {
  struct stat st;
  if (stat(dir.c_str(), &st) != 0) return "";
  std::string table, ignored;
  if (!ReadFile("/proc/locks", 1 << 24, &table, &ignored)) return "";
  size_t start = 0;
  while (start < table.size()) {
    size_t end = table.find('\n', start);
    if (end == std::string::npos) end = table.size();
    std::vector<std::string_view> fields;
    std::string_view line(table.data() + start, end - start);
    start = end + 1;
    while (!line.empty()) {
      size_t skip = line.find_first_not_of(' ');
      if (skip == std::string_view::npos) break;
      line.remove_prefix(skip);
      size_t len = std::min(line.find(' '), line.size());
      fields.push_back(line.substr(0, len));
      line.remove_prefix(len);
    }
    if (fields.size() < 6 || fields[1] != "FLOCK") continue;
    std::string_view place = fields[5];
    size_t c1 = place.find(':');
    size_t c2 = place.find(':', c1 + 1);
    if (c1 == std::string_view::npos || c2 == std::string_view::npos) continue;
    std::optional<uint64_t> major_id = ParseNumber(place.substr(0, c1), 16);
    std::optional<uint64_t> minor_id = ParseNumber(place.substr(c1 + 1, c2 - c1 - 1), 16);
    std::optional<uint64_t> inode = ParseNumber(place.substr(c2 + 1), 10);
    if (major_id == major(st.st_dev) && minor_id == minor(st.st_dev) && inode == st.st_ino &&
        ParseNumber(fields[4], 10)) {
      return "process " + std::string(fields[4]);
    }
  }
  return "";
}

void RealDisk::ReleaseLock(FileHandle handle) {
  std::erase_if(locked_, [handle](const auto& entry) { return entry.second == handle; });
  close(static_cast<int>(handle));
}

}  // namespace percorso
