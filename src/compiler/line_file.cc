#include "compiler/line_file.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "compiler/keywords.h"
#include "compiler/line_body.h"
#include "compiler/plan.h"
#include "compiler/reference_order.h"
#include "model/cells.h"
#include "model/grammar.h"
#include "model/rounding.h"

namespace percorso {
namespace {

constexpr int32_t kLongestRoute = 1000000;
// Dash fields passed over in a row in the header.
constexpr int kHeaderDashSkips = 10;

Flow RouteLength(ParseSession& p) {
  int32_t lunghezza = 0;
  if (!p.ReadInts({&lunghezza})) return Flow::kStop;
  if (lunghezza > kLongestRoute) return p.StopInFile(Status::kRouteTooLong, 0);
  // Neither the cells nor the geometry can have a last index below 0.
  const int64_t estesa = static_cast<int64_t>(lunghezza) + kRouteExtension;
  const char* kNegative = "a route length below -7000 m leaves no cell";
  if (LastCellOf(estesa) < 0) return p.StoreFailure(kNegative);
  if (p.with_geometry() && estesa < 0) return p.StoreFailure(kNegative);
  create_route(p.model(), lunghezza);
  p.RouteRead(lunghezza);
  p.counts().has_route = true;
  p.counts().route_length = lunghezza;
  p.Slot(kVoceTreno).fine = lunghezza;
  return Flow::kGoOn;
}

bool Triple(ParseSession& p, int slot) {
  voce& v = p.Slot(slot);
  if (!p.ReadInts({&v.inizio, &v.fine, &v.posizione})) return false;
  p.ReferenceRead(slot);
  return true;
}

Flow SignalRepetition(ParseSession& p, const std::string& keyword) {
  voce& v = p.Slot(kVoceChiaveTreno);
  if (!p.ReadInts({&v.inizio, &v.fine})) return p.AfterFailure();
  if (!is_multiple(v.inizio, kCellMetres))
    return p.Stop(Status::kRepetitionStartNotMultiple, {}, 0);
  if (!is_multiple(v.fine, kCellMetres)) return p.Stop(Status::kRepetitionEndNotMultiple, {}, 1);
  int code = RepetitionCode(keyword);
  if (code == 0) return p.Stop(Status::kRepetitionWithoutCode);
  v.posizione = v.fine == 0 ? 0 : code;
  // A second position of 0 switches the repetition off.
  if (v.fine != 0 && v.fine < v.inizio) {
    p.Warn(WarningId::kReversedRepetition, p.FieldPlace(1),
           "the signal repetition runs from " + std::to_string(v.inizio) + " m to " +
               std::to_string(v.fine) +
               " m: its end lies before its start; write the smaller "
               "position first",
           {}, p.SwapFields(0, 1, "Swap the two positions of the repetition"));
  }
  return Flow::kGoOn;
}

// One header keyword that the keyword field passed takes its fields.
Flow HeaderField(ParseSession& p, KeywordId id, const std::string& kw) {
  voce& linea = p.Slot(kVoceLinea);
  const Flow failed = p.AfterFailure();
  switch (id) {
    case KeywordId::kLunghezzaPercorso:
      return RouteLength(p);
    case KeywordId::kProgressivaTre:
      return Triple(p, kVoceProgressivaTre) ? Flow::kGoOn : failed;
    case KeywordId::kProgressivaDue:
      return Triple(p, kVoceProgressivaDue) ? Flow::kGoOn : failed;
    case KeywordId::kProgressivaUno:
      return Triple(p, kVoceProgressivaUno) ? Flow::kGoOn : failed;
    case KeywordId::kSfondoUno:
      return p.ReadInts({&linea.inizio}) ? Flow::kGoOn : failed;
    case KeywordId::kSfondoDue:
      return p.ReadInts({&linea.posizione}) ? Flow::kGoOn : failed;
    case KeywordId::kSfondoTre:
      return p.ReadInts({&linea.fine}) ? Flow::kGoOn : failed;
    case KeywordId::kRipetizioneSegnali:
      return SignalRepetition(p, kw);
    default:
      return Flow::kGoOn;
  }
}

// Every header test that the keyword field passes takes its fields, in the
// order of the keyword table.
Flow HeaderEntry(ParseSession& p, const std::string& kw) {
  for (const KeywordRule& k : KeywordsOf(Grammar::kLineHeader)) {
    if (!Matches(k, kw)) continue;
    if (Flow f = HeaderField(p, k.id, kw); f != Flow::kGoOn) return f;
  }
  return Flow::kGoOn;
}

// The header runs up to its closing field, or to the end of the file.
Flow ReadHeader(ParseSession& p) {
  FieldReader& r = p.reader();
  std::string kw;
  for (;;) {
    if (r.at_end()) return Flow::kGoOn;
    r.ReadText(&kw);
    if (r.at_end()) return Flow::kGoOn;
    const bool first_on_line = r.first_on_line();
    for (int skips = 0; skips < kHeaderDashSkips && IsDashField(kw); ++skips) {
      if (!r.ReadText(&kw)) {
        p.MarkKeyword(kw, first_on_line);
        return p.ReadFailure("the file ends among the dash fields of the header");
      }
    }
    p.MarkKeyword(kw, first_on_line);
    Flow f = HeaderEntry(p, kw);
    if (f == Flow::kSkip) {
      r.SkipRestOfLine();
      continue;
    }
    if (f != Flow::kGoOn) return f;
    p.AfterEntry(Grammar::kLineHeader);
    if (ClosesHeader(kw)) return Flow::kGoOn;
  }
}

// Between header and body: the stretch list starts empty, the references are
// ordered (an overflow of their adjustment is a read failure), and the plan starts at the origin
// heading along the second coordinate; a table without metre 1 cannot hold the origin (a read
// failure).
Flow BetweenHeaderAndBody(ParseSession& p) {
  Scenario& s = p.model();
  p.stretches().inizi_tratti.clear();
  p.stretches().fini_tratti.clear();
  // A reference adjusted past the 32-bit range is an arithmetic overflow.
  const std::array<voce, 3> before = {s.voci[kVoceProgressivaTre], s.voci[kVoceProgressivaDue],
                                      s.voci[kVoceProgressivaUno]};
  if (!progressive_ordina(s)) {
    return p.StoreFailure("a kilometric reference plus 100 passes the 32-bit range");
  }
  p.ReferencesOrdered(before);
  if (s.tracciato && !PlanOrigin(*s.tracciato)) {
    return p.StoreFailure("the geometry has no room for its first two metres");
  }
  return Flow::kGoOn;
}

}  // namespace

Flow ReadLineFile(ParseSession& p) {
  if (!p.SourceExists(Source::kLinea)) {
    p.RaiseInFile(Status::kLineFileMissing, Source::kLinea);
    return Flow::kStop;
  }
  if (!p.Open(Source::kLinea)) return p.OpenFailure(Source::kLinea);
  std::optional<Note> near_miss;
  if (!p.FindGenerale(/*at_end_too=*/true, &near_miss)) {
    p.StopInFile(Status::kNoGenerale);
    if (near_miss && !p.recovering()) p.NoteOnStatus(*near_miss);
    return Flow::kStop;
  }
  if (ReadHeader(p) == Flow::kStop) return Flow::kStop;
  if (!p.has_route()) {
    p.NoRouteLength();
    // A check has nothing to place the rest on; the compile reads on, as it
    // always has, and writes nothing.
    if (p.recovering()) return Flow::kStop;
  }
  if (BetweenHeaderAndBody(p) == Flow::kStop) return Flow::kStop;
  LineCursors cursors;
  if (ReadLineBody(p, cursors) == Flow::kStop) return Flow::kStop;
  p.EndOfFile();
  return EndLineFile(p, cursors);
}

}  // namespace percorso
