#include "compiler/station.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "compiler/placement.h"
#include "model/cells.h"
#include "model/rounding.h"

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
        !Store(v.fine, pos + lunghezza / 2 + (v.opzione3 != 0 ? kCellMetres : 0))) {
      return false;
    }
  }
  return true;
}

// Approach codes 81 to 84 in the four cells before the stopping mark, and the
// mark itself, which names the station's slot; `saved` keeps each cell before
// it is written, `mark` gets the mark's cell (-1 when there is none).
Flow MarkCells(ParseSession& p, const voce& v, int32_t slot, SavedCells& saved, int64_t* mark) {
  *mark = -1;
  if (v.tipo < 25 && v.tipo != 5 && v.tipo != 6) {
    for (int z = 1; z <= 4; ++z) {
      const std::optional<int64_t> c = StationApproachCell(v.fine, z);
      if (!c) continue;
      cella* cell = p.Cell(*c);
      if (cell == nullptr) return p.RangeFailure(v.posizione);
      saved.Save(p.model(), *c);
      cell->avviso = low8(EncodeStationApproach(z));
    }
  }
  if (v.tipo < 25) {
    const std::optional<int64_t> c = StationStopCell(v.fine);
    if (!c) {
      return p.StopWith(Status::kStationTooNearStart, {}, 0,
                        {Note{{},
                              "the station ends at " + std::to_string(v.fine) +
                                  " m: its stopping mark, one cell before its end, must "
                                  "fall after cell 2"}});
    }
    cella* cell = p.Cell(*c);
    if (cell == nullptr) return p.RangeFailure(v.posizione);
    // The mark is written whatever the cell holds: a feature there is lost.
    if (!is_free(*cell)) {
      p.Warn(WarningId::kStoppingMarkOverFeature, p.KeywordPlace(),
             "the stopping mark of this station, one cell before its end at " +
                 std::to_string(v.fine) + " m, replaces the feature in its cell",
             {p.CellNote(*c)});
    }
    saved.Save(p.model(), *c);
    *mark = *c;
    cell->tipo = kFermata;
    cell->dato1 = low16(slot);
  }
  return Flow::kGoOn;
}

// The slots are full: stations and text boards share slots 1 to 80.
Flow SlotsFull(ParseSession& p) {
  p.slots().MarkFull();
  return p.StopWith(Status::kStationSlotsFull, {}, kKeywordField,
                    {Note{{},
                          "stations take the table's slots from 1 upward and text boards "
                          "from 80 downward: together at most 78"}});
}

// The station at the slot before: where it was read and where it ends.
std::vector<Note> PreviousStation(ParseSession& p, int32_t slot) {
  const int32_t fine = p.Slot(slot - 1).fine;
  const SourceLocation where = p.slots().StationPlace(slot - 1);
  return {Note{where, "the previous station ends at " + std::to_string(fine) +
                          " m; the next one may start 350 m after it, at " +
                          std::to_string(static_cast<int64_t>(fine) + 350) + " m"}};
}

Flow ReadStationInto(ParseSession& p, int32_t& slot, SavedCells& saved) {
  if (slot < 1 || slot > kPrimaVoceCartello) return SlotsFull(p);
  voce& v = p.Slot(slot);
  if (!p.ReadInts({&v.posizione})) return p.AfterFailure();
  if (!p.InRange(v.posizione, 800)) return p.RangeFailure(v.posizione);
  p.CheckPastRoute(v.posizione);
  if (!is_multiple(v.posizione, kCellMetres)) {
    return p.Stop(Status::kStationPositionNotMultiple, v.posizione, 0);
  }
  int32_t lunghezza = 0;
  if (!p.ReadByte(&v.tipo) || !p.ReadInts({&lunghezza})) return p.AfterFailure();
  if (!is_multiple(lunghezza, 100)) {
    return p.Stop(Status::kStationLengthNotMultiple, v.posizione, 2);
  }
  bool time_fits = true;
  if (!ReadStationValues(p, v, &time_fits)) return p.AfterFailure();
  if (!time_fits) {
    return p.StoreFailure(
        "the time, (hours x 60 + minutes) x 60 + seconds, passes the 32-bit "
        "range");
  }
  if (!SetExtent(v, lunghezza)) {
    return p.StoreFailure("the station's extent passes the 32-bit range");
  }
  if (lunghezza < 600) v.opzione4 = 0;
  if (slot == 1) {
    v.opzione3 = 0;
    v.opzione4 = 0;
  }
  int64_t mark = -1;
  if (Flow f = MarkCells(p, v, slot, saved, &mark); f != Flow::kGoOn) return f;
  if (slot > 1) {
    const int64_t limite = static_cast<int64_t>(v.inizio) - 350;
    if (!FitsInt32(limite))
      return p.StoreFailure("the station's start - 350 passes the 32-bit range");
    if (limite < p.Slot(slot - 1).fine) {
      return p.StopWith(Status::kStationsTooClose, v.posizione, 0, PreviousStation(p, slot));
    }
  }
  // The mark is the station's once nothing can leave the station out.
  if (mark >= 0) p.Own(mark);
  p.StationPlaced(slot);
  ++slot;
  if (p.slots().ReachesBoards(slot)) return SlotsFull(p);
  return Flow::kGoOn;
}

}  // namespace

Flow ReadStation(ParseSession& p, int32_t& slot) {
  SavedCells saved;
  if (!p.recovering()) return ReadStationInto(p, slot, saved);
  // A check leaves out a station that raised an error, cells and slot; once the
  // slots are full, later stations are passed over without a word.
  if (p.slots().full()) return Flow::kSkip;
  const int32_t before = slot;
  Flow f = ReadStationInto(p, slot, saved);
  if (f == Flow::kSkip && slot == before) {
    p.Slot(slot) = voce{};
    saved.Restore(p.model());
  }
  return f;
}

}  // namespace percorso
