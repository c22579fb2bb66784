// Fuzzes the scenario page on whatever the three readers accept. The input
// holds the three files one after the other: a 2-byte little-endian count of
// cells, that many 15-byte cell records, the 87 records of the table (each
// tells its own length), and the rest as the geometry file, none when empty.
// fuzz/run makes seeds of that form from compiled scenarios.
//
// The page costs time in proportion to the cells, so an input of more than
// kMostCells cells is not drawn nor kept (a 20 km route; the longest routes
// take the same paths).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "inspect/view_page.h"
#include "output/coding.h"
#include "output/decode.h"
#include "output/layout.h"
#include "round_trip.h"

namespace percorso {
namespace {

constexpr size_t kMostCells = 400;

/// The length of the table file at the start of `bytes`, or nothing when it
/// is cut short.
std::optional<size_t> TableLength(std::string_view bytes) {
  size_t at = 0;
  for (int slot = 0; slot < kNumVoci; ++slot) {
    size_t length_at = at + layout::kVoceNomeLength.offset;
    if (length_at + 2 > bytes.size()) return std::nullopt;
    at += layout::VoceRecordSize(DecodeNumber<uint16_t>(bytes.data() + length_at));
  }
  if (at > bytes.size()) return std::nullopt;
  return at;
}

int ViewFiles(std::string_view bytes) {
  if (bytes.size() < 2) return -1;
  size_t cells = DecodeNumber<uint16_t>(bytes.data());
  if (cells > kMostCells) return -1;
  bytes.remove_prefix(2);
  size_t cells_size = cells * layout::kCellRecordSize;
  if (cells_size > bytes.size()) return -1;
  std::string_view cell_file = bytes.substr(0, cells_size);
  bytes.remove_prefix(cells_size);
  std::optional<size_t> table_size = TableLength(bytes);
  if (!table_size) return -1;
  std::string_view table_file = bytes.substr(0, *table_size);
  std::string_view geometry_file = bytes.substr(*table_size);

  ViewScenario s;
  s.line_key = "Fuzz";
  s.train_key = "1";
  std::string err;
  if (!DecodeCelle(cell_file, &s.celle, &err) || !DecodeVoci(table_file, &s.voci, &err)) return 0;
  if (!geometry_file.empty() && !DecodeTracciato(geometry_file, &s.tracciato, &err)) return 0;
  Require(!RenderViewPage(s).empty(), "a page is drawn");
  return 0;
}

}  // namespace
}  // namespace percorso

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return percorso::ViewFiles(std::string_view(reinterpret_cast<const char*>(data), size));
}
