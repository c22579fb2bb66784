#include "compiler/station.h"

#include <limits>

#include "compiler/rounding.h"

namespace percorso {
namespace {

bool FitsInt32(int64_t v) {
  return v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max();
}

// Fields 4 to 17: flags, values, the scheduled time and the name.
bool ReadStationValues(ParseSession& p, voce& v, bool* time_fits) {
  if (!p.ReadByte(&v.marca) || !p.ReadByte(&v.opzione4) || !p.ReadByte(&v.opzione3) ||
      !p.ReadShort(&v.valore1) || !p.ReadShort(&v.valore2) || !p.ReadByte(&v.opzione1) ||
      !p.ReadShort(&v.valore3) || !p.ReadShort(&v.valore4) || !p.ReadShort(&v.valore5) ||
      !p.ReadByte(&v.opzione2)) {
    return false;
  }
  int32_t ore = 0, minuti = 0, secondi = 0;
  if (!p.ReadInts({&ore, &minuti, &secondi})) return false;
  int64_t orario = (static_cast<int64_t>(ore) * 60 + minuti) * 60 + secondi;
  *time_fits = FitsInt32(orario);
  if (!*time_fits) return true;
  v.orario = static_cast<int32_t>(orario);
  return p.ReadName(&v.nome);
}

// The station area around its position; false when it does not fit 32 bits.
bool SetExtent(voce& v, int32_t lunghezza) {
  int64_t pos = v.posizione;
  int64_t inizio = 0;
  int64_t fine = 0;
  if (v.tipo == 5 || v.tipo == 6) {
    fine = pos + 150;
    inizio = pos - lunghezza;
    v.opzione3 = 0;
  } else if (v.tipo == 7 || v.tipo == 8) {
    inizio = pos - lunghezza;
    fine = pos + lunghezza;
    v.opzione3 = 0;
  } else {
    inizio = pos - lunghezza / 2;
    fine = pos + lunghezza / 2 + (v.opzione3 != 0 ? 50 : 0);
  }
  if (!FitsInt32(inizio) || !FitsInt32(fine)) return false;
  v.inizio = static_cast<int32_t>(inizio);
  v.fine = static_cast<int32_t>(fine);
  return true;
}

// Approach codes 81 to 84 in the four cells before the stopping mark, and the
// mark itself, which names the station's slot.
Flow MarkCells(ParseSession& p, const voce& v, int32_t slot) {
  if (v.tipo < 25 && v.tipo != 5 && v.tipo != 6) {
    for (int z = 1; z <= 4; ++z) {
      double c = v.fine / 50.0 - z - 1;
      if (c <= 1) continue;
      cella* cell = p.s.cell_at(nearest(c));
      if (cell == nullptr) return p.RangeFailure(v.posizione);
      cell->avviso = static_cast<uint8_t>(80 + z);
    }
  }
  if (v.tipo < 25) {
    double c = v.fine / 50.0 - 1;
    if (c <= 1) return p.Stop(24);
    cella* cell = p.s.cell_at(nearest(c));
    if (cell == nullptr) return p.RangeFailure(v.posizione);
    cell->tipo = kFermata;
    cell->dato1 = low16(slot);
  }
  return Flow::kGoOn;
}

}  // namespace

Flow ReadStation(ParseSession& p, int32_t& slot) {
  if (slot < 1 || slot > kPrimaVoceCartello) return p.Stop(10);
  voce& v = p.s.voci[static_cast<size_t>(slot)];
  if (!p.ReadInts({&v.posizione})) return Flow::kStop;
  if (!p.InRange(v.posizione, 800)) return p.RangeFailure(v.posizione);
  if (!is_multiple(v.posizione, 50)) return p.StopAt(8, v.posizione);
  int32_t lunghezza = 0;
  if (!p.ReadByte(&v.tipo) || !p.ReadInts({&lunghezza})) return Flow::kStop;
  if (!is_multiple(lunghezza, 100)) return p.StopAt(9, v.posizione);
  bool time_fits = true;
  if (!ReadStationValues(p, v, &time_fits)) return Flow::kStop;
  if (!time_fits || !SetExtent(v, lunghezza)) return p.StoreFailure();
  if (lunghezza < 600) v.opzione4 = 0;
  if (slot == 1) {
    v.opzione3 = 0;
    v.opzione4 = 0;
  }
  if (Flow f = MarkCells(p, v, slot); f != Flow::kGoOn) return f;
  if (slot > 1 && static_cast<int64_t>(v.inizio) - 350 < p.s.voci[slot - 1].fine) {
    return p.StopAt(22, v.posizione);
  }
  ++slot;
  if (slot >= p.board_cursor) return p.Stop(10);
  return Flow::kGoOn;
}

}  // namespace percorso
