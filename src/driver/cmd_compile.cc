// `percorso compile`: an author's own line and train files.
#include <optional>
#include <string_view>

#include "driver/commands.h"
#include "driver/compile_driver.h"
#include "driver/disk_sources.h"
#include "driver/options.h"
#include "driver/run.h"
#include "io/file_names.h"
#include "io/platform.h"

namespace percorso {
namespace {

/// The keys from the scenario file names: LINE_linea.txt and LINE_TRAIN-.txt.
void KeysFromNames(const std::string& line_file, const std::string& train_file,
                   std::optional<std::string>* line_key, std::optional<std::string>* train_key) {
  std::string_view line_base = BaseName(line_file);
  constexpr std::string_view kLineSuffix = "_linea.txt";
  if (!*line_key && line_base.size() > kLineSuffix.size() && line_base.ends_with(kLineSuffix)) {
    *line_key = std::string(line_base.substr(0, line_base.size() - kLineSuffix.size()));
  }
  std::string_view train_base = BaseName(train_file);
  constexpr std::string_view kTrainSuffix = "-.txt";
  if (!*train_key && *line_key && train_base.ends_with(kTrainSuffix)) {
    std::string prefix = **line_key + "_";
    size_t end = train_base.size() - kTrainSuffix.size();
    if (train_base.starts_with(prefix) && end > prefix.size()) {
      *train_key = std::string(train_base.substr(prefix.size(), end - prefix.size()));
    }
  }
}

}  // namespace

int RunCompile(CommandContext& ctx) {
  ParsedOptions o;
  std::string message;
  if (!o.Parse(ctx.args, {"--line", "--train", "--line-key", "--train-key", "--dir"},
               {"--no-geometry"}, &message)) {
    return UsageError(ctx, message);
  }
  if (!o.positional().empty()) return UsageError(ctx, "unexpected argument: " + o.positional()[0]);
  std::optional<std::string> line = o.Value("--line");
  std::optional<std::string> train = o.Value("--train");
  if (!line || !train) return UsageError(ctx, "compile needs --line and --train");
  for (const std::string* path : {&*line, &*train}) {
    FileInfo info = ctx.disk.Stat(*path);
    if (info.kind == FileKind::kMissing) {
      ctx.err << "percorso: " << *path << ": no such file\n";
      return kExitUsage;
    }
    if (info.kind == FileKind::kDirectory) {
      ctx.err << "percorso: " << *path << ": is a directory, not a source file\n";
      return kExitUsage;
    }
  }
  std::optional<std::string> line_key = o.Value("--line-key");
  std::optional<std::string> train_key = o.Value("--train-key");
  KeysFromNames(*line, *train, &line_key, &train_key);
  if (!line_key) {
    return UsageError(ctx, "no line key: give --line-key, or name the line file KEY_linea.txt");
  }
  if (!train_key) {
    return UsageError(ctx,
                      "no train key: give --train-key, or name the train file LINE_TRAIN-.txt");
  }
  Scenario s;
  if (!KeyFromCommandLine("line key", *line_key, &s.line_key, &message) ||
      !KeyFromCommandLine("train key", *train_key, &s.train_key, &message)) {
    return UsageError(ctx, message);
  }
  std::string dir = o.Value("--dir").value_or(".");
  if (!RequireDirectory(ctx, dir)) return kExitFailure;
  FileNames names = NameFiles(dir, s.line_key, s.train_key);
  DiskSourceFiles sources(ctx.disk, *line, *train, /*delete_after_reading=*/false);
  CompileReport report =
      memorizza_percorso(s, o.Flag("--no-geometry") ? 0 : 1, sources, ctx.disk, names);
  return ReportCompile(s, report, ctx.err);
}

}  // namespace percorso
