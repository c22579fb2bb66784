// The geometry file: every entry of `tracciato` as a tagged value, first all
// (x, 0), then all (x, 1) (layout.h).
#ifndef PERCORSO_OUTPUT_GEOMETRY_FILE_H_
#define PERCORSO_OUTPUT_GEOMETRY_FILE_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "compiler/tracciato.h"
#include "output/geometry_table.h"

namespace percorso {

/// Number of entries of the table, both coordinates: 2 * (N + 1).
size_t GeometryEntryCount(const Tracciato& t);
/// Appends the encoding of the entries from the reader's position up to `end`
/// in file order, and moves the reader on to `end`. A writer that encodes the
/// file in pieces with one reader replays each coordinate once. Fails only when
/// the bytes written do not come to the size that the layout gives them (`*err`
/// says so); every function here checks its output that way.
bool EncodeTracciatoNext(TracciatoReader& r, size_t end, std::string* dst, std::string* err);
/// Appends the encoding of entries [begin, end) in file order. It replays the
/// coordinate up to `begin` first: pieces of one file go through
/// EncodeTracciatoNext.
bool EncodeTracciatoRange(const Tracciato& t, size_t begin, size_t end, std::string* dst,
                          std::string* err);
/// The size of the whole encoded file.
uint64_t EncodedTracciatoSize(const Tracciato& t);
/// The whole file into `*out`; the writer streams it in pieces instead.
bool EncodeTracciato(const Tracciato& t, std::string* out, std::string* err);

/// The file of a table read back or built by hand, entry by entry in the same
/// layout.
bool EncodeGeometryTable(const GeometryTable& g, std::string* out, std::string* err);

}  // namespace percorso

#endif  // PERCORSO_OUTPUT_GEOMETRY_FILE_H_
