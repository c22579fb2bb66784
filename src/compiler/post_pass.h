// The pass after parsing: derived type-12 markers around signals and slowdowns,
// then the header stamps and the check codes.
#ifndef PERCORSO_COMPILER_POST_PASS_H_
#define PERCORSO_COMPILER_POST_PASS_H_

#include <cstdint>

#include "compiler/cell_owners.h"
#include "model/model.h"

namespace percorso {

/// The smaller of two values, `x` on a tie.
int32_t minimo(int32_t x, int32_t y);

/// Walks `celle` once adding markers (codes 11, 12, 13 in `stato`), then stamps
/// the header values and the check codes. Returns 0, or the fatal error number
/// (1250 or 1251) when a header place is already taken; nothing is stamped
/// after a fatal error. Without cell 1 only slot 85 is checked and stamped.
/// With `owners`, a status is raised at the source entry that caused it, with
/// notes on the other entries and the cells involved.
int post_pass(Scenario& s, const CellOwners* owners = nullptr);

}  // namespace percorso

#endif  // PERCORSO_COMPILER_POST_PASS_H_
