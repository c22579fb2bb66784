// `percorso view`: not built yet.
#include "driver/commands.h"

namespace percorso {

int RunView(CommandContext& ctx) { return UsageError(ctx, "the 'view' command is not available yet"); }

}  // namespace percorso
