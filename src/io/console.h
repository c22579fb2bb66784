// The program's command line and its two output streams, as the platform
// gives them. Inside, every text is UTF-8.
#ifndef PERCORSO_IO_CONSOLE_H_
#define PERCORSO_IO_CONSOLE_H_

#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace percorso {

/// The arguments after the program's name, as UTF-8. On Windows they are read
/// from the system as UTF-16, so that any character of a file name arrives
/// whatever the console's code page; elsewhere they are `argv` as it is.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

/// Standard input for bytes; standard output and standard error for UTF-8 text. Written to a
/// Windows console, the text goes out as UTF-16 and every character shows as it is; to a file or a
/// pipe, and on other platforms, the bytes go out unchanged.
class ConsoleStreams {
 public:
  ConsoleStreams();
  ~ConsoleStreams();
  ConsoleStreams(const ConsoleStreams&) = delete;
  ConsoleStreams& operator=(const ConsoleStreams&) = delete;

  /// Standard input, read in binary (no line-end translation on Windows).
  std::istream& in();
  std::ostream& out() { return *out_; }
  std::ostream& err() { return *err_; }

 private:
  struct Owned;
  std::unique_ptr<Owned> owned_;
  std::ostream* out_;
  std::ostream* err_;
};

/// Standard output takes bytes as they are (no line-end translation on
/// Windows), for a protocol that counts them.
void UseBinaryStandardOutput();

}  // namespace percorso

#endif  // PERCORSO_IO_CONSOLE_H_
