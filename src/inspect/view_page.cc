#include "inspect/view_page.h"

#include <string_view>

#include "compiler/windows1252.h"
#include "inspect/dump_format.h"
#include "inspect/text_out.h"
#include "inspect/view_plan.h"
#include "inspect/view_profile.h"

namespace percorso {
namespace {

constexpr double kPageWidth = 1560;

constexpr std::string_view kStyle = R"(
body { font-family: sans-serif; margin: 16px 20px; color: #1d2330; background: #fff; }
h1 { font-size: 20px; margin: 0 0 4px; }
h2 { font-size: 15px; margin: 22px 0 6px; }
p.summary { margin: 0 0 10px; color: #445; }
table { border-collapse: collapse; font-size: 12.5px; }
th, td { border: 1px solid #d5d9e2; padding: 2px 7px; text-align: left; vertical-align: top; }
th { background: #f1f3f7; font-weight: 600; }
td.num { text-align: right; font-variant-numeric: tabular-nums; }
.header-grid { display: flex; flex-wrap: wrap; gap: 14px; align-items: flex-start; }
.note { color: #667; font-size: 12px; margin: 4px 0; }
svg { display: block; overflow: visible; font-size: 11px; }
svg text { fill: #1d2330; }
.plan { background: #fafbfd; border: 1px solid #e1e5ec; }
.plan-line { fill: none; stroke: #2b4c7e; stroke-width: 2.2; stroke-linejoin: round; }
.plan-tunnel { fill: none; stroke: #6b6b6b; stroke-width: 6; stroke-opacity: 0.55; }
.plan-km-tick line { stroke: #2b4c7e; stroke-width: 1.2; }
.plan-km-label { font-size: 10px; fill: #56607a; text-anchor: middle; }
.plan-station circle { fill: #fff; stroke: #c0392b; stroke-width: 2; }
.plan-station-label { font-size: 11px; font-weight: 600; fill: #7b241c; }
.row-title { font-size: 12px; font-weight: 600; fill: #39415a; }
.row-subtitle { font-size: 10.5px; fill: #6b7388; }
.row-rule { stroke: #e4e7ee; }
.grid { stroke: #eef0f5; }
.value-tick { font-size: 10px; fill: #6b7388; text-anchor: end; }
.value-rule { stroke: #f0f1f5; }
.station-area { fill: #c9dcf3; }
.station-tick { stroke: #1f5fa8; stroke-width: 1.5; }
.station-stop { fill: #1f5fa8; }
.station-label { font-size: 11.5px; font-weight: 600; fill: #17406f; }
.station-time, .station-more { font-size: 10px; fill: #5c6a80; }
.feature { cursor: default; }
.feature:hover .glyph, .feature:hover rect { stroke: #000; stroke-width: 1.5; }
.signal .glyph { fill: #c0392b; }
.glyph-post { stroke: #7f8c8d; stroke-width: 1.2; }
.slowdown-bar { fill: #f39c12; }
.slowdown-board .glyph { fill: #e67e22; }
.slowdown-board.numbered .glyph { fill: #f5c77e; }
.speed-board .glyph { fill: #2e7d32; }
.text-board .glyph { fill: #6a3d9a; }
.marker .glyph { fill: #4d5566; }
.marker.cut-off .glyph { fill: #fff; stroke: #4d5566; stroke-width: 1.3; }
.mark-label { font-size: 10px; fill: #39415a; }
.mark-count { font-size: 9.5px; fill: #39415a; text-anchor: middle; font-weight: 600; }
.series { fill: none; stroke-width: 1.6; }
.series.speed { stroke: #2e7d32; }
.series.gradient { stroke: #8e44ad; }
.series.altitude { fill: #e6dccb; stroke: #9c7a48; stroke-width: 1.2; }
.series.adhesion { stroke: #16a085; }
.stretch rect { fill: #cdb891; }
.stretch.tunnel rect { fill: #555b66; }
.stretch-label { font-size: 10px; fill: #fff; }
.km-axis line { stroke: #39415a; }
.km-axis .km-minor { stroke: #9aa1b2; }
.km-tick text { font-size: 11px; text-anchor: middle; }
.km-end text { font-weight: 700; }
#cursor-line { stroke: #d35400; stroke-width: 1; stroke-dasharray: 3 3; pointer-events: none; }
#cursor-label { font-size: 11px; font-weight: 700; fill: #d35400; text-anchor: middle; }
)";

// A hairline that follows the pointer across the chart and reads its kilometre.
constexpr std::string_view kScript = R"(
(function () {
  var svg = document.getElementById('profile');
  if (!svg || !svg.createSVGPoint) return;
  var line = document.getElementById('cursor-line');
  var label = document.getElementById('cursor-label');
  var left = parseFloat(svg.dataset.plotLeft), width = parseFloat(svg.dataset.plotWidth);
  var metres = parseFloat(svg.dataset.axisMetres);
  svg.addEventListener('mousemove', function (e) {
    var p = svg.createSVGPoint();
    p.x = e.clientX; p.y = e.clientY;
    var q = p.matrixTransform(svg.getScreenCTM().inverse());
    if (q.x < left || q.x > left + width) { line.setAttribute('visibility', 'hidden');
      label.setAttribute('visibility', 'hidden'); return; }
    line.setAttribute('x1', q.x); line.setAttribute('x2', q.x);
    label.setAttribute('x', q.x);
    label.textContent = 'km ' + ((q.x - left) / width * metres / 1000).toFixed(3);
    line.setAttribute('visibility', 'visible'); label.setAttribute('visibility', 'visible');
  });
  svg.addEventListener('mouseleave', function () {
    line.setAttribute('visibility', 'hidden'); label.setAttribute('visibility', 'hidden');
  });
})();
)";

std::string Cell(const std::string& text, bool number = false) {
  return std::string(number ? "<td class=\"num\">" : "<td>") + text + "</td>";
}
std::string Cell(int64_t v) {
  return Cell(std::to_string(v), true);
}

std::string Row(std::string_view head, const std::string& cells) {
  return "<tr><th>" + std::string(head) + "</th>" + cells + "</tr>\n";
}

std::string HeaderTables(const ViewScenario& s) {
  const auto& v = s.voci;
  std::string out = "<div class=\"header-grid\">\n";
  out +=
      "<table id=\"references\"><tr><th>kilometric reference</th><th>slot</th>"
      "<th>inizio</th><th>fine</th><th>posizione</th></tr>\n";
  for (int slot : {kVoceProgressivaTre, kVoceProgressivaDue, kVoceProgressivaUno}) {
    const char* name = slot == kVoceProgressivaTre   ? "tre"
                       : slot == kVoceProgressivaDue ? "due"
                                                     : "uno";
    const voce& r = v[static_cast<size_t>(slot)];
    out += Row(name, Cell(slot) + Cell(r.inizio) + Cell(r.fine) + Cell(r.posizione));
  }
  out += "</table>\n";

  const voce& treno = v[kVoceTreno];
  const voce& linea = v[kVoceLinea];
  const voce& chiave = v[kVoceChiaveTreno];
  out +=
      "<table id=\"header-values\"><tr><th>header value</th><th>where</th>"
      "<th>value</th></tr>\n";
  auto value = [&](std::string_view what, std::string_view where, const std::string& text) {
    out += Row(what, Cell(std::string(where)) + Cell(text, true));
  };
  value("braked mass (%)", "slot 84 inizio", std::to_string(treno.inizio));
  value("route length (m)", "slot 84 fine", std::to_string(treno.fine));
  value("coaches", "slot 84 posizione", std::to_string(treno.posizione));
  value("line key", "slot 85 nome", HtmlEscape(Utf8FromWindows1252(linea.nome)));
  value("backgrounds uno, due, tre", "slot 85 inizio, posizione, fine",
        std::to_string(linea.inizio) + ", " + std::to_string(linea.posizione) + ", " +
            std::to_string(linea.fine));
  value("train key", "slot 86 nome", HtmlEscape(Utf8FromWindows1252(chiave.nome)));
  value("signal repetition from, to (m)", "slot 86 inizio, fine",
        std::to_string(chiave.inizio) + ", " + std::to_string(chiave.fine));
  value("signal repetition code", "slot 86 posizione", std::to_string(chiave.posizione));
  value("sand", "slot 86 valore1", std::to_string(chiave.valore1));
  value("clock", "slot 86 valore3, 4, 5",
        std::to_string(chiave.valore3) + ":" +
            (chiave.valore4 < 10 && chiave.valore4 >= 0 ? "0" : "") +
            std::to_string(chiave.valore4) + ":" +
            (chiave.valore5 < 10 && chiave.valore5 >= 0 ? "0" : "") +
            std::to_string(chiave.valore5));
  out += "</table>\n";

  const cella* header = s.celle.size() > 1 ? &s.celle[1] : nullptr;
  out += "<table id=\"check-codes\"><tr><th>stamp</th><th>where</th><th>value</th></tr>\n";
  out += "<tr><th>header mark</th><td>cell 1 dato1</td><td class=\"num\" id=\"cell-mark\">" +
         (header ? std::to_string(header->dato1) : std::string("no cell 1")) + "</td></tr>\n";
  out += "<tr><th>check code</th><td>cell 1 dato2</td><td class=\"num\" id=\"check-code-cells\">" +
         (header ? std::to_string(header->dato2) : std::string("no cell 1")) + "</td></tr>\n";
  out += "<tr><th>table mark</th><td>slot 85 valore1</td><td class=\"num\" id=\"table-mark\">" +
         std::to_string(linea.valore1) + "</td></tr>\n";
  out +=
      "<tr><th>check code</th><td>slot 85 orario</td><td class=\"num\" id=\"check-code-table\">" +
      std::to_string(linea.orario) + "</td></tr>\n";
  out += "</table>\n</div>\n";
  return out;
}

std::string StationTable(const ViewFeatures& f) {
  std::string out =
      "<table id=\"stations\"><tr><th>slot</th><th>name</th><th>tipo</th>"
      "<th>position (km)</th><th>area (km)</th><th>stopping mark</th>"
      "<th>time</th></tr>\n";
  for (const ViewStation& st : f.stations) {
    const voce& v = *st.v;
    out += "<tr class=\"station-row\">" + Cell(st.slot) + Cell(HtmlEscape(st.name)) + Cell(v.tipo) +
           Cell(Kilometres(v.posizione), true) +
           Cell(Kilometres(v.inizio) + " to " + Kilometres(v.fine), true) +
           Cell(st.stop_cell >= 0 ? "cell " + std::to_string(st.stop_cell) : "none") +
           Cell(v.orario != 0 ? ClockTime(v.orario) : "", true) + "</tr>\n";
  }
  return out + "</table>\n";
}

std::string BoardTable(const ViewScenario& s, const ViewFeatures& f) {
  std::string out =
      "<table id=\"text-boards\"><tr><th>cell</th><th>km</th><th>slot</th>"
      "<th>text</th></tr>\n";
  for (const ViewFeature& ft : f.features) {
    if (ft.row != FeatureRow::kTextBoards) continue;
    const cella& c = s.celle[static_cast<size_t>(ft.cell)];
    out += "<tr>" + Cell(ft.cell) + Cell(Kilometres(CellMetres(ft.cell)), true) + Cell(c.dato1) +
           Cell(HtmlEscape(ft.label)) + "</tr>\n";
  }
  return out + "</table>\n";
}

std::string Summary(const ViewScenario& s, const ViewFeatures& f) {
  size_t counts[kFeatureRows] = {};
  size_t markers = 0, cutoffs = 0, tunnels = 0;
  for (const ViewFeature& ft : f.features) {
    ++counts[static_cast<int>(ft.row)];
    uint8_t tipo = s.celle[static_cast<size_t>(ft.cell)].tipo;
    markers += tipo == kMarcatore;
    cutoffs += tipo == kAbbattimentoNullo;
  }
  for (const ViewStretch& st : f.stretches) tunnels += st.tunnel;
  return "<p class=\"summary\">" + std::to_string(s.celle.size()) + " cells, km 0 to " +
         Kilometres(f.axis_metres) + " extended; " + std::to_string(f.stations.size()) +
         " stations, " + std::to_string(counts[static_cast<int>(FeatureRow::kSignals)]) +
         " signals, " + std::to_string(f.slowdowns.size()) + " slowdowns, " +
         std::to_string(counts[static_cast<int>(FeatureRow::kSpeedBoards)]) + " speed boards, " +
         std::to_string(counts[static_cast<int>(FeatureRow::kTextBoards)]) + " text boards, " +
         std::to_string(markers) + " markers, " + std::to_string(cutoffs) + " cut-offs, " +
         std::to_string(tunnels) + " tunnel stretches.</p>\n";
}

}  // namespace

std::string RenderViewPage(const ViewScenario& s) {
  ViewFeatures f = CollectFeatures(s);
  std::string line = HtmlEscape(Utf8FromWindows1252(s.line_key));
  std::string train = HtmlEscape(Utf8FromWindows1252(s.train_key));
  std::string out =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + line +
      ", train " + train + " \u2013 compiled scenario</title>\n<style>" + std::string(kStyle) +
      "</style>\n</head>\n<body>\n";
  out += "<h1>Line " + line + ", train " + train + "</h1>\n" + Summary(s, f);
  out +=
      "<h2>Plan of the line</h2>\n<p class=\"note\">Turned so that the start lies at the "
      "left and the end at the right; grey: tunnels; ticks every labelled kilometre.</p>\n" +
      RenderPlan(s, f, kPageWidth);
  out +=
      "<h2>Along the line</h2>\n<p class=\"note\">Hover a mark for its cells and members; "
      "marks closer than a few pixels are drawn as one, with their count.</p>\n" +
      RenderProfile(s, f, kPageWidth);
  out += "<h2>Header values and check codes</h2>\n" + HeaderTables(s);
  out += "<h2>Stations</h2>\n" + StationTable(f);
  out += "<h2>Text boards</h2>\n" + BoardTable(s, f);
  out += "<script>" + std::string(kScript) + "</script>\n</body>\n</html>\n";
  return out;
}

}  // namespace percorso
