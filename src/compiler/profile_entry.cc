#include "compiler/profile_entry.h"

#include "model/cells.h"
#include "model/rounding.h"

namespace percorso {

Flow ReadProfileEntry(ParseSession& p, ProfileList& list, const ProfileRules& rules) {
  p.KeepRecord(rules.kind);
  int32_t posizione = 0;
  int32_t value = 0;
  if (!p.ReadInts({&posizione, &value})) return p.AfterFailure();
  if (!p.InRange(posizione, 100)) return p.RangeFailure(posizione);
  p.CheckPastRoute(posizione);
  if (rules.before_order) rules.before_order(posizione, value);
  p.CheckOrder(list.order, posizione, rules.what);
  if (rules.after_order) rules.after_order(posizione, value);
  const int64_t n = CellsBefore(posizione);
  const Flow f = n > 0 ? rules.fill(n) : Flow::kGoOn;
  if (f == Flow::kStop) return f;
  list.previous = value;
  list.place = p.KeywordPlace();
  return f;
}

}  // namespace percorso
