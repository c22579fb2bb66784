// The source parser: reads the line file and the train file into the model.
#ifndef PERCORSO_COMPILER_PARSER_H_
#define PERCORSO_COMPILER_PARSER_H_

#include "compiler/model.h"
#include "compiler/source_files.h"

namespace percorso {

/// Reads both source files into `s` (keys, `j`, cleared `voci` and `stato`
/// already set), deleting each through `files` once read. Conflicts and read
/// failures are reported only through `stato`, `progressiva_errore` and
/// `luogo_stato`.
void memorizza_dati(Scenario& s, SourceFiles& files);

}  // namespace percorso

#endif  // PERCORSO_COMPILER_PARSER_H_
