#include "driver/cli.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <iterator>
#include <optional>
#include <string_view>

#include "driver/commands.h"
#include "driver/exit_status.h"
#include "driver/help.h"
#include "driver/options.h"
#include "inspect/text_out.h"
#include "io/file_names.h"
#include "io/locked_dir.h"
#include "io/memory.h"
#include "io/platform.h"
#include "model/windows1252.h"

namespace percorso {
namespace {

struct Command {
  std::string_view name;
  int (*run)(CommandContext&);
  /// Reads or compiles a whole route and ends: its heap may come in large
  /// pages, which save it hundreds of page faults.
  bool reads_a_route = false;
};

int RunHelp(CommandContext& ctx);

constexpr Command kCommands[] = {{"init", RunInit},         {"compile", RunCompile, true},
                                 {"check", RunCheck, true}, {"dump", RunDump, true},
                                 {"view", RunView, true},   {"lsp", RunLsp},
                                 {"help", RunHelp}};

// `percorso help [COMMAND]`, `percorso help keywords [KEYWORD]`.
int RunHelp(CommandContext& ctx) {
  const std::vector<std::string>& args = ctx.options.positional();
  if (args.empty()) {
    ctx.out << ProgramHelp();
    return kExitOk;
  }
  if (args[0] == "keywords") {
    if (args.size() > 2) return UsageError(ctx, "help keywords takes one keyword's name");
    if (args.size() == 1) {
      ctx.out << KeywordsHelp();
      return kExitOk;
    }
    const KeywordRule* keyword = FindKeyword(args[1]);
    if (keyword == nullptr) return UsageError(ctx, "no such keyword: " + args[1]);
    ctx.out << KeywordHelp(*keyword);
    return kExitOk;
  }
  if (args.size() > 1) return UsageError(ctx, "help takes one command's name");
  const CommandDefinition* definition = FindCommand(args[0]);
  if (definition == nullptr) return UsageError(ctx, "no such command: " + args[0]);
  ctx.out << CommandHelp(*definition);
  return kExitOk;
}

// A key in a message: in quotes as given, or escaped when it holds a control
// character, never echoed as it is.
std::string ShownKey(const std::string& key) {
  bool control = std::any_of(key.begin(), key.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 32 || c == 127; });
  return control ? ConsoleQuote(ValidUtf8(key)) : "'" + key + "'";
}

int RunCommand(const std::vector<std::string>& args, const std::string& program_dir, Disk& disk,
               std::istream& in, std::ostream& out, std::ostream& err) {
  const CommandDefinition* definition = &DefaultRunDefinition();
  int (*run)(CommandContext&) = RunBuiltinScenario;
  bool reads_a_route = true;
  std::vector<std::string> rest = args;
  if (!args.empty() && !args[0].starts_with("-")) {
    auto command = std::find_if(std::begin(kCommands), std::end(kCommands),
                                [&](const Command& c) { return c.name == args[0]; });
    if (command == std::end(kCommands)) {
      Complain(err, "unknown command: " + args[0]);
      err << TryHelp(*definition);
      return kExitUsage;
    }
    definition = FindCommand(command->name);
    run = command->run;
    reads_a_route = command->reads_a_route;
    rest.erase(rest.begin());
  }
  CommandContext ctx{*definition, {}, program_dir, disk, in, out, err};
  std::string message;
  if (!ctx.options.Parse(*definition, rest, &message)) return UsageError(ctx, message);
  if (ctx.options.Flag("--help")) {
    out << (definition->name.empty() ? ProgramHelp() : CommandHelp(*definition));
    return kExitOk;
  }
  if (ctx.options.Flag("--version")) {
    out << VersionText();
    return kExitOk;
  }
  // Status lines never go into the JSON or SARIF that a tool reads from
  // standard error.
  const std::string diagnostics = ctx.options.Value("--diagnostics-format").value_or("text");
  ctx.quiet = ctx.options.Flag("--quiet") || diagnostics == "json" || diagnostics == "sarif";
  if (!TakeWaitOption(&ctx, ctx.options, &message)) return UsageError(ctx, message);
  if (reads_a_route) UseLargePagesForTheHeap();
  return run(ctx);
}

}  // namespace

int UsageError(const CommandContext& ctx, const std::string& message) {
  Complain(ctx.err, message);
  ctx.err << TryHelp(ctx.definition);
  return kExitUsage;
}

void SayStatus(const CommandContext& ctx, const std::string& message) {
  if (!ctx.quiet) Complain(ctx.err, message);
}

bool ReadStandardInput(const CommandContext& ctx, uint64_t max_size, std::string* bytes) {
  bytes->clear();
  char buffer[65536];
  while (ctx.in.read(buffer, sizeof buffer) || ctx.in.gcount() > 0) {
    bytes->append(buffer, static_cast<size_t>(ctx.in.gcount()));
    if (bytes->size() > max_size) {
      Complain(ctx.err, "standard input: larger than " + std::to_string(max_size) + " bytes");
      return false;
    }
  }
  if (ctx.in.bad()) {
    Complain(ctx.err, "standard input: cannot read");
    return false;
  }
  return true;
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
  // Not a status line: a run that was stopped had left a set half replaced.
  wait.on_recovery = [&](const std::string& what) { Complain(ctx.err, what); };
  wait.on_wait = [&](const std::string& holder) {
    SayStatus(ctx, dir + ": waiting for another run to finish" +
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
  if (info.kind == FileKind::kMissing && info.link) {
    Complain(ctx.err, dir + ": a dangling symbolic link (what it names does not exist)");
    return false;
  }
  Complain(ctx.err,
           dir + (info.kind == FileKind::kMissing ? ": no such directory" : ": not a directory"));
  return false;
}

bool MakeDirectoryFor(const CommandContext& ctx, const std::string& dir) {
  const FileInfo info = ctx.disk.Stat(dir);
  if (info.kind == FileKind::kDirectory) return true;
  // A link to nothing is not made into a directory: the link is named.
  if (info.kind != FileKind::kMissing || info.link) {
    return RequireDirectory(ctx, dir);
  }
  // The missing parents first, as mkdir -p.
  std::string parent = DirName(dir);
  if (parent != dir && ctx.disk.Stat(parent).kind == FileKind::kMissing &&
      !MakeDirectoryFor(ctx, parent)) {
    return false;
  }
  std::string reason;
  if (ctx.disk.MakeDirectory(dir, &reason)) return true;
  // Another run may have made it meanwhile; a name that ends in a separator
  // names the parent just made.
  if (ctx.disk.Stat(dir).kind == FileKind::kDirectory) return true;
  Complain(ctx.err, dir + ": cannot create the directory: " + reason);
  return false;
}

int RunCommandLine(const std::vector<std::string>& args, const std::string& program_dir, Disk& disk,
                   std::istream& in, std::ostream& out, std::ostream& err) {
  int status = RunCommand(args, program_dir, disk, in, out, err);
  // Whatever went to standard output must have arrived: a full disk, a closed
  // descriptor or a broken device is a failure, never a silent success.
  errno = 0;
  out.flush();
  if (out.fail()) {
    int error_number = errno;
    Complain(err, "standard output: write error" +
                      (error_number != 0 ? ": " + SystemError(error_number) : std::string()));
    if (status == kExitOk) status = kExitFailure;
  }
  return status;
}

}  // namespace percorso
