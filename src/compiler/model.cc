#include "compiler/model.h"

#include <stdexcept>

#include "compiler/rounding.h"

namespace percorso {

Tracciato::Tracciato(int32_t ultimo_metro)
    : ultimo_metro_(ultimo_metro < 0 ? 0 : ultimo_metro),
      tags_(2 * per_coordinata(), Tag::kVuoto),
      values_(2 * per_coordinata(), 0.0) {}

void Tracciato::OutOfRange() { throw std::out_of_range("geometry index out of range"); }

cella* Scenario::cell_at(int64_t i) {
  if (i < 0 || static_cast<uint64_t>(i) >= celle.size()) return nullptr;
  return &celle[static_cast<size_t>(i)];
}

const cella* Scenario::cell_at(int64_t i) const {
  if (i < 0 || static_cast<uint64_t>(i) >= celle.size()) return nullptr;
  return &celle[static_cast<size_t>(i)];
}

void create_route(Scenario& s, int32_t lunghezza) {
  s.lunghezza_estesa = lunghezza + 7000;
  s.ultima_cella = static_cast<int32_t>(nearest(s.lunghezza_estesa / 50.0));
  s.celle.assign(s.ultima_cella >= 0 ? static_cast<size_t>(s.ultima_cella) + 1 : 0, cella{});
  if (s.j != 0) {
    s.tracciato.emplace(s.lunghezza_estesa);
  } else {
    s.tracciato.reset();
  }
}

void clear_voci(Scenario& s) {
  for (voce& v : s.voci) v = voce{};
}

}  // namespace percorso
