#include "inspect/view_curves.h"

#include <cmath>
#include <numbers>

#include "model/grammar.h"

namespace percorso {
namespace {

bool HasPoint(const GeometryTable& t, int64_t x) {
  return t.contains(x) && t.tag(x, 0) != Tag::kVuoto && t.tag(x, 1) != Tag::kVuoto;
}

/// The direction of the track from metre m to m + 1, in radians.
double Heading(const GeometryTable& t, int64_t m) {
  return std::atan2(t.valore(m + 1, 1) - t.valore(m, 1), t.valore(m + 1, 0) - t.valore(m, 0));
}

/// The change of direction from one metre to the next, within -pi .. pi.
double Wrapped(double a) {
  while (a > std::numbers::pi) a -= 2 * std::numbers::pi;
  while (a < -std::numbers::pi) a += 2 * std::numbers::pi;
  return a;
}

}  // namespace

std::vector<ViewCurve> FindCurves(const ViewScenario& s, const RecordIndex& records) {
  std::vector<ViewCurve> out;
  if (!s.tracciato) return out;
  const GeometryTable& t = *s.tracciato;
  double gentlest = 1;
  for (const CurveClass& c : CurveClasses()) gentlest = std::min(gentlest, c.turn);
  const double straight = gentlest / 10;
  std::vector<const SourceEntry*> entries = records.OfKind(EntryKind::kCurve);
  size_t next = 0;
  ViewCurve run;
  double sum = 0;
  int64_t count = 0;
  auto close = [&](int64_t end) {
    if (count == 0) return;
    run.end = end;
    run.turn = sum / static_cast<double>(count);
    // The entry whose start lies within a few metres of the curve's.
    while (next < entries.size() && entries[next]->numbers[0] < run.start - 3) ++next;
    if (next < entries.size() && entries[next]->numbers[0] <= run.start + 3) {
      run.record = entries[next++];
    }
    out.push_back(run);
    run = ViewCurve{};
    sum = 0;
    count = 0;
  };
  for (int64_t m = 0; m + 2 <= t.ultimo_metro(); ++m) {
    if (!HasPoint(t, m) || !HasPoint(t, m + 1) || !HasPoint(t, m + 2)) {
      close(m);
      continue;
    }
    const double turn = Wrapped(Heading(t, m + 1) - Heading(t, m));
    const bool curving = std::fabs(turn) > straight;
    const double mean = count ? sum / static_cast<double>(count) : 0;
    // A curve ends where the track runs straight, turns the other way, or
    // turns at a rate of its own (the next curve begins there).
    if (count &&
        (!curving || (turn > 0) != (mean > 0) || std::fabs(turn - mean) > 0.2 * std::fabs(mean))) {
      close(m + 1);
    }
    if (!curving) continue;
    if (count == 0) run.start = m + 1;
    sum += turn;
    ++count;
  }
  close(t.ultimo_metro());
  return out;
}

const char* CurveSide(const ViewCurve& c) {
  return c.turn > 0 ? "left" : "right";
}

int64_t CurveRadius(const ViewCurve& c) {
  return c.turn == 0 ? 0 : std::llround(1 / std::fabs(c.turn));
}

}  // namespace percorso
