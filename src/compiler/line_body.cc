#include "compiler/line_body.h"

#include <string>

#include "compiler/keywords.h"
#include "compiler/placement.h"
#include "compiler/plan.h"
#include "compiler/profile.h"
#include "compiler/rounding.h"

namespace percorso {
namespace {

// Fills the gradient profile with the previous gradient up to `until`. Its cell
// code is the low 8 bits of gradient + 100, a sum that must fit 32 bits when a
// cell takes it.
Flow FillGradient(ParseSession& p, LineCursors& c, int64_t until) {
  if (!ProfileCanWrite(p.s, c.gradient, ProfileEnd::kPastLastCell)) return Flow::kGoOn;
  int64_t code = static_cast<int64_t>(c.previous_gradient) + 100;
  if (!FitsInt32(code)) return p.StoreFailureAt(c.gradient_place);
  FillProfile(p.s, c.gradient, until, &cella::pendenza, low8(code));
  return Flow::kGoOn;
}

Flow Gradient(ParseSession& p, LineCursors& c) {
  int32_t posizione = 0;
  int32_t pendenza = 0;
  if (!p.ReadInts({&posizione, &pendenza})) return Flow::kStop;
  if (!p.InRange(posizione, 100)) return p.RangeFailure(posizione);
  int64_t n = nearest(posizione / 50.0);
  if (n > 0) {
    if (Flow f = FillGradient(p, c, n); f != Flow::kGoOn) return f;
  }
  c.previous_gradient = pendenza;
  c.gradient_place = p.KeywordPlace();
  return Flow::kGoOn;
}

// A straight run up to the curve's start, then a turning run over its length.
Flow Curve(ParseSession& p, LineCursors& c, const std::string& kw) {
  int32_t inizio = 0;
  int32_t lunghezza = 0;
  if (!p.ReadInts({&inizio, &lunghezza})) return Flow::kStop;
  if (!p.InRange(inizio, 100)) return p.RangeFailure(inizio);
  std::optional<double> k = CurveTurn(kw);
  if (!k) return p.Stop(Status::kBadCurve);
  int64_t fine = static_cast<int64_t>(inizio) + lunghezza;
  if (!p.s.tracciato) {
    // Without a table every metre lies past its end.
    if (c.m <= inizio) return p.Stop(Status::kBadCurve);
    if (!FitsInt32(fine)) return p.StoreFailure();
    return c.m <= fine ? p.Stop(Status::kBadCurve) : Flow::kGoOn;
  }
  Tracciato& t = *p.s.tracciato;
  if (PlanStraight(t, c.m, inizio, true) != PlanResult::kDone) return p.Stop(Status::kBadCurve);
  // The end of the turning run is a 32-bit sum, taken once the straight run is
  // done.
  if (!FitsInt32(fine)) return p.StoreFailure();
  if (PlanTurn(t, c.m, fine, *k) != PlanResult::kDone) return p.Stop(Status::kBadCurve);
  return Flow::kGoOn;
}

Flow Terrain(ParseSession& p) {
  Montagna m;
  if (!p.ReadInts({&m.inizio, &m.fine, &m.tipo})) return Flow::kStop;
  if (!p.InRange(m.inizio, 100)) return p.RangeFailure(m.inizio);
  return p.Placed(m.inizio, memo_montagna(p.s, m));
}

Flow SpeedBoard(ParseSession& p) {
  IndicatoriVMax b;
  if (!p.ReadInts({&b.posizione, &b.vas, &b.vbs, &b.vcs, &b.strisces, &b.vad, &b.vbd, &b.vcd,
                   &b.strisced})) {
    return Flow::kStop;
  }
  if (!p.InRange(b.posizione, 100)) return p.RangeFailure(b.posizione);
  return p.Placed(b.posizione, memo_indicatori_v_max(p.s, b));
}

// A board's cell names the slot that holds its text; boards take the slots from
// 80 downward.
Flow TextBoard(ParseSession& p) {
  int32_t posizione = 0;
  std::string testo;
  if (!p.ReadInts({&posizione}) || !p.ReadName(&testo)) return Flow::kStop;
  if (!p.InRange(posizione, 100)) return p.RangeFailure(posizione);
  cella* cell = p.s.cell_at(nearest(posizione / 50.0 + 1.0));
  if (cell == nullptr) return p.RangeFailure(posizione);
  if (!is_free(*cell)) return p.Stop(Status::kTextBoardTaken, posizione);
  if (p.board_cursor < 1) return p.Stop(Status::kStationSlotsFull);
  cell->tipo = kCartello;
  cell->dato1 = low16(p.board_cursor);
  p.s.voci[static_cast<size_t>(p.board_cursor)].nome = std::move(testo);
  --p.board_cursor;
  return Flow::kGoOn;
}

// Every body test that the keyword field passes takes its fields, in order.
Flow BodyEntry(ParseSession& p, LineCursors& c, const std::string& kw) {
  Flow f = Flow::kGoOn;
  if (Has(kw, "pendenza") && (f = Gradient(p, c)) != Flow::kGoOn) return f;
  if (p.s.j != 0 && Has(kw, "curva") && (f = Curve(p, c, kw)) != Flow::kGoOn) return f;
  if (Has(kw, "montagna") && (f = Terrain(p)) != Flow::kGoOn) return f;
  if (Has(kw, "indicatori_v") && (f = SpeedBoard(p)) != Flow::kGoOn) return f;
  if (Has(kw, "cartello") && Has(kw, "indicat")) return TextBoard(p);
  return f;
}

}  // namespace

Flow ReadLineBody(ParseSession& p, LineCursors& c) {
  std::string kw;
  while (p.NextBodyKeyword(&kw)) {
    if (Flow f = BodyEntry(p, c, kw); f != Flow::kGoOn) return f;
  }
  return Flow::kEndOfFile;
}

Flow EndLineFile(ParseSession& p, LineCursors& c) {
  p.DeleteCurrent();
  const int64_t tail_end = static_cast<int64_t>(p.s.ultima_cella) - 2;
  if (FillGradient(p, c, tail_end) == Flow::kStop) return Flow::kStop;
  if (p.s.j != 0 && p.s.tracciato) {
    Tracciato& t = *p.s.tracciato;
    PlanStraight(t, c.m, static_cast<int64_t>(t.ultimo_metro()) - 2, false);
  }
  return Flow::kGoOn;
}

}  // namespace percorso
