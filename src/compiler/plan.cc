#include "compiler/plan.h"

#include <algorithm>

namespace percorso {
namespace {

constexpr int64_t kLastPlanMetre = 1000000;

// Steps while m <= last, each after checking that metre m exists and, with
// `limit`, followed by the check that m has not passed metre 1000000. The steps
// are recorded as one run: the metres they reach are known before they are
// taken.
PlanResult Run(Tracciato& t, int64_t& m, int64_t last, double k, bool limit) {
  if (m > last) return PlanResult::kDone;
  if (m < 2 || !t.contains(m)) return PlanResult::kPastEnd;
  int64_t end = std::min<int64_t>(last, t.ultimo_metro());
  // The step at metre 1000000 (or the first one, when m is already past it)
  // is the last that the limit lets through.
  if (limit) end = std::min(end, std::max(m, kLastPlanMetre));
  if (!t.AddRun(m, end, k)) return PlanResult::kPastEnd;
  m = end + 1;
  if (limit && m > kLastPlanMetre) return PlanResult::kPastLimit;
  // Short of `last`, the next metre lies beyond the table.
  return m > last ? PlanResult::kDone : PlanResult::kPastEnd;
}

}  // namespace

bool PlanOrigin(Tracciato& t) {
  return t.set_origine();
}

PlanResult PlanStraight(Tracciato& t, int64_t& m, int64_t last, bool limit) {
  return Run(t, m, last, 0.0, limit);
}

PlanResult PlanTurn(Tracciato& t, int64_t& m, int64_t last, double k) {
  return Run(t, m, last, k, true);
}

}  // namespace percorso
