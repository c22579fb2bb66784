#include <unistd.h>

#include <atomic>
#include <cstring>
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

std::string SystemError(int error_number) {
  return std::strerror(error_number);
}

std::string UniqueSuffix() {
  static std::atomic<unsigned> counter{0};
  return std::to_string(getpid()) + "-" + std::to_string(counter++);
}

}  // namespace percorso
