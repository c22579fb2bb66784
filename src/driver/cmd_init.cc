// `percorso init`: not built yet.
#include "driver/commands.h"

namespace percorso {

int RunInit(CommandContext& ctx) { return UsageError(ctx, "the 'init' command is not available yet"); }

}  // namespace percorso
