#include "driver/cli.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

#include "compiler/windows1252.h"
#include "driver/commands.h"
#include "driver/exit_status.h"
#include "driver/help.h"
#include "driver/options.h"
#include "inspect/text_out.h"
#include "io/file_names.h"
#include "io/locked_dir.h"

namespace percorso {
namespace {

struct Command {
  std::string_view name;
  int (*run)(CommandContext&);
};

int RunHelp(CommandContext& ctx);

constexpr Command kCommands[] = {{"init", RunInit}, {"compile", RunCompile}, {"check", RunCheck},
                                 {"dump", RunDump}, {"view", RunView},       {"help", RunHelp}};

// `percorso help [COMMAND]`.
int RunHelp(CommandContext& ctx) {
  if (ctx.args.empty()) {
    ctx.out << ProgramHelp();
    return kExitOk;
  }
  if (ctx.args.size() > 1) return UsageError(ctx, "help takes one command's name");
  std::optional<std::string_view> help = CommandHelp(ctx.args[0]);
  if (!help) return UsageError(ctx, "no such command: " + ctx.args[0]);
  ctx.out << *help;
  return kExitOk;
}

// A key in a message: in quotes as given, or escaped when it holds a control
// character, never echoed as it is.
std::string ShownKey(const std::string& key) {
  bool control = std::any_of(key.begin(), key.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 32 || c == 127; });
  return control ? ConsoleQuote(ValidUtf8(key)) : "'" + key + "'";
}

}  // namespace

int UsageError(const CommandContext& ctx, const std::string& message) {
  Complain(ctx.err, message);
  ctx.err << UsageText();
  return kExitUsage;
}

bool KeyFromCommandLine(const std::string& what, const std::string& key, std::string* bytes,
                        std::string* err) {
  std::string reason;
  if (key.empty()) {
    *err = what + " is empty";
    return false;
  }
  if (!CheckKey(key, &reason)) {
    *err = what + " " + ShownKey(key) + " " + reason;
    return false;
  }
  std::optional<std::string> converted = Windows1252FromUtf8(key);
  if (!converted) {
    *err = what + " " + ShownKey(key) + " holds a character outside Windows-1252";
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
  LockWait wait;
  wait.seconds = ctx.lock_wait;
  wait.on_wait = [&](const std::string& holder) {
    Complain(ctx.err, dir + ": waiting for another run to finish" +
                          (holder.empty() ? "" : " (" + holder + ")"));
  };
  if (LockDirectoryFor(ctx.disk, dir, mode, lock, wait, &message)) return true;
  Complain(ctx.err, message);
  return false;
}

bool TakeWaitOption(CommandContext* ctx, const ParsedOptions& o, std::string* err) {
  std::optional<std::string> text = o.Value("--wait");
  if (!text) return true;
  double seconds = -1;
  auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), seconds);
  if (text->empty() || ec != std::errc() || end != text->data() + text->size() || !(seconds >= 0) ||
      seconds > 1e9) {
    *err = "--wait takes a number of seconds, 0 or more: " + *text;
    return false;
  }
  ctx->lock_wait = seconds;
  return true;
}

bool RequireDirectory(const CommandContext& ctx, const std::string& dir) {
  FileInfo info = ctx.disk.Stat(dir);
  if (info.kind == FileKind::kDirectory) return true;
  if (info.kind == FileKind::kMissing && !info.error.empty()) {
    Complain(ctx.err, dir + ": " + info.error);
    return false;
  }
  Complain(ctx.err,
           dir + (info.kind == FileKind::kMissing ? ": no such directory" : ": not a directory"));
  return false;
}

int RunCommandLine(const std::vector<std::string>& args, const std::string& program_dir, Disk& disk,
                   std::ostream& out, std::ostream& err) {
  CommandContext ctx{args, program_dir, disk, out, err};
  for (const std::string& a : args) {
    if (a == "--") break;
    if (a == "--help" || a == "-h") {
      // After a command's name, that command's help.
      std::optional<std::string_view> help;
      if (!args.empty()) help = CommandHelp(args[0]);
      out << help.value_or(ProgramHelp());
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
