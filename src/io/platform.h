// What depends on the platform besides the disk: the path separator, the
// program's own directory, the texts of system errors and the names a file
// system accepts. The real file system is in disk.h, interrupts in
// interrupts.h.
#ifndef PERCORSO_IO_PLATFORM_H_
#define PERCORSO_IO_PLATFORM_H_

#include <string>
#include <string_view>

namespace percorso {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

/// The directory of the running executable, without a trailing separator, or
/// an empty text when the platform cannot tell.
std::string ProgramDirectory();

/// `dir` + separator + `name`, by plain concatenation.
std::string JoinPath(std::string_view dir, std::string_view name);
/// The part of a path after its last separator (on Windows "\" or "/").
std::string_view BaseName(std::string_view path);
/// The part of a path before its last separator, "." when there is none.
std::string DirName(std::string_view path);
/// `path` made absolute against the current directory, without resolving
/// links; as given when the current directory cannot be told.
std::string AbsolutePath(const std::string& path);

/// What a path given for output names besides a file to replace.
enum class NamedStream {
  kNone,            // a file (or nothing): replaced through a temporary
  kStandardOutput,  // the process's own standard output (/dev/stdout, /proc/self/fd/1)
  kDevice,          // a device or a FIFO reached through a link: written through
};
NamedStream StreamNamedBy(const std::string& path);

/// Writes `bytes` to the device or FIFO that `path` names, following links,
/// creating and truncating nothing.
bool WriteToDevice(const std::string& path, std::string_view bytes, std::string* err);

/// True when the process's standard error is a terminal.
bool StandardErrorIsTerminal();

/// The text of a system error number.
std::string SystemError(int error_number);

/// False, with the reason, when the file system would refuse `name` as the
/// name of one file in `dir`: a separator or a byte it does not allow, or too
/// long. Empty, "." and ".." are for CheckFileNames to refuse.
bool CheckFileName(const std::string& dir, std::string_view name, std::string* reason);

}  // namespace percorso

#endif  // PERCORSO_IO_PLATFORM_H_
