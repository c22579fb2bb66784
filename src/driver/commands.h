// The commands of the program, one function each. Every command gets the
// arguments after its name and returns the exit status.
#ifndef PERCORSO_DRIVER_COMMANDS_H_
#define PERCORSO_DRIVER_COMMANDS_H_

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "driver/options.h"
#include "io/disk.h"
#include "io/file_names.h"
#include "model/model.h"

namespace percorso {

struct CommandContext {
  /// The command being run and its options.
  const CommandDefinition& definition;
  ParsedOptions options;
  /// Where the default run writes without --dir.
  std::string program_dir;
  Disk& disk;
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  /// -q: no status lines.
  bool quiet = false;
  /// --wait SECONDS: how long to wait for the lock of a directory; negative,
  /// as long as it takes.
  double lock_wait = -1;
};

/// Prints "percorso: MESSAGE" and the line that points to the command's help;
/// returns the usage status.
int UsageError(const CommandContext& ctx, const std::string& message);

/// A status line ("percorso: wrote FILE") on standard error, unless -q.
void SayStatus(const CommandContext& ctx, const std::string& message);

/// Reads standard input whole, in binary; false after a message.
bool ReadStandardInput(const CommandContext& ctx, uint64_t max_size, std::string* bytes);

/// True when `dir` is a directory; else prints "percorso: DIR: no such
/// directory" (or "not a directory" for another kind of file).
bool RequireDirectory(const CommandContext& ctx, const std::string& dir);

/// True when `dir` is a directory or has been created, with any missing
/// parents, for a command that writes into it; false after a message.
bool MakeDirectoryFor(const CommandContext& ctx, const std::string& dir);

/// A key given on the command line (UTF-8) as the Windows-1252 bytes of the
/// model; false, with `*err` saying why, for a key that is empty, holds
/// a control character, a path separator or a character outside the code
/// page. `what` names the key.
bool KeyFromCommandLine(const std::string& what, const std::string& key, std::string* bytes,
                        std::string* err);

/// Takes the lock of `dir` (exclusive for a command that writes there, shared
/// for one that reads a compiled scenario), saying so on standard error, with
/// the process that holds it, when it has to wait for another run; it waits
/// at most `ctx.lock_wait` seconds. False after a message.
bool LockDirectoryOrComplain(const CommandContext& ctx, const std::string& dir, LockMode mode,
                             DirectoryLock* lock);

/// The files of the scenario whose keys `s` holds, named with the keys'
/// characters: inside the program every path is UTF-8, and each platform
/// hands it to its file system in its own encoding. The keys themselves stay
/// Windows-1252 bytes, for the check codes.
FileNames ScenarioFileNames(const std::string& dir, const Scenario& s);

class ParsedOptions;

/// The value of --wait SECONDS (a number, 0 or more) in `ctx->lock_wait`;
/// false with the reason when it is no such number.
bool TakeWaitOption(CommandContext* ctx, const ParsedOptions& o, std::string* err);

/// The author's two source files (--line, --train), which must exist and not
/// be directories, and the keys (--line-key, --train-key, else from the file
/// names) set in `*s`. 0 when all is well, else the exit status after a
/// message; `command` names the command in it. Without `keys_required` a key
/// that cannot be found stays empty.
/// With `standard_input`, one of the files may be "-".
int AuthorSources(const CommandContext& ctx, const std::string& command, std::string* line,
                  std::string* train, Scenario* s, bool keys_required = true,
                  bool standard_input = false);

/// The default run's work, once the directory is locked and checked: writes
/// the built-in scenario's sources and crew documents into `dir`, compiles
/// the sources and writes the three binary files. "Attendere" goes to `out`
/// before the work starts; errors and a non-zero status go to `err`.
int Form_Load(Disk& disk, const std::string& dir, std::ostream& out, std::ostream& err);

/// The default run: the built-in scenario into --dir, or beside the program.
int RunBuiltinScenario(CommandContext& ctx);
int RunCompile(CommandContext& ctx);
int RunCheck(CommandContext& ctx);
int RunInit(CommandContext& ctx);
int RunDump(CommandContext& ctx);
int RunView(CommandContext& ctx);
int RunLsp(CommandContext& ctx);

}  // namespace percorso

#endif  // PERCORSO_DRIVER_COMMANDS_H_
