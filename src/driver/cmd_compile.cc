// `percorso compile` and `percorso check`: an author's own line and train
// files, compiled and written, or checked in memory.
#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

#include "compiler/compile.h"
#include "driver/commands.h"
#include "driver/compile_and_write.h"
#include "driver/diagnostics_out.h"
#include "driver/disk_sources.h"
#include "driver/errore.h"
#include "driver/exit_status.h"
#include "driver/options.h"
#include "io/file_names.h"
#include "io/fresh_file.h"
#include "io/platform.h"

namespace percorso {

int AuthorSources(const CommandContext& ctx, const ParsedOptions& o, const std::string& command,
                  std::string* line, std::string* train, Scenario* s, bool keys_required) {
  std::optional<std::string> given_line = o.Value("--line");
  std::optional<std::string> given_train = o.Value("--train");
  if (!given_line || !given_train) return UsageError(ctx, command + " needs --line and --train");
  for (const std::string* path : {&*given_line, &*given_train}) {
    FileInfo info = ctx.disk.Stat(*path);
    if (info.kind == FileKind::kMissing) return Fail(ctx.err, *path + ": no such file", kExitUsage);
    if (info.kind == FileKind::kDirectory) {
      return Fail(ctx.err, *path + ": is a directory, not a source file", kExitUsage);
    }
  }
  std::optional<std::string> line_key = o.Value("--line-key");
  std::optional<std::string> train_key = o.Value("--train-key");
  KeysFromSourceNames(*given_line, *given_train, &line_key, &train_key);
  if (!line_key && keys_required) {
    return UsageError(ctx, "no line key: give --line-key, or name the line file KEY_linea.txt");
  }
  if (!train_key && keys_required) {
    return UsageError(ctx,
                      "no train key: give --train-key, or name the train file LINE_TRAIN-.txt");
  }
  std::string message;
  // A key that is not needed (check without keys) stays empty.
  if ((line_key && !KeyFromCommandLine("line key", *line_key, &s->line_key, &message)) ||
      (train_key && !KeyFromCommandLine("train key", *train_key, &s->train_key, &message))) {
    return UsageError(ctx, message);
  }
  *line = *given_line;
  *train = *given_train;
  return kExitOk;
}

int RunCompile(CommandContext& ctx) {
  ParsedOptions o;
  std::string message;
  if (!o.Parse(ctx.args, {"--line", "--train", "--line-key", "--train-key", "--dir", "--wait"},
               {"--no-geometry", "-w"}, &message) ||
      !TakeWaitOption(&ctx, o, &message)) {
    return UsageError(ctx, message);
  }
  if (!o.positional().empty()) return UsageError(ctx, "unexpected argument: " + o.positional()[0]);
  std::string line, train;
  Scenario s;
  if (int status = AuthorSources(ctx, o, "compile", &line, &train, &s); status != kExitOk) {
    return status;
  }
  std::string dir = o.Value("--dir").value_or(".");
  if (!RequireDirectory(ctx, dir)) return kExitFailure;
  FileNames names = ScenarioFileNames(dir, s);
  bool with_geometry = !o.Flag("--no-geometry");
  std::vector<std::string> outputs = {names.sim, names.dat};
  if (with_geometry) outputs.push_back(names.linea_dat);
  if (!CheckFileNames(outputs, &message)) return UsageError(ctx, message);
  // The sources are read before the lock is taken: however slow they are to
  // read, no other run into the directory waits for them.
  DiskSourceFiles sources(ctx.disk, line, train, /*delete_after_reading=*/false);
  sources.ReadAhead();
  // One run at a time writes into a directory; every output is checked before
  // the compile, so that none is replaced when one of them cannot be.
  DirectoryLock lock;
  if (!LockDirectoryOrComplain(ctx, dir, LockMode::kExclusive, &lock)) return kExitFailure;
  if (!CheckAllReplaceable(ctx.disk, outputs, &message)) return Fail(ctx.err, message);
  CompileReport report = CompileAndWrite(s, with_geometry, sources, ctx.disk, names);
  return ReportCompile(s, report, ctx.err, !o.Flag("-w"));
}

namespace {

// The --max-errors value: a whole number from 0 (no limit) up.
std::optional<int> MaxErrors(const ParsedOptions& o) {
  std::string text = o.Value("--max-errors").value_or("20");
  int n = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (ec != std::errc() || end != text.data() + text.size() || n < 0) return std::nullopt;
  return n;
}

}  // namespace

int RunCheck(CommandContext& ctx) {
  ParsedOptions o;
  std::string message;
  if (!o.Parse(ctx.args, {"--line", "--train", "--line-key", "--train-key", "--max-errors"},
               {"--no-geometry", "-w", "--strict"}, &message)) {
    return UsageError(ctx, message);
  }
  if (!o.positional().empty()) return UsageError(ctx, "unexpected argument: " + o.positional()[0]);
  std::optional<int> max_errors = MaxErrors(o);
  if (!max_errors) return UsageError(ctx, "--max-errors takes a whole number, 0 for no limit");
  std::string line;
  std::string train;
  Scenario keys;
  if (int status = AuthorSources(ctx, o, "check", &line, &train, &keys, /*keys_required=*/false);
      status != kExitOk) {
    return status;
  }
  DiskSourceFiles sources(ctx.disk, line, train, /*delete_after_reading=*/false);
  CompileOutcome outcome =
      CheckScenario(keys.line_key, keys.train_key, !o.Flag("--no-geometry"), sources);
  if (!outcome.io_error.empty()) return Fail(ctx.err, outcome.io_error);
  // As the compile would say it: the fatal report first.
  if (outcome.fatal != 0) ctx.err << errore(std::to_string(outcome.fatal)) << "\n";
  DiagnosticStyle style{
      .colour = ColourFor(ctx.err), .warnings = !o.Flag("-w"), .max_errors = *max_errors};
  PrintedCounts counts = PrintDiagnostics(ctx.err, outcome.diagnostics, style);
  if (counts.errors > 0 || outcome.fatal != 0) return kExitStatus;
  return o.Flag("--strict") && counts.warnings > 0 ? kExitStatus : kExitOk;
}

}  // namespace percorso
