#include "inspect/view_tables.h"

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <vector>

#include "inspect/dump_format.h"
#include "inspect/page_numbers.h"
#include "inspect/text_out.h"
#include "inspect/view_curves.h"
#include "model/cells.h"

namespace percorso {
namespace {

std::string N(int64_t v) {
  return std::to_string(v);
}

/// The rows of a table that stand in the page as it loads.
constexpr size_t kLiveRows = 50;

/// One table under construction: a heading, a header row and body rows.
class Table {
 public:
  Table(std::string_view id, std::string_view title, std::initializer_list<const char*> columns,
        bool with_source)
      : id_(id), title_(title), with_source_(with_source) {
    out_ = "<div class=\"table-box\"><table id=\"" + std::string(id) +
           "\" class=\"sortable\" aria-labelledby=\"" + std::string(id) + "-title\"><thead><tr>";
    for (const char* c : columns) out_ += "<th>" + std::string(c) + "</th>";
    if (with_source_) out_ += "<th>source</th>";
    out_ += "</tr></thead><tbody>\n";
  }

  /// Opens a row at `from`..`to` metres, its first cell the kilometre of
  /// `from`. Cells are numbers, set to the right, unless marked as text.
  void Row(int64_t from, int64_t to) {
    // The rows past the first few wait in a template that the page's script
    // puts in the table as it comes near the window: a long route's tables
    // would otherwise make most of the page's elements.
    if (rows_ == kLiveRows) out_ += "<template class=\"more-rows\">";
    out_ += "<tr data-m=\"" + N(from) + "\"";
    if (to != from) out_ += " data-to=\"" + N(to) + "\"";
    // The kilometre links to the row's stretch on the chart, with a kilometre
    // on either side: the keyboard's way to a row.
    out_ += "><td><a href=\"#km=" + KmLabel(std::max<int64_t>(0, from - 1000)) + "-" +
            KmLabel(to + 1000) + "\">" + Kilometres(from) + "</a></td>";
    ++rows_;
  }
  void Num(int64_t v) { out_ += "<td>" + N(v) + "</td>"; }
  void NumText(const std::string& text) { out_ += "<td>" + text + "</td>"; }
  void Text(const std::string& utf8) { out_ += "<td class=\"t\">" + HtmlEscape(utf8) + "</td>"; }
  /// Closes the row with its source: FILE:LINE of each place.
  void End(const std::vector<std::string>& places) {
    if (with_source_) {
      std::string joined;
      for (const std::string& p : places) {
        if (p.empty()) continue;
        if (!joined.empty()) joined += "</code> <code>";
        joined += HtmlEscape(p);
      }
      out_ += joined.empty() ? "<td></td>" : "<td class=\"src\"><code>" + joined + "</code></td>";
    }
    out_ += "</tr>\n";
  }

  /// Closes the row with the rule that made it instead of a source line.
  void EndWithRule(std::string_view rule) {
    if (with_source_) out_ += "<td class=\"src rule\">" + HtmlEscape(std::string(rule)) + "</td>";
    out_ += "</tr>\n";
  }

  /// The heading with the number of rows, then the table.
  std::string Take() {
    if (rows_ == 0) out_ += "<tr class=\"none\"><td colspan=\"20\">none</td></tr>\n";
    if (rows_ > kLiveRows) out_ += "</template>";
    std::string more = rows_ > kLiveRows
                           ? "<noscript><p class=\"note\">" +
                                 N(static_cast<int64_t>(rows_ - kLiveRows)) +
                                 " more rows show with the page's script.</p></noscript>\n"
                           : "";
    return "<h3 id=\"" + std::string(id_) + "-title\">" + std::string(title_) +
           " <span class=\"count\">(" + N(static_cast<int64_t>(rows_)) + ")</span></h3>\n" +
           std::move(out_) + "</tbody></table></div>\n" + more;
  }

 private:
  std::string_view id_;
  std::string_view title_;
  std::string out_;
  bool with_source_;
  size_t rows_ = 0;
};

std::string PlaceOf(const SourceEntry* r) {
  return r ? PlaceText(r->place) : "";
}

std::string Stations(const ViewFeatures& f, const RecordIndex& records, bool src) {
  Table t("station-table", "Stations",
          {"km", "name", "tipo", "area (km)", "stopping mark (km)", "time", "slot"}, src);
  std::vector<const ViewStation*> list;
  for (const ViewStation& st : f.stations) list.push_back(&st);
  std::stable_sort(list.begin(), list.end(), [](const ViewStation* a, const ViewStation* b) {
    return a->v->posizione < b->v->posizione;
  });
  for (const ViewStation* st : list) {
    const voce& v = *st->v;
    t.Row(v.posizione, v.posizione);
    t.Text(st->name);
    t.Num(v.tipo);
    t.NumText(Kilometres(v.inizio) + " to " + Kilometres(v.fine));
    t.NumText(st->stop_cell >= 0 ? Kilometres(CellMetres(st->stop_cell)) : "none");
    t.NumText(v.orario != 0 ? ClockTime(v.orario) : "");
    t.Num(st->slot);
    t.End({PlaceOf(records.Station(st->slot))});
  }
  return t.Take();
}

std::string Signals(const ViewScenario& s, const ViewFeatures& f, const RecordIndex& records,
                    bool src) {
  Table t("signal-table", "Signals",
          {"km", "sx", "s1", "s2", "s3", "rapp", "dx", "d1", "d2", "d3", "tempo"}, src);
  for (const ViewFeature& ft : f.features) {
    if (ft.row != FeatureRow::kSignals) continue;
    SignalValues v = SignalValuesAt(s, records, ft.cell);
    t.Row(v.posizione, v.posizione);
    for (int64_t n : {v.sx, v.s1, v.s2, v.s3, v.rapp, v.dx, v.d1, v.d2, v.d3, v.tempo}) t.Num(n);
    t.End({PlaceOf(records.AtCell(ft.cell, EntryKind::kSignal))});
  }
  return t.Take();
}

std::string Slowdowns(const ViewScenario& s, const ViewFeatures& f, const RecordIndex& records,
                      bool src) {
  Table t("slowdown-table", "Slowdowns",
          {"km", "to km", "v (km/h)", "l (m)", "f_tt", "f_ta", "d_v"}, src);
  for (const ViewSlowdown& sd : f.slowdowns) {
    SlowdownValues v = SlowdownValuesOf(s, records, sd);
    t.Row(v.x, v.x + std::max<int64_t>(0, v.l));
    t.NumText(Kilometres(v.x + v.l));
    for (int64_t n : {v.v, v.l, v.f_tt}) t.Num(n);
    t.NumText(v.from_record ? N(v.f_ta) : "");
    t.Num(v.d_v);
    t.End({PlaceOf(records.AtCell(sd.start_cell, EntryKind::kSlowdown))});
  }
  return t.Take();
}

/// A table of the changes of one per-cell profile value.
std::string Changes(const ViewScenario& s, const RecordIndex& records, bool src,
                    std::string_view id, std::string_view title, const char* unit, EntryKind kind,
                    const std::function<int64_t(size_t, int64_t)>& value_of,
                    const std::function<std::string(int64_t)>& text_of) {
  Table t(id, title, {"km", unit, "change"}, src);
  std::vector<const SourceEntry*> entries = records.OfKind(kind);
  std::stable_sort(entries.begin(), entries.end(), [](const SourceEntry* a, const SourceEntry* b) {
    return RecordValue(*a, "position") < RecordValue(*b, "position");
  });
  int64_t previous = 0;
  // The entry that set the value from metre m on: the last one whose position
  // lies before m + 75, since an entry at position p changes the profile from
  // the cell before p's own (whose metres lie 25 to 75 m before p).
  size_t next = 0;
  const SourceEntry* setter = nullptr;
  for (size_t i = 1; i < s.celle.size(); ++i) {
    int64_t v = value_of(i, previous);
    if (i == 1 || v != previous) {
      int64_t m = CellMetres(static_cast<int64_t>(i));
      while (next < entries.size() && RecordValue(*entries[next], "position") < m + 75) {
        setter = entries[next++];
      }
      t.Row(m, m);
      t.NumText(text_of(v));
      t.NumText(i == 1 ? "" : (v > previous ? "+" : "") + N(v - previous));
      if (kind == EntryKind::kLineSpeed && m == LastCellSpeedDrop(s, records)) {
        t.EndWithRule(kLastCellSpeedRule);
      } else {
        t.End({PlaceOf(setter)});
      }
    }
    previous = v;
  }
  return t.Take();
}

std::string Curves(const ViewScenario& s, const RecordIndex& records, bool src) {
  Table t("curve-table", "Curves", {"km", "to km", "length (m)", "side", "radius (m)"}, src);
  for (const ViewCurve& c : FindCurves(s, records)) {
    t.Row(c.start, c.end);
    t.NumText(Kilometres(c.end));
    t.Num(c.end - c.start);
    t.Text(CurveSide(c));
    t.Num(CurveRadius(c));
    t.End({PlaceOf(c.record)});
  }
  return t.Take();
}

std::string Stretches(const ViewFeatures& f, const RecordIndex& records, bool src) {
  Table t("terrain-table", "Terrain and tunnels", {"km", "to km", "kind", "montagna"}, src);
  for (const ViewStretch& st : f.stretches) {
    int64_t from = StretchStartMetres(st.first_cell), to = StretchEndMetres(st.last_cell);
    t.Row(from, to);
    t.NumText(Kilometres(to));
    t.Text(st.tunnel ? "tunnel" : "terrain");
    t.Num(st.montagna);
    std::vector<std::string> places;
    for (const SourceEntry* r : records.Terrain(st.first_cell, st.last_cell)) {
      places.push_back(PlaceText(r->place));
    }
    t.End(places);
  }
  return t.Take();
}

std::string SpeedBoards(const ViewScenario& s, const ViewFeatures& f, const RecordIndex& records,
                        bool src) {
  Table t("speed-board-table", "Speed boards",
          {"km", "vas/vad", "vbs/vbd", "vcs/vcd", "strisces/d"}, src);
  for (const ViewFeature& ft : f.features) {
    if (ft.row != FeatureRow::kSpeedBoards) continue;
    const cella& c = s.celle[static_cast<size_t>(ft.cell)];
    const SourceEntry* r = records.AtCell(ft.cell, EntryKind::kSpeedBoard);
    auto pair = [](int64_t a, int64_t b) { return N(a) + "/" + N(b); };
    if (r != nullptr) {
      auto value = [r](std::string_view name) { return RecordValue(*r, name); };
      t.Row(value("posizione"), value("posizione"));
      t.NumText(pair(value("vas"), value("vad")));
      t.NumText(pair(value("vbs"), value("vbd")));
      t.NumText(pair(value("vcs"), value("vcd")));
      t.NumText(pair(value("strisces"), value("strisced")));
    } else {
      t.Row(CellMetres(ft.cell), CellMetres(ft.cell));
      for (int16_t code : {c.dato1, c.dato2, c.dato3}) {
        SpeedCodeSpeeds v = DecodeSpeedCode(code);
        t.NumText(pair(v.high, v.low));
      }
      const DigitPair stripes = DecodeDigitPair(c.dato4);
      t.NumText(pair(stripes.tens, stripes.units));
    }
    t.End({PlaceOf(r)});
  }
  return t.Take();
}

std::string TextBoards(const ViewScenario& s, const ViewFeatures& f, const RecordIndex& records,
                       bool src) {
  Table t("text-board-table", "Text boards", {"km", "text", "slot"}, src);
  for (const ViewFeature& ft : f.features) {
    if (ft.row != FeatureRow::kTextBoards) continue;
    const cella& c = s.celle[static_cast<size_t>(ft.cell)];
    const SourceEntry* r = records.AtCell(ft.cell, EntryKind::kTextBoard);
    int64_t m = r ? RecordValue(*r, "position") : CellMetres(ft.cell);
    t.Row(m, m);
    t.Text(BoardReading(ft.label));
    t.Num(c.dato1);
    t.End({PlaceOf(r)});
  }
  return t.Take();
}

std::string SignedPerMille(int64_t v) {
  return (v > 0 ? "+" : "") + N(v);
}

}  // namespace

std::string BoardReading(std::string_view text) {
  auto trim = [](std::string_view t) {
    size_t a = t.find_first_not_of(' '), b = t.find_last_not_of(' ');
    return a == std::string_view::npos ? std::string() : std::string(t.substr(a, b - a + 1));
  };
  std::vector<std::string> lines;
  size_t i = 0;
  while (true) {
    while (i < text.size() && text[i] == ' ') ++i;
    if (i == text.size()) break;
    size_t close = text.find(')', i);
    if (text[i] != '(' || close == std::string_view::npos) return trim(text);
    std::string line = trim(text.substr(i + 1, close - i - 1));
    if (line.find('(') != std::string::npos) return trim(text);
    if (!line.empty()) lines.push_back(line);
    i = close + 1;
  }
  if (lines.empty()) return trim(text);
  std::string out;
  for (const std::string& line : lines) out += (out.empty() ? "" : " / ") + line;
  return out;
}

int64_t LastCellSpeedDrop(const ViewScenario& s, const RecordIndex& records) {
  size_t last = s.celle.size();
  while (last > 1 && DecodeLineSpeed(s.celle[last - 1].velocita) == 0) --last;
  // `last` is now the first cell of the zeros at the end.
  if (last <= 1 || last >= s.celle.size()) return -1;
  const int64_t from = CellMetres(static_cast<int64_t>(last));
  for (const SourceEntry* r : records.OfKind(EntryKind::kLineSpeed)) {
    if (RecordValue(*r, "speed") == 0 && RecordValue(*r, "position") >= from - 75) return -1;
  }
  return from;
}

std::string FeatureTables(const ViewScenario& s, const ViewFeatures& f,
                          const RecordIndex& records) {
  const bool src = !records.empty();
  const auto& celle = s.celle;
  std::string out = src ? ""
                        : "<p class=\"note\">Drawn from compiled files: the source lines are "
                          "not known.</p>\n";
  out += Stations(f, records, src) + Signals(s, f, records, src) + Slowdowns(s, f, records, src);
  out += Changes(
      s, records, src, "speed-table", "Line speed changes", "km/h", EntryKind::kLineSpeed,
      [&](size_t i, int64_t) { return DecodeLineSpeed(celle[i].velocita); },
      [](int64_t v) { return N(v); });
  // A cell that no gradient reached (0, past the end of the profile) keeps the
  // gradient before it.
  out += Changes(
      s, records, src, "gradient-table", "Gradient changes", "\u2030", EntryKind::kGradient,
      [&](size_t i, int64_t previous) {
        return DecodeGradient(celle[i].pendenza).value_or(previous);
      },
      SignedPerMille);
  if (s.tracciato) out += Curves(s, records, src);
  out +=
      Stretches(f, records, src) + SpeedBoards(s, f, records, src) + TextBoards(s, f, records, src);
  return out;
}

}  // namespace percorso
