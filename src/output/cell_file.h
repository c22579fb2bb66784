// The cell file: one 15-byte record per cell of `celle` (layout.h).
#ifndef PERCORSO_OUTPUT_CELL_FILE_H_
#define PERCORSO_OUTPUT_CELL_FILE_H_

#include <span>
#include <string>
#include <vector>

#include "model/model.h"

namespace percorso {

/// The records of `celle`, one after the other, into `out`, which must be 15
/// bytes per cell: a part of the cell file, or all of it. Fails, writing
/// nothing, when `out` is not that size (`*err` says so).
bool EncodeCelleInto(std::span<const cella> celle, std::span<char> out, std::string* err);

/// The whole cell file into `*out`: one record per cell, cell 0 first.
void EncodeCelle(const std::vector<cella>& celle, std::string* out);

}  // namespace percorso

#endif  // PERCORSO_OUTPUT_CELL_FILE_H_
