#include <limits.h>
#include <unistd.h>

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
