// The chart of the scenario page: rows that share one kilometre axis from 0
// to the extended length. Stations, the single-cell features, the slowdowns,
// the speed, gradient, altitude and adhesion profiles and the terrain and
// tunnel stretches, then the axis.
#ifndef PERCORSO_INSPECT_VIEW_PROFILE_H_
#define PERCORSO_INSPECT_VIEW_PROFILE_H_

#include <string>

#include "inspect/view_features.h"

namespace percorso {

/// One <svg id="profile"> element `width` pixels wide. Station names are
/// <text class="station-label"> elements; every labelled axis tick is a
/// <g class="km-tick" data-km="K">, the last one at the extended length;
/// every mark is a <g class="feature ..."> with data-cell (its first cell),
/// data-count (the cells it stands for) and a <title> with their members.
/// Marks closer than a few pixels are drawn as one, and the profiles are
/// thinned to at most a few points per pixel column.
std::string RenderProfile(const ViewScenario& s, const ViewFeatures& f, double width);

}  // namespace percorso

#endif  // PERCORSO_INSPECT_VIEW_PROFILE_H_
