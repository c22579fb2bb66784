// The line description file: "[generale]", the header up to its closing
// field (route length, kilometric references, backgrounds, signal repetition),
// then the body of feature lines, then the end steps that carry the gradient
// and the plan to the end of the route.
#ifndef PERCORSO_COMPILER_LINE_FILE_H_
#define PERCORSO_COMPILER_LINE_FILE_H_

#include "compiler/parse_session.h"

namespace percorso {

/// Reads the line file into the model and deletes it. Returns Flow::kStop
/// when the parse is over (status set), else Flow::kGoOn: the train file is
/// read next.
Flow ReadLineFile(ParseSession& p);

}  // namespace percorso

#endif  // PERCORSO_COMPILER_LINE_FILE_H_
