// The table file: the 87 slots of `voci`, 34 bytes plus the name each
// (layout.h).
#ifndef PERCORSO_OUTPUT_TABLE_FILE_H_
#define PERCORSO_OUTPUT_TABLE_FILE_H_

#include <array>
#include <string>

#include "model/model.h"

namespace percorso {

/// Appends the record of one slot. A name longer than kMaxNomeLength, which
/// the parser never stores, is cut to that length, so the record stays
/// readable.
void AppendVoce(std::string* dst, const voce& v);
/// The whole table file into `*out`, slots 0 to 86 in index order.
void EncodeVoci(const std::array<voce, kNumVoci>& voci, std::string* out);

}  // namespace percorso

#endif  // PERCORSO_OUTPUT_TABLE_FILE_H_
