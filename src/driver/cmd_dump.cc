// `percorso dump`: not built yet.
#include "driver/commands.h"

namespace percorso {

int RunDump(CommandContext& ctx) { return UsageError(ctx, "the 'dump' command is not available yet"); }

}  // namespace percorso
