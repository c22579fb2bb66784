// `percorso init`: the built-in line and train files, to start a scenario from.
#include "driver/commands.h"
#include "driver/exit_status.h"
#include "driver/options.h"
#include "io/file_names.h"
#include "io/fresh_file.h"
#include "sources/writers.h"

namespace percorso {

int RunInit(CommandContext& ctx) {
  const ParsedOptions& o = ctx.options;
  std::string message;
  if (!o.positional().empty()) return UsageError(ctx, "unexpected argument: " + o.positional()[0]);
  std::string dir = o.Value("--dir").value_or(".");
  if (!MakeDirectoryFor(ctx, dir)) return kExitFailure;
  DirectoryLock lock;
  if (!LockDirectoryOrComplain(ctx, dir, LockMode::kExclusive, &lock)) return kExitFailure;
  // The same bytes that the default run writes before it compiles; here they
  // stay on disk for the author to edit. A file already there may be the
  // author's work: it is replaced only when asked.
  FileNames names = NameFiles(dir, kBuiltinLineKey, kBuiltinTrainKey);
  const std::string sources[] = {names.linea_txt, names.treno_txt};
  for (const std::string& path : sources) {
    FileInfo info = ctx.disk.Stat(path);
    if (!o.Flag("--force") && (info.kind != FileKind::kMissing || info.link)) {
      return Fail(ctx.err, path + ": exists already; give --force to replace it");
    }
  }
  FileSet files(ctx.disk);
  if (!CheckAllReplaceable(ctx.disk, sources, &message) ||
      !AddBuiltinSources(files, names, &message) || !files.Commit(&message)) {
    return Fail(ctx.err, message);
  }
  SayStatus(ctx, "wrote " + names.linea_txt);
  SayStatus(ctx, "wrote " + names.treno_txt);
  return kExitOk;
}

}  // namespace percorso
