#include "compiler/train_file.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "compiler/keywords.h"
#include "compiler/placement.h"
#include "compiler/profile.h"
#include "compiler/profile_entry.h"
#include "compiler/station.h"
#include "model/cells.h"
#include "model/grammar.h"
#include "model/rounding.h"

namespace percorso {
namespace {

// The highest speed of any train, km/h: a speed above it is a slip of the pen.
constexpr int32_t kFastestTrain = 350;

// A line speed or a slowdown as read, for the checks at the end of the file.
struct SpeedRead {
  int32_t posizione = 0;
  int32_t velocita = 0;
  SourceLocation where;
};
struct SlowdownRead {
  int32_t x = 0;
  int32_t l = 0;
  int32_t v = 0;
  SourceLocation where;
  SourceLocation speed_field;
};

// Where the train file has got to: the speed and adhesion profiles (a speed
// that has no cell code is reported at the line that gave it), the next
// station slot, and the line speeds and slowdowns read.
struct TrainCursors {
  ProfileList speed;
  ProfileList adhesion;
  int32_t station = 1;
  std::vector<SpeedRead> speeds;
  std::vector<SlowdownRead> slowdowns;
};

// A list of line speeds should start at 0 and hold speeds a train can run.
void CheckLineSpeed(ParseSession& p, TrainCursors& c, int32_t posizione, int32_t velocita) {
  if (c.speeds.empty() && CellsBefore(posizione) > 0) {
    p.Warn(WarningId::kSpeedsNotFromZero, p.KeywordPlace(),
           "the line speeds start at " + std::to_string(posizione) +
               " m: the route before it has speed 0; start the list with an "
               "entry at position 0");
  }
  std::optional<uint8_t> code = EncodeLineSpeed(velocita);
  if (code && *code == 0) {
    p.Warn(WarningId::kZeroSpeed, p.FieldPlace(1),
           "line speed " + std::to_string(velocita) +
               " km/h is stored as 0: the train cannot run from here on");
  } else if (velocita > kFastestTrain) {
    p.Warn(WarningId::kSpeedTooHigh, p.FieldPlace(1),
           "line speed " + std::to_string(velocita) +
               " km/h is above any train's (350 km/h at most): is it in km/h?");
  }
  c.speeds.push_back({posizione, velocita, p.KeywordPlace()});
}

// A slowdown's start and end cells must differ, else it has no end; its
// speed must be one a train can run.
void CheckSlowdown(ParseSession& p, TrainCursors& c, const Rallentamento& r) {
  if (r.v > kFastestTrain) {
    p.Warn(WarningId::kSlowdownSpeedTooHigh, p.FieldPlace(1),
           "slowdown speed " + std::to_string(r.v) +
               " km/h is above any train's (350 km/h at most): is it in km/h?");
  }
  c.slowdowns.push_back({r.x, r.l, r.v, p.KeywordPlace(), p.FieldPlace(1)});
}

// Said after the slowdown is placed: the compile looks for the end of a
// slowdown without one up to the end of the route.
void CheckSlowdownEnd(ParseSession& p, const Rallentamento& r) {
  const int64_t inizio = cell_of(r.x);
  const int64_t fine = cell_of(static_cast<int64_t>(r.x) + r.l);
  if (fine > inizio) return;
  std::string why =
      "the slowdown at " + std::to_string(r.x) + " m has no end cell: its length " +
      std::to_string(r.l) + " m is " +
      (r.l < 0 ? "negative" : "shorter than a cell (" + std::to_string(kCellMetres) + " m)");
  p.Warn(WarningId::kSlowdownWithoutEnd, p.FieldPlace(2),
         why + "; the compile looks for its end up to the end of the route");
  p.RemarkOnCells(why);
}

// Slowdowns that overlap: each one that starts inside an earlier-starting
// one names it.
void CheckSlowdownOverlaps(ParseSession& p, const TrainCursors& c) {
  std::vector<const SlowdownRead*> sorted;
  for (const SlowdownRead& r : c.slowdowns) sorted.push_back(&r);
  auto start = [](const SlowdownRead* r) { return std::min<int64_t>(r->x, int64_t{r->x} + r->l); };
  auto end = [](const SlowdownRead* r) { return std::max<int64_t>(r->x, int64_t{r->x} + r->l); };
  std::stable_sort(sorted.begin(), sorted.end(), [&](const SlowdownRead* a, const SlowdownRead* b) {
    return start(a) < start(b);
  });
  const SlowdownRead* reaching = nullptr;
  for (const SlowdownRead* r : sorted) {
    if (reaching != nullptr && start(r) < end(reaching)) {
      p.Warn(WarningId::kOverlappingSlowdowns, r->where,
             "the slowdown from " + std::to_string(start(r)) + " m to " + std::to_string(end(r)) +
                 " m overlaps another, from " + std::to_string(start(reaching)) + " m to " +
                 std::to_string(end(reaching)) +
                 " m: the markers inside a slowdown run from its start to the first end they "
                 "meet; join them into one slowdown, or move one",
             {Note{reaching->where, "the other slowdown"}});
    }
    if (reaching == nullptr || end(r) > end(reaching)) reaching = r;
  }
}

// A slowdown lowers the line speed: its speed above the line speed where it
// starts is a slip. Told once the whole list of speeds is known.
void CheckSlowdownSpeeds(ParseSession& p, const TrainCursors& c) {
  std::vector<SpeedRead> speeds = c.speeds;
  std::stable_sort(speeds.begin(), speeds.end(), [](const SpeedRead& a, const SpeedRead& b) {
    return a.posizione < b.posizione;
  });
  for (const SlowdownRead& r : c.slowdowns) {
    auto after = std::upper_bound(speeds.begin(), speeds.end(), r.x,
                                  [](int32_t x, const SpeedRead& s) { return x < s.posizione; });
    if (after == speeds.begin()) continue;
    const SpeedRead& line = *std::prev(after);
    if (r.v <= line.velocita || r.v > kFastestTrain) continue;
    p.Warn(WarningId::kSlowdownAboveLineSpeed, r.speed_field,
           "slowdown speed " + std::to_string(r.v) +
               " km/h is above the line speed where it starts, " + std::to_string(line.velocita) +
               " km/h: a slowdown lowers the speed; is the slowdown's speed or the line speed "
               "wrong?",
           {Note{line.where, "the line speed " + std::to_string(line.velocita) +
                                 " km/h holds from " + std::to_string(line.posizione) + " m on"}});
  }
}

// Fills the speed profile with the previous speed up to `until`; its code must
// fit 8 bits when a cell takes it. A speed line stops at the last cell, the
// tail does not.
Flow FillSpeed(ParseSession& p, ProfileList& speed, int64_t until, ProfileEnd end) {
  if (!ProfileCanWrite(p.model(), speed.cursor, end)) return Flow::kGoOn;
  std::optional<uint8_t> code = EncodeLineSpeed(speed.previous);
  if (!code) {
    return p.StoreFailureAt(speed.place,
                            "a speed's cell code, speed / 5, must lie in 0 to 255: "
                            "speeds run from 0 to 1277 km/h");
  }
  FillProfile(p.model(), speed.cursor, until, &cella::velocita, *code, end);
  return Flow::kGoOn;
}

Flow Speed(ParseSession& p, TrainCursors& c) {
  const ProfileRules rules{
      EntryKind::kLineSpeed, "line speed", nullptr,
      [&p, &c](int32_t posizione, int32_t velocita) { CheckLineSpeed(p, c, posizione, velocita); },
      [&p, &c](int64_t until) { return FillSpeed(p, c.speed, until, ProfileEnd::kAtLastCell); }};
  const Flow f = ReadProfileEntry(p, c.speed, rules);
  if (f == Flow::kGoOn) ++p.counts().speed_entries;
  return f;
}

Flow Adhesion(ParseSession& p, TrainCursors& c) {
  const ProfileRules rules{
      EntryKind::kAdhesion, "adhesion",
      [&p](int32_t, int32_t aderenza) { p.CheckFits(aderenza, 8, "aderenza", 1); }, nullptr,
      [&p, &c](int64_t until) {
        FillProfile(p.model(), c.adhesion.cursor, until, &cella::aderenza,
                    low8(c.adhesion.previous));
        return Flow::kGoOn;
      }};
  return ReadProfileEntry(p, c.adhesion, rules);
}

// The values a signal stores in its cells, each against its member's width.
void CheckSignalValues(ParseSession& p, const Segnale& g) {
  const SignalCode code = EncodeSignal(g);
  p.CheckFits(code.dato1, 16, "dato1", 2);
  p.CheckFits(code.dato2, 16, "dato2", 3);
  p.CheckFits(code.dato3, 16, "dato3", 4);
  p.CheckFits(code.dato4, 16, "dato4", 5);
  if (g.sx == 2 && g.tempo > 100) p.CheckFits(code.tempo, 8, "tempo", 10);
  p.CheckFits(EncodeApproach(code.aspect, code.aspect < 0 ? 1 : kApproachCodes), 8, "avviso", 1);
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
  const Flow f = p.Placed(g.posizione, memo_segnale(p.model(), g));
  if (f == Flow::kGoOn) ++p.counts().signals;
  return f;
}

Flow Slowdown(ParseSession& p, TrainCursors& c) {
  p.KeepRecord(EntryKind::kSlowdown);
  Rallentamento r;
  if (!p.ReadInts({&r.x, &r.v, &r.l, &r.f_tt, &r.f_ta, &r.d_v})) return p.AfterFailure();
  if (!p.InRange(r.x, 100)) return p.RangeFailure(r.x);
  p.CheckPastRoute(r.x);
  p.CheckFits(r.v, 16, "dato1", 1);
  p.CheckFits(r.f_tt, 16, "dato3", 3);
  p.CheckFits(r.d_v, 16, "dato2", 5);
  CheckSlowdown(p, c, r);
  // A slowdown that fails after writing some of its cells is left out whole:
  // before its last check it writes its warning, start and end cells only.
  SavedCells saved;
  if (p.recovering()) {
    saved.Save(p.model(), cella_avviso_rallentamento(r.x));
    saved.Save(p.model(), cell_of(r.x));
    saved.Save(p.model(), cell_of(static_cast<int64_t>(r.x) + r.l));
  }
  Flow f = p.Placed(r.x, memo_rallentamento(p.model(), r));
  if (f == Flow::kSkip) saved.Restore(p.model());
  if (f == Flow::kGoOn) {
    ++p.counts().slowdowns;
    CheckSlowdownEnd(p, r);
  }
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
  const int64_t indice = CutOffCell(posizione);
  cella* cell = p.Cell(indice);
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
  voce& v = p.Slot(kVoceChiaveTreno);
  return p.ReadShort(&v.valore3) && p.ReadShort(&v.valore4) && p.ReadShort(&v.valore5);
}

// One train keyword that the keyword field passed takes its fields.
Flow TrainField(ParseSession& p, TrainCursors& c, KeywordId id) {
  voce& treno = p.Slot(kVoceTreno);
  voce& chiave = p.Slot(kVoceChiaveTreno);
  const Flow failed = p.AfterFailure();
  switch (id) {
    case KeywordId::kMassaFrenata:
      return TrainValue(p, &treno.inizio) ? Flow::kGoOn : failed;
    case KeywordId::kVetture:
      return TrainValue(p, &treno.posizione) ? Flow::kGoOn : failed;
    case KeywordId::kVelocita:
      return Speed(p, c);
    case KeywordId::kAderenza:
      return Adhesion(p, c);
    case KeywordId::kOrologio:
      return Clock(p) ? Flow::kGoOn : failed;
    case KeywordId::kSabbia:
      return Sand(p, &chiave.valore1) ? Flow::kGoOn : failed;
    case KeywordId::kSegnale:
      return Signal(p);
    case KeywordId::kRallentamento:
      return Slowdown(p, c);
    case KeywordId::kAbbattimento:
      return CutOff(p);
    case KeywordId::kStazione:
      p.KeepRecord(EntryKind::kStation);
      return ReadStation(p, c.station);
    default:
      return Flow::kGoOn;
  }
}

// Every test that the keyword field passes takes its fields, in the order of
// the keyword table.
Flow TrainEntry(ParseSession& p, TrainCursors& c, const std::string& kw) {
  for (const KeywordRule& k : KeywordsOf(Grammar::kTrain)) {
    if (!Matches(k, kw)) continue;
    if (Flow f = TrainField(p, c, k.id); f != Flow::kGoOn) return f;
  }
  return Flow::kGoOn;
}

// A reference value that is not a multiple of 50 is reported at the line of
// the line file that gave it: once, however many of them are at fault, with a
// note for each.
void CheckReferences(ParseSession& p) {
  std::optional<SourceLocation> first;
  std::vector<Note> notes;
  for (int slot = kVoceProgressivaTre; slot <= kVoceProgressivaUno; ++slot) {
    const voce& v = p.Slot(slot);
    const bool inizio = !is_multiple(v.inizio, kCellMetres);
    if (!inizio && is_multiple(v.fine, kCellMetres)) continue;
    SourceLocation where = p.ReferencePlace(slot).value_or(p.FilePlace(Source::kLinea));
    if (!first) first = where;
    notes.push_back(
        Note{where, "this reference's " + std::string(inizio ? "first" : "second") + " value is " +
                        std::to_string(inizio ? v.inizio : v.fine) +
                        (inizio ? "" : " (100 is added to it when the third value is 1)")});
  }
  if (!first) return;
  // In the order of the file, not of the slots the ordering gave them.
  std::stable_sort(notes.begin(), notes.end(),
                   [](const Note& a, const Note& b) { return a.where.line < b.where.line; });
  first = notes.front().where;
  notes.push_back(Note{{},
                       "the three kilometric references ('progressiva chilometrica "
                       "uno', 'due', 'tre') take positions in multiples of 50 m"});
  p.RaiseAt(Status::kReferenceNotMultiple, *first, std::move(notes));
}

// The end steps: the tails of the speed and adhesion profiles and the
// reference check.
void EndTrainFile(ParseSession& p, TrainCursors& c, bool warn_empty) {
  p.DeleteCurrent();
  CheckSlowdownOverlaps(p, c);
  CheckSlowdownSpeeds(p, c);
  const int64_t tail_end = static_cast<int64_t>(p.last_cell()) - 2;
  if (warn_empty) p.EndOfFile();
  if (FillSpeed(p, c.speed, tail_end, ProfileEnd::kPastLastCell) == Flow::kStop) return;
  FillTail(p.model(), c.adhesion.cursor, &cella::aderenza, low8(c.adhesion.previous));
  CheckReferences(p);
}

// Reads up to the first field with "[generale]"; without one the file gives
// nothing, which is no error but is warned about.
bool FindTrainGenerale(ParseSession& p) {
  std::optional<Note> near_miss;
  if (p.FindGenerale(/*at_end_too=*/false, &near_miss)) return true;
  std::vector<Note> notes;
  std::vector<Fix> fixes;
  if (near_miss) {
    notes.push_back(*near_miss);
    fixes.push_back(Fix{near_miss->where, "[generale]", "Change to '[generale]'"});
  }
  p.Warn(WarningId::kNoGenerale, p.FilePlace(Source::kTreno),
         "no '[generale]' in the train description file: nothing in it is read", std::move(notes),
         std::move(fixes));
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
    if (f == Flow::kStop) {
      CheckSlowdownOverlaps(p, c);
      return;
    }
    if (f == Flow::kEndOfFile) break;
    p.AfterEntry(Grammar::kTrain);
  }
  EndTrainFile(p, c, /*warn_empty=*/true);
}

}  // namespace percorso
