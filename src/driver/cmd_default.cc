// The default run: the built-in scenario's sources and crew documents
// written, the sources compiled and the three binary files written.
#include <optional>
#include <utility>

#include "driver/commands.h"
#include "driver/compile_and_write.h"
#include "driver/disk_sources.h"
#include "driver/exit_status.h"
#include "driver/options.h"
#include "io/file_names.h"
#include "io/fresh_file.h"
#include "io/read_file.h"
#include "sources/writers.h"

namespace percorso {
namespace {

/// The default run writes the two sources and deletes them once compiled: a
/// file of either name that holds anything but the built-in text is an
/// author's work, and the run refuses to touch it. False after a message.
bool NoAuthorSources(const CommandContext& ctx, const FileNames& names) {
  const std::pair<const std::string*, std::string (*)()> sources[] = {
      {&names.linea_txt, BuiltinLineBytes}, {&names.treno_txt, BuiltinTrainBytes}};
  for (const auto& [path, render] : sources) {
    FileInfo info = ctx.disk.Stat(*path);
    if (info.kind == FileKind::kMissing && !info.link) continue;
    // The built-in text is rendered only to compare it with a file found.
    const std::string builtin = render();
    bool builtin_text = false;
    if (!info.link && info.kind == FileKind::kRegular && info.size == builtin.size()) {
      std::string bytes, message;
      if (ReadRegularFile(ctx.disk, *path, builtin.size(), &bytes, &message) != ReadStatus::kOk) {
        Complain(ctx.err, message);
        return false;
      }
      builtin_text = bytes == builtin;
    }
    if (builtin_text) continue;
    Complain(ctx.err, *path +
                          ": not the built-in source; the default run would overwrite and delete "
                          "it (compile your own files with `percorso compile --line " +
                          names.linea_txt + " --train " + names.treno_txt + "`)");
    return false;
  }
  return true;
}

int WriteBuiltinScenario(CommandContext& ctx, const std::string& dir) {
  // One run at a time writes into a directory; every file of the run is
  // checked before the first is written.
  DirectoryLock lock;
  if (!LockDirectoryOrComplain(ctx, dir, LockMode::kExclusive, &lock)) return kExitFailure;
  FileNames names = NameFiles(dir, kBuiltinLineKey, kBuiltinTrainKey);
  if (!NoAuthorSources(ctx, names)) return kExitFailure;
  std::string message;
  if (!CheckAllReplaceable(ctx.disk, EveryName(names), &message)) return Fail(ctx.err, message);
  return Form_Load(ctx.disk, dir, ctx.out, ctx.err);
}

}  // namespace

int Form_Load(Disk& disk, const std::string& dir, std::ostream& out, std::ostream& err) {
  Scenario s;
  s.line_key = std::string(kBuiltinLineKey);
  s.train_key = std::string(kBuiltinTrainKey);
  out << "Attendere" << std::endl;

  FileNames names = NameFiles(dir, s.line_key, s.train_key);
  // The sources first (the compile reads them back), then the crew documents,
  // all five replaced together.
  {
    FileSet texts(disk);
    std::string message;
    if (!AddBuiltinSources(texts, names, &message) || !AddCrewDocuments(texts, names, &message) ||
        !texts.Commit(&message)) {
      return Fail(err, message);
    }
  }
  DiskSourceFiles sources(disk, names.linea_txt, names.treno_txt, /*delete_after_reading=*/true);
  CompileReport report = CompileAndWrite(s, /*with_geometry=*/true, sources, disk, names);
  DiagnosticStyle style;
  style.colour = ColourFor(err);
  style.sources = &sources.texts();
  return ReportCompile(s, report, err, style);
}

int RunBuiltinScenario(CommandContext& ctx) {
  const ParsedOptions& o = ctx.options;
  if (!o.positional().empty()) return UsageError(ctx, "unexpected argument: " + o.positional()[0]);
  std::optional<std::string> given = o.Value("--dir");
  if (given) {
    if (!MakeDirectoryFor(ctx, *given)) return kExitFailure;
    return WriteBuiltinScenario(ctx, *given);
  }
  const std::string& dir = ctx.program_dir;
  if (dir.empty()) return Fail(ctx.err, "cannot tell the program's directory; give --dir DIR");
  if (!RequireDirectory(ctx, dir)) return kExitFailure;
  int status = WriteBuiltinScenario(ctx, dir);
  // An installed program usually stands in a folder its user may not write.
  if (status == kExitFailure) {
    Complain(ctx.err, "the built-in scenario is written beside the program, into " + dir +
                          "; give --dir DIR to write it elsewhere");
  }
  return status;
}

}  // namespace percorso
