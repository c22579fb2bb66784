#include <windows.h>

#include <atomic>
#include <cstring>
#include <string>

#include "io/platform.h"
#include "io/windows_api.h"

namespace percorso {

std::string ProgramDirectory() {
  // The longest path Windows knows is 32767 UTF-16 units.
  for (DWORD size = MAX_PATH; size <= 65536; size *= 2) {
    std::wstring path(size, L'\0');
    DWORD n = GetModuleFileNameW(nullptr, path.data(), size);
    if (n == 0) return "";
    if (n < size) {
      path.resize(n);
      return DirName(Utf8FromWide(path));
    }
  }
  return "";
}

std::string SystemError(int error_number) {
  return std::strerror(error_number);
}

std::string UniqueSuffix() {
  static std::atomic<unsigned> counter{0};
  return std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++);
}

}  // namespace percorso
