// The table file: the 87 slots of `voci`, 34 bytes plus the name each
// (layout.h).
#ifndef PERCORSO_OUTPUT_TABLE_FILE_H_
#define PERCORSO_OUTPUT_TABLE_FILE_H_

#include <array>
#include <string>

#include "compiler/model.h"

namespace percorso {

/// The longest name a slot record can carry: its length is an unsigned 16-bit
/// member. The parser never stores a longer one.
inline constexpr size_t kMaxNomeLength = 65535;

/// Appends the record of one slot. A name longer than kMaxNomeLength is cut to
/// that length, so the record stays readable.
void AppendVoce(std::string* dst, const voce& v);
/// The whole table file, slots 0 to 86 in index order.
std::string EncodeVoci(const std::array<voce, kNumVoci>& voci);

}  // namespace percorso

#endif  // PERCORSO_OUTPUT_TABLE_FILE_H_
