// The default run: the built-in scenario.
#include "driver/commands.h"
#include "driver/exit_status.h"
#include "driver/options.h"
#include "driver/run.h"

namespace percorso {

int RunBuiltinScenario(CommandContext& ctx) {
  ParsedOptions o;
  std::string message;
  if (!o.Parse(ctx.args, {"--dir"}, {}, &message)) return UsageError(ctx, message);
  if (!o.positional().empty()) return UsageError(ctx, "unexpected argument: " + o.positional()[0]);
  std::string dir = o.Value("--dir").value_or(ctx.program_dir);
  if (dir.empty()) return Fail(ctx.err, "cannot tell the program's directory; give --dir DIR");
  if (!RequireDirectory(ctx, dir)) return kExitFailure;
  return Form_Load(ctx.disk, dir, ctx.out, ctx.err);
}

}  // namespace percorso
