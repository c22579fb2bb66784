#include "compiler/train_file.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

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
  if (!code) {
    return p.StoreFailureAt(c.speed_place,
                            "a speed's cell code, speed / 5, must lie in 0 to 255: "
                            "speeds run from 0 to 1277 km/h");
  }
  FillProfile(p.s, c.speed, until, &cella::velocita, *code, end);
  return Flow::kGoOn;
}

Flow Speed(ParseSession& p, TrainCursors& c) {
  p.KeepRecord(EntryKind::kLineSpeed);
  int32_t posizione = 0;
  int32_t velocita = 0;
  if (!p.ReadInts({&posizione, &velocita})) return p.AfterFailure();
  if (!p.InRange(posizione, 100)) return p.RangeFailure(posizione);
  p.CheckPastRoute(posizione);
  int64_t n = nearest(posizione / 50.0);
  const Flow f = n > 0 ? FillSpeed(p, c, n, ProfileEnd::kAtLastCell) : Flow::kGoOn;
  if (f == Flow::kStop) return f;
  // A check that left out the fill of the speed before goes on with this one,
  // so that the fault is not reported again at each later entry.
  c.previous_speed = velocita;
  c.speed_place = p.KeywordPlace();
  return f;
}

Flow Adhesion(ParseSession& p, TrainCursors& c) {
  p.KeepRecord(EntryKind::kAdhesion);
  int32_t posizione = 0;
  int32_t aderenza = 0;
  if (!p.ReadInts({&posizione, &aderenza})) return p.AfterFailure();
  if (!p.InRange(posizione, 100)) return p.RangeFailure(posizione);
  p.CheckPastRoute(posizione);
  p.CheckFits(aderenza, 8, "aderenza", 1);
  int64_t n = nearest(posizione / 50.0);
  if (n > 0) FillProfile(p.s, c.adhesion, n, &cella::aderenza, low8(c.previous_adhesion));
  c.previous_adhesion = aderenza;
  return Flow::kGoOn;
}

// The values a signal stores in its cells, each against its member's width.
void CheckSignalValues(ParseSession& p, const Segnale& g) {
  const int64_t aspetto = static_cast<int64_t>(g.sx) * 3 + g.dx;
  p.CheckFits(static_cast<int64_t>(g.s1) * 10 + g.d1, 16, "dato1", 2);
  p.CheckFits(static_cast<int64_t>(g.s2) * 10 + g.d2, 16, "dato2", 3);
  p.CheckFits(static_cast<int64_t>(g.s3) * 10 + g.d3, 16, "dato3", 4);
  p.CheckFits(static_cast<int64_t>(g.rapp) * 10 + aspetto, 16, "dato4", 5);
  if (g.sx == 2 && g.tempo > 100) p.CheckFits(g.tempo, 8, "tempo", 10);
  p.CheckFits(aspetto * 10 + (aspetto < 0 ? 1 : 4), 8, "avviso", 1);
}

Flow Signal(ParseSession& p) {
  p.KeepRecord(EntryKind::kSignal);
  Segnale g;
  if (!p.ReadInts({&g.posizione, &g.sx, &g.s1, &g.s2, &g.s3, &g.rapp, &g.dx, &g.d1, &g.d2, &g.d3,
                   &g.tempo})) {
    return p.AfterFailure();
  }
  if (!p.InRange(g.posizione, 100)) return p.RangeFailure(g.posizione);
  p.CheckPastRoute(g.posizione);
  CheckSignalValues(p, g);
  return p.Placed(g.posizione, memo_segnale(p.s, g));
}

Flow Slowdown(ParseSession& p) {
  p.KeepRecord(EntryKind::kSlowdown);
  Rallentamento r;
  if (!p.ReadInts({&r.x, &r.v, &r.l, &r.f_tt, &r.f_ta, &r.d_v})) return p.AfterFailure();
  if (!p.InRange(r.x, 100)) return p.RangeFailure(r.x);
  p.CheckPastRoute(r.x);
  p.CheckFits(r.v, 16, "dato1", 1);
  p.CheckFits(r.f_tt, 16, "dato3", 3);
  p.CheckFits(r.d_v, 16, "dato2", 5);
  // A slowdown that fails after writing some of its cells is left out whole:
  // before its last check it writes its warning, start and end cells only.
  SavedCells saved;
  if (p.recovering()) {
    saved.Save(p.s, cella_avviso_rallentamento(r.x));
    saved.Save(p.s, cell_of(r.x));
    saved.Save(p.s, cell_of(static_cast<int64_t>(r.x) + r.l));
  }
  Flow f = p.Placed(r.x, memo_rallentamento(p.s, r));
  if (f == Flow::kSkip) saved.Restore(p.s);
  return f;
}

// A cut-off point lies in cell nearest(p / 50), one before a feature's cell.
Flow CutOff(ParseSession& p) {
  p.KeepRecord(EntryKind::kCutOff);
  int32_t posizione = 0;
  int32_t valore = 0;
  if (!p.ReadInts({&posizione, &valore})) return p.AfterFailure();
  if (!p.InRange(posizione, 100)) return p.RangeFailure(posizione);
  p.CheckPastRoute(posizione);
  const int64_t indice = nearest(posizione / 50.0);
  cella* cell = p.s.cell_at(indice);
  if (cell == nullptr) return p.RangeFailure(posizione);
  if (!is_free(*cell)) return p.Taken(Status::kCutOffTaken, posizione, indice);
  p.Own(indice);
  if (valore > 0) {
    p.CheckFits(valore, 16, "dato1", 1);
    cell->tipo = kMarcatore;
    cell->dato1 = low16(valore);
  } else {
    cell->tipo = kAbbattimentoNullo;
  }
  return Flow::kGoOn;
}

// A value of the train itself, placed on no cell.
bool TrainValue(ParseSession& p, int32_t* target) {
  p.KeepRecord(EntryKind::kTrainValue);
  return p.ReadInts({target});
}

bool Sand(ParseSession& p, int16_t* target) {
  p.KeepRecord(EntryKind::kTrainValue);
  return p.ReadShort(target);
}

bool Clock(ParseSession& p) {
  p.KeepRecord(EntryKind::kTrainValue);
  voce& v = p.s.voci[kVoceChiaveTreno];
  return p.ReadShort(&v.valore3) && p.ReadShort(&v.valore4) && p.ReadShort(&v.valore5);
}

// Every test that the keyword field passes takes its fields, in order.
Flow TrainEntry(ParseSession& p, TrainCursors& c, const std::string& kw) {
  voce& treno = p.s.voci[kVoceTreno];
  voce& chiave = p.s.voci[kVoceChiaveTreno];
  Flow f = Flow::kGoOn;
  const Flow failed = p.AfterFailure();
  if (Has(kw, "frenata") && Has(kw, "massa") && !TrainValue(p, &treno.inizio)) return failed;
  if (Has(kw, "vetture") && !TrainValue(p, &treno.posizione)) return failed;
  if (Has(kw, "velocit") && (f = Speed(p, c)) != Flow::kGoOn) return f;
  if (Has(kw, "aderenza") && (f = Adhesion(p, c)) != Flow::kGoOn) return f;
  if (Has(kw, "orologio") && !Clock(p)) return failed;
  if (Has(kw, "sabbia") && !Sand(p, &chiave.valore1)) return failed;
  if (Has(kw, "segnale") && (f = Signal(p)) != Flow::kGoOn) return f;
  if (Has(kw, "rallentamento") && (f = Slowdown(p)) != Flow::kGoOn) return f;
  if (Has(kw, "abbattimento") && (f = CutOff(p)) != Flow::kGoOn) return f;
  if (Has(kw, "stazione")) {
    p.KeepRecord(EntryKind::kStation);
    return ReadStation(p, c.station);
  }
  return f;
}

// A reference value that is not a multiple of 50 is reported against the line
// file, which holds the references: once, however many of them are at fault.
void CheckReferences(ParseSession& p) {
  for (int slot = kVoceProgressivaTre; slot <= kVoceProgressivaUno; ++slot) {
    const voce& v = p.s.voci[static_cast<size_t>(slot)];
    if (!is_multiple(v.inizio, 50) || !is_multiple(v.fine, 50)) {
      p.RaiseInFile(Status::kReferenceNotMultiple, Source::kLinea,
                    {Note{{},
                          "the three kilometric references ('progressiva chilometrica "
                          "uno', 'due', 'tre') take positions in multiples of 50 m"}});
      return;
    }
  }
}

// The end steps: the tails of the speed and adhesion profiles and the
// reference check.
void EndTrainFile(ParseSession& p, TrainCursors& c, bool warn_empty) {
  p.DeleteCurrent();
  const int64_t tail_end = static_cast<int64_t>(p.s.ultima_cella) - 2;
  if (warn_empty) p.EndOfFile();
  if (FillSpeed(p, c, tail_end, ProfileEnd::kPastLastCell) == Flow::kStop) return;
  FillTail(p.s, c.adhesion, &cella::aderenza, low8(c.previous_adhesion));
  CheckReferences(p);
}

// Reads up to the first field with "[generale]"; without one the file gives
// nothing, which is no error but is warned about.
bool FindTrainGenerale(ParseSession& p) {
  std::optional<Note> near_miss;
  if (p.FindGenerale(/*at_end_too=*/false, &near_miss)) return true;
  std::vector<Note> notes;
  if (near_miss) notes.push_back(*near_miss);
  p.Warn("no-generale", p.FilePlace(Source::kTreno),
         "no '[generale]' in the train description file: nothing in it is read", std::move(notes));
  return false;
}

}  // namespace

void ReadTrainFile(ParseSession& p) {
  if (!p.Open(Source::kTreno)) {
    p.OpenFailure(Source::kTreno);
    return;
  }
  TrainCursors c;
  if (!FindTrainGenerale(p)) {
    EndTrainFile(p, c, /*warn_empty=*/false);
    return;
  }
  std::string kw;
  while (p.NextBodyKeyword(&kw)) {
    Flow f = TrainEntry(p, c, kw);
    if (f == Flow::kSkip) {
      p.reader().SkipRestOfLine();
      continue;
    }
    if (f == Flow::kStop) return;
    if (f == Flow::kEndOfFile) break;
    p.AfterEntry(Grammar::kTrain);
  }
  EndTrainFile(p, c, /*warn_empty=*/true);
}

}  // namespace percorso
