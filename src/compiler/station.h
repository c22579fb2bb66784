// A station line of the train file: seventeen fields stored in the next station
// slot of `voci`, its extent, its approach codes and stopping mark on the
// cells, and the checks against the previous station and the board slots.
#ifndef PERCORSO_COMPILER_STATION_H_
#define PERCORSO_COMPILER_STATION_H_

#include <cstdint>

#include "compiler/parse_session.h"

namespace percorso {

/// Reads the fields of a station into slot `slot` and advances `slot`.
/// Flow::kEndOfFile after a range failure (status 15), Flow::kStop when the
/// station ends the parse.
Flow ReadStation(ParseSession& p, int32_t& slot);

}  // namespace percorso

#endif  // PERCORSO_COMPILER_STATION_H_
