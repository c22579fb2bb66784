// `percorso init`: the built-in line and train files, to start a scenario from.
#include "driver/commands.h"
#include "driver/exit_status.h"
#include "driver/options.h"
#include "io/file_names.h"
#include "sources/writers.h"

namespace percorso {

int RunInit(CommandContext& ctx) {
  ParsedOptions o;
  std::string message;
  if (!o.Parse(ctx.args, {"--dir"}, {}, &message)) return UsageError(ctx, message);
  if (!o.positional().empty()) return UsageError(ctx, "unexpected argument: " + o.positional()[0]);
  std::string dir = o.Value("--dir").value_or(".");
  if (!RequireDirectory(ctx, dir)) return kExitFailure;
  // The same bytes that the default run writes before it compiles; here they
  // stay on disk for the author to edit.
  FileNames names = NameFiles(dir, kBuiltinLineKey, kBuiltinTrainKey);
  if (!dati_linea(ctx.disk, names, &message) || !dati_treno(ctx.disk, names, &message)) {
    return Fail(ctx.err, message);
  }
  ctx.out << names.linea_txt << "\n" << names.treno_txt << "\n";
  return kExitOk;
}

}  // namespace percorso
