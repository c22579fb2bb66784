// Fuzzes the reader of geometry files: whatever it accepts writes back to the
// same bytes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "output/decode.h"
#include "output/geometry_file.h"
#include "round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::optional<percorso::GeometryTable> table;
  std::string err;
  if (!percorso::DecodeTracciato(bytes, &table, &err)) return 0;
  percorso::Require(percorso::Encoded(*table, percorso::EncodeGeometryTable) == bytes,
                    "geometry file written back");
  return 0;
}
