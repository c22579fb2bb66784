#include "support/cli.h"

#include <sstream>

#include "driver/cli.h"

namespace percorso::testing {

CliResult RunCli(const std::vector<std::string>& args, Disk* disk, const std::string& program_dir) {
  RealDisk real;
  std::ostringstream out, err;
  CliResult r;
  r.status = RunCommandLine(args, program_dir, disk != nullptr ? *disk : real, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

}  // namespace percorso::testing
