// The command line of the program.
#ifndef PERCORSO_DRIVER_CLI_H_
#define PERCORSO_DRIVER_CLI_H_

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "io/disk.h"

namespace percorso {

/// Runs the command given by `args` (without the program name) and returns the
/// exit status. `program_dir` is where the default run writes without --dir.
/// A failed write to `out` makes the status 1, with a message.
int RunCommandLine(const std::vector<std::string>& args, const std::string& program_dir, Disk& disk,
                   std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace percorso

#endif  // PERCORSO_DRIVER_CLI_H_
