// `percorso compile`: an author's own line and train files.
#include <optional>
#include <string_view>
#include <vector>

#include "driver/commands.h"
#include "driver/compile_and_write.h"
#include "driver/disk_sources.h"
#include "driver/exit_status.h"
#include "driver/options.h"
#include "io/file_names.h"
#include "io/fresh_file.h"
#include "io/platform.h"

namespace percorso {

int AuthorSources(const CommandContext& ctx, const ParsedOptions& o, const std::string& command,
                  std::string* line, std::string* train, Scenario* s) {
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
  if (!line_key) {
    return UsageError(ctx, "no line key: give --line-key, or name the line file KEY_linea.txt");
  }
  if (!train_key) {
    return UsageError(ctx,
                      "no train key: give --train-key, or name the train file LINE_TRAIN-.txt");
  }
  std::string message;
  if (!KeyFromCommandLine("line key", *line_key, &s->line_key, &message) ||
      !KeyFromCommandLine("train key", *train_key, &s->train_key, &message)) {
    return UsageError(ctx, message);
  }
  *line = *given_line;
  *train = *given_train;
  return kExitOk;
}

int RunCompile(CommandContext& ctx) {
  ParsedOptions o;
  std::string message;
  if (!o.Parse(ctx.args, {"--line", "--train", "--line-key", "--train-key", "--dir"},
               {"--no-geometry"}, &message)) {
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
  // One run at a time writes into a directory; every output is checked before
  // the compile, so that none is replaced when one of them cannot be.
  DirectoryLock lock;
  if (!LockDirectoryOrComplain(ctx, dir, LockMode::kExclusive, &lock)) return kExitFailure;
  if (!CheckAllReplaceable(ctx.disk, outputs, &message)) return Fail(ctx.err, message);
  DiskSourceFiles sources(ctx.disk, line, train, /*delete_after_reading=*/false);
  CompileReport report = CompileAndWrite(s, with_geometry, sources, ctx.disk, names);
  return ReportCompile(s, report, ctx.err);
}

}  // namespace percorso
