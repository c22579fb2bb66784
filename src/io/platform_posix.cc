#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <string>

#include "io/platform.h"

namespace percorso {

std::string ProgramDirectory() {
  std::string buf(4096, '\0');
  ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size());
  if (n <= 0 || static_cast<size_t>(n) >= buf.size()) return "";
  buf.resize(static_cast<size_t>(n));
  return DirName(buf);
}

std::string AbsolutePath(const std::string& path) {
  if (path.starts_with('/')) return path;
  std::string buf(PATH_MAX, '\0');
  if (getcwd(buf.data(), buf.size()) == nullptr) return path;
  buf.resize(std::char_traits<char>::length(buf.c_str()));
  std::string_view rest = path;
  while (rest.starts_with("./")) rest.remove_prefix(2);
  return JoinPath(buf == "/" ? "" : buf, rest);
}

namespace {

/// The descriptor that a name of the process's own descriptors gives
/// ("/dev/stdout", "/dev/fd/N", "/proc/self/fd/N", "/proc/PID/fd/N" of this
/// process), or -1.
int OwnDescriptorOf(const std::string& path) {
  if (path == "/dev/stdin") return 0;
  if (path == "/dev/stdout") return 1;
  if (path == "/dev/stderr") return 2;
  std::string_view rest = path;
  const std::string self = "/proc/" + std::to_string(getpid()) + "/fd/";
  for (std::string_view prefix :
       {std::string_view("/dev/fd/"), std::string_view("/proc/self/fd/"), std::string_view(self)}) {
    if (!rest.starts_with(prefix)) continue;
    rest.remove_prefix(prefix.size());
    int fd = 0;
    auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), fd);
    return ec == std::errc() && end == rest.data() + rest.size() ? fd : -1;
  }
  return -1;
}

}  // namespace

NamedStream StreamNamedBy(const std::string& path) {
  // The links are followed one at a time, so that a name of one of the
  // process's descriptors is seen before the kernel resolves it to a file.
  std::string at = path;
  for (int hop = 0; hop < 40; ++hop) {
    if (OwnDescriptorOf(at) == 1) return NamedStream::kStandardOutput;
    struct stat st;
    if (lstat(at.c_str(), &st) != 0) return NamedStream::kNone;
    // A device named directly is refused as any file that cannot be replaced;
    // reached through a link, it is what the link was made for.
    if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode)) {
      return hop > 0 ? NamedStream::kDevice : NamedStream::kNone;
    }
    if (!S_ISLNK(st.st_mode)) return NamedStream::kNone;
    std::string target(4096, '\0');
    ssize_t n = readlink(at.c_str(), target.data(), target.size());
    if (n <= 0 || static_cast<size_t>(n) >= target.size()) return NamedStream::kNone;
    target.resize(static_cast<size_t>(n));
    at = target.starts_with('/') ? target : JoinPath(DirName(at), target);
  }
  return NamedStream::kNone;
}

bool WriteToDevice(const std::string& path, std::string_view bytes, std::string* err) {
  int fd = open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    *err = SystemError(errno);
    return false;
  }
  // Writes may wait for the reader of a FIFO or a slow device.
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  while (!bytes.empty()) {
    ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      *err = SystemError(errno);
      close(fd);
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  if (close(fd) != 0) {
    *err = SystemError(errno);
    return false;
  }
  return true;
}

bool StandardErrorIsTerminal() {
  return isatty(STDERR_FILENO) == 1;
}

bool CheckFileName(const std::string& dir, std::string_view name, std::string* reason) {
  if (name.find('/') != std::string_view::npos || name.find('\0') != std::string_view::npos) {
    *reason = "a file name cannot hold '/' or a NUL byte";
    return false;
  }
  long longest = pathconf(dir.c_str(), _PC_NAME_MAX);
  if (longest <= 0) longest = NAME_MAX;
  if (name.size() > static_cast<size_t>(longest)) {
    *reason = "a name of " + std::to_string(name.size()) + " bytes is longer than the " +
              std::to_string(longest) + " the file system allows";
    return false;
  }
  return true;
}

}  // namespace percorso
