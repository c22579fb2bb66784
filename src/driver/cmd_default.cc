// The default run: the built-in scenario.
#include <utility>

#include "driver/commands.h"
#include "driver/exit_status.h"
#include "driver/options.h"
#include "driver/run.h"
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

}  // namespace

int RunBuiltinScenario(CommandContext& ctx) {
  ParsedOptions o;
  std::string message;
  if (!o.Parse(ctx.args, {"--dir", "--wait"}, {}, &message) || !TakeWaitOption(&ctx, o, &message)) {
    return UsageError(ctx, message);
  }
  if (!o.positional().empty()) return UsageError(ctx, "unexpected argument: " + o.positional()[0]);
  std::string dir = o.Value("--dir").value_or(ctx.program_dir);
  if (dir.empty()) return Fail(ctx.err, "cannot tell the program's directory; give --dir DIR");
  if (!RequireDirectory(ctx, dir)) return kExitFailure;
  // One run at a time writes into a directory; every file of the run is
  // checked before the first is written.
  DirectoryLock lock;
  if (!LockDirectoryOrComplain(ctx, dir, LockMode::kExclusive, &lock)) return kExitFailure;
  FileNames names = NameFiles(dir, kBuiltinLineKey, kBuiltinTrainKey);
  if (!NoAuthorSources(ctx, names)) return kExitFailure;
  if (!CheckAllReplaceable(ctx.disk, EveryName(names), &message)) return Fail(ctx.err, message);
  return Form_Load(ctx.disk, dir, ctx.out, ctx.err);
}

}  // namespace percorso
