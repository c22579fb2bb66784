// The geometry file: every entry of `tracciato` as a tagged value, first all
// (x, 0), then all (x, 1) (layout.h). The two coordinates of a metre have the
// same tag, so metre x starts at the same offset in each half of the file, and
// both halves are encoded together, metre by metre, from one replay of the
// plan.
#ifndef PERCORSO_OUTPUT_GEOMETRY_FILE_H_
#define PERCORSO_OUTPUT_GEOMETRY_FILE_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "model/tracciato.h"
#include "output/geometry_table.h"

namespace percorso {

/// Where metre `x` starts in each half of the file: the bytes that metres
/// 0 .. x - 1 of one coordinate take (x at most per_coordinata()).
uint64_t GeometryOffset(const Tracciato& t, int64_t x);
/// The size of each half of the file.
uint64_t GeometryHalfSize(const Tracciato& t);
/// The size of the whole file: both halves.
uint64_t EncodedTracciatoSize(const Tracciato& t);

/// Encodes metres r.position() .. `end` - 1 of both coordinates and moves the
/// reader on to `end`: the first coordinate's entries go to first[0, n) and the
/// second's to second[0, n), n being GeometryOffset(end) - GeometryOffset of
/// the first metre; `*n` is set to it. Fails, writing nothing, when either has
/// no room for n bytes, and when the bytes written do not come to n (`*err`
/// says so).
bool EncodeMetres(TracciatoReader& r, int64_t end, std::span<char> first, std::span<char> second,
                  uint64_t* n, std::string* err);

/// The whole file into `*out`; the writer streams it in pieces instead
/// (geometry_stream.h).
bool EncodeTracciato(const Tracciato& t, std::string* out, std::string* err);

/// The file of a table read back or built by hand, entry by entry in the same
/// layout.
void EncodeGeometryTable(const GeometryTable& g, std::string* out);

}  // namespace percorso

#endif  // PERCORSO_OUTPUT_GEOMETRY_FILE_H_
