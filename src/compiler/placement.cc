#include "compiler/placement.h"

#include <cstdint>
#include <limits>

#include "compiler/rounding.h"

namespace percorso {

namespace {

// Status codes of the placement operations.
constexpr int32_t kFuoriPercorso = 15;
constexpr int32_t kSegnaleOccupato = 16;
constexpr int32_t kAvvisoOccupato = 17;
constexpr int32_t kInizioOccupato = 18;
constexpr int32_t kFineOccupata = 19;
constexpr int32_t kNumerataOccupata = 20;
constexpr int32_t kIndicatoreOccupato = 21;

// A stretch that follows the previous one this closely (metres) is drawn as
// terrain 3 whatever its own type.
constexpr int64_t kStaccoMinimo = 150;
// A slowdown at or before this position has no warning board.
constexpr int32_t kInizioAvvisi = 1500;
// The warning board stands this many metres before the slowdown.
constexpr int64_t kDistanzaAvviso = 1200;

// A cell that a placement needs lies outside the array: the entry's position is
// reported as beyond the cells, like the parser's range check.
void fuori_percorso(Scenario& s, int32_t posizione) {
  s.stato = kFuoriPercorso;
  s.progressiva_errore = posizione;
}

// Stores in `codice` the speed code of one board line, round(vd / 5 + vs * 20);
// false when it does not fit the 16-bit member.
bool codice_velocita(int32_t vs, int32_t vd, int16_t* codice) {
  const int64_t v = nearest(static_cast<double>(vd) / 5.0 + static_cast<double>(vs) * 20.0);
  if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max()) {
    return false;
  }
  *codice = static_cast<int16_t>(v);
  return true;
}

}  // namespace

void memo_montagna(Scenario& s, int32_t& inizio, int32_t& fine, int32_t& tipo) {
  // The run is one less than the cell of `inizio` and two less than the cell
  // of `fine`: stretches have always been drawn that way.
  const int64_t prima = nearest(static_cast<double>(inizio) / 50.0);
  const int64_t ultima = nearest(static_cast<double>(fine) / 50.0 - 1.0);
  if (!s.has_celle() ||
      (prima <= ultima && (s.cell_at(prima) == nullptr || s.cell_at(ultima) == nullptr))) {
    fuori_percorso(s, inizio);
    return;
  }

  s.galleria = false;
  if (tipo > 10) {
    tipo -= 10;
    s.galleria = true;
  }

  s.inizi_tratti.push_back(inizio);
  s.fini_tratti.push_back(fine);
  const size_t n = s.inizi_tratti.size();
  if (n > 1 && static_cast<int64_t>(inizio) - s.fini_tratti[n - 2] <= kStaccoMinimo) {
    tipo = 3;
  }

  int64_t conta = 0;
  for (int64_t i = prima; i <= ultima; ++i) {
    cella& c = *s.cell_at(i);
    ++conta;
    c.montagna = low8(tipo);
    if (s.galleria && conta % 4 == 0 && c.tipo == kVuota) c.tipo = kRiempitivoGalleria;
  }
}

void memo_rallentamento(Scenario& s, int32_t x, int32_t& v, int32_t& l, int32_t& f_tt, int32_t f_ta,
                        int32_t& d_v) {
  const double a = static_cast<double>(static_cast<int64_t>(x) - kDistanzaAvviso) / 50.0;
  const int64_t w = nearest(a + 1.0);
  const int64_t k = nearest(a);
  const int64_t inizio = cell_of(x);
  const int64_t fine = cell_of(static_cast<int64_t>(x) + l);
  const bool con_avviso = x > kInizioAvvisi;
  if (!con_avviso) f_ta = 0;

  cella* cw = nullptr;
  if (con_avviso) {
    cw = s.cell_at(w);
    if (cw == nullptr) return fuori_percorso(s, x);
    if (!is_free(*cw)) {
      s.stato = kAvvisoOccupato;
      return;
    }
  }
  cella* cs = s.cell_at(inizio);
  if (cs == nullptr) return fuori_percorso(s, x);
  if (!is_free(*cs)) {
    s.stato = kInizioOccupato;
    return;
  }
  cella* ce = s.cell_at(fine);
  if (ce == nullptr) return fuori_percorso(s, x);
  if (!is_free(*ce)) {
    s.stato = kFineOccupata;
    return;
  }

  // The order of these writes decides a cell shared by two roles: a start and
  // end in one cell ends as a start.
  ce->tipo = kFineRallentamento;
  if (d_v != 0) ce->dato2 = low16(d_v);
  cs->tipo = kInizioRallentamento;
  if (d_v != 0) cs->dato2 = low16(d_v);
  if (con_avviso) {
    cw->tipo = kAvvisoRallentamento;
    if (d_v != 0) cw->dato2 = low16(d_v);
    cw->dato1 = low16(v);
  }
  cs->dato1 = low16(v);
  cs->dato3 = low16(f_tt);
  ce->dato1 = low16(v);
  ce->dato3 = low16(f_tt);

  if (f_ta == 0) return;
  cella* numerate[4];
  for (int i = 0; i < 4; ++i) {
    numerate[i] = s.cell_at(k - i);
    if (numerate[i] == nullptr) return fuori_percorso(s, x);
    if (!is_free(*numerate[i])) {
      s.stato = kNumerataOccupata;
      return;
    }
  }
  for (int i = 0; i < 4; ++i) {
    numerate[i]->tipo = kNumerataRallentamento;
    numerate[i]->dato1 = static_cast<int16_t>(i + 1);
    if (d_v != 0) numerate[i]->dato2 = static_cast<int16_t>(i + 1);
  }
}

void memo_segnale(Scenario& s, int32_t posizione, int32_t& sx, int32_t& s1, int32_t& s2,
                  int32_t& s3, int32_t& rapp, int32_t& dx, int32_t& d1, int32_t& d2, int32_t& d3,
                  int32_t& tempo) {
  const int64_t indice = cell_of(posizione);
  cella* c = s.cell_at(indice);
  if (c == nullptr) return fuori_percorso(s, posizione);
  if (!is_free(*c)) {
    s.stato = kSegnaleOccupato;
    return;
  }

  const int64_t aspetto = static_cast<int64_t>(sx) * 3 + dx;
  c->tipo = kSegnale;
  c->dato4 = low16(static_cast<int64_t>(rapp) * 10 + aspetto);
  c->dato1 = low16(static_cast<int64_t>(s1) * 10 + d1);
  c->dato2 = low16(static_cast<int64_t>(s2) * 10 + d2);
  c->dato3 = low16(static_cast<int64_t>(s3) * 10 + d3);
  if (tempo >= 1 && tempo <= 100) tempo = 101;
  c->tempo = sx == 2 ? low8(tempo) : 0;

  // Approach codes go on every second cell before the signal, whatever lies
  // there; cells before the line start do not exist and are skipped.
  for (int64_t k = 1; k <= 4; ++k) {
    if (cella* a = s.cell_at(indice - 2 * k)) a->avviso = low8(aspetto * 10 + k);
  }
}

bool memo_indicatori_v_max(Scenario& s, int32_t posizione, int32_t& vas, int32_t& vbs, int32_t& vcs,
                           int32_t& strisces, int32_t& vad, int32_t& vbd, int32_t& vcd,
                           int32_t& strisced) {
  cella* c = s.cell_at(cell_of(posizione));
  if (c == nullptr) {
    fuori_percorso(s, posizione);
    return true;
  }
  if (!is_free(*c)) {
    s.stato = kIndicatoreOccupato;
    return true;
  }

  int16_t va = 0;
  int16_t vb = 0;
  int16_t vc = 0;
  if (!codice_velocita(vas, vad, &va) || !codice_velocita(vbs, vbd, &vb) ||
      !codice_velocita(vcs, vcd, &vc)) {
    return false;
  }
  c->tipo = kIndicatoreVMax;
  c->dato1 = va;
  c->dato2 = vb;
  c->dato3 = vc;
  c->dato4 = low16(static_cast<int64_t>(strisces) * 10 + strisced);
  return true;
}

}  // namespace percorso
