// `percorso view`: a compiled scenario drawn as one HTML page.
#include <optional>
#include <tuple>

#include "compiler/windows1252.h"
#include "driver/commands.h"
#include "driver/exit_status.h"
#include "driver/options.h"
#include "inspect/scenario_files.h"
#include "inspect/view_page.h"
#include "io/file_names.h"
#include "io/fresh_file.h"
#include "io/platform.h"

namespace percorso {
namespace {

std::string Shown(const ScenarioKeys& k) {
  return "--line-key " + Utf8FromWindows1252(k.line) + " --train-key " +
         Utf8FromWindows1252(k.train);
}

/// The keys of the scenario to draw: both given, or completed from the
/// compiled scenarios found in `dir`. An exit status after a message, or
/// nothing when `*keys` is set.
std::optional<int> ChooseKeys(const CommandContext& ctx, const ParsedOptions& o,
                              const std::string& dir, ScenarioKeys* keys) {
  std::string message;
  std::optional<std::string> line_key, train_key;
  for (auto [option, what, key] : {std::tuple{"--line-key", "line key", &line_key},
                                   {"--train-key", "train key", &train_key}}) {
    std::optional<std::string> given = o.Value(option);
    if (!given) continue;
    if (given->empty()) return UsageError(ctx, std::string(option) + " needs a key");
    key->emplace();
    if (!KeyFromCommandLine(what, *given, &**key, &message)) return UsageError(ctx, message);
  }
  if (line_key && train_key) {
    *keys = {*line_key, *train_key};
    return std::nullopt;
  }
  std::vector<ScenarioKeys> all, found;
  if (!FindScenariosIn(ctx.disk, dir, &all, &message)) return Fail(ctx.err, message);
  for (const ScenarioKeys& k : all) {
    if ((!line_key || k.line == *line_key) && (!train_key || k.train == *train_key)) {
      found.push_back(k);
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
    return UsageError(
        ctx, "several compiled scenarios in " + dir + "; choose one with the keys:" + list);
  }
  *keys = found[0];
  return std::nullopt;
}

}  // namespace

int RunView(CommandContext& ctx) {
  ParsedOptions o;
  std::string message;
  if (!o.Parse(ctx.args, {"--dir", "-o", "--line-key", "--train-key"}, {}, &message)) {
    return UsageError(ctx, message);
  }
  if (!o.positional().empty()) return UsageError(ctx, "unexpected argument: " + o.positional()[0]);
  std::string dir = o.Value("--dir").value_or(".");
  if (!RequireDirectory(ctx, dir)) return kExitFailure;
  ScenarioKeys keys;
  ViewScenario s;
  {
    // The files are read while no run is replacing them.
    DirectoryLock lock;
    if (!LockDirectoryOrComplain(ctx, dir, LockMode::kShared, &lock)) return kExitFailure;
    if (std::optional<int> status = ChooseKeys(ctx, o, dir, &keys)) return *status;
    s.line_key = keys.line;
    s.train_key = keys.train;
    if (!ReadCompiledScenario(ctx.disk, NameFiles(dir, keys.line, keys.train), &s, &message)) {
      return Fail(ctx.err, message);
    }
  }
  std::string page = RenderViewPage(s);
  std::string path = o.Value("-o").value_or(JoinPath(dir, keys.line + "_" + keys.train + ".html"));
  if (path == "-") {
    ctx.out << page;
    return kExitOk;
  }
  std::string paths[] = {path};
  if (!CheckFileNames(paths, &message)) return UsageError(ctx, message);
  DirectoryLock lock;
  if (!LockDirectoryOrComplain(ctx, DirName(path), LockMode::kExclusive, &lock)) {
    return kExitFailure;
  }
  if (!WriteFresh(ctx.disk, path, page, &message)) return Fail(ctx.err, message);
  ctx.out << "percorso: wrote " << path << "\n";
  return kExitOk;
}

}  // namespace percorso
