#include "inspect/view_page.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "compiler/windows1252.h"
#include "inspect/dump_format.h"
#include "inspect/svg_layout.h"
#include "inspect/text_out.h"
#include "inspect/view_assets.h"
#include "inspect/view_data.h"
#include "inspect/view_plan.h"
#include "inspect/view_terms.h"

namespace percorso {
namespace {

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

// Zoom buttons, the range box and the range shown, above the rows.
constexpr std::string_view kControls =
    "<form id=\"controls\" class=\"controls\" autocomplete=\"off\">"
    "<button type=\"button\" id=\"zoom-out\" title=\"Zoom out\">\u2212</button>"
    "<button type=\"button\" id=\"zoom-in\" title=\"Zoom in\">+</button>"
    "<button type=\"button\" id=\"zoom-all\" title=\"The whole line\">whole line</button>"
    "<label>km <input id=\"range\" name=\"range\" size=\"13\" placeholder=\"40\u201355\" "
    "title=\"A range of kilometres, such as 40\u201355\"></label>"
    "<button type=\"submit\">show</button>"
    "<span id=\"range-shown\" class=\"range-shown\"></span>"
    "<span class=\"hint\">wheel or pinch to zoom, drag to pan</span></form>\n";

/// The compile's messages, each linked to the stretch of the line it points at.
std::string DiagnosticList(const std::vector<ViewDiagnostic>& diagnostics) {
  if (diagnostics.empty()) return "";
  size_t errors = 0, warnings = 0;
  for (const ViewDiagnostic& d : diagnostics) {
    errors += d.severity == "error";
    warnings += d.severity == "warning";
  }
  std::string out = "<section id=\"diagnostics\" class=\"diagnostics\"><h2>" +
                    std::to_string(errors) + (errors == 1 ? " error, " : " errors, ") +
                    std::to_string(warnings) + (warnings == 1 ? " warning" : " warnings") +
                    " in the compile</h2>\n<ul>\n";
  for (size_t i = 0; i < diagnostics.size(); ++i) {
    const ViewDiagnostic& d = diagnostics[i];
    std::string place = d.place.empty() ? "" : HtmlEscape(d.place) + ": ";
    out += "<li class=\"diagnostic " + HtmlEscape(d.severity) + "\" data-index=\"" +
           std::to_string(i) + "\">" + place + "<b>" + HtmlEscape(d.severity) + ":</b> " +
           HtmlEscape(d.text);
    if (d.metres) {
      int64_t m = *d.metres;
      out += " <a class=\"goto\" href=\"#km=" + KmLabel(std::max<int64_t>(0, m - 1000)) + "-" +
             KmLabel(m + 1000) + "\">km " + Kilometres(m) + "</a>";
    }
    out += "</li>\n";
  }
  return out + "</ul></section>\n";
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
  RecordIndex records(s.entries);
  PlanData plan = MakePlan(s);
  std::string line = HtmlEscape(Utf8FromWindows1252(s.line_key));
  std::string train = HtmlEscape(Utf8FromWindows1252(s.train_key));
  std::string out =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
      line + ", train " + train + " \u2013 compiled scenario</title>\n<style>" +
      std::string(ViewPageStyle()) + "</style>\n</head>\n<body>\n";
  out += "<h1>Line " + line + ", train " + train + "</h1>\n" + Summary(s, f);
  out += DiagnosticList(s.diagnostics);
  out +=
      "<noscript><p class=\"note\">The plan and the rows along the line are drawn by the "
      "page's script; the tables below need none.</p></noscript>\n";
  out +=
      "<h2>Plan of the line</h2>\n<p class=\"note\">Turned so that the start lies at the "
      "left and the end at the right; grey: tunnels; the stretch shown along the line is "
      "drawn thicker.</p>\n" +
      plan.element;
  out += "<h2>Along the line</h2>\n" + std::string(kControls) +
         "<div id=\"chart\" class=\"chart\"><svg id=\"profile\" class=\"profile\" "
         "role=\"img\" aria-label=\"Route along the kilometres\"></svg></div>\n"
         "<div id=\"tooltip\" class=\"tooltip\" role=\"tooltip\" hidden></div>\n";
  out += "<h2>Legend</h2>\n<div id=\"legend\" class=\"legend\"></div>\n";
  out += "<h2>Header values and check codes</h2>\n" + HeaderTables(s);
  out += "<h2>Stations</h2>\n<div class=\"table-box\">" + StationTable(f) + "</div>\n";
  out += "<h2>Text boards</h2>\n<div class=\"table-box\">" + BoardTable(s, f) + "</div>\n";
  out += "<script type=\"application/json\" id=\"view-data\">" +
         ViewDataJson(s, f, records, plan.json) + "</script>\n";
  out += "<script>" + std::string(ViewPageScript()) + "</script>\n</body>\n</html>\n";
  return out;
}

}  // namespace percorso
