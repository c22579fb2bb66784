// The plane geometry of the line, metre by metre: every metre is found from the
// two before it, either repeating their step (a straight run) or turning it by
// a fixed amount (a curve). The step is turned but never normalised. The steps
// are recorded in the table as runs (Tracciato); its reader computes the
// values.
#ifndef PERCORSO_COMPILER_PLAN_H_
#define PERCORSO_COMPILER_PLAN_H_

#include <cstdint>

#include "model/model.h"

namespace percorso {

/// How a run of the plan ended.
enum class PlanResult {
  kDone,
  kPastEnd,    // the next metre lies beyond the table
  kPastLimit,  // the cursor passed metre 1000000
};

/// Sets the origin: (0, 0), (0, 1), (1, 0) the integer 0 and (1, 1) the integer
/// 1, a unit step along the second coordinate. A table without metre 1 gets
/// only metre 0, and false is returned.
bool PlanOrigin(Tracciato& t);

/// Straight steps while `m` <= `last`: metre m = metre (m - 1) + (metre (m - 1)
/// - metre (m - 2)). With `limit`, stops with kPastLimit after a step that
/// takes `m` beyond 1000000. Stops with kPastEnd, before the step, at a metre
/// `m` below 2 or beyond the table, and when `m` is not the table's next metre
/// to compute.
PlanResult PlanStraight(Tracciato& t, int64_t& m, int64_t last, bool limit);

/// Turning steps while `m` <= `last`: with (dx, dy) the previous step, metre m
/// = metre (m - 1) + (dx + k dy, dy - k dx); the same limit as above.
PlanResult PlanTurn(Tracciato& t, int64_t& m, int64_t last, double k);

}  // namespace percorso

#endif  // PERCORSO_COMPILER_PLAN_H_
