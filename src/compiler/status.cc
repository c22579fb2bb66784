#include "compiler/status.h"

namespace percorso {
namespace {

struct StatusRow {
  int code;
  std::string_view meaning;
};

constexpr StatusRow kStatusTable[] = {
    {0, "no problem"},
    {1, "route length above 1000000 m"},
    {2, "a kilometric reference value is not a multiple of 50"},
    {3, "first signal repetition position is not a multiple of 50"},
    {4, "second signal repetition position is not a multiple of 50"},
    {5, "signal repetition line holds neither \"4\" nor \"9\""},
    {6, "text board cell already taken"},
    {7, "cut-off point cell already taken"},
    {8, "station position is not a multiple of 50"},
    {9, "station length is not a multiple of 100"},
    {10, "the station slots reach the text board slots"},
    {11, "no free cell for a marker before the signal ahead of a warning board"},
    {12, "no free cell for a marker in a window before a slowdown start"},
    {13, "no free cell for a marker after a slow cell"},
    {15, "position beyond the cell array"},
    {16, "signal cell already taken"},
    {17, "slowdown warning board cell already taken"},
    {18, "slowdown start cell already taken"},
    {19, "slowdown end cell already taken"},
    {20, "a numbered cell before the slowdown warning board already taken"},
    {21, "speed-indicator board cell already taken"},
    {22, "station starts less than 350 m after the end of the previous one"},
    {24, "station end too near the line start for its stopping mark"},
    {25, "read failure while parsing"},
    {101, "line description file missing"},
    {102, "line description file has no \"[generale]\""},
    {103, "curve without a curvature class 1 to 6, or the geometry passes 1000000 m"},
};

}  // namespace

std::string_view StatusMeaning(int stato) {
  for (const StatusRow& row : kStatusTable) {
    if (row.code == stato) return row.meaning;
  }
  return "unknown status";
}

}  // namespace percorso
