#include "compiler/post_pass.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "model/cells.h"
#include "model/check_codes.h"
#include "model/status.h"

namespace percorso {
namespace {

constexpr int16_t kValoreMarcatore = 180;
// A slowdown at this speed or above gets no markers inside it.
constexpr int16_t kVelocitaLenta = 110;
// Inside a slow slowdown a marker falls on every eighth cell.
constexpr int32_t kPassoMarcatori = 8;
// How far before a warning board signals are looked for, and how far after a
// slowdown the first signal is.
constexpr int64_t kCelleSegnaliAvviso = 20;
constexpr int64_t kCelleSegnaleDopo = 12;

constexpr int16_t kPrimoTimbroLinea = 610;
constexpr int16_t kPrimoTimbroCella = 5121;

// The cells one walk may touch, 0 .. its last index, with the marker rules.
// Anything outside reads as a taken cell of no type, so no rule ever writes
// there.
class Percorso {
 public:
  Percorso(Scenario& s, const CellOwners* owners)
      : s_(s),
        owners_(owners),
        ultima_(std::min<int64_t>(s.ultima_cella, static_cast<int64_t>(s.celle.size()) - 1)) {}

  int64_t ultima() const { return ultima_; }

  cella* at(int64_t i) { return i <= ultima_ ? s_.cell_at(i) : nullptr; }
  bool libera(int64_t i) {
    const cella* c = at(i);
    return c != nullptr && is_free(*c);
  }
  bool di_tipo(int64_t i, uint8_t tipo) {
    const cella* c = at(i);
    return c != nullptr && c->tipo == tipo;
  }
  void marca(int64_t i) {
    cella* c = at(i);
    if (c == nullptr) return;
    c->tipo = kMarcatore;
    c->dato1 = kValoreMarcatore;
  }
  void abbassa(int64_t i) {
    cella* c = at(i);
    if (c == nullptr) return;
    c->dato1 = static_cast<int16_t>(minimo(kValoreMarcatore, c->dato1));
  }
  /// Raises `codice` at the entry that put the feature on `colpevole` (none
  /// without owners), saying `testo`, with `note` and a note on each of
  /// `celle`. Cell indices stay far below the bound of the position; saturate
  /// rather than wrap.
  void segnala(Status codice, int64_t cella_errore, int64_t colpevole, std::string testo,
               std::vector<Note> note, std::initializer_list<int64_t> celle) {
    const auto posizione =
        static_cast<int32_t>(std::clamp<int64_t>(cella_errore * kCellMetres, INT32_MIN, INT32_MAX));
    if (owners_ == nullptr) {
      s_.SetStatus(codice, SourceLocation{}, posizione);
      return;
    }
    SourceLocation dove;
    if (const Note* owner = owners_->Of(colpevole)) dove = owner->where;
    for (int64_t c : celle) note.push_back(DescribeCell(s_, *owners_, c));
    s_.SetStatus(codice, dove, posizione, std::move(note), std::move(testo));
  }
  /// A note at the entry that put the feature on `cell`, saying `testo`; at no
  /// place when it has none.
  Note nota(int64_t cell, const std::string& testo) const {
    const Note* owner = owners_ != nullptr ? owners_->Of(cell) : nullptr;
    return Note{owner != nullptr ? owner->where : SourceLocation{}, testo};
  }
  /// The remark kept for the entry that owns `cell`, as a note there.
  std::vector<Note> osservazione(int64_t cell) const {
    if (owners_ == nullptr) return {};
    std::string remark = owners_->RemarkOf(cell);
    if (remark.empty()) return {};
    return {nota(cell, remark)};
  }

 private:
  Scenario& s_;
  const CellOwners* owners_;
  int64_t ultima_;
};

std::string Metri(int64_t metri) {
  return std::to_string(metri) + " m";
}

// Every signal up to 20 cells before a warning board gets a marker just before
// it, or has the nearest marker lowered to 180.
void SegnaliPrimaDellAvviso(Percorso& p, int64_t n) {
  for (int64_t a = 1; a <= kCelleSegnaliAvviso; ++a) {
    int64_t s = n - a;
    if (s < 3) break;
    if (!p.di_tipo(s, kSegnale)) continue;
    if (p.libera(s - 1)) {
      p.marca(s - 1);
    } else if (p.libera(s - 2)) {
      p.marca(s - 2);
    } else if (p.di_tipo(s - 1, kMarcatore)) {
      p.abbassa(s - 1);
    } else if (p.di_tipo(s - 2, kMarcatore)) {
      p.abbassa(s - 2);
    } else {
      p.segnala(Status::kNoMarkerBeforeSignal, s, s,
                "no free cell for a marker in either of the two cells before this signal, "
                "which stands " +
                    Metri(a * kCellMetres) + " before a slowdown's warning board",
                {p.nota(n, "the warning board of this slowdown, about metre " +
                               std::to_string(CellMetres(n)) +
                               ": every signal up to 1000 m before a warning board needs a "
                               "marker just before it")},
                {s - 1, s - 2});
    }
  }
}

// Three windows of three cells before a slowdown start, each for a start far
// enough from the line start.
void FinestrePrimaDelRallentamento(Percorso& p, int64_t n) {
  for (int64_t primo : {5, 11, 18}) {
    if (n <= primo + 2) break;
    bool messo = false;
    for (int64_t k = primo; k <= primo + 2 && !messo; ++k) {
      if (p.libera(n - k)) {
        p.marca(n - k);
        messo = true;
      }
    }
    if (!messo) {
      p.segnala(Status::kNoMarkerBeforeSlowdown, n, n,
                "no free cell for a marker " + std::to_string(primo * kCellMetres) + " to " +
                    Metri((primo + 2) * kCellMetres) + " before the start of this slowdown",
                {}, {n - primo, n - primo - 1, n - primo - 2});
    }
  }
}

// Markers every eighth cell inside a slow slowdown. Returns the cell where the
// walk ended: the slowdown end, or the last cell when none follows.
int64_t MarcatoriNelRallentamento(Percorso& p, int64_t n) {
  int64_t t = n;
  int32_t contatore = 0;
  while (t < p.ultima()) {
    ++t;
    ++contatore;
    // After a failure the counter runs past 8 and never fires again here.
    if (contatore == kPassoMarcatori) {
      if (p.libera(t)) {
        p.marca(t);
        contatore = 0;
      } else if (p.libera(t - 1)) {
        p.marca(t - 1);
        contatore = 1;
      } else if (p.libera(t + 1)) {
        p.marca(t + 1);
        contatore = -1;
      } else {
        p.segnala(Status::kNoMarkerAfterSlowCell, t, n,
                  "no free cell for a marker about metre " + std::to_string(CellMetres(t)) +
                      ", inside this slowdown: below 110 km/h a slowdown gets a marker every "
                      "400 m",
                  p.osservazione(n), {t - 1, t, t + 1});
      }
    }
    if (p.di_tipo(t, kFineRallentamento)) break;
  }
  return t;
}

// A marker just before the first signal within 12 cells of `t`, after the
// slowdown that starts at `n`.
void SegnaleDopoIlRallentamento(Percorso& p, int64_t n, int64_t t) {
  int64_t fine = std::min(t + kCelleSegnaleDopo, p.ultima());
  for (int64_t g = t; g <= fine; ++g) {
    if (!p.di_tipo(g, kSegnale)) continue;
    if (g - 1 > 0) {
      if (p.libera(g - 1)) {
        p.marca(g - 1);
      } else if (p.libera(g - 2)) {
        p.marca(g - 2);
      } else {
        p.segnala(Status::kNoMarkerAfterSlowCell, t, n,
                  "no free cell for a marker before the first signal after this slowdown",
                  {p.nota(g,
                          "the first signal within 600 m after the slowdown stands here, "
                          "about metre " +
                              std::to_string(CellMetres(g)) +
                              ", and needs a marker in one of the two cells before it")},
                  {g - 1, g - 2});
      }
    }
    return;
  }
}

void AggiungiMarcatori(Scenario& s, const CellOwners* owners) {
  Percorso p(s, owners);
  for (int64_t n = 1; n <= p.ultima() - 2; ++n) {
    const cella& c = *p.at(n);
    if (c.tipo == kAvvisoRallentamento) {
      SegnaliPrimaDellAvviso(p, n);
    } else if (c.tipo == kInizioRallentamento) {
      FinestrePrimaDelRallentamento(p, n);
      // A fast slowdown has no walk; its signal search starts at the start.
      int64_t t = c.dato1 < kVelocitaLenta ? MarcatoriNelRallentamento(p, n) : n;
      SegnaleDopoIlRallentamento(p, n, t);
    }
  }
}

}  // namespace

int32_t minimo(int32_t x, int32_t y) {
  return x > y ? y : x;
}

int post_pass(Scenario& s, const CellOwners* owners) {
  AggiungiMarcatori(s, owners);

  // Without a header cell only the table slot is checked and stamped.
  voce& linea = s.voci[kVoceLinea];
  cella* intestazione = s.cell_at(1);
  if (linea.valore1 != 0 || (intestazione != nullptr && intestazione->dato1 != 0)) {
    return kFatalHeaderTaken;
  }
  linea.valore1 = kPrimoTimbroLinea;
  if (intestazione != nullptr) intestazione->dato1 = kPrimoTimbroCella;

  if (linea.orario != 0 || (intestazione != nullptr && intestazione->dato2 != 0)) {
    return kFatalCheckCodesTaken;
  }
  linea.orario = codice_gara_st(s);
  int16_t og = codice_gara_og(s);
  if (intestazione != nullptr) intestazione->dato2 = og;
  return 0;
}

}  // namespace percorso
