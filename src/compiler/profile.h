// The per-cell profiles that a source file fills from a cursor on: gradient,
// line speed and adhesion. A value holds from one entry's cell up to the next
// entry's; the tails carry the last value on to the end of the route.
#ifndef PERCORSO_COMPILER_PROFILE_H_
#define PERCORSO_COMPILER_PROFILE_H_

#include <cstdint>

#include "model/model.h"

namespace percorso {

/// Where a profile cursor stops writing.
enum class ProfileEnd {
  kPastLastCell,  // it writes every cell, the last one included
  kAtLastCell,    // it stops on reaching the last cell (line speeds)
};

/// True when a profile cursor may write the cell at `cursor`.
bool ProfileCanWrite(const Scenario& s, int64_t cursor, ProfileEnd end);

/// Sets `member` of the cell at `cursor` to `value` and advances the cursor,
/// repeated while the cursor is below `until`: at least one cell, none once
/// the cursor has reached `end`.
void FillProfile(Scenario& s, int64_t& cursor, int64_t until, uint8_t cella::*member, uint8_t value,
                 ProfileEnd end = ProfileEnd::kPastLastCell);

/// Fills the tail of a profile: as FillProfile up to the third cell from the
/// end (the cursor stops below `ultima_cella` - 2), and at least one cell
/// while there is one at the cursor.
void FillTail(Scenario& s, int64_t& cursor, uint8_t cella::*member, uint8_t value);

}  // namespace percorso

#endif  // PERCORSO_COMPILER_PROFILE_H_
