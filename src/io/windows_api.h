// Helpers for the Windows API. The program keeps every text as UTF-8 and
// speaks UTF-16 to the wide Windows API.
#ifndef PERCORSO_IO_WINDOWS_API_H_
#define PERCORSO_IO_WINDOWS_API_H_

#ifdef _WIN32

#include <string>
#include <string_view>

namespace percorso {

/// UTF-8 as UTF-16; bytes that are not UTF-8 become U+FFFD.
std::wstring WideFromUtf8(std::string_view text);
/// UTF-16 as UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf8FromWide(std::wstring_view text);

/// The reason for a Windows error code, as one line of UTF-8: the common
/// failures of file operations in the same words as on other platforms ("No
/// such file or directory", "Permission denied", ...), any other code in the
/// system's words.
std::string WindowsErrorText(unsigned long code);

}  // namespace percorso

#endif  // _WIN32
#endif  // PERCORSO_IO_WINDOWS_API_H_
