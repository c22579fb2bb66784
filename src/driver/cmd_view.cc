// `percorso view`: a compiled scenario drawn as one HTML page.
#include <optional>
#include <span>
#include <tuple>
#include <utility>

#include "compiler/compile.h"
#include "driver/commands.h"
#include "driver/compile_and_write.h"
#include "driver/disk_sources.h"
#include "driver/exit_status.h"
#include "driver/options.h"
#include "inspect/scenario_files.h"
#include "inspect/text_out.h"
#include "inspect/view_page.h"
#include "io/file_names.h"
#include "io/fresh_file.h"
#include "io/platform.h"
#include "model/diagnostic.h"
#include "model/windows1252.h"

namespace percorso {
namespace {

std::string Shown(const ScenarioKeys& k) {
  return "--line-key " + k.line + " --train-key " + k.train;
}

/// The keys of the scenario to draw: both given, or completed from the
/// compiled scenarios found in `dir`; in `*keys` as the file names hold them
/// (UTF-8) and in `view` as the code page's bytes. An exit status after a
/// message, or nothing when the keys are set.
std::optional<int> ChooseKeys(const CommandContext& ctx, const ParsedOptions& o,
                              const std::string& dir, ScenarioKeys* keys, ViewScenario* view) {
  std::string message;
  std::optional<std::string> line_key, train_key;
  for (auto [option, what, key, bytes] :
       {std::tuple{"--line-key", "line key", &line_key, &view->line_key},
        {"--train-key", "train key", &train_key, &view->train_key}}) {
    std::optional<std::string> given = o.Value(option);
    if (!given) continue;
    if (given->empty()) return UsageError(ctx, std::string(option) + " needs a key");
    if (!KeyFromCommandLine(what, *given, bytes, &message)) return UsageError(ctx, message);
    *key = *given;
  }
  if (line_key && train_key) {
    *keys = {*line_key, *train_key};
    return std::nullopt;
  }
  std::vector<ScenarioKeys> all, found;
  std::vector<std::pair<std::string, std::string>> found_bytes;
  if (!FindScenariosIn(ctx.disk, dir, &all, &message)) return Fail(ctx.err, message);
  for (const ScenarioKeys& k : all) {
    // Names whose keys are not text of the code page are no scenario of ours.
    std::optional<std::string> line = Windows1252FromUtf8(k.line);
    std::optional<std::string> train = Windows1252FromUtf8(k.train);
    if (!line || !train) continue;
    if ((!line_key || k.line == *line_key) && (!train_key || k.train == *train_key)) {
      found.push_back(k);
      found_bytes.emplace_back(std::move(*line), std::move(*train));
    }
  }
  if (found.empty()) {
    return UsageError(ctx, "no compiled scenario in " + dir +
                               " (files K_linea.dat, K_T.sim and K_T.dat); give "
                               "--dir, or --line-key and --train-key");
  }
  if (found.size() > 1) {
    std::string list;
    for (const ScenarioKeys& k : found) list += "\n  " + Shown(k);
    // The choice is the whole answer: no usage text around it.
    return Fail(ctx.err,
                "several compiled scenarios in " + dir + "; choose one with the keys:" + list,
                kExitUsage);
  }
  *keys = found[0];
  std::tie(view->line_key, view->train_key) = found_bytes[0];
  return std::nullopt;
}

/// Writes the page to `path`, or to standard output for "-", unless `path` is
/// one of the files the page was made from. 0, or the exit status after a
/// message.
int WritePage(const CommandContext& ctx, const std::string& path, const std::string& page,
              std::span<const std::string> inputs) {
  const NamedStream stream = path == "-" ? NamedStream::kStandardOutput : StreamNamedBy(path);
  std::string message;
  if (stream == NamedStream::kStandardOutput) {
    ctx.out << page;
    return kExitOk;
  }
  if (stream == NamedStream::kDevice) {
    if (!WriteToDevice(path, page, &message))
      return Fail(ctx.err, path + ": cannot write: " + message);
    return kExitOk;
  }
  const std::string paths[] = {path};
  if (!CheckFileNames(paths, &message)) return UsageError(ctx, message);
  if (!CheckNoOutputIsAnInput(ctx.disk, paths, inputs, &message)) {
    return Fail(ctx.err, message, kExitUsage);
  }
  DirectoryLock lock;
  if (!LockDirectoryOrComplain(ctx, DirName(path), LockMode::kExclusive, &lock)) {
    return kExitFailure;
  }
  if (!CheckNoOutputIsAnInput(ctx.disk, paths, inputs, &message)) {
    return Fail(ctx.err, message, kExitUsage);
  }
  if (!WriteFresh(ctx.disk, path, page, &message)) return Fail(ctx.err, message);
  SayStatus(ctx, "wrote " + path);
  return kExitOk;
}

/// `view --line F --train F`: the sources compiled in memory, nothing written
/// but the page. Reports and exits as `compile` would.
int ViewSources(CommandContext& ctx) {
  const ParsedOptions& o = ctx.options;
  std::string line, train;
  Scenario s;
  if (int status = AuthorSources(ctx, "view", &line, &train, &s); status != kExitOk) {
    return status;
  }
  std::string dir = o.Value("--dir").value_or(".");
  if (!o.Value("-o") && !MakeDirectoryFor(ctx, dir)) return kExitFailure;
  DiskSourceFiles sources(ctx.disk, line, train, /*delete_after_reading=*/false);
  std::vector<SourceEntry> records;
  CompileOutcome outcome = memorizza_percorso(s, /*with_geometry=*/true, sources, &records);
  if (!outcome.io_error.empty()) return Fail(ctx.err, outcome.io_error);
  ViewScenario v = ViewOfModel(s, std::move(records));
  // The page lists everything the check finds, not only what stopped the
  // compile; standard error and the exit status stay those of the compile.
  CompileOutcome checked = CheckScenario(s.line_key, s.train_key, /*with_geometry=*/true, sources);
  if (!checked.io_error.empty()) return Fail(ctx.err, checked.io_error);
  v.diagnostics = PageDiagnostics(checked.diagnostics);
  v.editor = o.Value("--editor").value_or("");
  for (const std::string& given : {line, train}) {
    v.source_paths.emplace_back(given, AbsolutePath(given));
  }
  std::string path = o.Value("-o").value_or(JoinPath(
      dir, Utf8FromWindows1252(s.line_key) + "_" + Utf8FromWindows1252(s.train_key) + ".html"));
  const std::string inputs[] = {line, train};
  if (int status = WritePage(ctx, path, RenderViewPage(v), inputs); status != kExitOk) {
    return status;
  }
  DiagnosticStyle style;
  style.colour = ColourFor(ctx.err);
  style.sources = &sources.texts();
  return ReportCompile(s, ReportOf(std::move(outcome)), ctx.err, style);
}

}  // namespace

int RunView(CommandContext& ctx) {
  const ParsedOptions& o = ctx.options;
  std::string message;
  if (!o.positional().empty()) return UsageError(ctx, "unexpected argument: " + o.positional()[0]);
  if (o.Value("--line") || o.Value("--train")) return ViewSources(ctx);
  std::string dir = o.Value("--dir").value_or(".");
  if (!RequireDirectory(ctx, dir)) return kExitFailure;
  ScenarioKeys keys;
  ViewScenario s;
  FileNames names;
  {
    // The files are read while no run is replacing them.
    DirectoryLock lock;
    if (!LockDirectoryOrComplain(ctx, dir, LockMode::kShared, &lock)) return kExitFailure;
    if (std::optional<int> status = ChooseKeys(ctx, o, dir, &keys, &s)) return *status;
    names = NameFiles(dir, keys.line, keys.train);
    if (!ReadCompiledScenario(ctx.disk, names, &s, &message)) {
      return Fail(ctx.err, message);
    }
  }
  std::string path = o.Value("-o").value_or(JoinPath(dir, keys.line + "_" + keys.train + ".html"));
  const std::string inputs[] = {names.sim, names.dat, names.linea_dat};
  return WritePage(ctx, path, RenderViewPage(s), inputs);
}

}  // namespace percorso
