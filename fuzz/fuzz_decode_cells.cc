// Fuzzes the reader of cell files: whatever it accepts writes back to the
// same bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "output/cell_file.h"
#include "output/decode.h"
#include "round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<percorso::cella> celle;
  std::string err;
  if (!percorso::DecodeCelle(bytes, &celle, &err)) return 0;
  percorso::Require(percorso::Encoded(celle, percorso::EncodeCelle) == bytes,
                    "cell file written back");
  return 0;
}
