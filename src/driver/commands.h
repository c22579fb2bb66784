// The commands of the program, one function each. Every command gets the
// arguments after its name and returns the exit status.
#ifndef PERCORSO_DRIVER_COMMANDS_H_
#define PERCORSO_DRIVER_COMMANDS_H_

#include <ostream>
#include <string>
#include <vector>

#include "driver/disk.h"

namespace percorso {

struct CommandContext {
  std::vector<std::string> args;
  /// Where the default run writes without --dir.
  std::string program_dir;
  Disk& disk;
  std::ostream& out;
  std::ostream& err;
};

/// Prints "percorso: MESSAGE" and the usage text; returns the usage status.
int UsageError(const CommandContext& ctx, const std::string& message);

/// True when `dir` is a directory; else prints "percorso: DIR: not a
/// directory".
bool RequireDirectory(const CommandContext& ctx, const std::string& dir);

int RunDefault(CommandContext& ctx);
int RunCompile(CommandContext& ctx);
int RunInit(CommandContext& ctx);
int RunDump(CommandContext& ctx);
int RunView(CommandContext& ctx);

}  // namespace percorso

#endif  // PERCORSO_DRIVER_COMMANDS_H_
