#include "compiler/line_body.h"

#include <string>
#include <utility>
#include <vector>

#include "compiler/keywords.h"
#include "compiler/placement.h"
#include "compiler/plan.h"
#include "compiler/profile.h"
#include "model/cells.h"
#include "model/grammar.h"
#include "model/rounding.h"

namespace percorso {
namespace {

// Fills the gradient profile with the previous gradient up to `until`. Its cell
// code is the low 8 bits of gradient + 100, a sum that must fit 32 bits when a
// cell takes it.
Flow FillGradient(ParseSession& p, ProfileList& g, int64_t until) {
  if (!ProfileCanWrite(p.model(), g.cursor, ProfileEnd::kPastLastCell)) return Flow::kGoOn;
  int64_t code = EncodeGradient(g.previous);
  if (!FitsInt32(code)) {
    return p.StoreFailureAt(g.place, "the gradient + 100 passes the 32-bit range");
  }
  FillProfile(p.model(), g.cursor, until, &cella::pendenza, low8(code));
  return Flow::kGoOn;
}

Flow Gradient(ParseSession& p, LineCursors& c) {
  const ProfileRules rules{
      EntryKind::kGradient, "gradient",
      [&p](int32_t, int32_t pendenza) { p.CheckFits(EncodeGradient(pendenza), 8, "pendenza", 1); },
      nullptr, [&p, &c](int64_t until) { return FillGradient(p, c.gradient, until); }};
  return ReadProfileEntry(p, c.gradient, rules);
}

// A plan that cannot go on: status 103, and a check draws no more curves.
Flow BrokenPlan(ParseSession& p, LineCursors& c, std::vector<Note> notes) {
  c.plan_broken = true;
  return p.StopWith(Status::kBadCurve, {}, 0, std::move(notes));
}

// The plan is drawn metre by metre in the order of the file: the part of a
// curve that lies before the end of the curve before it is lost.
void CheckCurveOrder(ParseSession& p, LineCursors& c, int32_t inizio, int64_t fine) {
  if (c.any_curve && inizio < c.curve_end) {
    const std::string previous = std::to_string(c.curve_start) + " m";
    const std::string lost = fine <= c.curve_end
                                 ? "none of it is drawn"
                                 : "it is drawn only from metre " + std::to_string(c.curve_end);
    if (inizio < c.curve_start) {
      p.Warn(WarningId::kUnsortedCurves, p.KeywordPlace(),
             "curve at " + std::to_string(inizio) + " m comes after a curve at " + previous +
                 ": the plan is drawn in the order of the file, so " + lost +
                 "; write the curves in order of position",
             {Note{c.curve_place, "the curve at " + previous}});
    } else {
      p.Warn(WarningId::kOverlappingCurves, p.KeywordPlace(),
             "curve at " + std::to_string(inizio) +
                 " m starts before the previous curve ends, at " + std::to_string(c.curve_end) +
                 " m: the curves overlap, and " + lost,
             {Note{c.curve_place, "the previous curve, from " + previous + " to " +
                                      std::to_string(c.curve_end) + " m"}});
    }
  }
  c.any_curve = true;
  c.curve_start = inizio;
  c.curve_end = fine;
  c.curve_place = p.KeywordPlace();
}

// A straight run up to the curve's start, then a turning run over its length.
Flow Curve(ParseSession& p, LineCursors& c, const std::string& kw) {
  p.KeepRecord(EntryKind::kCurve);
  int32_t inizio = 0;
  int32_t lunghezza = 0;
  if (!p.ReadInts({&inizio, &lunghezza})) return p.AfterFailure();
  if (!p.InRange(inizio, 100)) return p.RangeFailure(inizio);
  p.CheckPastRoute(inizio);
  std::optional<double> k = CurveTurn(kw);
  if (!k) {
    return p.StopWith(Status::kBadCurve, {}, kKeywordField,
                      {Note{{},
                            "a curve's keyword names its class with a digit 1 to 6, as in "
                            "'curvas2' or 'curvad1'"}});
  }
  CheckCurveOrder(p, c, inizio, static_cast<int64_t>(inizio) + lunghezza);
  // After a check has found the plan broken, later curves cannot be drawn.
  if (c.plan_broken) return Flow::kGoOn;
  const std::vector<Note> past = {
      Note{{},
           "the plan is drawn metre by metre up to 1000000 m and to the end of its table; "
           "curves must come in increasing order of start and not overlap"}};
  int64_t fine = static_cast<int64_t>(inizio) + lunghezza;
  const char* kTooLong = "the curve's start + length passes the 32-bit range";
  Tracciato* plan = p.plan();
  if (plan == nullptr) {
    // Without a table every metre lies past its end.
    if (c.m <= inizio) return BrokenPlan(p, c, past);
    if (!FitsInt32(fine)) return p.StoreFailure(kTooLong);
    return c.m <= fine ? BrokenPlan(p, c, past) : Flow::kGoOn;
  }
  Tracciato& t = *plan;
  if (PlanStraight(t, c.m, inizio, true) != PlanResult::kDone) return BrokenPlan(p, c, past);
  // The end of the turning run is a 32-bit sum, taken once the straight run is
  // done.
  if (!FitsInt32(fine)) return p.StoreFailure(kTooLong);
  if (PlanTurn(t, c.m, fine, *k) != PlanResult::kDone) return BrokenPlan(p, c, past);
  return Flow::kGoOn;
}

Flow Terrain(ParseSession& p) {
  p.KeepRecord(EntryKind::kTerrain);
  Montagna m;
  if (!p.ReadInts({&m.inizio, &m.fine, &m.tipo})) return p.AfterFailure();
  if (!p.InRange(m.inizio, 100)) return p.RangeFailure(m.inizio);
  p.CheckPastRoute(m.inizio);
  p.CheckFits(m.tipo > 10 ? static_cast<int64_t>(m.tipo) - 10 : m.tipo, 8, "montagna", 2);
  if (m.fine < m.inizio) {
    p.Warn(WarningId::kReversedStretch, p.FieldPlace(1),
           "the stretch runs from " + std::to_string(m.inizio) + " m to " + std::to_string(m.fine) +
               " m: its end lies before its start, and it sets no cell; write "
               "the start first",
           {}, p.SwapFields(0, 1, "Swap the start and the end of the stretch"));
  }
  return p.Placed(m.inizio, memo_montagna(p.model(), p.stretches(), m));
}

Flow SpeedBoard(ParseSession& p) {
  p.KeepRecord(EntryKind::kSpeedBoard);
  IndicatoriVMax b;
  if (!p.ReadInts({&b.posizione, &b.vas, &b.vbs, &b.vcs, &b.strisces, &b.vad, &b.vbd, &b.vcd,
                   &b.strisced})) {
    return p.AfterFailure();
  }
  if (!p.InRange(b.posizione, 100)) return p.RangeFailure(b.posizione);
  p.CheckPastRoute(b.posizione);
  p.CheckFits(EncodeDigitPair(b.strisces, b.strisced), 16, "dato4", 4);
  const Flow f = p.Placed(b.posizione, memo_indicatori_v_max(p.model(), b));
  if (f == Flow::kGoOn) ++p.counts().speed_boards;
  return f;
}

// A board's cell names the slot that holds its text; boards take the slots from
// 80 downward.
Flow TextBoard(ParseSession& p) {
  p.KeepRecord(EntryKind::kTextBoard);
  int32_t posizione = 0;
  std::string testo;
  if (!p.ReadInts({&posizione}) || !p.ReadName(&testo)) return p.AfterFailure();
  if (!p.InRange(posizione, 100)) return p.RangeFailure(posizione);
  p.CheckPastRoute(posizione);
  const int64_t indice = cell_of(posizione);
  cella* cell = p.Cell(indice);
  if (cell == nullptr) return p.RangeFailure(posizione);
  if (!is_free(*cell)) return p.Taken(Status::kTextBoardTaken, posizione, indice);
  const int32_t slot = p.slots().next_board();
  if (slot < 1) return p.Stop(Status::kStationSlotsFull);
  p.Own(indice);
  cell->tipo = kCartello;
  cell->dato1 = low16(slot);
  p.Slot(slot).nome = std::move(testo);
  p.slots().BoardTaken();
  ++p.counts().text_boards;
  return Flow::kGoOn;
}

// One body keyword that the keyword field passed takes its fields. Without
// the geometry a curve line is passed over.
Flow BodyField(ParseSession& p, LineCursors& c, KeywordId id, const std::string& kw) {
  switch (id) {
    case KeywordId::kPendenza:
      return Gradient(p, c);
    case KeywordId::kCurva:
      return p.with_geometry() ? Curve(p, c, kw) : Flow::kGoOn;
    case KeywordId::kMontagna:
      return Terrain(p);
    case KeywordId::kIndicatoriV:
      return SpeedBoard(p);
    case KeywordId::kCartelloIndicatore:
      return TextBoard(p);
    default:
      return Flow::kGoOn;
  }
}

// Every body test that the keyword field passes takes its fields, in the order
// of the keyword table.
Flow BodyEntry(ParseSession& p, LineCursors& c, const std::string& kw) {
  for (const KeywordRule& k : KeywordsOf(Grammar::kLineBody)) {
    if (!Matches(k, kw)) continue;
    if (Flow f = BodyField(p, c, k.id, kw); f != Flow::kGoOn) return f;
  }
  return Flow::kGoOn;
}

}  // namespace

Flow ReadLineBody(ParseSession& p, LineCursors& c) {
  std::string kw;
  while (p.NextBodyKeyword(&kw)) {
    Flow f = BodyEntry(p, c, kw);
    if (f == Flow::kSkip) {
      p.reader().SkipRestOfLine();
      continue;
    }
    if (f != Flow::kGoOn) return f;
    p.AfterEntry(Grammar::kLineBody);
  }
  return Flow::kEndOfFile;
}

Flow EndLineFile(ParseSession& p, LineCursors& c) {
  p.DeleteCurrent();
  const int64_t tail_end = static_cast<int64_t>(p.last_cell()) - 2;
  if (FillGradient(p, c.gradient, tail_end) == Flow::kStop) return Flow::kStop;
  if (Tracciato* t = p.plan(); p.with_geometry() && t != nullptr) {
    PlanStraight(*t, c.m, static_cast<int64_t>(t->ultimo_metro()) - 2, false);
  }
  return Flow::kGoOn;
}

}  // namespace percorso
