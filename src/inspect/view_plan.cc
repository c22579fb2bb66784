#include "inspect/view_plan.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "inspect/page_numbers.h"
#include "inspect/text_out.h"

namespace percorso {
namespace {

bool HasPoint(const GeometryTable& t, int64_t x) {
  return t.contains(x) && t.tag(x, 0) != Tag::kVuoto && t.tag(x, 1) != Tag::kVuoto;
}

/// Turns the plane coordinates so that the chord from the first to the last
/// point lies along the first axis, the start at the origin.
class Turn {
 public:
  Turn(const GeometryTable& t, int64_t first, int64_t last)
      : x0_(t.valore(first, 0)), y0_(t.valore(first, 1)) {
    double cx = t.valore(last, 0) - x0_;
    double cy = t.valore(last, 1) - y0_;
    double chord = std::hypot(cx, cy);
    if (std::isfinite(chord) && chord > 1e-9) {
      cos_ = cx / chord;
      sin_ = cy / chord;
    }
  }
  std::string Triple(const GeometryTable& t, int64_t m) const {
    double dx = t.valore(m, 0) - x0_, dy = t.valore(m, 1) - y0_;
    return "[" + std::to_string(m) + "," + Num(dx * cos_ + dy * sin_) + "," +
           Num(-dx * sin_ + dy * cos_) + "]";
  }

 private:
  double x0_, y0_;
  double cos_ = 1, sin_ = 0;
};

}  // namespace

PlanData MakePlan(const ViewScenario& s) {
  PlanData out;
  if (!s.tracciato) {
    out.element =
        "<p class=\"no-plan\">No geometry file: the plan of the line cannot be drawn.</p>\n";
    return out;
  }
  const GeometryTable& t = *s.tracciato;
  int64_t first = -1, last = -1;
  double min_x = std::numeric_limits<double>::max(), max_x = -min_x;
  double min_y = min_x, max_y = -min_x;
  for (int64_t x = 0; x <= t.ultimo_metro(); ++x) {
    if (!HasPoint(t, x)) continue;
    if (first < 0) first = x;
    last = x;
    min_x = std::min(min_x, t.valore(x, 0));
    max_x = std::max(max_x, t.valore(x, 0));
    min_y = std::min(min_y, t.valore(x, 1));
    max_y = std::max(max_y, t.valore(x, 1));
  }
  if (first < 0) {
    out.element =
        "<p class=\"no-plan\">The geometry file holds no metre with both coordinates.</p>\n";
    return out;
  }
  Turn turn(t, first, last);
  const int64_t most = static_cast<int64_t>(kMaxPlanPoints);
  int64_t step = std::max<int64_t>(1, (last - first + most - 1) / most);
  std::string points;
  size_t count = 0;
  for (int64_t x = first;; x += step) {
    if (x > last) x = last;
    if (HasPoint(t, x)) {
      points += (points.empty() ? "" : ",") + turn.Triple(t, x);
      ++count;
    }
    if (x == last) break;
  }
  out.json = "{\"first\":" + std::to_string(first) + ",\"last\":" + std::to_string(last) +
             ",\"points\":[" + points + "]}";
  out.element = "<svg id=\"plan\" class=\"plan\" data-extent=\"" + ShortestDouble(min_x) + " " +
                ShortestDouble(max_x) + " " + ShortestDouble(min_y) + " " + ShortestDouble(max_y) +
                "\" data-points=\"" + std::to_string(count) +
                "\" role=\"group\" aria-label=\"Plan of the line\"></svg>\n";
  return out;
}

}  // namespace percorso
