// `percorso dump`: the compiled files as a readable listing or as JSON.
#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

#include "driver/commands.h"
#include "driver/exit_status.h"
#include "driver/options.h"
#include "inspect/scenario_files.h"
#include "io/file_names.h"
#include "io/platform.h"

namespace percorso {
namespace {

std::optional<CompiledFile> KindNamed(std::string_view name) {
  if (name == "cells") return CompiledFile::kCells;
  if (name == "table") return CompiledFile::kTable;
  if (name == "geometry") return CompiledFile::kGeometry;
  return std::nullopt;
}

bool ParseEvery(const std::string& text, int64_t* every) {
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *every);
  return ec == std::errc() && end == text.data() + text.size() && *every >= 1;
}

}  // namespace

int RunDump(CommandContext& ctx) {
  const ParsedOptions& o = ctx.options;
  std::string message;
  const std::vector<std::string>& files = o.positional();
  if (files.empty()) return UsageError(ctx, "dump needs at least one FILE");
  if (std::count(files.begin(), files.end(), "-") > 1) {
    return UsageError(ctx, "standard input (-) can be dumped once");
  }
  std::optional<CompiledFile> given_kind;
  if (std::optional<std::string> k = o.Value("--kind")) {
    given_kind = KindNamed(*k);
    if (!given_kind)
      return UsageError(ctx, "--kind takes cells, table or geometry, not '" + *k + "'");
  }
  DumpOptions options;
  options.json = o.Flag("--json");
  if (std::optional<std::string> text = o.Value("--every");
      text && !ParseEvery(*text, &options.every)) {
    return UsageError(ctx, "--every needs a whole number of metres, 1 or more: " + *text);
  }
  std::vector<std::optional<CompiledFile>> kinds;
  for (const std::string& f : files) {
    std::optional<CompiledFile> kind = given_kind ? given_kind : CompiledFileOfName(f);
    if (!kind && f != "-") {
      return UsageError(ctx, f + ": cannot tell the kind of file by its name "
                                 "(a cell file ends in .dat, a table file in .sim, "
                                 "a geometry file in _linea.dat; or give --kind)");
    }
    kinds.push_back(kind);
  }
  // The files are read while no run is replacing them: under the shared lock
  // of each directory they are in, taken in the order of the names so that
  // two commands never wait for each other.
  // A directory named twice (by two spellings) is locked once.
  std::vector<std::string> named;
  for (const std::string& f : files) {
    if (f != "-") named.push_back(DirName(f));
  }
  std::sort(named.begin(), named.end());
  std::vector<std::string> dirs;
  std::vector<FileInfo> seen;
  for (const std::string& dir : named) {
    const FileInfo info = ctx.disk.Stat(dir);
    if (info.kind != FileKind::kDirectory ||
        std::any_of(seen.begin(), seen.end(),
                    [&](const FileInfo& s) { return s.SameFileAs(info); })) {
      continue;
    }
    seen.push_back(info);
    dirs.push_back(dir);
  }
  std::vector<DirectoryLock> locks(dirs.size());
  for (size_t i = 0; i < dirs.size(); ++i) {
    if (!LockDirectoryOrComplain(ctx, dirs[i], LockMode::kShared, &locks[i])) return kExitFailure;
  }
  // Several files in JSON make one array, so the whole output stays one value.
  bool array = options.json && files.size() > 1;
  if (array) ctx.out << "[\n";
  bool all_ok = true;
  bool first_listed = true;
  for (size_t i = 0; i < files.size(); ++i) {
    // A refused file prints nothing on standard output.
    std::string one;
    bool listed = false;
    if (files[i] == "-") {
      std::string bytes;
      if (!ReadStandardInput(ctx, kMaxCompiledFileSize, &bytes)) {
        all_ok = false;
        continue;
      }
      listed = DumpCompiledBytes("-", bytes, kinds[i], options, &one, &message);
    } else {
      listed = DumpCompiledFile(ctx.disk, files[i], *kinds[i], options, &one, &message);
    }
    if (!listed) {
      Complain(ctx.err, message);
      all_ok = false;
      continue;
    }
    if (!first_listed) ctx.out << (array ? "," : "\n");
    ctx.out << one;
    first_listed = false;
  }
  if (array) ctx.out << "]\n";
  // A table file and a cell file listed together are checked to be of one
  // compile (with the geometry file, when one is listed too); files that are
  // not are still listed, with a warning.
  FileNames set;
  int tables = 0, cells = 0, geometries = 0;
  for (size_t i = 0; i < files.size(); ++i) {
    // Standard input cannot be read a second time.
    if (files[i] == "-" || !kinds[i]) continue;
    switch (*kinds[i]) {
      case CompiledFile::kTable:
        set.sim = files[i];
        ++tables;
        break;
      case CompiledFile::kCells:
        set.dat = files[i];
        ++cells;
        break;
      case CompiledFile::kGeometry:
        set.linea_dat = files[i];
        ++geometries;
        break;
    }
  }
  if (all_ok && tables == 1 && cells == 1 && geometries <= 1) {
    ViewScenario together;
    if (!ReadCompiledScenario(ctx.disk, set, &together, &message)) {
      Complain(ctx.err, "warning: " + message);
    }
  }
  return all_ok ? kExitOk : kExitFailure;
}

}  // namespace percorso
