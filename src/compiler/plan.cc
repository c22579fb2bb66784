#include "compiler/plan.h"

namespace percorso {
namespace {

constexpr int64_t kLastPlanMetre = 1000000;

// One step at metre m, turned by k (0 for a straight step).
void Step(Tracciato& t, int64_t m, double k) {
  double x1 = t.valore(m - 1, 0);
  double y1 = t.valore(m - 1, 1);
  double dx = x1 - t.valore(m - 2, 0);
  double dy = y1 - t.valore(m - 2, 1);
  if (k == 0.0) {
    t.set_reale(m, 0, x1 + dx);
    t.set_reale(m, 1, y1 + dy);
  } else {
    t.set_reale(m, 0, x1 + (dx + k * dy));
    t.set_reale(m, 1, y1 + (dy - k * dx));
  }
}

PlanResult Run(Tracciato& t, int64_t& m, int64_t last, double k, bool limit) {
  while (m <= last) {
    if (m < 2 || !t.contains(m)) return PlanResult::kPastEnd;
    Step(t, m, k);
    ++m;
    if (limit && m > kLastPlanMetre) return PlanResult::kPastLimit;
  }
  return PlanResult::kDone;
}

}  // namespace

bool PlanOrigin(Tracciato& t) {
  t.set_intero(0, 0, 0);
  t.set_intero(0, 1, 0);
  if (!t.contains(1)) return false;
  t.set_intero(1, 0, 0);
  t.set_intero(1, 1, 1);
  return true;
}

PlanResult PlanStraight(Tracciato& t, int64_t& m, int64_t last, bool limit) {
  return Run(t, m, last, 0.0, limit);
}

PlanResult PlanTurn(Tracciato& t, int64_t& m, int64_t last, double k) {
  return Run(t, m, last, k, true);
}

}  // namespace percorso
