#include "compiler/station.h"

#include "compiler/rounding.h"

namespace percorso {
namespace {

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
  // Every step of (hours * 60 + minutes) * 60 + seconds is a 32-bit value.
  int64_t orario = static_cast<int64_t>(ore) * 60;
  *time_fits = FitsInt32(orario) && FitsInt32(orario += minuti) && FitsInt32(orario *= 60) &&
               FitsInt32(orario += secondi);
  if (!*time_fits) return true;
  v.orario = static_cast<int32_t>(orario);
  return p.ReadName(&v.nome);
}

// Stores `value` in `member` when it fits 32 bits.
bool Store(int32_t& member, int64_t value) {
  if (!FitsInt32(value)) return false;
  member = static_cast<int32_t>(value);
  return true;
}

// The station area around its position, set member by member; false at the
// first value that does not fit 32 bits, the members set before it kept.
bool SetExtent(voce& v, int32_t lunghezza) {
  const int64_t pos = v.posizione;
  if (v.tipo == 5 || v.tipo == 6) {
    if (!Store(v.fine, pos + 150) || !Store(v.inizio, pos - lunghezza)) return false;
    v.opzione3 = 0;
  } else if (v.tipo == 7 || v.tipo == 8) {
    if (!Store(v.inizio, pos - lunghezza) || !Store(v.fine, pos + lunghezza)) return false;
    v.opzione3 = 0;
  } else {
    // The length is a multiple of 100, so its half is exact.
    if (!Store(v.inizio, pos - lunghezza / 2) ||
        !Store(v.fine, pos + lunghezza / 2 + (v.opzione3 != 0 ? 50 : 0))) {
      return false;
    }
  }
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
    if (c <= 1) return p.Stop(Status::kStationTooNearStart);
    cella* cell = p.s.cell_at(nearest(c));
    if (cell == nullptr) return p.RangeFailure(v.posizione);
    cell->tipo = kFermata;
    cell->dato1 = low16(slot);
  }
  return Flow::kGoOn;
}

}  // namespace

Flow ReadStation(ParseSession& p, int32_t& slot) {
  if (slot < 1 || slot > kPrimaVoceCartello) return p.Stop(Status::kStationSlotsFull);
  voce& v = p.s.voci[static_cast<size_t>(slot)];
  if (!p.ReadInts({&v.posizione})) return Flow::kStop;
  if (!p.InRange(v.posizione, 800)) return p.RangeFailure(v.posizione);
  if (!is_multiple(v.posizione, 50)) {
    return p.Stop(Status::kStationPositionNotMultiple, v.posizione);
  }
  int32_t lunghezza = 0;
  if (!p.ReadByte(&v.tipo) || !p.ReadInts({&lunghezza})) return Flow::kStop;
  if (!is_multiple(lunghezza, 100)) {
    return p.Stop(Status::kStationLengthNotMultiple, v.posizione);
  }
  bool time_fits = true;
  if (!ReadStationValues(p, v, &time_fits)) return Flow::kStop;
  if (!time_fits || !SetExtent(v, lunghezza)) return p.StoreFailure();
  if (lunghezza < 600) v.opzione4 = 0;
  if (slot == 1) {
    v.opzione3 = 0;
    v.opzione4 = 0;
  }
  if (Flow f = MarkCells(p, v, slot); f != Flow::kGoOn) return f;
  if (slot > 1) {
    const int64_t limite = static_cast<int64_t>(v.inizio) - 350;
    if (!FitsInt32(limite)) return p.StoreFailure();
    if (limite < p.s.voci[static_cast<size_t>(slot - 1)].fine) {
      return p.Stop(Status::kStationsTooClose, v.posizione);
    }
  }
  ++slot;
  if (slot >= p.board_cursor) return p.Stop(Status::kStationSlotsFull);
  return Flow::kGoOn;
}

}  // namespace percorso
