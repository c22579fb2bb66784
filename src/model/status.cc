#include "model/status.h"

namespace percorso {
namespace {

constexpr StatusRow kStatusTable[] = {
    {Status::kNone, "no problem"},
    {Status::kRouteTooLong, "route length above 1000000 m"},
    {Status::kReferenceNotMultiple, "a kilometric reference value is not a multiple of 50"},
    {Status::kRepetitionStartNotMultiple,
     "first signal repetition position is not a multiple of 50"},
    {Status::kRepetitionEndNotMultiple,
     "second signal repetition position is not a multiple of 50"},
    {Status::kRepetitionWithoutCode, "signal repetition line holds neither \"4\" nor \"9\""},
    {Status::kTextBoardTaken, "text board cell already taken"},
    {Status::kCutOffTaken, "cut-off point cell already taken"},
    {Status::kStationPositionNotMultiple, "station position is not a multiple of 50"},
    {Status::kStationLengthNotMultiple, "station length is not a multiple of 100"},
    {Status::kStationSlotsFull, "the station slots reach the text board slots"},
    {Status::kNoMarkerBeforeSignal,
     "no free cell for a marker before the signal ahead of a warning board"},
    {Status::kNoMarkerBeforeSlowdown,
     "no free cell for a marker in a window before a slowdown start"},
    {Status::kNoMarkerAfterSlowCell, "no free cell for a marker after a slow cell"},
    {Status::kBeyondCells, "position beyond the cell array"},
    {Status::kSignalTaken, "signal cell already taken"},
    {Status::kWarningBoardTaken, "slowdown warning board cell already taken"},
    {Status::kSlowdownStartTaken, "slowdown start cell already taken"},
    {Status::kSlowdownEndTaken, "slowdown end cell already taken"},
    {Status::kNumberedCellTaken, "a numbered cell before the slowdown warning board already taken"},
    {Status::kSpeedBoardTaken, "speed-indicator board cell already taken"},
    {Status::kStationsTooClose, "station starts less than 350 m after the end of the previous one"},
    {Status::kStationTooNearStart, "station end too near the line start for its stopping mark"},
    {Status::kReadFailure, "read failure while parsing"},
    {Status::kLineFileMissing, "line description file missing"},
    {Status::kNoGenerale, "line description file has no \"[generale]\""},
    {Status::kBadCurve, "curve without a curvature class 1 to 6, or the geometry passes 1000000 m"},
};

}  // namespace

std::span<const StatusRow> StatusTable() {
  return kStatusTable;
}

std::string_view StatusMeaning(int32_t stato) {
  for (const StatusRow& row : kStatusTable) {
    if (Code(row.code) == stato) return row.meaning;
  }
  return "unknown status";
}

}  // namespace percorso
