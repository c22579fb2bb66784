#include "compiler/placement.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "model/rounding.h"

namespace percorso {

namespace {

// A stretch that follows the previous one this closely (metres) is drawn as
// terrain 3 whatever its own type.
constexpr int64_t kStaccoMinimo = 150;
// A slowdown at or before this position has no warning board.
constexpr int32_t kInizioAvvisi = 1500;

// Stores in `codice` the speed code of one board line; false when it does not
// fit the 16-bit member.
bool codice_velocita(int32_t vs, int32_t vd, int16_t* codice) {
  const int64_t v = EncodeSpeedCode(vs, vd);
  if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max()) {
    return false;
  }
  *codice = static_cast<int16_t>(v);
  return true;
}

}  // namespace

Esito memo_montagna(Scenario& s, StretchList& tratti, const Montagna& m) {
  const StretchCells run = StretchCellsOf(m.inizio, m.fine);
  const int64_t prima = run.first;
  const int64_t ultima = run.last;
  if (!s.has_celle() ||
      (prima <= ultima && (s.cell_at(prima) == nullptr || s.cell_at(ultima) == nullptr))) {
    return Esito(Status::kBeyondCells);
  }

  int32_t tipo = m.tipo;
  tratti.galleria = false;
  if (tipo > 10) {
    tipo -= 10;
    tratti.galleria = true;
  }

  tratti.inizi_tratti.push_back(m.inizio);
  tratti.fini_tratti.push_back(m.fine);
  const size_t n = tratti.inizi_tratti.size();
  if (n > 1 && static_cast<int64_t>(m.inizio) - tratti.fini_tratti[n - 2] <= kStaccoMinimo) {
    tipo = 3;
  }

  if (prima <= ultima) tratti.pending.push_back({prima, ultima, low8(tipo), tratti.galleria});
  // Tunnel fillers leave their cells free: no cell is taken.
  return Esito();
}

namespace {

// One stretch that no other one overlaps: its terrain on each cell, a filler
// on every fourth cell of a tunnel that is still empty.
void DrawStretch(Scenario& s, const PendingStretch& p) {
  const auto prima = static_cast<size_t>(p.prima);
  const auto ultima = static_cast<size_t>(p.ultima);
  for (size_t i = prima; i <= ultima; ++i) s.celle[i].montagna = p.montagna;
  if (!p.galleria) return;
  for (size_t i = prima + 3; i <= ultima; i += 4) {
    if (s.celle[i].tipo == kVuota) s.celle[i].tipo = kRiempitivoGalleria;
  }
}

// Tunnel fillers of the pending stretches: per cell, how many tunnel
// stretches have it as a fourth cell, counted in `count` as differences along
// each residue modulo 4 (unsigned arithmetic: every prefix sum is a count); a
// counted cell that is still empty gets a filler.
void DrawFillers(Scenario& s, const std::vector<PendingStretch>& pending,
                 std::vector<uint32_t>& count) {
  std::fill(count.begin(), count.end(), 0);
  for (const PendingStretch& p : pending) {
    const auto prima = static_cast<size_t>(p.prima);
    const auto ultima = static_cast<size_t>(p.ultima);
    if (!p.galleria || prima + 3 > ultima) continue;
    ++count[prima + 3];
    --count[ultima - (ultima - prima - 3) % 4 + 4];
  }
  for (size_t i = 0; i < s.celle.size(); ++i) {
    if (i >= 4) count[i] += count[i - 4];
    if (count[i] > 0 && s.celle[i].tipo == kVuota) s.celle[i].tipo = kRiempitivoGalleria;
  }
}

// Stretches in any order, overlapping: each cell takes the terrain of the last
// stretch over it. From the last stretch back, each cell is drawn by the first
// stretch that reaches it; `next` leads past the cells already drawn. One array
// serves both passes, so that few fresh pages are touched.
void DrawOverlapping(Scenario& s, const std::vector<PendingStretch>& pending) {
  const size_t n = s.celle.size();
  std::vector<uint32_t> work(n + 4);
  std::vector<uint32_t>& next = work;
  for (size_t i = 0; i <= n; ++i) next[i] = static_cast<uint32_t>(i);
  auto undrawn = [&](size_t i) {
    while (next[i] != i) i = next[i] = next[next[i]];
    return i;
  };
  bool tunnels = false;
  for (auto it = pending.rbegin(); it != pending.rend(); ++it) {
    const auto ultima = static_cast<size_t>(it->ultima);
    for (size_t i = undrawn(static_cast<size_t>(it->prima)); i <= ultima; i = undrawn(i + 1)) {
      s.celle[i].montagna = it->montagna;
      next[i] = static_cast<uint32_t>(i + 1);
    }
    tunnels = tunnels || it->galleria;
  }
  if (tunnels) DrawFillers(s, pending, work);
}

}  // namespace

void DrawStretches(Scenario& s, StretchList& tratti) {
  std::vector<PendingStretch>& pending = tratti.pending;
  if (pending.empty()) return;
  // Stretches in order that do not overlap, as a line file lists them, draw
  // each cell once as they come.
  bool in_order = true;
  for (size_t k = 1; k < pending.size() && in_order; ++k) {
    in_order = pending[k - 1].ultima < pending[k].prima;
  }
  if (in_order) {
    for (const PendingStretch& p : pending) DrawStretch(s, p);
  } else {
    DrawOverlapping(s, pending);
  }
  pending.clear();
}

int64_t cella_avviso_rallentamento(int32_t x) {
  return SlowdownCellsOf(x, 0).warning;
}

void SavedCells::Save(const Scenario& s, int64_t index) {
  if (const cella* c = s.cell_at(index)) cells_.emplace_back(index, *c);
}

void SavedCells::Restore(Scenario& s) const {
  for (auto it = cells_.rbegin(); it != cells_.rend(); ++it) {
    if (cella* c = s.cell_at(it->first)) *c = it->second;
  }
}

Esito memo_rallentamento(Scenario& s, const Rallentamento& r) {
  const int32_t x = r.x;
  const SlowdownCells celle = SlowdownCellsOf(x, r.l);
  const int64_t w = celle.warning;
  const int64_t k = celle.first_numbered;
  const int64_t inizio = celle.start;
  const int64_t fine = celle.end;
  const bool con_avviso = x > kInizioAvvisi;
  const int32_t d_v = r.d_v;

  cella* cw = nullptr;
  if (con_avviso) {
    cw = s.cell_at(w);
    if (cw == nullptr) return Esito(Status::kBeyondCells);
    if (!is_free(*cw)) return Esito(Status::kWarningBoardTaken, w);
  }
  cella* cs = s.cell_at(inizio);
  if (cs == nullptr) return Esito(Status::kBeyondCells);
  if (!is_free(*cs)) return Esito(Status::kSlowdownStartTaken, inizio);
  cella* ce = s.cell_at(fine);
  if (ce == nullptr) return Esito(Status::kBeyondCells);
  if (!is_free(*ce)) return Esito(Status::kSlowdownEndTaken, fine);

  // The order of these writes decides a cell shared by two roles: a start and
  // end in one cell ends as a start.
  ce->tipo = kFineRallentamento;
  if (d_v != 0) ce->dato2 = low16(d_v);
  cs->tipo = kInizioRallentamento;
  if (d_v != 0) cs->dato2 = low16(d_v);
  if (con_avviso) {
    cw->tipo = kAvvisoRallentamento;
    if (d_v != 0) cw->dato2 = low16(d_v);
    cw->dato1 = low16(r.v);
  }
  cs->dato1 = low16(r.v);
  cs->dato3 = low16(r.f_tt);
  ce->dato1 = low16(r.v);
  ce->dato3 = low16(r.f_tt);

  Esito esito;
  esito.Add(fine);
  esito.Add(inizio);
  if (con_avviso) esito.Add(w);
  // Without a warning board there are no numbered cells.
  if (!con_avviso || r.f_ta == 0) return esito;
  cella* numerate[4];
  for (int i = 0; i < 4; ++i) {
    numerate[i] = s.cell_at(k - i);
    if (numerate[i] == nullptr) return Esito(Status::kBeyondCells);
    if (!is_free(*numerate[i])) return Esito(Status::kNumberedCellTaken, k - i);
  }
  for (int i = 0; i < 4; ++i) {
    numerate[i]->tipo = kNumerataRallentamento;
    numerate[i]->dato1 = static_cast<int16_t>(i + 1);
    if (d_v != 0) numerate[i]->dato2 = static_cast<int16_t>(i + 1);
    esito.Add(k - i);
  }
  return esito;
}

Esito memo_segnale(Scenario& s, const Segnale& g) {
  const int64_t indice = cell_of(g.posizione);
  cella* c = s.cell_at(indice);
  if (c == nullptr) return Esito(Status::kBeyondCells);
  if (!is_free(*c)) return Esito(Status::kSignalTaken, indice);

  const SignalCode code = EncodeSignal(g);
  c->tipo = kSegnale;
  c->dato4 = low16(code.dato4);
  c->dato1 = low16(code.dato1);
  c->dato2 = low16(code.dato2);
  c->dato3 = low16(code.dato3);
  c->tempo = low8(code.tempo);

  // Approach codes go on every second cell before the signal, whatever lies
  // there; cells before the line start do not exist and are skipped.
  for (int64_t k = 1; k <= kApproachCodes; ++k) {
    if (cella* a = s.cell_at(ApproachCell(indice, k))) {
      a->avviso = low8(EncodeApproach(code.aspect, k));
    }
  }
  return Esito(Status::kNone, indice);
}

Esito memo_indicatori_v_max(Scenario& s, const IndicatoriVMax& b) {
  const int64_t indice = cell_of(b.posizione);
  cella* c = s.cell_at(indice);
  if (c == nullptr) return Esito(Status::kBeyondCells);
  if (!is_free(*c)) return Esito(Status::kSpeedBoardTaken, indice);

  int16_t va = 0;
  int16_t vb = 0;
  int16_t vc = 0;
  if (!codice_velocita(b.vas, b.vad, &va) || !codice_velocita(b.vbs, b.vbd, &vb) ||
      !codice_velocita(b.vcs, b.vcd, &vc)) {
    return Esito(Status::kReadFailure);
  }
  c->tipo = kIndicatoreVMax;
  c->dato1 = va;
  c->dato2 = vb;
  c->dato3 = vc;
  c->dato4 = low16(EncodeDigitPair(b.strisces, b.strisced));
  return Esito(Status::kNone, indice);
}

}  // namespace percorso
