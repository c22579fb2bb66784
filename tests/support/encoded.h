// The bytes of the binary files for tests: each encoder must succeed, and a
// failure fails the calling test with the encoder's reason.
#ifndef PERCORSO_TESTS_SUPPORT_ENCODED_H_
#define PERCORSO_TESTS_SUPPORT_ENCODED_H_

#include <gtest/gtest.h>

#include <string>

#include "output/cell_file.h"
#include "output/geometry_file.h"
#include "output/table_file.h"

namespace percorso::testing {

template <typename Model, typename Encode>
std::string Encoded(const Model& model, Encode encode) {
  std::string bytes;
  std::string err;
  EXPECT_TRUE(encode(model, &bytes, &err)) << err;
  return bytes;
}

inline std::string EncodedCelle(const std::vector<cella>& celle) {
  return Encoded(celle, EncodeCelle);
}
inline std::string EncodedVoci(const std::array<voce, kNumVoci>& voci) {
  return Encoded(voci, EncodeVoci);
}
inline std::string EncodedTracciato(const Tracciato& t) {
  return Encoded(t, EncodeTracciato);
}
inline std::string EncodedGeometryTable(const GeometryTable& g) {
  return Encoded(g, EncodeGeometryTable);
}

}  // namespace percorso::testing

#endif  // PERCORSO_TESTS_SUPPORT_ENCODED_H_
