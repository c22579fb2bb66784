// The plan of the line on the scenario page: the geometry turned so that its
// start lies at the left and its end at the right, thinned to a few thousand
// points that the page's script draws at the width of the window.
#ifndef PERCORSO_INSPECT_VIEW_PLAN_H_
#define PERCORSO_INSPECT_VIEW_PLAN_H_

#include <string>

#include "inspect/view_features.h"

namespace percorso {

/// The drawn path has at most this many points and the last one; a longer
/// geometry is thinned evenly.
inline constexpr size_t kMaxPlanPoints = 3000;

/// The plan element and its data. `element` is an empty <svg id="plan"> for
/// the script to draw in, or a short note when the scenario has no geometry;
/// it carries data-extent="MINX MAXX MINY MAXY": the least and greatest value
/// of each coordinate over every metre with both values, as shortest
/// round-trip numbers. `json` is null without a plan, else an object whose
/// "points" are [metre, along, across] triples: metres along the chord from
/// the first to the last point and to the left of it, one decimal.
struct PlanData {
  std::string element;
  std::string json = "null";
};

PlanData MakePlan(const ViewScenario& s);

}  // namespace percorso

#endif  // PERCORSO_INSPECT_VIEW_PLAN_H_
