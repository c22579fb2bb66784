#include "output/geometry_table.h"

namespace percorso {

GeometryTable::GeometryTable(int32_t ultimo_metro)
    : ultimo_metro_(ultimo_metro < 0 ? 0 : ultimo_metro),
      tags_(2 * per_coordinata(), Tag::kVuoto),
      values_(2 * per_coordinata(), 0.0) {}

namespace {

// Stores the points that a reader gives, metre after metre.
struct Store {
  GeometryTable& g;
  int64_t x = 0;

  void Vuoto() { ++x; }
  void Intero(int16_t a, int16_t b) {
    g.set_intero(x, 0, a);
    g.set_intero(x++, 1, b);
  }
  void Reale(double a, double b) {
    g.set_reale(x, 0, a);
    g.set_reale(x++, 1, b);
  }
};

}  // namespace

GeometryTable ExpandTracciato(const Tracciato& t) {
  GeometryTable g(t.ultimo_metro());
  TracciatoReader reader(t);
  Store store{g};
  reader.Read(reader.size(), store);
  return g;
}

}  // namespace percorso
