// The listing of a decoded binary file, as text for a person or as JSON for
// tools. Names are Windows-1252 bytes in the model and UTF-8 in the listing.
#ifndef PERCORSO_INSPECT_DUMP_FORMAT_H_
#define PERCORSO_INSPECT_DUMP_FORMAT_H_

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "model/cells.h"
#include "model/model.h"
#include "output/geometry_table.h"

namespace percorso {

/// The version of the form of `dump --json` (docs/dump.schema.json), the
/// "schema" member of every listing: raised when a member changes its meaning
/// or goes away.
inline constexpr int kDumpSchemaVersion = 1;

/// What the listing says about the file itself: its name as given (UTF-8) and
/// its size in bytes.
struct DumpSource {
  std::string name;
  uint64_t size = 0;
};

/// One line of the cell listing, without the line end: the index, the
/// kilometre and every member, in columns.
std::string CellLine(size_t index, const cella& c);

/// The cell listing: a heading, then one line per cell; runs of cells that are
/// entirely zero are folded into one line ("cells 5–19: empty").
void DumpCelleText(const DumpSource& source, const std::vector<cella>& celle, std::ostream& out);
/// The same as one JSON object: every cell that is not entirely zero with its
/// index, and the folded runs as [first, last] pairs under "empty".
void DumpCelleJson(const DumpSource& source, const std::vector<cella>& celle, std::ostream& out);

/// The table listing: a heading, then one line per slot with every member;
/// runs of slots that are entirely zero with an empty name are folded.
void DumpVociText(const DumpSource& source, const std::array<voce, kNumVoci>& voci,
                  std::ostream& out);
/// The same as one JSON object with all 87 slots.
void DumpVociJson(const DumpSource& source, const std::array<voce, kNumVoci>& voci,
                  std::ostream& out);

/// The geometry listing: a heading, then one line per listed metre with the
/// tag and the value of both coordinates. Lists metres 0, every, 2 * every, ...
/// and the last metre; `every` is at least 1.
void DumpTracciatoText(const DumpSource& source, const GeometryTable& t, int64_t every,
                       std::ostream& out);
/// The same as one JSON object; an empty entry's value is null.
void DumpTracciatoJson(const DumpSource& source, const GeometryTable& t, int64_t every,
                       std::ostream& out);

}  // namespace percorso

#endif  // PERCORSO_INSPECT_DUMP_FORMAT_H_
