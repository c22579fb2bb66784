#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

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
}

TemporaryOpen OpenNew(const std::string& path, FileHandle* handle, std::string* err) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd >= 0) {
    *handle = fd;
    return TemporaryOpen::kOpened;
  }
  if (errno == EEXIST) return TemporaryOpen::kNameTaken;
  *err = SystemError(errno);
  return TemporaryOpen::kFailed;
}

}  // namespace

FileInfo RealDisk::Stat(const std::string& path) {
  FileInfo info;
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) return info;
  if (S_ISLNK(st.st_mode)) {
    info.link = true;
    if (stat(path.c_str(), &st) != 0) return info;
  }
  Describe(st, &info);
  return info;
}

bool RealDisk::ReadFile(const std::string& path, uint64_t max_size, std::string* contents,
                        std::string* err) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
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
  if (S_ISDIR(st.st_mode)) {
    *err = SystemError(EISDIR);
    close(fd);
    return false;
  }
  contents->clear();
  if (S_ISREG(st.st_mode)) {
    if (static_cast<uint64_t>(st.st_size) > max_size) {
      *err = "file too large (" + std::to_string(st.st_size) + " bytes, at most " +
             std::to_string(max_size) + ")";
      close(fd);
      return false;
    }
    contents->reserve(static_cast<size_t>(st.st_size));
  }
  char buf[1 << 16];
  for (;;) {
    ssize_t n = read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      *err = SystemError(errno);
      close(fd);
      return false;
    }
    if (n == 0) break;
    if (contents->size() + static_cast<size_t>(n) > max_size) {
      *err = "file too large (more than " + std::to_string(max_size) + " bytes)";
      close(fd);
      return false;
    }
    contents->append(buf, static_cast<size_t>(n));
  }
  close(fd);
  return true;
}

bool RealDisk::CreateTemporary(const std::string& target, TemporaryFile* temp, std::string* err) {
  // A regular file keeps its permissions; anything else gives way to a new
  // file with the permissions of the umask.
  struct stat st;
  bool keep_mode = lstat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode);
  if (!CreateTemporaryIn(DirName(target), static_cast<uint64_t>(getpid()), OpenNew, temp, err)) {
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

bool RealDisk::Replace(const TemporaryFile& temp, const std::string& target, std::string* err) {
  InterruptsHeld held;
  if (rename(temp.path.c_str(), target.c_str()) != 0) {
    *err = SystemError(errno);
    return false;
  }
  ForgetTemporary(temp.slot);
  return true;
}

bool RealDisk::Discard(const TemporaryFile& temp, std::string* err) {
  InterruptsHeld held;
  bool removed = unlink(temp.path.c_str()) == 0;
  if (!removed) *err = SystemError(errno);
  ForgetTemporary(temp.slot);
  return removed;
}

bool RealDisk::Remove(const std::string& path, std::string* err) {
  if (unlink(path.c_str()) != 0) {
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
  DIR* d = opendir(dir.c_str());
  if (d == nullptr) {
    *err = SystemError(errno);
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
    // A directory that may be written but not read cannot be opened to lock.
    if (errno == EACCES) return LockResult::kUnsupported;
    *err = SystemError(errno);
    return LockResult::kFailed;
  }
  int operation = (mode == LockMode::kShared ? LOCK_SH : LOCK_EX) | (wait ? 0 : LOCK_NB);
  while (flock(fd, operation) != 0) {
    int error = errno;
    if (error == EINTR) continue;
    close(fd);
    if (error == EWOULDBLOCK) return LockResult::kBusy;
    if (error == ENOLCK || error == EOPNOTSUPP || error == ENOSYS || error == EINVAL) {
      return LockResult::kUnsupported;
    }
    *err = SystemError(error);
    return LockResult::kFailed;
  }
  *lock = DirectoryLock(fd);
  return LockResult::kLocked;
}

void ReleaseDirectoryLock(FileHandle handle) {
  close(static_cast<int>(handle));
}

}  // namespace percorso
