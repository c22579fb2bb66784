// Runs the program's command line in-process and keeps what it printed.
#ifndef PERCORSO_TESTS_SUPPORT_CLI_H_
#define PERCORSO_TESTS_SUPPORT_CLI_H_

#include <string>
#include <vector>

#include "io/disk.h"

namespace percorso::testing {

struct CliResult {
  int status = 0;
  std::string out;
  std::string err;
};

/// Runs `args` (without the program name) on `disk`, or on the real disk when
/// `disk` is null. The default run writes into `program_dir` without --dir.
CliResult RunCli(const std::vector<std::string>& args, Disk* disk = nullptr,
                 const std::string& program_dir = "");

}  // namespace percorso::testing

#endif  // PERCORSO_TESTS_SUPPORT_CLI_H_
