#include "support/cli.h"

#include <sstream>

#include "driver/cli.h"

namespace percorso::testing {

CliResult RunCli(const std::vector<std::string>& args, Disk* disk, const std::string& program_dir) {
  RealDisk real;
  std::istringstream in;
  std::ostringstream out, err;
  CliResult r;
  r.status = RunCommandLine(args, program_dir, disk != nullptr ? *disk : real, in, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

CliResult RunCliWithInput(const std::vector<std::string>& args, const std::string& input) {
  RealDisk real;
  std::istringstream in(input);
  std::ostringstream out, err;
  CliResult r;
  r.status = RunCommandLine(args, "", real, in, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

CliResult RunOnSources(const TempDir& dir, const std::string& command, const std::string& linea,
                       const std::string& treno, const std::vector<std::string>& extra) {
  WriteBytes(dir.file("L_linea.txt"), linea);
  WriteBytes(dir.file("L_T-.txt"), treno);
  std::vector<std::string> args = {command, "--line", dir.file("L_linea.txt"), "--train",
                                   dir.file("L_T-.txt")};
  if (command == "compile") args.insert(args.end(), {"--dir", dir.path()});
  args.insert(args.end(), extra.begin(), extra.end());
  return RunCli(args);
}

}  // namespace percorso::testing
