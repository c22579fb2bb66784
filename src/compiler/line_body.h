// The body of the line file: gradient, curve, terrain, speed-indicator and
// text-board lines in any order, and the end steps of the file.
#ifndef PERCORSO_COMPILER_LINE_BODY_H_
#define PERCORSO_COMPILER_LINE_BODY_H_

#include <cstdint>

#include "compiler/parse_session.h"
#include "compiler/profile_entry.h"

namespace percorso {

/// Where the body has got to: the gradient profile and the next metre of the
/// plan.
struct LineCursors {
  ProfileList gradient;
  int64_t m = 2;
  /// A check found the plan unable to go on: later curves are not drawn.
  bool plan_broken = false;
  /// The last curve read: its start, its end and where it was read.
  bool any_curve = false;
  int32_t curve_start = 0;
  int64_t curve_end = 0;
  SourceLocation curve_place;
};

/// Reads body entries up to the end of the file or a range failure
/// (Flow::kEndOfFile), or until an entry ends the parse (Flow::kStop).
Flow ReadLineBody(ParseSession& p, LineCursors& c);

/// The end steps: deletes the line file, carries the last gradient on to the
/// third cell from the end and the plan straight on to its third metre from
/// the end. Flow::kStop when the last gradient has no cell code (a read
/// failure), else Flow::kGoOn.
Flow EndLineFile(ParseSession& p, LineCursors& c);

}  // namespace percorso

#endif  // PERCORSO_COMPILER_LINE_BODY_H_
