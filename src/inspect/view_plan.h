// The plan of the line on the scenario page: the geometry drawn as one path,
// turned so that its start lies at the left and its end at the right, with
// kilometre ticks, tunnels and the stations.
#ifndef PERCORSO_INSPECT_VIEW_PLAN_H_
#define PERCORSO_INSPECT_VIEW_PLAN_H_

#include <string>

#include "inspect/view_features.h"

namespace percorso {

/// The drawn path has at most this many points and the last one; a longer
/// geometry is thinned evenly.
inline constexpr size_t kMaxPlanPoints = 3000;

/// One <svg id="plan"> element `width` pixels wide, or a short note when the
/// scenario has no geometry. The element carries data-extent="MINX MAXX MINY
/// MAXY": the least and greatest value of each coordinate over every metre
/// with both values, as shortest round-trip numbers.
std::string RenderPlan(const ViewScenario& s, const ViewFeatures& f, double width);

}  // namespace percorso

#endif  // PERCORSO_INSPECT_VIEW_PLAN_H_
