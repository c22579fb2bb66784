#include "io/platform.h"

namespace percorso {

std::string JoinPath(std::string_view dir, std::string_view name) {
  std::string out(dir);
  out += kPathSeparator;
  out += name;
  return out;
}

std::string_view BaseName(std::string_view path) {
  size_t slash = path.rfind(kPathSeparator);
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string DirName(std::string_view path) {
  size_t slash = path.rfind(kPathSeparator);
  if (slash == std::string_view::npos) return ".";
  if (slash == 0) return std::string(1, kPathSeparator);
  return std::string(path.substr(0, slash));
}

}  // namespace percorso
