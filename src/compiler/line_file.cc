#include "compiler/line_file.h"

#include <cstdint>
#include <string>

#include "compiler/keywords.h"
#include "compiler/line_body.h"
#include "compiler/plan.h"
#include "compiler/progressive.h"
#include "compiler/rounding.h"

namespace percorso {
namespace {

constexpr int32_t kLongestRoute = 1000000;
// Dash fields passed over in a row in the header.
constexpr int kHeaderDashSkips = 10;

// Reads up to the first field with "[generale]"; false when the end of the file
// comes first, also right after that field.
bool FindGenerale(FieldReader& r) {
  std::string field;
  for (;;) {
    if (r.at_end()) return false;
    r.ReadText(&field);
    if (r.at_end()) return false;
    if (IsGenerale(field)) return true;
  }
}

Flow RouteLength(ParseSession& p) {
  int32_t lunghezza = 0;
  if (!p.ReadInts({&lunghezza})) return Flow::kStop;
  if (lunghezza > kLongestRoute) return p.Stop(Status::kRouteTooLong);
  // Neither the cells nor the geometry can have a last index below 0.
  const int64_t estesa = static_cast<int64_t>(lunghezza) + 7000;
  if (nearest(static_cast<double>(estesa) / 50.0) < 0) return p.StoreFailure();
  if (p.s.j != 0 && estesa < 0) return p.StoreFailure();
  create_route(p.s, lunghezza);
  p.s.voci[kVoceTreno].fine = lunghezza;
  return Flow::kGoOn;
}

bool Triple(ParseSession& p, int slot) {
  voce& v = p.s.voci[slot];
  return p.ReadInts({&v.inizio, &v.fine, &v.posizione});
}

Flow SignalRepetition(ParseSession& p, const std::string& keyword) {
  voce& v = p.s.voci[kVoceChiaveTreno];
  if (!p.ReadInts({&v.inizio, &v.fine})) return Flow::kStop;
  if (!is_multiple(v.inizio, 50)) return p.Stop(Status::kRepetitionStartNotMultiple);
  if (!is_multiple(v.fine, 50)) return p.Stop(Status::kRepetitionEndNotMultiple);
  int code = RepetitionCode(keyword);
  if (code == 0) return p.Stop(Status::kRepetitionWithoutCode);
  v.posizione = v.fine == 0 ? 0 : code;
  return Flow::kGoOn;
}

// Every header test that the keyword field passes takes its fields, in order.
Flow HeaderEntry(ParseSession& p, const std::string& kw) {
  voce& linea = p.s.voci[kVoceLinea];
  if (Has(kw, "percorso") && Has(kw, "lunghezza")) {
    if (Flow f = RouteLength(p); f != Flow::kGoOn) return f;
  }
  bool progressiva = HasExact(kw, "progressiva");
  if (progressiva && HasExact(kw, "tre") && !Triple(p, kVoceProgressivaTre)) return Flow::kStop;
  if (progressiva && HasExact(kw, "due") && !Triple(p, kVoceProgressivaDue)) return Flow::kStop;
  if (progressiva && HasExact(kw, "uno") && !Triple(p, kVoceProgressivaUno)) return Flow::kStop;
  bool sfondo = HasExact(kw, "sfondo");
  if (sfondo && HasExact(kw, "uno") && !p.ReadInts({&linea.inizio})) return Flow::kStop;
  if (sfondo && HasExact(kw, "due") && !p.ReadInts({&linea.posizione})) return Flow::kStop;
  if (sfondo && HasExact(kw, "tre") && !p.ReadInts({&linea.fine})) return Flow::kStop;
  if (HasExact(kw, "segnali") && HasExact(kw, "ripetizione")) return SignalRepetition(p, kw);
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
    for (int skips = 0; skips < kHeaderDashSkips && IsDashField(kw); ++skips) {
      if (!r.ReadText(&kw)) return p.ReadFailure();
    }
    p.MarkKeyword(kw);
    if (Flow f = HeaderEntry(p, kw); f != Flow::kGoOn) return f;
    if (ClosesHeader(kw)) return Flow::kGoOn;
  }
}

// Between header and body: the stretch list starts empty, the references are
// ordered (an overflow of their adjustment is a read failure), and the plan starts at the origin
// heading along the second coordinate; a table without metre 1 cannot hold the origin (a read
// failure).
Flow BetweenHeaderAndBody(ParseSession& p) {
  Scenario& s = p.s;
  s.inizi_tratti.clear();
  s.fini_tratti.clear();
  // A reference adjusted past the 32-bit range is an arithmetic overflow.
  if (!progressive_ordina(s)) return p.StoreFailure();
  if (s.tracciato && !PlanOrigin(*s.tracciato)) return p.StoreFailure();
  return Flow::kGoOn;
}

}  // namespace

Flow ReadLineFile(ParseSession& p) {
  if (!p.files().Exists(Source::kLinea)) {
    p.s.SetStatus(Status::kLineFileMissing, p.FilePlace(Source::kLinea));
    return Flow::kStop;
  }
  if (!p.Open(Source::kLinea)) return p.OpenFailure(Source::kLinea);
  if (!FindGenerale(p.reader())) return p.StopInFile(Status::kNoGenerale);
  if (ReadHeader(p) == Flow::kStop) return Flow::kStop;
  if (BetweenHeaderAndBody(p) == Flow::kStop) return Flow::kStop;
  LineCursors cursors;
  if (ReadLineBody(p, cursors) == Flow::kStop) return Flow::kStop;
  return EndLineFile(p, cursors);
}

}  // namespace percorso
