// Checks that the fuzz targets make on what they compile or decode: encoding
// and decoding give back what they were given. A failed check aborts with a
// line saying which, so that the fuzzer keeps the input.
#ifndef PERCORSO_FUZZ_ROUND_TRIP_H_
#define PERCORSO_FUZZ_ROUND_TRIP_H_

#include <string>
#include <string_view>
#include <type_traits>

#include "model/model.h"
#include "output/geometry_table.h"

namespace percorso {

/// Aborts with `what` on standard error unless `ok`.
void Require(bool ok, const char* what);

/// The bytes that an encoder of output/ gives for `model`; aborts when one
/// that checks its size fails.
template <typename Model, typename Encode>
std::string Encoded(const Model& model, Encode encode) {
  std::string bytes;
  if constexpr (std::is_invocable_v<Encode, const Model&, std::string*>) {
    encode(model, &bytes);
  } else {
    std::string err;
    Require(encode(model, &bytes, &err), "encoder size check");
  }
  return bytes;
}

/// The compiled model survives its files: the cells, the table (names cut to
/// the longest the layout holds) and the geometry decode to what was encoded.
void CheckModelRoundTrip(const Scenario& s);
void CheckGeometryRoundTrip(const Tracciato& t);

/// The same entries, bit for bit.
bool SameGeometry(const GeometryTable& a, const GeometryTable& b);

}  // namespace percorso

#endif  // PERCORSO_FUZZ_ROUND_TRIP_H_
