// What the script of the scenario page draws along the kilometre axis, as one
// JSON object: the stations, the rows of marks with their tooltips, the
// slowdowns, the terrain and tunnel stretches, the speed, gradient and
// adhesion profiles as runs, the plan and the diagnostics of the compile.
#ifndef PERCORSO_INSPECT_VIEW_DATA_H_
#define PERCORSO_INSPECT_VIEW_DATA_H_

#include <string>
#include <vector>

#include "inspect/view_features.h"
#include "inspect/view_terms.h"

namespace percorso {

/// The object, with every "<" written as "\u003c" so that it can stand inside
/// a <script> element. Positions are metres; a mark is [metres, class, label,
/// tooltip]; a profile is a list of [metres, value] runs, each holding up to
/// the next; `plan_json` is put in as given; `diagnostics` are the
/// compile's messages as the page lists them. "routeEnd" is the route's
/// length, where the extension of the cells begins (null when unknown).
std::string ViewDataJson(const ViewScenario& s, const ViewFeatures& f, const RecordIndex& records,
                         const std::string& plan_json,
                         const std::vector<ViewDiagnostic>& diagnostics);

}  // namespace percorso

#endif  // PERCORSO_INSPECT_VIEW_DATA_H_
