// The tables of the scenario page: one per kind of feature (stations, signals,
// slowdowns, speed and gradient changes, terrain and tunnels, speed boards,
// text boards), each row with its kilometre, its values as written and the
// FILE:LINE of its entry. They need no script: the page's script makes them
// sortable and ties their rows to the chart.
#ifndef PERCORSO_INSPECT_VIEW_TABLES_H_
#define PERCORSO_INSPECT_VIEW_TABLES_H_

#include <string>
#include <string_view>

#include "inspect/view_features.h"
#include "inspect/view_terms.h"

namespace percorso {

/// Every table, each under its own heading. A row is <tr data-m="METRES">
/// (and data-to="METRES" for a stretch) and begins with its kilometre; the
/// source column is left out when `records` is empty.
std::string FeatureTables(const ViewScenario& s, const ViewFeatures& f, const RecordIndex& records);

/// The rule that sets the line speed of the last cells: line speeds stop
/// on reaching the last cell, so the cells from there on keep 0, whatever
/// the last speed entry says.
inline constexpr std::string_view kLastCellSpeedRule =
    "no entry: line speeds stop on reaching the last cell, so the cells from here on keep 0";

/// The metres from which the last cells keep that rule's 0: after the last
/// cell with a speed, when no speed entry of 0 stands there. -1 otherwise.
int64_t LastCellSpeedDrop(const ViewScenario& s, const RecordIndex& records);

/// The text of a board as it reads: a text made of parenthesised lines, such
/// as "(GALLERIA )(APPENNINO)", gives its lines trimmed and joined by " / ";
/// any other text is only trimmed.
std::string BoardReading(std::string_view text);

}  // namespace percorso

#endif  // PERCORSO_INSPECT_VIEW_TABLES_H_
