#include "compiler/train_file.h"

#include <string>

#include "compiler/keywords.h"
#include "compiler/placement.h"
#include "compiler/profile.h"
#include "compiler/rounding.h"
#include "compiler/station.h"

namespace percorso {
namespace {

// Where the train file has got to. The previous speed and adhesion start at 0.
struct TrainCursors {
  int64_t speed = 0;
  int64_t adhesion = 0;
  int32_t previous_speed = 0;
  int32_t previous_adhesion = 0;
  // The line that gave the previous speed, where a speed that has no cell code
  // is reported.
  SourceLocation speed_place;
  int32_t station = 1;
};

// Fills the speed profile with the previous speed up to `until`; its code must
// fit 8 bits when a cell takes it. A speed line stops at the last cell, the
// tail does not.
Flow FillSpeed(ParseSession& p, TrainCursors& c, int64_t until, ProfileEnd end) {
  if (!ProfileCanWrite(p.s, c.speed, end)) return Flow::kGoOn;
  std::optional<uint8_t> code = SpeedCode(c.previous_speed);
  if (!code) return p.StoreFailureAt(c.speed_place);
  FillProfile(p.s, c.speed, until, &cella::velocita, *code, end);
  return Flow::kGoOn;
}

Flow Speed(ParseSession& p, TrainCursors& c) {
  int32_t posizione = 0;
  int32_t velocita = 0;
  if (!p.ReadInts({&posizione, &velocita})) return Flow::kStop;
  if (!p.InRange(posizione, 100)) return p.RangeFailure(posizione);
  int64_t n = nearest(posizione / 50.0);
  if (n > 0) {
    if (Flow f = FillSpeed(p, c, n, ProfileEnd::kAtLastCell); f != Flow::kGoOn) return f;
  }
  c.previous_speed = velocita;
  c.speed_place = p.KeywordPlace();
  return Flow::kGoOn;
}

Flow Adhesion(ParseSession& p, TrainCursors& c) {
  int32_t posizione = 0;
  int32_t aderenza = 0;
  if (!p.ReadInts({&posizione, &aderenza})) return Flow::kStop;
  if (!p.InRange(posizione, 100)) return p.RangeFailure(posizione);
  int64_t n = nearest(posizione / 50.0);
  if (n > 0) FillProfile(p.s, c.adhesion, n, &cella::aderenza, low8(c.previous_adhesion));
  c.previous_adhesion = aderenza;
  return Flow::kGoOn;
}

Flow Signal(ParseSession& p) {
  Segnale g;
  if (!p.ReadInts({&g.posizione, &g.sx, &g.s1, &g.s2, &g.s3, &g.rapp, &g.dx, &g.d1, &g.d2, &g.d3,
                   &g.tempo})) {
    return Flow::kStop;
  }
  if (!p.InRange(g.posizione, 100)) return p.RangeFailure(g.posizione);
  return p.Placed(g.posizione, memo_segnale(p.s, g));
}

Flow Slowdown(ParseSession& p) {
  Rallentamento r;
  if (!p.ReadInts({&r.x, &r.v, &r.l, &r.f_tt, &r.f_ta, &r.d_v})) return Flow::kStop;
  if (!p.InRange(r.x, 100)) return p.RangeFailure(r.x);
  return p.Placed(r.x, memo_rallentamento(p.s, r));
}

// A cut-off point lies in cell nearest(p / 50), one before a feature's cell.
Flow CutOff(ParseSession& p) {
  int32_t posizione = 0;
  int32_t valore = 0;
  if (!p.ReadInts({&posizione, &valore})) return Flow::kStop;
  if (!p.InRange(posizione, 100)) return p.RangeFailure(posizione);
  cella* cell = p.s.cell_at(nearest(posizione / 50.0));
  if (cell == nullptr) return p.RangeFailure(posizione);
  if (!is_free(*cell)) return p.Stop(Status::kCutOffTaken, posizione);
  if (valore > 0) {
    cell->tipo = kMarcatore;
    cell->dato1 = low16(valore);
  } else {
    cell->tipo = kAbbattimentoNullo;
  }
  return Flow::kGoOn;
}

bool Clock(ParseSession& p) {
  voce& v = p.s.voci[kVoceChiaveTreno];
  return p.ReadShort(&v.valore3) && p.ReadShort(&v.valore4) && p.ReadShort(&v.valore5);
}

// Every test that the keyword field passes takes its fields, in order.
Flow TrainEntry(ParseSession& p, TrainCursors& c, const std::string& kw) {
  voce& treno = p.s.voci[kVoceTreno];
  voce& chiave = p.s.voci[kVoceChiaveTreno];
  Flow f = Flow::kGoOn;
  if (Has(kw, "frenata") && Has(kw, "massa") && !p.ReadInts({&treno.inizio})) return Flow::kStop;
  if (Has(kw, "vetture") && !p.ReadInts({&treno.posizione})) return Flow::kStop;
  if (Has(kw, "velocit") && (f = Speed(p, c)) != Flow::kGoOn) return f;
  if (Has(kw, "aderenza") && (f = Adhesion(p, c)) != Flow::kGoOn) return f;
  if (Has(kw, "orologio") && !Clock(p)) return Flow::kStop;
  if (Has(kw, "sabbia") && !p.ReadShort(&chiave.valore1)) return Flow::kStop;
  if (Has(kw, "segnale") && (f = Signal(p)) != Flow::kGoOn) return f;
  if (Has(kw, "rallentamento") && (f = Slowdown(p)) != Flow::kGoOn) return f;
  if (Has(kw, "abbattimento") && (f = CutOff(p)) != Flow::kGoOn) return f;
  if (Has(kw, "stazione")) return ReadStation(p, c.station);
  return f;
}

// A reference value that is not a multiple of 50 is reported against the line
// file, which holds the references.
void CheckReferences(ParseSession& p) {
  for (int slot = kVoceProgressivaTre; slot <= kVoceProgressivaUno; ++slot) {
    const voce& v = p.s.voci[static_cast<size_t>(slot)];
    if (!is_multiple(v.inizio, 50) || !is_multiple(v.fine, 50)) {
      p.s.SetStatus(Status::kReferenceNotMultiple, p.FilePlace(Source::kLinea));
    }
  }
}

// The end steps: the tails of the speed and adhesion profiles and the
// reference check.
void EndTrainFile(ParseSession& p, TrainCursors& c) {
  p.DeleteCurrent();
  const int64_t tail_end = static_cast<int64_t>(p.s.ultima_cella) - 2;
  if (FillSpeed(p, c, tail_end, ProfileEnd::kPastLastCell) == Flow::kStop) return;
  FillTail(p.s, c.adhesion, &cella::aderenza, low8(c.previous_adhesion));
  CheckReferences(p);
}

}  // namespace

void ReadTrainFile(ParseSession& p) {
  if (!p.Open(Source::kTreno)) {
    p.OpenFailure(Source::kTreno);
    return;
  }
  FieldReader& r = p.reader();
  std::string kw;
  while (!r.at_end()) {
    r.ReadText(&kw);
    if (IsGenerale(kw)) break;
  }
  TrainCursors c;
  while (p.NextBodyKeyword(&kw)) {
    Flow f = TrainEntry(p, c, kw);
    if (f == Flow::kStop) return;
    if (f == Flow::kEndOfFile) break;
  }
  EndTrainFile(p, c);
}

}  // namespace percorso
