#include "driver/cli.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "compiler/windows1252.h"
#include "driver/commands.h"
#include "driver/exit_status.h"
#include "inspect/text_out.h"
#include "io/file_names.h"
#include "io/locked_dir.h"

namespace percorso {
namespace {

constexpr std::string_view kUsage =
    "usage: percorso [--dir DIR]\n"
    "       percorso init [--dir DIR] [--force]\n"
    "       percorso compile --line LINEFILE --train TRAINFILE [--line-key K] [--train-key K]\n"
    "                        [--dir DIR] [--no-geometry]\n"
    "       percorso dump [--json] [--every N] FILE...\n"
    "       percorso view [--dir DIR] [-o FILE] [--line-key K] [--train-key K]\n"
    "       percorso view --line LINEFILE --train TRAINFILE [--line-key K] [--train-key K]\n"
    "                     [--dir DIR] [-o FILE]\n"
    "       percorso --help | --version\n";

constexpr std::string_view kHelp =
    "percorso: scenario compiler for the train-driving simulator.\n"
    "\n"
    "Without a command it writes the built-in scenario (line Pianura_Crinale, train 2731):\n"
    "its crew documents and its three binary files, into the program's directory or DIR.\n"
    "\n"
    "Commands:\n"
    "  (none)     compile the built-in scenario\n"
    "  init       write the built-in line and train files, to start a scenario from\n"
    "  compile    compile your own line and train files; they are never changed\n"
    "  dump       print compiled files (.dat, .sim, _linea.dat) as text or JSON\n"
    "  view       draw a compiled scenario as one HTML page; with --line and --train,\n"
    "             compile those files in memory and draw them with the compile's messages\n"
    "\n"
    "Options:\n"
    "  --dir DIR          the directory to write into (compile: default the current one)\n"
    "  --line FILE        (compile, view) the line description file\n"
    "  --train FILE       (compile, view) the train description file\n"
    "  --line-key K       (compile, view) the line key; default: from the file names\n"
    "  --train-key K      (compile, view) the train key; default: from the file names\n"
    "  --no-geometry      (compile) no geometry file; curve lines are not processed\n"
    "  --force            (init) replace line and train files that exist already\n"
    "  --json             (dump) JSON instead of text\n"
    "  --every N          (dump) every Nth metre of the geometry\n"
    "  -o FILE            (view) the page to write; - for standard output\n"
    "  --help             this text\n"
    "  --version          the program's version and the platform it was built for\n"
    "\n"
    "Exit status: 0 success; 1 a file could not be read or written, or a fatal header\n"
    "error; 2 a usage error or a missing input file; 3 the compile ended with a non-zero\n"
    "status (one line on standard error says where and why).\n";

struct Command {
  std::string_view name;
  int (*run)(CommandContext&);
};

constexpr Command kCommands[] = {
    {"init", RunInit}, {"compile", RunCompile}, {"dump", RunDump}, {"view", RunView}};

}  // namespace

int UsageError(const CommandContext& ctx, const std::string& message) {
  Complain(ctx.err, message);
  ctx.err << kUsage;
  return kExitUsage;
}

bool KeyFromCommandLine(const std::string& what, const std::string& key, std::string* bytes,
                        std::string* err) {
  // A key is shown in quotes as given; one holding a control character is
  // shown escaped, never echoed as it is.
  bool control = std::any_of(key.begin(), key.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 32 || c == 127; });
  std::string shown = control ? ConsoleQuote(ValidUtf8(key)) : "'" + key + "'";
  std::string reason;
  if (key.empty()) {
    *err = what + " is empty";
    return false;
  }
  if (!CheckKey(key, &reason)) {
    *err = what + " " + shown + " " + reason;
    return false;
  }
  std::optional<std::string> converted = Windows1252FromUtf8(key);
  if (!converted) {
    *err = what + " " + shown + " holds a character outside Windows-1252";
    return false;
  }
  *bytes = *converted;
  return true;
}

FileNames ScenarioFileNames(const std::string& dir, const Scenario& s) {
  return NameFiles(dir, Utf8FromWindows1252(s.line_key), Utf8FromWindows1252(s.train_key));
}

bool LockDirectoryOrComplain(const CommandContext& ctx, const std::string& dir, LockMode mode,
                             DirectoryLock* lock) {
  std::string message;
  auto say_waiting = [&] { Complain(ctx.err, dir + ": waiting for another run to finish"); };
  if (LockDirectoryFor(ctx.disk, dir, mode, lock, say_waiting, &message)) return true;
  Complain(ctx.err, message);
  return false;
}

bool RequireDirectory(const CommandContext& ctx, const std::string& dir) {
  if (ctx.disk.Stat(dir).kind == FileKind::kDirectory) return true;
  Complain(ctx.err, dir + ": not a directory");
  return false;
}

int RunCommandLine(const std::vector<std::string>& args, const std::string& program_dir, Disk& disk,
                   std::ostream& out, std::ostream& err) {
  CommandContext ctx{args, program_dir, disk, out, err};
  for (const std::string& a : args) {
    if (a == "--") break;
    if (a == "--help" || a == "-h") {
      out << kHelp;
      return kExitOk;
    }
    if (a == "--version") {
      out << "percorso " << PERCORSO_VERSION << " (" << PERCORSO_PLATFORM << ")\n";
      return kExitOk;
    }
  }
  if (!args.empty() && !args[0].starts_with("-")) {
    for (const Command& c : kCommands) {
      if (args[0] == c.name) {
        ctx.args.erase(ctx.args.begin());
        return c.run(ctx);
      }
    }
    return UsageError(ctx, "unknown command: " + args[0]);
  }
  return RunBuiltinScenario(ctx);
}

}  // namespace percorso
