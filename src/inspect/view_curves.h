// The curves of the line, read off the geometry: where the direction of the
// track turns at a steady rate, with the radius of that turn and its side.
#ifndef PERCORSO_INSPECT_VIEW_CURVES_H_
#define PERCORSO_INSPECT_VIEW_CURVES_H_

#include <cstdint>
#include <string>
#include <vector>

#include "inspect/view_features.h"
#include "inspect/view_terms.h"

namespace percorso {

/// One curve: from `start` to `end` metres the direction turns by `turn`
/// radians a metre, to the left when positive; the radius is 1 / |turn|.
struct ViewCurve {
  int64_t start = 0;
  int64_t end = 0;
  double turn = 0;
  /// The entry that made it, found by its start; nullptr when none.
  const SourceEntry* record = nullptr;
};

/// The curves of `s`'s geometry, in order; none without a geometry. A turn
/// slower than a tenth of the gentlest curve's is taken for straight track.
std::vector<ViewCurve> FindCurves(const ViewScenario& s, const RecordIndex& records);

/// "left" or "right".
const char* CurveSide(const ViewCurve& c);

/// The radius in whole metres.
int64_t CurveRadius(const ViewCurve& c);

}  // namespace percorso

#endif  // PERCORSO_INSPECT_VIEW_CURVES_H_
