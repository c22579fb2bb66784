#include "compiler/status.h"

namespace percorso {
namespace {

struct StatusRow {
  int code;
  bool has_position;
  std::string_view meaning;
};

constexpr StatusRow kStatusTable[] = {
    {0, false, "no problem"},
    {1, false, "route length above 1000000 m"},
    {2, false, "a kilometric reference value is not a multiple of 50"},
    {3, false, "first signal repetition position is not a multiple of 50"},
    {4, false, "second signal repetition position is not a multiple of 50"},
    {5, false, "signal repetition line holds neither \"4\" nor \"9\""},
    {6, true, "text board cell already taken"},
    {7, true, "cut-off point cell already taken"},
    {8, true, "station position is not a multiple of 50"},
    {9, true, "station length is not a multiple of 100"},
    {10, false, "the station slots reach the text board slots"},
    {11, true, "no free cell for a marker before the signal ahead of a warning board"},
    {12, true, "no free cell for a marker in a window before a slowdown start"},
    {13, true, "no free cell for a marker after a slow cell"},
    {15, true, "position beyond the cell array"},
    {16, true, "signal cell already taken"},
    {17, true, "slowdown warning board cell already taken"},
    {18, true, "slowdown start cell already taken"},
    {19, true, "slowdown end cell already taken"},
    {20, true, "a numbered cell before the slowdown warning board already taken"},
    {21, true, "speed-indicator board cell already taken"},
    {22, true, "station starts less than 350 m after the end of the previous one"},
    {24, false, "station end too near the line start for its stopping mark"},
    {25, false, "read failure while parsing"},
    {101, false, "line description file missing"},
    {102, false, "line description file has no \"[generale]\""},
    {103, false, "curve without a curvature class 1 to 6, or the geometry passes 1000000 m"},
};

const StatusRow* Find(int stato) {
  for (const StatusRow& row : kStatusTable) {
    if (row.code == stato) return &row;
  }
  return nullptr;
}

}  // namespace

std::string_view StatusMeaning(int stato) {
  const StatusRow* row = Find(stato);
  return row ? row->meaning : "unknown status";
}

bool StatusHasPosition(int stato) {
  const StatusRow* row = Find(stato);
  return row && row->has_position;
}

}  // namespace percorso
