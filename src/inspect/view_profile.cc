#include "inspect/view_profile.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "inspect/dump_format.h"
#include "inspect/svg_layout.h"
#include "inspect/text_out.h"

namespace percorso {
namespace {

constexpr double kGutter = 150;  // row titles and value ticks
constexpr double kRight = 120;   // room for labels past the end of the line
constexpr double kFont = 11;
// At most this many cells are listed in the tooltip of a grouped mark.
constexpr size_t kListedInTooltip = 6;

std::string Title(std::string_view text) {
  return "<title>" + HtmlEscape(text) + "</title>";
}

/// One line per cell for the tooltip of a grouped mark.
std::string ShortCell(size_t index, const cella& c) {
  return "cell " + std::to_string(index) + ", km " +
         Kilometres(CellMetres(static_cast<int64_t>(index))) + ": " +
         std::string(TipoName(c.tipo)) + "  dato1 " + std::to_string(c.dato1) + "  dato2 " +
         std::to_string(c.dato2) + "  dato3 " + std::to_string(c.dato3) + "  dato4 " +
         std::to_string(c.dato4) + "  tempo " + std::to_string(c.tempo);
}

class Chart {
 public:
  Chart(const ViewScenario& s, const ViewFeatures& f, double width)
      : s_(s), f_(f), width_(width), plot_(width - kGutter - kRight) {}

  std::string Render() {
    StationsRow();
    FeaturesRow(FeatureRow::kSignals, "signals", "signal", 4);
    SlowdownsRow();
    FeaturesRow(FeatureRow::kSpeedBoards, "speed boards", "speed-board", 4);
    FeaturesRow(FeatureRow::kTextBoards, "text boards", "text-board", 4);
    FeaturesRow(FeatureRow::kMarkers, "markers, cut-offs", "marker", 3);
    ProfileRows();
    TerrainRow();
    std::string axis = Axis();
    double height = y_ + 44;
    std::string out = "<svg id=\"profile\" class=\"profile\" width=\"" + Num(width_) +
                      "\" height=\"" + Num(height) + "\" viewBox=\"0 0 " + Num(width_) + " " +
                      Num(height) + "\" data-axis-metres=\"" + std::to_string(f_.axis_metres) +
                      "\" data-plot-left=\"" + Num(kGutter) + "\" data-plot-width=\"" + Num(plot_) +
                      "\" role=\"img\" aria-label=\"Route along the kilometres\">\n";
    out += grid_ + body_ + axis;
    out += "<line id=\"cursor-line\" x1=\"0\" x2=\"0\" y1=\"0\" y2=\"" + Num(y_) +
           "\" visibility=\"hidden\"/><text id=\"cursor-label\" x=\"0\" y=\"" + Num(y_ + 36) +
           "\" visibility=\"hidden\"></text>\n</svg>\n";
    return out;
  }

 private:
  double X(int64_t metres) const {
    double m = std::clamp(static_cast<double>(metres), 0.0, static_cast<double>(f_.axis_metres));
    return kGutter + m * plot_ / static_cast<double>(f_.axis_metres);
  }
  double CellX(int64_t cell) const { return X(CellMetres(cell)); }
  const cella& Cell(int64_t i) const { return s_.celle[static_cast<size_t>(i)]; }

  void BeginRow(std::string_view cls, std::string_view title, double height,
                std::string_view subtitle = "") {
    body_ += "<g class=\"row " + std::string(cls) + "\" transform=\"translate(0," + Num(y_) +
             ")\" data-height=\"" + Num(height) +
             "\">\n<text class=\"row-title\" x=\"8\" y=\"16\">" + HtmlEscape(title) + "</text>\n";
    if (!subtitle.empty()) {
      body_ +=
          "<text class=\"row-subtitle\" x=\"8\" y=\"29\">" + HtmlEscape(subtitle) + "</text>\n";
    }
    body_ += "<line class=\"row-rule\" x1=\"" + Num(kGutter) + "\" x2=\"" + Num(kGutter + plot_) +
             "\" y1=\"" + Num(height) + "\" y2=\"" + Num(height) + "\"/>\n";
    row_height_ = height;
  }
  void EndRow() {
    body_ += "</g>\n";
    y_ += row_height_;
  }

  /// The tooltip of a mark that stands for `cells`.
  std::string GroupTitle(std::string_view what, const std::vector<int64_t>& cells,
                         const std::function<std::string(int64_t)>& extra) const {
    if (cells.size() == 1) {
      std::string text = CellSummary(static_cast<size_t>(cells[0]), Cell(cells[0]));
      std::string more = extra(cells[0]);
      if (!more.empty()) text += "\n" + more;
      return Title(text);
    }
    std::string text = std::to_string(cells.size()) + " " + std::string(what) + ", km " +
                       Kilometres(CellMetres(cells.front())) + " to " +
                       Kilometres(CellMetres(cells.back()));
    for (size_t i = 0; i < cells.size() && i < kListedInTooltip; ++i) {
      text += "\n" + ShortCell(static_cast<size_t>(cells[i]), Cell(cells[i]));
      std::string more = extra(cells[i]);
      if (!more.empty()) text += "  " + more;
    }
    if (cells.size() > kListedInTooltip) {
      text += "\n... and " + std::to_string(cells.size() - kListedInTooltip) + " more";
    }
    return Title(text);
  }

  void StationsRow() {
    const double height = 190, base = 178;
    BeginRow("row-stations", "stations", height);
    std::vector<const ViewStation*> stations;
    for (const ViewStation& st : f_.stations) stations.push_back(&st);
    std::stable_sort(stations.begin(), stations.end(), [](const auto* a, const auto* b) {
      return a->v->posizione < b->v->posizione;
    });
    for (const ViewStation* st : stations) {
      double x0 = X(st->v->inizio), x1 = X(st->v->fine);
      body_ += "<rect class=\"station-area\" x=\"" + Num(x0) + "\" y=\"" + Num(base - 14) +
               "\" width=\"" + Num(std::max(x1 - x0, 1.0)) + "\" height=\"14\"/>\n";
    }
    std::vector<double> xs;
    for (const ViewStation* st : stations) xs.push_back(X(st->v->posizione));
    std::vector<std::vector<size_t>> groups = GroupClose(xs, 14);
    for (size_t gi = 0; gi < groups.size(); ++gi) {
      const std::vector<size_t>& group = groups[gi];
      const ViewStation& st = *stations[group.front()];
      double x = xs[group.front()];
      // The time and the count go under the name where the next label leaves room.
      bool room_below = gi + 1 == groups.size() || xs[groups[gi + 1].front()] - x >= 34;
      std::string tip;
      for (size_t k = 0; k < group.size() && k < kListedInTooltip; ++k) {
        const ViewStation& g = *stations[group[k]];
        if (k > 0) tip += "\n\n";
        tip += g.name + " (slot " + std::to_string(g.slot) + ")\nposition km " +
               Kilometres(g.v->posizione) + ", area km " + Kilometres(g.v->inizio) + " to " +
               Kilometres(g.v->fine) + "\ntipo " + std::to_string(g.v->tipo) + ", orario " +
               std::to_string(g.v->orario) +
               (g.v->orario != 0 ? " (" + ClockTime(g.v->orario) + ")" : "") +
               (g.stop_cell >= 0 ? "\nstopping mark in cell " + std::to_string(g.stop_cell)
                                 : std::string());
      }
      if (group.size() > kListedInTooltip) {
        tip += "\n\n... and " + std::to_string(group.size() - kListedInTooltip) + " more";
      }
      body_ += "<g class=\"feature station\" data-slot=\"" + std::to_string(st.slot) +
               "\" data-count=\"" + std::to_string(group.size()) + "\">" + Title(tip) +
               "<line class=\"station-tick\" x1=\"" + Num(x) + "\" x2=\"" + Num(x) + "\" y1=\"" +
               Num(base - 34) + "\" y2=\"" + Num(base) + "\"/>";
      for (size_t k : group) {
        if (stations[k]->stop_cell < 0) continue;
        double sx = CellX(stations[k]->stop_cell);
        body_ += "<path class=\"station-stop\" d=\"M" + Num(sx) + "," + Num(base) + "l-4,8h8z\"/>";
      }
      body_ += "<g transform=\"translate(" + Num(x + 2) + "," + Num(base - 38) +
               ") rotate(-45)\"><text class=\"station-label\" x=\"0\" y=\"0\">" +
               HtmlEscape(st.name) + "</text>";
      if (st.v->orario != 0 && room_below) {
        body_ +=
            "<text class=\"station-time\" x=\"2\" y=\"11\">" + ClockTime(st.v->orario) + "</text>";
      }
      if (group.size() > 1 && room_below) {
        body_ += "<text class=\"station-more\" x=\"2\" y=\"" + Num(st.v->orario != 0 ? 21 : 11) +
                 "\">+" + std::to_string(group.size() - 1) + " more</text>";
      }
      body_ += "</g></g>\n";
    }
    EndRow();
  }

  /// The cells of `row`, in index order.
  std::vector<const ViewFeature*> Of(FeatureRow row) const {
    std::vector<const ViewFeature*> out;
    for (const ViewFeature& ft : f_.features) {
      if (ft.row == row) out.push_back(&ft);
    }
    return out;
  }

  /// Marks for single-cell features, grouped where they would overlap. A
  /// group's label is drawn when it finds room on one of two levels.
  void FeaturesRow(FeatureRow row, std::string_view title, std::string_view cls, double gap) {
    const double height = row == FeatureRow::kTextBoards ? 52 : 40;
    BeginRow("row-" + std::string(cls), title, height);
    DrawMarks(Of(row), cls, gap, height, title);
    EndRow();
  }

  void DrawMarks(const std::vector<const ViewFeature*>& items, std::string_view cls, double gap,
                 double height, std::string_view what) {
    std::vector<double> xs;
    for (const ViewFeature* ft : items) xs.push_back(CellX(ft->cell));
    LabelLanes lanes(2);
    const double mark_y = height - 12;
    for (const std::vector<size_t>& group : GroupClose(xs, gap)) {
      std::vector<int64_t> cells;
      double sum = 0;
      for (size_t k : group) {
        cells.push_back(items[k]->cell);
        sum += xs[k];
      }
      double x = sum / static_cast<double>(group.size());
      const ViewFeature& first = *items[group.front()];
      const cella& c = Cell(first.cell);
      std::string glyph_cls(cls);
      if (c.tipo == kAbbattimentoNullo) glyph_cls += " cut-off";
      if (c.tipo == kNumerataRallentamento) glyph_cls += " numbered";
      body_ += "<g class=\"feature " + glyph_cls + "\" data-cell=\"" + std::to_string(first.cell) +
               "\" data-count=\"" + std::to_string(group.size()) + "\">" +
               GroupTitle(what, cells, [&](int64_t cell) { return Extra(cell); });
      body_ += Glyph(cls, c, x, mark_y, group.size());
      std::string label = group.size() == 1 ? first.label : "";
      if (!label.empty()) {
        double w = TextWidth(label, kFont - 1);
        int level = lanes.Place(x - 2, x + w + 4);
        if (level >= 0) {
          body_ += "<text class=\"mark-label\" x=\"" + Num(x + 4) + "\" y=\"" +
                   Num(mark_y - 8 - 11 * level) + "\">" + HtmlEscape(label) + "</text>";
        }
      } else if (group.size() > 1) {
        std::string count = std::to_string(group.size());
        double w = TextWidth(count, kFont - 1.5);
        int level = lanes.Place(x - w / 2 - 1, x + w / 2 + 1, 1);
        if (level >= 0) {
          body_ += "<text class=\"mark-count\" x=\"" + Num(x) + "\" y=\"" +
                   Num(mark_y - 9 - 11 * level) + "\">" + count + "</text>";
        }
      }
      body_ += "</g>\n";
    }
  }

  std::string Extra(int64_t cell) const {
    const cella& c = Cell(cell);
    if (c.tipo == kIndicatoreVMax) {
      return "speeds A " + SpeedCodeText(c.dato1) + ", B " + SpeedCodeText(c.dato2) + ", C " +
             SpeedCodeText(c.dato3) + " km/h";
    }
    if (c.tipo == kCartello) {
      return "text (slot " + std::to_string(c.dato1) + "): " + BoardText(s_, c);
    }
    return "";
  }

  static std::string Glyph(std::string_view cls, const cella& c, double x, double y, size_t count) {
    double grow = count > 1 ? 1.5 : 0;
    if (cls == "signal") {
      return "<line class=\"glyph-post\" x1=\"" + Num(x) + "\" x2=\"" + Num(x) + "\" y1=\"" +
             Num(y + 8) + "\" y2=\"" + Num(y - 1) + "\"/><circle class=\"glyph\" cx=\"" + Num(x) +
             "\" cy=\"" + Num(y - 3) + "\" r=\"" + Num(3 + grow) + "\"/>";
    }
    if (cls == "slowdown-board" && c.tipo == kAvvisoRallentamento) {
      return "<path class=\"glyph\" d=\"M" + Num(x) + "," + Num(y - 7) + "l6,11h-12z\"/>";
    }
    if (cls == "speed-board") {
      return "<rect class=\"glyph\" x=\"" + Num(x - 3 - grow) + "\" y=\"" + Num(y - 4 - grow) +
             "\" width=\"" + Num(6 + 2 * grow) + "\" height=\"" + Num(8 + 2 * grow) + "\"/>";
    }
    if (cls == "text-board") {
      return "<path class=\"glyph\" d=\"M" + Num(x) + "," + Num(y - 6) + "l5,6l-5,6l-5,-6z\"/>";
    }
    return "<circle class=\"glyph\" cx=\"" + Num(x) + "\" cy=\"" + Num(y) + "\" r=\"" +
           Num(2.5 + grow) + "\"/>";
  }

  void SlowdownsRow() {
    const double height = 56;
    BeginRow("row-slowdowns", "slowdowns", height);
    LabelLanes lanes(2);
    for (const ViewSlowdown& sd : f_.slowdowns) {
      double x0 = CellX(sd.start_cell), x1 = std::max(CellX(sd.end_cell), x0 + 2);
      std::string label = std::to_string(sd.speed) + " km/h";
      body_ += "<g class=\"feature slowdown\" data-cell=\"" + std::to_string(sd.start_cell) +
               "\" data-end-cell=\"" + std::to_string(sd.end_cell) + "\" data-count=\"1\">" +
               Title("slowdown at " + std::to_string(sd.speed) + " km/h, km " +
                     Kilometres(CellMetres(sd.start_cell)) + " to " +
                     Kilometres(CellMetres(sd.end_cell)) + "\nstart: " +
                     CellSummary(static_cast<size_t>(sd.start_cell), Cell(sd.start_cell)) +
                     "\nend: " + CellSummary(static_cast<size_t>(sd.end_cell), Cell(sd.end_cell))) +
               "<rect class=\"slowdown-bar\" x=\"" + Num(x0) + "\" y=\"" + Num(height - 20) +
               "\" width=\"" + Num(x1 - x0) + "\" height=\"9\"/>";
      int level = lanes.Place(x0 - 2, x0 + TextWidth(label, kFont - 1) + 2);
      if (level >= 0) {
        body_ += "<text class=\"mark-label\" x=\"" + Num(x0) + "\" y=\"" +
                 Num(height - 24 - 11 * level) + "\">" + label + "</text>";
      }
      body_ += "</g>\n";
    }
    DrawMarks(Of(FeatureRow::kSlowdownBoards), "slowdown-board", 4, height, "slowdown boards");
    EndRow();
  }

  /// A step line through one value per cell. With more changes than pixel
  /// columns, each column shows the least and greatest value in it instead.
  std::string StepPath(const std::vector<double>& v, const std::function<double(double)>& y) const {
    size_t n = s_.celle.size();
    if (n < 2) return "";
    size_t runs = 1;
    for (size_t i = 2; i < n; ++i) runs += v[i] != v[i - 1];
    std::string d;
    if (static_cast<double>(runs) <= plot_) {
      d = "M" + Num(CellX(1)) + "," + Num(y(v[1]));
      for (size_t i = 2; i < n; ++i) {
        if (v[i] == v[i - 1]) continue;
        d += "H" + Num(CellX(static_cast<int64_t>(i))) + "V" + Num(y(v[i]));
      }
      d += "H" + Num(X(CellMetres(static_cast<int64_t>(n))));
      return d;
    }
    size_t columns = static_cast<size_t>(std::ceil(plot_));
    std::vector<double> lo(columns, INFINITY), hi(columns, -INFINITY);
    for (size_t i = 1; i < n; ++i) {
      size_t col =
          std::min(columns - 1,
                   static_cast<size_t>(std::max(0.0, CellX(static_cast<int64_t>(i)) - kGutter)));
      lo[col] = std::min(lo[col], v[i]);
      hi[col] = std::max(hi[col], v[i]);
    }
    for (size_t col = 0; col < columns; ++col) {
      if (lo[col] > hi[col]) continue;
      double x = kGutter + static_cast<double>(col) + 0.5;
      d += (d.empty() ? "M" : "L") + Num(x) + "," + Num(y(hi[col])) + "V" + Num(y(lo[col]));
    }
    return d;
  }

  std::string ValueTick(double y, std::string_view text) const {
    return "<text class=\"value-tick\" x=\"" + Num(kGutter - 6) + "\" y=\"" + Num(y + 3.5) + "\">" +
           HtmlEscape(text) + "</text><line class=\"value-rule\" x1=\"" + Num(kGutter) +
           "\" x2=\"" + Num(kGutter + plot_) + "\" y1=\"" + Num(y) + "\" y2=\"" + Num(y) + "\"/>\n";
  }

  std::vector<double> Values(const std::function<double(const cella&)>& of) const {
    std::vector<double> v(s_.celle.size(), 0);
    for (size_t i = 0; i < v.size(); ++i) v[i] = of(s_.celle[i]);
    return v;
  }

  static double RoundUp(double v, double step) {
    return std::max(step, std::ceil(v / step) * step);
  }

  // The gradient of every cell in per mille. A cell that no gradient reached
  // (0, past the end of the profile) keeps the gradient before it.
  std::vector<double> Gradients() const {
    std::vector<double> grad(s_.celle.size(), 0);
    for (size_t i = 0; i < grad.size(); ++i) {
      uint8_t p = s_.celle[i].pendenza;
      grad[i] = p != 0 ? p - 100.0 : (i > 0 ? grad[i - 1] : 0);
    }
    return grad;
  }

  void ProfileRows() {
    if (s_.celle.size() < 2) return;
    auto max_of = [](const std::vector<double>& v) {
      return *std::max_element(v.begin() + 1, v.end());
    };
    // Each chart draws between kTop and its height less kBottom.
    constexpr double kTop = 12, kBottom = 8;
    {
      std::vector<double> speed = Values([](const cella& c) { return c.velocita * 5.0; });
      const double h = 100, top = RoundUp(max_of(speed), 40);
      auto y = [&](double v) { return h - kBottom - v / top * (h - kTop - kBottom); };
      BeginRow("row-speed", "line speed", h, "km/h");
      body_ +=
          ValueTick(y(0), "0") + ValueTick(y(top / 2), Num(top / 2)) + ValueTick(y(top), Num(top));
      body_ += "<path class=\"series speed\" d=\"" + StepPath(speed, y) + "\"/>\n";
      EndRow();
    }
    {
      std::vector<double> grad = Gradients();
      double extreme = 0;
      for (size_t i = 1; i < grad.size(); ++i) extreme = std::max(extreme, std::fabs(grad[i]));
      const double h = 100, top = RoundUp(extreme, 5);
      const double mid = (kTop + h - kBottom) / 2;
      auto y = [&](double v) { return mid - v / top * (mid - kTop); };
      BeginRow("row-gradient", "gradient", h, "\u2030, rising +");
      body_ += ValueTick(y(top), "+" + Num(top)) + ValueTick(y(0), "0") +
               ValueTick(y(-top), "-" + Num(top));
      body_ += "<path class=\"series gradient\" d=\"" + StepPath(grad, y) + "\"/>\n";
      EndRow();
    }
    {
      // Each cell climbs its gradient (per mille) over its 50 metres, from 0 at
      // the start of the line.
      std::vector<double> grad = Gradients();
      std::vector<double> alt(s_.celle.size(), 0);
      for (size_t i = 1; i < alt.size(); ++i) alt[i] = (i > 1 ? alt[i - 1] : 0) + grad[i] * 0.05;
      double lo = std::min(0.0, *std::min_element(alt.begin() + 1, alt.end()));
      double hi = std::max(0.0, *std::max_element(alt.begin() + 1, alt.end()));
      double span = std::max(hi - lo, 1.0);
      const double h = 100;
      auto y = [&](double v) { return h - kBottom - (v - lo) / span * (h - kTop - kBottom); };
      BeginRow("row-altitude", "altitude", h, "m, summed gradients");
      body_ += ValueTick(y(lo), Num(lo)) + ValueTick(y(hi), Num(hi));
      // One point per pixel column at most: the height where the column ends.
      std::string d = "M" + Num(CellX(1)) + "," + Num(y(0));
      for (size_t i = 1; i < alt.size(); ++i) {
        double x = X(CellMetres(static_cast<int64_t>(i) + 1));
        bool column_end = i + 1 == alt.size() ||
                          std::floor(X(CellMetres(static_cast<int64_t>(i) + 2))) != std::floor(x);
        if (column_end) d += "L" + Num(x) + "," + Num(y(alt[i]));
      }
      body_ += "<path class=\"series altitude\" d=\"" + d + "V" + Num(y(lo)) + "H" + Num(CellX(1)) +
               "Z\"/>\n";
      EndRow();
    }
    {
      std::vector<double> adh =
          Values([](const cella& c) { return static_cast<double>(c.aderenza); });
      const double h = 64, top = RoundUp(max_of(adh), 50);
      auto y = [&](double v) { return h - kBottom - v / top * (h - kTop - kBottom); };
      BeginRow("row-adhesion", "adhesion", h);
      body_ += ValueTick(y(0), "0") + ValueTick(y(top), Num(top));
      body_ += "<path class=\"series adhesion\" d=\"" + StepPath(adh, y) + "\"/>\n";
      EndRow();
    }
  }

  void TerrainRow() {
    const double height = 40;
    BeginRow("row-terrain", "terrain, tunnels", height);
    std::vector<double> xs;
    for (const ViewStretch& st : f_.stretches) xs.push_back(CellX(st.first_cell));
    for (const std::vector<size_t>& group : GroupClose(xs, 2)) {
      const ViewStretch& a = f_.stretches[group.front()];
      const ViewStretch& b = f_.stretches[group.back()];
      bool tunnel = false;
      for (size_t k : group) tunnel = tunnel || f_.stretches[k].tunnel;
      double x0 = CellX(a.first_cell), x1 = std::max(CellX(b.last_cell + 1), x0 + 1);
      std::string kind = tunnel ? "tunnel" : "terrain " + std::to_string(a.montagna);
      std::string tip = (group.size() > 1 ? std::to_string(group.size()) + " stretches, " : "") +
                        kind + ", montagna " + std::to_string(a.montagna) + "\ncells " +
                        std::to_string(a.first_cell) + " to " + std::to_string(b.last_cell) +
                        ", km " + Kilometres(CellMetres(a.first_cell)) + " to " +
                        Kilometres(CellMetres(b.last_cell + 1));
      body_ += "<g class=\"feature stretch" + std::string(tunnel ? " tunnel" : "") +
               "\" data-cell=\"" + std::to_string(a.first_cell) + "\" data-count=\"" +
               std::to_string(group.size()) + "\">" + Title(tip) + "<rect x=\"" + Num(x0) +
               "\" y=\"8\" width=\"" + Num(x1 - x0) + "\" height=\"22\"/>";
      if (TextWidth(kind, kFont - 1) + 6 < x1 - x0) {
        body_ +=
            "<text class=\"stretch-label\" x=\"" + Num(x0 + 3) + "\" y=\"23\">" + kind + "</text>";
      }
      body_ += "</g>\n";
    }
    EndRow();
  }

  /// The kilometre axis under the rows, and the grid lines through them.
  std::string Axis() {
    const int64_t axis = f_.axis_metres;
    int64_t step = TickStep(axis, plot_, 64);
    int64_t minor = step / (step % 5000 == 0 || step == 5000 ? 5 : 2);
    std::string out = "<g class=\"km-axis\" transform=\"translate(0," + Num(y_) + ")\">\n";
    out += "<line class=\"axis-line\" x1=\"" + Num(X(0)) + "\" x2=\"" + Num(X(axis)) +
           "\" y1=\"0\" y2=\"0\"/>\n<text class=\"row-title\" x=\"8\" y=\"16\">km</text>\n";
    if (plot_ * static_cast<double>(minor) / static_cast<double>(axis) >= 6) {
      for (int64_t m = minor; m < axis; m += minor) {
        if (m % step == 0) continue;
        out += "<line class=\"km-minor\" x1=\"" + Num(X(m)) + "\" x2=\"" + Num(X(m)) +
               "\" y1=\"0\" y2=\"4\"/>";
      }
      out += "\n";
    }
    auto tick = [&](int64_t m, bool end) {
      std::string km = KmLabel(m);
      out += "<g class=\"km-tick" + std::string(end ? " km-end" : "") + "\" data-km=\"" + km +
             "\"><line x1=\"" + Num(X(m)) + "\" x2=\"" + Num(X(m)) +
             "\" y1=\"0\" y2=\"7\"/><text x=\"" + Num(X(m)) + "\" y=\"20\">" + km + "</text></g>\n";
      grid_ += "<line class=\"grid\" x1=\"" + Num(X(m)) + "\" x2=\"" + Num(X(m)) +
               "\" y1=\"0\" y2=\"" + Num(y_) + "\"/>\n";
    };
    for (int64_t m = 0; m < axis; m += step) {
      // A tick too close to the end would write over the end's label.
      if (m > 0 && X(axis) - X(m) < 40) continue;
      tick(m, false);
    }
    tick(axis, true);
    out += "</g>\n";
    return out;
  }

  const ViewScenario& s_;
  const ViewFeatures& f_;
  double width_;
  double plot_;
  double y_ = 0;
  double row_height_ = 0;
  std::string grid_;
  std::string body_;
};

}  // namespace

std::string RenderProfile(const ViewScenario& s, const ViewFeatures& f, double width) {
  return Chart(s, f, width).Render();
}

}  // namespace percorso
