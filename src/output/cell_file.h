// The cell file: one 15-byte record per cell of `celle` (layout.h).
#ifndef PERCORSO_OUTPUT_CELL_FILE_H_
#define PERCORSO_OUTPUT_CELL_FILE_H_

#include <string>
#include <vector>

#include "compiler/model.h"

namespace percorso {

/// The whole cell file into `*out`: one record per cell, cell 0 first. Fails
/// only when the bytes written do not come to 15 per cell (`*err` says so).
bool EncodeCelle(const std::vector<cella>& celle, std::string* out, std::string* err);

}  // namespace percorso

#endif  // PERCORSO_OUTPUT_CELL_FILE_H_
