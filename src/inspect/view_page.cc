#include "inspect/view_page.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "inspect/dump_format.h"
#include "inspect/page_numbers.h"
#include "inspect/text_out.h"
#include "inspect/view_assets.h"
#include "inspect/view_data.h"
#include "inspect/view_plan.h"
#include "inspect/view_tables.h"
#include "inspect/view_terms.h"
#include "model/status.h"
#include "model/windows1252.h"

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

// Zoom buttons, the range box, the range shown and what went wrong with a
// range asked for, above the rows; below them the kilometres again, so that
// one axis stays in sight while the rows scroll.
constexpr std::string_view kControls =
    "<div class=\"chart-head\"><form id=\"controls\" class=\"controls\" autocomplete=\"off\">"
    "<button type=\"button\" id=\"zoom-out\" title=\"Zoom out (key -)\" "
    "aria-label=\"Zoom out\">\u2212</button>"
    "<button type=\"button\" id=\"zoom-in\" title=\"Zoom in (key +)\" "
    "aria-label=\"Zoom in\">+</button>"
    "<button type=\"button\" id=\"zoom-all\" title=\"The whole line (key 0)\">whole line</button>"
    "<label>km <input id=\"range\" name=\"range\" size=\"13\" placeholder=\"40\u201355\" "
    "title=\"A range of kilometres, such as 40\u201355\" aria-describedby=\"range-note\"></label>"
    "<button type=\"submit\">show</button>"
    "<span id=\"range-shown\" class=\"range-shown\"></span></form>"
    "<p id=\"range-note\" class=\"range-note\" role=\"status\" aria-live=\"polite\"></p>"
    "<p id=\"range-said\" class=\"visually-hidden\" aria-live=\"polite\"></p>"
    "<svg id=\"km-top\" class=\"km-top\" aria-hidden=\"true\"></svg></div>\n";

// What the keys do on the chart.
constexpr std::string_view kKeys =
    "<p id=\"chart-keys\" class=\"note\">On the chart: \u2190 and \u2192 pan, + and \u2212 "
    "zoom, 0 shows the whole line, Tab goes from mark to mark (each tells its kind, kilometre "
    "and values); the mouse wheel or a pinch zooms, a drag pans.</p>\n";

/// The statuses that stopped the reading, said above everything else: the
/// page shows only what was compiled before them.
std::string StopBanner(const std::vector<ViewStop>& stops) {
  std::string out;
  for (const ViewStop& stop : stops) {
    std::string place = PlaceText(stop.where);
    std::string at = place.empty() ? ""
                                   : (stop.where.known() ? " at " : " in ") +
                                         std::string("<code>") + HtmlEscape(place) + "</code>";
    std::string text = stop.whole_compile
                           ? "the compile stopped" + at + ": entries after it are not drawn"
                           : "the reading of its file stopped" + at +
                                 ": entries after it in that file are "
                                 "not drawn";
    out += "<p class=\"banner\" role=\"alert\"><strong>" + text +
           "</strong><span class=\"banner-why\"> (status " + std::to_string(stop.stato) + ": " +
           HtmlEscape(StatusMeaning(stop.stato)) + ")</span></p>\n";
  }
  return out.empty() ? "" : "<div id=\"stopped\">" + out + "</div>\n";
}

/// The diagnostics, each error or warning without metres of its own put at
/// the position of the entry read at its place.
std::vector<ViewDiagnostic> Located(const ViewScenario& s) {
  std::vector<ViewDiagnostic> out = s.diagnostics;
  for (ViewDiagnostic& d : out) {
    if (d.metres || d.severity == "note" || !d.where.known()) continue;
    for (const SourceEntry& r : s.entries) {
      if (r.place.line == d.where.line && r.place.file == d.where.file &&
          r.kind != EntryKind::kTrainValue && !r.numbers.empty()) {
        d.metres = r.numbers[0];
        break;
      }
    }
  }
  return out;
}

/// One message of the list, linked to the stretch of the line it points at.
std::string DiagnosticItem(const ViewDiagnostic& d, size_t index) {
  std::string place =
      d.place.empty() ? "" : "<code class=\"place\">" + HtmlEscape(d.place) + "</code>: ";
  std::string out = "<li class=\"diagnostic " + HtmlEscape(d.severity) + "\" data-index=\"" +
                    std::to_string(index) + "\">" + place + "<b>" + HtmlEscape(d.severity) +
                    ":</b> " + HtmlEscape(d.text);
  // A position off the line (a negative one) is still linked to its start.
  if (d.metres) {
    int64_t m = *d.metres;
    out += " <a class=\"goto\" href=\"#km=" + KmLabel(std::max<int64_t>(0, m - 1000)) + "-" +
           KmLabel(std::max<int64_t>(0, m) + 1000) + "\">km " + Kilometres(m) + "</a>";
  }
  return out;
}

/// What a group of messages is called in its summary.
std::string GroupTitle(const std::string& severity, const std::string& group, size_t count) {
  std::string counted = std::to_string(count) + " " + severity + (count == 1 ? "" : "s");
  if (severity == "warning") {
    return counted + " <code>[-W" + HtmlEscape(group) + "]</code>";
  }
  if (group.starts_with("status ")) {
    int code = std::atoi(group.c_str() + 7);
    return counted + ", " + HtmlEscape(group) + ": " + HtmlEscape(StatusMeaning(code));
  }
  return counted;
}

/// More messages than this are listed with their groups closed.
constexpr size_t kOpenGroupsUpTo = 12;

/// Every message that the check found, grouped by its name (a warning's name,
/// an error's status) with their counts, each group folding away; the list
/// scrolls within its box, so that it never pushes the chart out of sight.
std::string DiagnosticList(const std::vector<ViewDiagnostic>& diagnostics) {
  if (diagnostics.empty()) return "";
  struct Item {
    std::string head, notes;
  };
  struct Group {
    std::string severity, name;
    std::vector<Item> items;
  };
  std::vector<Group> groups;
  size_t errors = 0, warnings = 0;
  Group* last = nullptr;
  for (size_t i = 0; i < diagnostics.size(); ++i) {
    const ViewDiagnostic& d = diagnostics[i];
    if (d.severity == "note") {
      // A note goes with the message before it.
      if (last) last->items.back().notes += DiagnosticItem(d, i) + "</li>";
      continue;
    }
    errors += d.severity == "error";
    warnings += d.severity == "warning";
    std::string name = d.group.empty() ? d.severity : d.group;
    auto found = std::find_if(groups.begin(), groups.end(), [&](const Group& g) {
      return g.severity == d.severity && g.name == name;
    });
    if (found == groups.end()) {
      groups.push_back({d.severity, name, {}});
      found = groups.end() - 1;
    }
    last = &*found;
    last->items.push_back({DiagnosticItem(d, i), ""});
  }
  const bool open = errors + warnings <= kOpenGroupsUpTo;
  std::string out =
      "<section id=\"diagnostics\" class=\"diagnostics\" "
      "aria-labelledby=\"diagnostics-title\"><h2 id=\"diagnostics-title\">" +
      std::to_string(errors) + (errors == 1 ? " error, " : " errors, ") + std::to_string(warnings) +
      (warnings == 1 ? " warning" : " warnings") + " found by the check</h2>\n";
  if (groups.size() > 1) {
    out +=
        "<p class=\"diagnostic-tools\"><button type=\"button\" id=\"diagnostics-open\">"
        "open every group</button> <button type=\"button\" id=\"diagnostics-close\">"
        "close every group</button></p>\n";
  }
  out +=
      "<div class=\"diagnostic-groups\" id=\"diagnostic-groups\" tabindex=\"0\" "
      "role=\"region\" aria-label=\"The messages, by kind\">\n";
  for (const Group& g : groups) {
    out += "<details class=\"diagnostic-group " + HtmlEscape(g.severity) + "\" data-group=\"" +
           HtmlEscape(g.name) + "\" data-count=\"" + std::to_string(g.items.size()) + "\"" +
           (open ? " open" : "") + "><summary>" + GroupTitle(g.severity, g.name, g.items.size()) +
           "</summary>\n<ul>\n";
    for (const Item& item : g.items) {
      out += item.head + (item.notes.empty() ? "" : "<ul class=\"notes\">" + item.notes + "</ul>") +
             "</li>\n";
    }
    out += "</ul></details>\n";
  }
  return out + "</div></section>\n";
}

/// "1 station", "2 stations".
std::string Counted(size_t n, std::string_view one, std::string_view many) {
  return std::to_string(n) + " " + std::string(n == 1 ? one : many);
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
  return "<p class=\"summary\">" + Counted(s.celle.size(), "cell", "cells") + ", km 0 to " +
         Kilometres(f.axis_metres) + " extended; " +
         Counted(f.stations.size(), "station", "stations") + ", " +
         Counted(counts[static_cast<int>(FeatureRow::kSignals)], "signal", "signals") + ", " +
         Counted(f.slowdowns.size(), "slowdown", "slowdowns") + ", " +
         Counted(counts[static_cast<int>(FeatureRow::kSpeedBoards)], "speed board",
                 "speed boards") +
         ", " +
         Counted(counts[static_cast<int>(FeatureRow::kTextBoards)], "text board", "text boards") +
         ", " + Counted(markers, "marker", "markers") + ", " +
         Counted(cutoffs, "cut-off", "cut-offs") + ", " +
         Counted(tunnels, "tunnel stretch", "tunnel stretches") + ".</p>\n";
}

}  // namespace

std::string RenderViewPage(const ViewScenario& s) {
  ViewFeatures f = CollectFeatures(s);
  RecordIndex records(s.entries);
  PlanData plan = MakePlan(s);
  std::vector<ViewDiagnostic> diagnostics = Located(s);
  std::string line = HtmlEscape(Utf8FromWindows1252(s.line_key));
  std::string train = HtmlEscape(Utf8FromWindows1252(s.train_key));
  std::string out =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
      line + ", train " + train + " \u2013 compiled scenario</title>\n<style>" +
      std::string(ViewPageStyle()) + "</style>\n</head>\n<body>\n";
  out += "<a class=\"skip\" href=\"#along\">Skip to the chart along the line</a>\n";
  out += "<main>\n<h1>Line " + line + ", train " + train + "</h1>\n" + StopBanner(s.stops) +
         Summary(s, f);
  out += DiagnosticList(diagnostics);
  out +=
      "<noscript><p class=\"note\">The plan and the rows along the line are drawn by the "
      "page's script; the tables below need none.</p></noscript>\n";
  out +=
      "<h2>Plan of the line</h2>\n<p class=\"note\">Turned so that the start lies at the "
      "left and the end at the right; grey: tunnels; the stretch shown along the line is "
      "drawn thicker. <a class=\"skip-plan\" href=\"#along\">Skip the plan</a></p>\n" +
      plan.element;
  out +=
      "<section id=\"along\" class=\"along\" aria-labelledby=\"along-title\">"
      "<h2 id=\"along-title\" tabindex=\"-1\">Along the line</h2>\n" +
      std::string(kControls) +
      "<a class=\"skip-chart-start\" href=\"#legend-title\">Skip past the chart</a>"
      "<div id=\"chart\" class=\"chart\" tabindex=\"0\" role=\"region\" "
      "aria-label=\"Chart along the line\" aria-describedby=\"chart-keys\"><svg "
      "id=\"profile\" class=\"profile\" role=\"group\" aria-label=\"Route along the "
      "kilometres\"></svg><svg id=\"profile-fixed\" class=\"profile-fixed\" "
      "aria-hidden=\"true\"></svg></div>\n" +
      std::string(kKeys) +
      "<p class=\"skip-chart\"><a href=\"#legend-title\">Skip past the chart</a></p></section>\n" +
      "<div id=\"tooltip\" class=\"tooltip\" role=\"tooltip\" hidden></div>\n";
  out +=
      "<h2 id=\"legend-title\" tabindex=\"-1\">Legend</h2>\n<div id=\"legend\" "
      "class=\"legend\"></div>\n";
  // The script stands before the tables, so that the chart is drawn before
  // the browser has read them.
  out += "<script type=\"application/json\" id=\"view-data\">" +
         ViewDataJson(s, f, records, plan.json, diagnostics) + "</script>\n";
  out += "<script>" + std::string(ViewPageScript()) + "</script>\n";
  out += "<h2>Header values and check codes</h2>\n" + HeaderTables(s);
  out +=
      "<h2 id=\"features\">Features</h2>\n<p class=\"note\">A click on a row, or on its "
      "kilometre, shows it on the chart; a click on a column's title sorts by it.</p>\n" +
      FeatureTables(s, f, records);
  out += "</main>\n</body>\n</html>\n";
  return out;
}

}  // namespace percorso
