#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "io/platform.h"
#include "io/windows_api.h"

namespace percorso {
namespace {

// The longest name of one file, in UTF-16 units.
constexpr size_t kLongestName = 255;

/// True for a name Windows keeps for a device, whatever follows its first
/// dot: CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9, in any letter case.
bool IsDeviceName(std::string_view name) {
  std::string base(name.substr(0, name.find('.')));
  std::transform(base.begin(), base.end(), base.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
  if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL") return true;
  return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) &&
         base[3] >= '1' && base[3] <= '9';
}

}  // namespace

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

std::string AbsolutePath(const std::string& path) {
  std::wstring wide = WideFromUtf8(path);
  DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  DWORD n = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
  if (n == 0 || n >= size) return path;
  full.resize(n);
  return Utf8FromWide(full);
}

bool CheckFileName(const std::string& /*dir*/, std::string_view name, std::string* reason) {
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 32 || std::strchr("<>:\"/\\|?*", c) != nullptr) {
      *reason = "Windows allows none of < > : \" / \\ | ? * and no control character in a name";
      return false;
    }
  }
  if (name.back() == '.' || name.back() == ' ') {
    *reason = "Windows allows no name that ends in a dot or a blank";
    return false;
  }
  if (IsDeviceName(name)) {
    *reason =
        "Windows keeps the name " + std::string(name.substr(0, name.find('.'))) + " for a device";
    return false;
  }
  size_t units = WideFromUtf8(name).size();
  if (units > kLongestName) {
    *reason = "a name of " + std::to_string(units) + " characters is longer than the " +
              std::to_string(kLongestName) + " Windows allows";
    return false;
  }
  return true;
}

// A Windows console shows colour escapes only once asked to, and standard
// error there is written in UTF-16 by the program's own stream: plain text.
// Windows has no links to the process's own handles; a device is refused as
// any file that cannot be replaced.
NamedStream StreamNamedBy(const std::string& /*path*/) {
  return NamedStream::kNone;
}

bool WriteToDevice(const std::string& /*path*/, std::string_view /*bytes*/, std::string* err) {
  *err = "not supported";
  return false;
}

bool StandardErrorIsTerminal() {
  return false;
}

}  // namespace percorso
