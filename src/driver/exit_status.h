// Exit statuses of the program and the one form of its own messages.
#ifndef PERCORSO_DRIVER_EXIT_STATUS_H_
#define PERCORSO_DRIVER_EXIT_STATUS_H_

#include <ostream>
#include <string_view>

#include "driver/shown_text.h"

namespace percorso {

enum ExitStatus : int {
  kExitOk = 0,
  kExitFailure = 1,  // a file operation failed, or a fatal header error
  kExitUsage = 2,    // the command line is wrong or an input file is missing
  kExitStatus = 3,   // the compile ended with a non-zero status
};

/// Prints "percorso: " and `message` as one line on `err`, its control bytes
/// escaped (a message may break into lines of its own).
inline void Complain(std::ostream& err, std::string_view message) {
  err << "percorso: " << EscapeControls(message, /*keep_newlines=*/true) << "\n";
}

/// Prints the message and returns `status`, for one-line failure paths.
inline int Fail(std::ostream& err, std::string_view message, int status = kExitFailure) {
  Complain(err, message);
  return status;
}

}  // namespace percorso

#endif  // PERCORSO_DRIVER_EXIT_STATUS_H_
