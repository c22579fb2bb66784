// `percorso lsp`: the language server, for editors.
#include "driver/commands.h"
#include "driver/exit_status.h"
#include "io/console.h"
#include "lsp/server.h"

namespace percorso {

int RunLsp(CommandContext& ctx) {
  if (!ctx.options.positional().empty()) {
    return UsageError(ctx, "unexpected argument: " + ctx.options.positional()[0]);
  }
  UseBinaryStandardOutput();
  return ServeLanguageClient(ctx.in, ctx.out, ctx.disk);
}

}  // namespace percorso
