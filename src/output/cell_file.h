// The cell file: one 15-byte record per cell of `celle` (layout.h).
#ifndef PERCORSO_OUTPUT_CELL_FILE_H_
#define PERCORSO_OUTPUT_CELL_FILE_H_

#include <string>
#include <vector>

#include "compiler/model.h"

namespace percorso {

/// Appends the record of one cell.
void AppendCella(std::string* dst, const cella& c);
/// The whole cell file: 15 bytes per cell, cell 0 first.
std::string EncodeCelle(const std::vector<cella>& celle);

}  // namespace percorso

#endif  // PERCORSO_OUTPUT_CELL_FILE_H_
