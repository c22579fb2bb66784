#include <cstring>

#include "io/platform.h"

namespace percorso {
namespace {

/// Windows takes "/" as well as "\" in a path.
size_t LastSeparator(std::string_view path) {
  return kPathSeparator == '/' ? path.rfind('/') : path.find_last_of("/\\");
}

}  // namespace

std::string JoinPath(std::string_view dir, std::string_view name) {
  std::string out(dir);
  out += kPathSeparator;
  out += name;
  return out;
}

std::string_view BaseName(std::string_view path) {
  size_t slash = LastSeparator(path);
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string SystemError(int error_number) {
  return std::strerror(error_number);
}

std::string DirName(std::string_view path) {
  size_t slash = LastSeparator(path);
  if (slash == std::string_view::npos) return ".";
  if (slash == 0) return std::string(path.substr(0, 1));
  return std::string(path.substr(0, slash));
}

}  // namespace percorso
