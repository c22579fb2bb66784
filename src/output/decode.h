// Readers of the three binary files, back into the compiled model. They follow
// the layouts of layout.h, the same tables the writers follow. The files carry
// no header or count, so every count comes from the size, and a file whose size
// does not fit its layout is refused with the reason.
#ifndef PERCORSO_OUTPUT_DECODE_H_
#define PERCORSO_OUTPUT_DECODE_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/model.h"
#include "output/geometry_table.h"

namespace percorso {

/// Decodes a cell file: one 15-byte record per cell, cell 0 first. Refuses an
/// empty file and a size that is not a whole number of records; `*err` then
/// says why, without the file name ("31214 bytes is not a whole number of
/// 15-byte cell records").
bool DecodeCelle(std::string_view bytes, std::vector<cella>* celle, std::string* err);

/// Decodes a table file: exactly 87 slot records whose last one ends at the
/// end of the file. Refuses a file cut inside a record and bytes left over after
/// slot 86.
bool DecodeVoci(std::string_view bytes, std::array<voce, kNumVoci>* voci, std::string* err);

/// The last metre of the longest route's geometry: 1000000 m plus the
/// extension.
inline constexpr int64_t kMaxUltimoMetro = 1000000 + kRouteExtension;

/// Decodes a geometry file into a table for metres 0 .. (entries / 2) - 1.
/// Refuses an empty file, a tag other than 0, 2 or 5, a file cut inside a tag
/// or a value, an odd number of entries (the two coordinates would differ in
/// length) and more metres than the longest route has.
bool DecodeTracciato(std::string_view bytes, std::optional<GeometryTable>* tracciato,
                     std::string* err);

}  // namespace percorso

#endif  // PERCORSO_OUTPUT_DECODE_H_
