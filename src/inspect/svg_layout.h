// Small pieces of drawing layout for the scenario page: numbers for SVG
// attributes, kilometre ticks, text width estimates, label lanes and the
// grouping of marks that would overlap.
#ifndef PERCORSO_INSPECT_SVG_LAYOUT_H_
#define PERCORSO_INSPECT_SVG_LAYOUT_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace percorso {

/// A coordinate for an SVG attribute: at most one decimal, no trailing zero
/// ("12.5", "12", "-3").
std::string Num(double v);

/// Metres as kilometres without trailing zeros: 104000 gives "104", 2750
/// "2.75", 0 "0".
std::string KmLabel(int64_t metres);

/// The distance in metres between labelled kilometre ticks: the smallest of 1,
/// 2, 5, 10, 20, 50 ... km whose ticks stay at least `min_spacing` pixels apart
/// when `metres` span `pixels`.
int64_t TickStep(int64_t metres, double pixels, double min_spacing);

/// The width of a text in pixels, estimated from its characters (no font is
/// measured).
double TextWidth(std::string_view utf8, double font_size);

/// Horizontal intervals already taken by labels, on a few levels: a label goes
/// on the first level where it overlaps nothing.
class LabelLanes {
 public:
  explicit LabelLanes(int levels) : taken_(static_cast<size_t>(levels)) {}
  /// The lowest level below `levels` (all levels when negative) where
  /// [x0, x1] is free, which it then takes; -1 when none is.
  int Place(double x0, double x1, int levels = -1);

 private:
  std::vector<std::vector<std::pair<double, double>>> taken_;
};

/// Indexes of `xs` (sorted ascending) grouped into runs whose first and last
/// members are at most `gap` pixels apart, so that each run can be drawn as one
/// mark.
std::vector<std::vector<size_t>> GroupClose(const std::vector<double>& xs, double gap);

}  // namespace percorso

#endif  // PERCORSO_INSPECT_SVG_LAYOUT_H_
