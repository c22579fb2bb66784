#include "output/geometry_table.h"

namespace percorso {

GeometryTable::GeometryTable(int32_t ultimo_metro)
    : ultimo_metro_(ultimo_metro < 0 ? 0 : ultimo_metro),
      tags_(2 * per_coordinata(), Tag::kVuoto),
      values_(2 * per_coordinata(), 0.0) {}

namespace {

// Stores each entry that a reader gives at the next place in file order.
struct Store {
  GeometryTable& g;
  int64_t x = 0;
  int k = 0;

  void Next() {
    if (++x == static_cast<int64_t>(g.per_coordinata())) {
      x = 0;
      ++k;
    }
  }
  void Vuoto() { Next(); }
  void Intero(int16_t v) {
    g.set_intero(x, k, v);
    Next();
  }
  void Reale(double v) {
    g.set_reale(x, k, v);
    Next();
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
