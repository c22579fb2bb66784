#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "io/disk.h"
#include "io/platform.h"

namespace percorso {

FileInfo RealDisk::Stat(const std::string& path) {
  FileInfo info;
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return info;
  if (S_ISREG(st.st_mode)) {
    info.kind = FileKind::kRegular;
  } else if (S_ISDIR(st.st_mode)) {
    info.kind = FileKind::kDirectory;
  } else {
    info.kind = FileKind::kOther;
  }
  info.read_only = (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
  info.size = static_cast<uint64_t>(st.st_size);
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

bool RealDisk::Create(const std::string& path, int* handle, std::string* err) {
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    *err = SystemError(errno);
    return false;
  }
  *handle = fd;
  return true;
}

bool RealDisk::Write(int handle, std::string_view data, std::string* err) {
  while (!data.empty()) {
    ssize_t n = write(handle, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      *err = SystemError(errno);
      return false;
    }
    data.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

bool RealDisk::Close(int handle, std::string* err) {
  if (close(handle) != 0) {
    *err = SystemError(errno);
    return false;
  }
  return true;
}

bool RealDisk::Rename(const std::string& from, const std::string& to, std::string* err) {
  if (rename(from.c_str(), to.c_str()) != 0) {
    *err = SystemError(errno);
    return false;
  }
  return true;
}

bool RealDisk::Remove(const std::string& path, std::string* err) {
  if (unlink(path.c_str()) != 0) {
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

}  // namespace percorso
