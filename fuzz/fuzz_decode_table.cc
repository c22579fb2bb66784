// Fuzzes the reader of table files: whatever it accepts writes back to the
// same bytes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "output/decode.h"
#include "output/table_file.h"
#include "round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::array<percorso::voce, percorso::kNumVoci> voci{};
  std::string err;
  if (!percorso::DecodeVoci(bytes, &voci, &err)) return 0;
  percorso::Require(percorso::Encoded(voci, percorso::EncodeVoci) == bytes,
                    "table file written back");
  return 0;
}
