#include "inspect/view_plan.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "inspect/dump_format.h"
#include "inspect/svg_layout.h"
#include "inspect/text_out.h"

namespace percorso {
namespace {

constexpr double kMargin = 40;
// Station names stand beside the line: room for them at both ends.
constexpr double kSideMargin = 140;
constexpr double kMinHeight = 150;
constexpr double kMaxHeight = 400;
constexpr double kLabelFont = 11;

struct Point {
  double x = 0;
  double y = 0;
};

struct Box {
  double x0, y0, x1, y1;
  bool Overlaps(const Box& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
};

bool HasPoint(const GeometryTable& t, int64_t x) {
  return t.contains(x) && t.tag(x, 0) != Tag::kVuoto && t.tag(x, 1) != Tag::kVuoto;
}

/// Turns the plane coordinates so that the chord from the first to the last
/// point lies level, start at the left, and scales them onto the page with the
/// second coordinate's direction pointing up.
class Frame {
 public:
  Frame(const GeometryTable& t, int64_t first, int64_t last, double width) {
    origin_ = {t.valore(first, 0), t.valore(first, 1)};
    double cx = t.valore(last, 0) - origin_.x;
    double cy = t.valore(last, 1) - origin_.y;
    double chord = std::hypot(cx, cy);
    if (chord > 1e-9) {
      cos_ = cx / chord;
      sin_ = cy / chord;
    }
    double umin = std::numeric_limits<double>::max(), umax = -umin;
    double vmin = umin, vmax = -umin;
    for (int64_t x = first; x <= last; ++x) {
      if (!HasPoint(t, x)) continue;
      Point p = Turn(t.valore(x, 0), t.valore(x, 1));
      umin = std::min(umin, p.x);
      umax = std::max(umax, p.x);
      vmin = std::min(vmin, p.y);
      vmax = std::max(vmax, p.y);
    }
    double urange = std::max(umax - umin, 1e-9);
    double vrange = std::max(vmax - vmin, 1e-9);
    scale_ = std::min((width - 2 * kSideMargin) / urange, (kMaxHeight - 2 * kMargin) / vrange);
    height_ = std::max(kMinHeight, vrange * scale_ + 2 * kMargin);
    umin_ = umin;
    left_ = kSideMargin + ((width - 2 * kSideMargin) - urange * scale_) / 2;
    // Centred vertically when the drawing is flatter than the least height.
    top_ = (height_ - vrange * scale_) / 2 + vmax * scale_;
    degrees_ = std::atan2(sin_, cos_) * 180 / std::numbers::pi;
  }

  Point Map(double x, double y) const {
    Point p = Turn(x, y);
    return {left_ + (p.x - umin_) * scale_, top_ - p.y * scale_};
  }
  double height() const { return height_; }
  double degrees() const { return degrees_; }

 private:
  Point Turn(double x, double y) const {
    double dx = x - origin_.x, dy = y - origin_.y;
    return {dx * cos_ + dy * sin_, -dx * sin_ + dy * cos_};
  }

  Point origin_;
  double cos_ = 1, sin_ = 0;
  double scale_ = 1, height_ = kMinHeight, umin_ = 0, left_ = 0, top_ = 0, degrees_ = 0;
};

/// The path through metres first..last, every `step` metres and the last one;
/// the points drawn are added to `drawn`.
std::string PathThrough(const GeometryTable& t, const Frame& frame, int64_t first, int64_t last,
                        int64_t step, std::vector<Point>* drawn) {
  std::string d;
  auto add = [&](int64_t x) {
    if (!HasPoint(t, x)) return;
    Point p = frame.Map(t.valore(x, 0), t.valore(x, 1));
    d += (d.empty() ? "M" : "L") + Num(p.x) + "," + Num(p.y);
    drawn->push_back(p);
  };
  for (int64_t x = first; x < last; x += step) add(x);
  add(last);
  return d;
}

/// The metre nearest to `m` that has both coordinates, within first..last.
int64_t Clamp(int64_t m, int64_t first, int64_t last) {
  return std::clamp(m, first, last);
}

}  // namespace

std::string RenderPlan(const ViewScenario& s, const ViewFeatures& f, double width) {
  if (!s.tracciato) {
    return "<p class=\"no-plan\">No geometry file: the plan of the line cannot be drawn.</p>\n";
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
    return "<p class=\"no-plan\">The geometry file holds no metre with both coordinates.</p>\n";
  }
  Frame frame(t, first, last, width);
  // Every step-th metre, and the last one.
  int64_t step = std::max<int64_t>(1, (last - first + static_cast<int64_t>(kMaxPlanPoints) - 1) /
                                          static_cast<int64_t>(kMaxPlanPoints));
  std::vector<Point> drawn;
  std::string line = PathThrough(t, frame, first, last, step, &drawn);
  size_t points = drawn.size();

  std::string out = "<svg id=\"plan\" class=\"plan\" width=\"" + Num(width) + "\" height=\"" +
                    Num(frame.height()) + "\" viewBox=\"0 0 " + Num(width) + " " +
                    Num(frame.height()) + "\" data-extent=\"" + ShortestDouble(min_x) + " " +
                    ShortestDouble(max_x) + " " + ShortestDouble(min_y) + " " +
                    ShortestDouble(max_y) + "\" data-first-metre=\"" + std::to_string(first) +
                    "\" data-last-metre=\"" + std::to_string(last) + "\" data-points=\"" +
                    std::to_string(points) + "\" data-turned=\"" + Num(frame.degrees()) +
                    "\" role=\"img\" aria-label=\"Plan of the line\">\n";
  out += "<path class=\"plan-line\" d=\"" + line + "\"><title>the line, metres " +
         std::to_string(first) + " to " + std::to_string(last) + "</title></path>\n";

  for (const ViewStretch& st : f.stretches) {
    if (!st.tunnel) continue;
    int64_t a = Clamp(CellMetres(st.first_cell), first, last);
    int64_t b = Clamp(CellMetres(st.last_cell + 1), first, last);
    if (b <= a) continue;
    std::vector<Point> ignored;
    out += "<path class=\"plan-tunnel\" d=\"" + PathThrough(t, frame, a, b, step, &ignored) +
           "\"><title>tunnel, km " + Kilometres(a) + " to " + Kilometres(b) + "</title></path>\n";
  }

  std::vector<Box> taken;
  auto direction_at = [&](int64_t m) {
    int64_t a = Clamp(m - 25, first, last), b = Clamp(m + 25, first, last);
    Point pa = frame.Map(t.valore(a, 0), t.valore(a, 1));
    Point pb = frame.Map(t.valore(b, 0), t.valore(b, 1));
    double len = std::hypot(pb.x - pa.x, pb.y - pa.y);
    if (len < 1e-9) return Point{1, 0};
    return Point{(pb.x - pa.x) / len, (pb.y - pa.y) / len};
  };
  // About one tick label every 90 pixels along the drawn line.
  double drawn_length = 0;
  for (size_t i = 1; i < drawn.size(); ++i) {
    drawn_length += std::hypot(drawn[i].x - drawn[i - 1].x, drawn[i].y - drawn[i - 1].y);
  }
  // A label must not cover the line either.
  auto covers_line = [&](const Box& b) {
    return std::any_of(drawn.begin(), drawn.end(), [&](const Point& p) {
      return p.x > b.x0 - 2 && p.x < b.x1 + 2 && p.y > b.y0 - 2 && p.y < b.y1 + 2;
    });
  };
  int64_t tick = TickStep(last - first, drawn_length, 90);
  out += "<g class=\"plan-km\">\n";
  for (int64_t m = 0; m <= last; m += tick) {
    if (m < first || !HasPoint(t, m)) continue;
    Point p = frame.Map(t.valore(m, 0), t.valore(m, 1));
    Point d = direction_at(m);
    Point n{d.y, -d.x};  // to the left of the direction of travel
    std::string km = KmLabel(m);
    Point lp{p.x - n.x * 14, p.y - n.y * 14};
    double w = TextWidth(km, 10);
    taken.push_back({lp.x - w / 2, lp.y - 6, lp.x + w / 2, lp.y + 6});
    out += "<g class=\"plan-km-tick\" data-km=\"" + km + "\"><line x1=\"" + Num(p.x + n.x * 4) +
           "\" y1=\"" + Num(p.y + n.y * 4) + "\" x2=\"" + Num(p.x - n.x * 4) + "\" y2=\"" +
           Num(p.y - n.y * 4) + "\"/><text class=\"plan-km-label\" x=\"" + Num(lp.x) + "\" y=\"" +
           Num(lp.y + 3.5) + "\">" + km + "</text></g>\n";
  }
  out += "</g>\n<g class=\"plan-stations\">\n";
  for (const ViewStation& st : f.stations) {
    int64_t m = Clamp(st.v->posizione, first, last);
    if (!HasPoint(t, m)) continue;
    Point p = frame.Map(t.valore(m, 0), t.valore(m, 1));
    taken.push_back({p.x - 3, p.y - 3, p.x + 3, p.y + 3});
  }
  for (const ViewStation& st : f.stations) {
    int64_t m = Clamp(st.v->posizione, first, last);
    if (!HasPoint(t, m)) continue;
    Point p = frame.Map(t.valore(m, 0), t.valore(m, 1));
    std::string name = HtmlEscape(st.name);
    out += "<g class=\"plan-station\" data-slot=\"" + std::to_string(st.slot) + "\"><title>" +
           name + ", km " + Kilometres(st.v->posizione) + " (slot " + std::to_string(st.slot) +
           ")</title><circle cx=\"" + Num(p.x) + "\" cy=\"" + Num(p.y) + "\" r=\"3.5\"/>";
    double w = TextWidth(st.name, kLabelFont);
    // Around the dot, nearest places first; the first place that is free.
    const Box candidates[] = {{p.x + 7, p.y - 6.5, p.x + 7 + w, p.y + 6.5},
                              {p.x - 7 - w, p.y - 6.5, p.x - 7, p.y + 6.5},
                              {p.x - w / 2, p.y - 19, p.x + w / 2, p.y - 6},
                              {p.x - w / 2, p.y + 6, p.x + w / 2, p.y + 19},
                              {p.x + 5, p.y - 19, p.x + 5 + w, p.y - 6},
                              {p.x + 5, p.y + 6, p.x + 5 + w, p.y + 19},
                              {p.x - 5 - w, p.y - 19, p.x - 5, p.y - 6},
                              {p.x - 5 - w, p.y + 6, p.x - 5, p.y + 19},
                              {p.x - w / 2, p.y - 32, p.x + w / 2, p.y - 19},
                              {p.x - w / 2, p.y + 19, p.x + w / 2, p.y + 32}};
    for (const Box& b : candidates) {
      if (std::any_of(taken.begin(), taken.end(), [&](const Box& o) { return o.Overlaps(b); }) ||
          covers_line(b)) {
        continue;
      }
      taken.push_back(b);
      out += "<text class=\"plan-station-label\" x=\"" + Num(b.x0) + "\" y=\"" + Num(b.y1 - 3) +
             "\">" + name + "</text>";
      break;
    }
    out += "</g>\n";
  }
  out += "</g>\n</svg>\n";
  return out;
}

}  // namespace percorso
