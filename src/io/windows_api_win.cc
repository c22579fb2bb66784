#include <windows.h>

#include <climits>

#include "io/windows_api.h"

namespace percorso {

std::wstring WideFromUtf8(std::string_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  int size = static_cast<int>(text.size());
  int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  if (n <= 0) return {};
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), n);
  return wide;
}

std::string Utf8FromWide(std::wstring_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  int size = static_cast<int>(text.size());
  int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return {};
  std::string utf8(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), n, nullptr, nullptr);
  return utf8;
}

std::string WindowsErrorText(unsigned long code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
      return "No such file or directory";
    case ERROR_ACCESS_DENIED:
      return "Permission denied";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return "File in use by another program";
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return "File exists";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return "No space left on device";
    case ERROR_DIRECTORY:
      return "Not a directory";
    case ERROR_WRITE_PROTECT:
      return "Read-only file system";
    case ERROR_FILENAME_EXCED_RANGE:
      return "File name too long";
    default:
      break;
  }
  wchar_t* buffer = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                               FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK,
                           nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                           reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text = n > 0 ? std::wstring(buffer, n) : std::wstring();
  LocalFree(buffer);
  // The system's texts end with a full stop and blanks.
  while (!text.empty() && (text.back() == L' ' || text.back() == L'.' || text.back() == L'\r' ||
                           text.back() == L'\n')) {
    text.pop_back();
  }
  if (text.empty()) return "Windows error " + std::to_string(code);
  return Utf8FromWide(text);
}

}  // namespace percorso
