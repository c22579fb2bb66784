// The bytes of the binary files for tests. The geometry encoder must succeed,
// and a failure fails the calling test with the encoder's reason.
#ifndef PERCORSO_TESTS_SUPPORT_ENCODED_H_
#define PERCORSO_TESTS_SUPPORT_ENCODED_H_

#include <gtest/gtest.h>

#include <string>

#include "output/cell_file.h"
#include "output/geometry_file.h"
#include "output/table_file.h"

namespace percorso::testing {

inline std::string EncodedCelle(const std::vector<cella>& celle) {
  std::string bytes;
  EncodeCelle(celle, &bytes);
  return bytes;
}
inline std::string EncodedVoci(const std::array<voce, kNumVoci>& voci) {
  std::string bytes;
  EncodeVoci(voci, &bytes);
  return bytes;
}
inline std::string EncodedTracciato(const Tracciato& t) {
  std::string bytes;
  std::string err;
  EXPECT_TRUE(EncodeTracciato(t, &bytes, &err)) << err;
  return bytes;
}
inline std::string EncodedGeometryTable(const GeometryTable& g) {
  std::string bytes;
  EncodeGeometryTable(g, &bytes);
  return bytes;
}

}  // namespace percorso::testing

#endif  // PERCORSO_TESTS_SUPPORT_ENCODED_H_
