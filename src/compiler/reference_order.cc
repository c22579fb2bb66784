#include "compiler/reference_order.h"

#include <array>
#include <cstdint>
#include <limits>

namespace percorso {

namespace {

struct Terna {
  int32_t prima = 0;
  int32_t seconda = 0;
  int32_t terza = 0;
};

Terna leggi(const voce& v) {
  return {v.inizio, v.fine, v.posizione};
}

void scrivi(voce& v, const Terna& t) {
  v.inizio = t.prima;
  v.fine = t.seconda;
  v.posizione = t.terza;
}

// The new order of the triples a, b, c (slots 81, 82, 83), or all zeros when
// no order can be told.
std::array<Terna, 3> ordina(const Terna& a, const Terna& b, const Terna& c) {
  const int64_t somma = static_cast<int64_t>(a.prima) + b.prima + c.prima;
  if (somma != 0) {
    if (a.prima > b.prima && a.prima > c.prima) {
      return b.prima > c.prima ? std::array{a, b, c} : std::array{a, c, b};
    }
    if (b.prima > a.prima && b.prima > c.prima) {
      return a.prima > c.prima ? std::array{b, a, c} : std::array{b, c, a};
    }
    if (c.prima > a.prima && c.prima > b.prima) {
      return a.prima > b.prima ? std::array{c, a, b} : std::array{c, b, a};
    }
    // The largest first value is shared.
    return {};
  }
  // Without first values the second ones decide, and the last test that holds
  // wins.
  std::array<Terna, 3> ordine{};
  if (a.seconda > 0) ordine = {a, b, c};
  if (b.seconda > 0) ordine = {b, a, c};
  if (c.seconda > 0) ordine = {c, b, a};
  return ordine;
}

}  // namespace

bool progressive_ordina(Scenario& s) {
  const std::array<Terna, 3> ordine =
      ordina(leggi(s.voci[kVoceProgressivaTre]), leggi(s.voci[kVoceProgressivaDue]),
             leggi(s.voci[kVoceProgressivaUno]));
  for (int i = 0; i < 3; ++i) scrivi(s.voci[kVoceProgressivaTre + i], ordine[i]);

  for (int slot = kVoceProgressivaTre; slot <= kVoceProgressivaUno; ++slot) {
    voce& v = s.voci[slot];
    if (v.posizione != 1) continue;
    const int64_t seconda = static_cast<int64_t>(v.fine) + 100;
    if (seconda > std::numeric_limits<int32_t>::max()) return false;
    v.fine = static_cast<int32_t>(seconda);
  }
  return true;
}

}  // namespace percorso
