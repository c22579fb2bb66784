// The train description file: from "[generale]" on, every field may be a
// keyword (consist, braking, sand, clock, line speeds, adhesion, signals,
// slowdowns, cut-off points, stations); then the end steps that carry the
// speed and adhesion profiles to the end of the route and check the kilometric
// references.
#ifndef PERCORSO_COMPILER_TRAIN_FILE_H_
#define PERCORSO_COMPILER_TRAIN_FILE_H_

#include "compiler/parse_session.h"

namespace percorso {

/// Reads the train file into the model and deletes it.
void ReadTrainFile(ParseSession& p);

}  // namespace percorso

#endif  // PERCORSO_COMPILER_TRAIN_FILE_H_
