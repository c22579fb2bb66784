// The command line of the program.
#ifndef PERCORSO_DRIVER_CLI_H_
#define PERCORSO_DRIVER_CLI_H_

#include <ostream>
#include <string>
#include <vector>

#include "io/disk.h"

namespace percorso {

/// Runs the command given by `args` (without the program name) and returns the
/// exit status. `program_dir` is where the default run writes without --dir.
int RunCommandLine(const std::vector<std::string>& args, const std::string& program_dir, Disk& disk,
                   std::ostream& out, std::ostream& err);

}  // namespace percorso

#endif  // PERCORSO_DRIVER_CLI_H_
