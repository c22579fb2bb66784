// `percorso view`: a compiled scenario drawn as one HTML page.
#include <filesystem>
#include <optional>
#include <system_error>
#include <tuple>

#include "compiler/windows1252.h"
#include "driver/commands.h"
#include "driver/options.h"
#include "driver/run.h"
#include "inspect/view_page.h"
#include "io/file_names.h"
#include "io/fresh_file.h"
#include "io/platform.h"
#include "io/scenario_keys.h"
#include "output/decode.h"

namespace percorso {
namespace {

// The largest file read: the geometry file of the longest route is about
// 20 MB, a table file at most 6 MB.
constexpr uint64_t kMaxViewFileSize = uint64_t{64} << 20;

/// The names of the entries of `dir`; false when it cannot be listed.
bool ListDirectory(const std::string& dir, std::vector<std::string>* names, std::string* err) {
  std::error_code ec;
  std::filesystem::directory_iterator it(dir, ec);
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    names->push_back(it->path().filename().string());
  }
  if (ec) {
    *err = dir + ": cannot list: " + ec.message();
    return false;
  }
  return true;
}

std::string Shown(const ScenarioKeys& k) {
  return "--line-key " + Utf8FromWindows1252(k.line) + " --train-key " +
         Utf8FromWindows1252(k.train);
}

enum class Read { kOk, kMissing, kFailed };

/// Reads a whole file; a message on `err` when it fails, and none when it is
/// missing.
Read ReadWhole(Disk& disk, const std::string& path, std::string* bytes, std::ostream& err) {
  FileInfo info = disk.Stat(path);
  if (info.kind == FileKind::kMissing) return Read::kMissing;
  std::string reason;
  if (info.kind != FileKind::kRegular) {
    err << "percorso: " << path << ": not a regular file\n";
    return Read::kFailed;
  }
  if (!disk.ReadFile(path, kMaxViewFileSize, bytes, &reason)) {
    err << "percorso: " << path << ": cannot read: " << reason << "\n";
    return Read::kFailed;
  }
  return Read::kOk;
}

/// Reads the three files of the scenario into `s`; false after a message.
bool ReadScenario(Disk& disk, const FileNames& names, ViewScenario* s, std::ostream& err) {
  std::string bytes, reason;
  for (const std::string* path : {&names.sim, &names.dat}) {
    Read r = ReadWhole(disk, *path, &bytes, err);
    if (r == Read::kMissing) err << "percorso: " << *path << ": no such file\n";
    if (r != Read::kOk) return false;
    bool ok = path == &names.sim ? DecodeVoci(bytes, &s->voci, &reason)
                                 : DecodeCelle(bytes, &s->celle, &reason);
    if (!ok) {
      err << "percorso: " << *path << ": " << reason << "\n";
      return false;
    }
  }
  Read r = ReadWhole(disk, names.linea_dat, &bytes, err);
  if (r == Read::kFailed) return false;
  if (r == Read::kOk && !DecodeTracciato(bytes, &s->tracciato, &reason)) {
    err << "percorso: " << names.linea_dat << ": " << reason << "\n";
    return false;
  }
  return true;
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
  std::optional<std::string> line_key, train_key;
  for (auto [option, what, key] : {std::tuple{"--line-key", "line key", &line_key},
                                   {"--train-key", "train key", &train_key}}) {
    std::optional<std::string> given = o.Value(option);
    if (!given) continue;
    if (given->empty()) return UsageError(ctx, std::string(option) + " needs a key");
    key->emplace();
    if (!KeyFromCommandLine(what, *given, &**key, &message)) return UsageError(ctx, message);
  }
  ScenarioKeys keys;
  if (line_key && train_key) {
    keys = {*line_key, *train_key};
  } else {
    std::vector<std::string> entries;
    if (!ListDirectory(dir, &entries, &message)) {
      ctx.err << "percorso: " << message << "\n";
      return kExitFailure;
    }
    std::vector<ScenarioKeys> found;
    for (const ScenarioKeys& k : FindScenarios(entries)) {
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
    keys = found[0];
  }
  FileNames names = NameFiles(dir, keys.line, keys.train);
  ViewScenario s;
  s.line_key = keys.line;
  s.train_key = keys.train;
  if (!ReadScenario(ctx.disk, names, &s, ctx.err)) return kExitFailure;
  std::string page = RenderViewPage(s);
  std::string path = o.Value("-o").value_or(JoinPath(dir, keys.line + "_" + keys.train + ".html"));
  if (!WriteFresh(ctx.disk, path, page, &message)) {
    ctx.err << "percorso: " << message << "\n";
    return kExitFailure;
  }
  ctx.out << "percorso: wrote " << path << "\n";
  return kExitOk;
}

}  // namespace percorso
