// The scenario page: one self-contained HTML file (inline CSS, SVG and a small
// script, nothing fetched) that shows a compiled scenario to its author.
#ifndef PERCORSO_INSPECT_VIEW_PAGE_H_
#define PERCORSO_INSPECT_VIEW_PAGE_H_

#include <string>

#include "inspect/view_features.h"

namespace percorso {

/// The whole page: the header values and check codes, the plan of the line,
/// and on one shared kilometre axis from 0 to the extended length the
/// stations, the features, the speed, gradient, altitude and adhesion profiles
/// and the terrain and tunnel stretches. Marks that would overlap are drawn as
/// one mark with a count, so the page stays readable for the longest route.
/// Hovering a mark shows its cells and members.
std::string RenderViewPage(const ViewScenario& s);

}  // namespace percorso

#endif  // PERCORSO_INSPECT_VIEW_PAGE_H_
