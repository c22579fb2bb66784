#include "round_trip.h"

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "output/cell_file.h"
#include "output/decode.h"
#include "output/geometry_file.h"
#include "output/layout.h"
#include "output/table_file.h"

namespace percorso {

void Require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "round trip failed: %s\n", what);
  std::abort();
}

bool SameGeometry(const GeometryTable& a, const GeometryTable& b) {
  if (a.ultimo_metro() != b.ultimo_metro() || a.tags() != b.tags()) return false;
  for (size_t i = 0; i < a.values().size(); ++i) {
    if (std::bit_cast<uint64_t>(a.values()[i]) != std::bit_cast<uint64_t>(b.values()[i])) {
      return false;
    }
  }
  return true;
}

void CheckGeometryRoundTrip(const Tracciato& t) {
  std::string bytes = Encoded(t, EncodeTracciato);
  Require(bytes.size() == EncodedTracciatoSize(t), "geometry size");
  std::optional<GeometryTable> decoded;
  std::string err;
  Require(DecodeTracciato(bytes, &decoded, &err), "geometry decodes");
  Require(SameGeometry(*decoded, ExpandTracciato(t)), "geometry entries");
}

void CheckModelRoundTrip(const Scenario& s) {
  std::string err;
  std::string cells = Encoded(s.celle, EncodeCelle);
  Require(cells.size() == s.celle.size() * layout::kCellRecordSize, "cell file size");
  std::vector<cella> celle;
  Require(DecodeCelle(cells, &celle, &err), "cells decode");
  Require(celle == s.celle, "cells");

  std::array<voce, kNumVoci> voci{};
  Require(DecodeVoci(Encoded(s.voci, EncodeVoci), &voci, &err), "table decodes");
  std::array<voce, kNumVoci> expected = s.voci;
  for (voce& v : expected) {
    if (v.nome.size() > kMaxNomeLength) v.nome.resize(kMaxNomeLength);
  }
  Require(voci == expected, "table slots");
}

}  // namespace percorso
