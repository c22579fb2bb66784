// Runs the program's command line in-process and keeps what it printed.
#ifndef PERCORSO_TESTS_SUPPORT_CLI_H_
#define PERCORSO_TESTS_SUPPORT_CLI_H_

#include <string>
#include <vector>

#include "io/disk.h"
#include "support/temp_dir.h"

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

/// As RunCli, with `input` on standard input.
CliResult RunCliWithInput(const std::vector<std::string>& args, const std::string& input);

/// Writes the sources as L_linea.txt and L_T-.txt in `dir` and runs `command`
/// (compile, check, view...) on them with `extra` after; a compile writes into
/// `dir`.
CliResult RunOnSources(const TempDir& dir, const std::string& command, const std::string& linea,
                       const std::string& treno, const std::vector<std::string>& extra = {});

}  // namespace percorso::testing

#endif  // PERCORSO_TESTS_SUPPORT_CLI_H_
