#include "inspect/view_data.h"

#include <functional>

#include "inspect/dump_format.h"
#include "inspect/text_out.h"
#include "inspect/view_curves.h"
#include "inspect/view_tables.h"
#include "model/cells.h"

namespace percorso {
namespace {

std::string N(int64_t v) {
  return std::to_string(v);
}

std::string Q(std::string_view utf8) {
  return JsonQuote(utf8);
}

/// Appends one element to a JSON array under construction.
void Add(std::string& array, const std::string& element) {
  if (!array.empty()) array += ",";
  array += element;
}

// A row of marks on the page: which features it shows, its id and its title.
struct MarkRow {
  FeatureRow row;
  const char* id;
  const char* title;
};

constexpr MarkRow kRows[] = {
    {FeatureRow::kSignals, "signals", "signals"},
    {FeatureRow::kSpeedBoards, "speed-boards", "speed boards"},
    {FeatureRow::kTextBoards, "text-boards", "text boards"},
    {FeatureRow::kMarkers, "markers", "markers, cut-offs"},
};

class DataWriter {
 public:
  DataWriter(const ViewScenario& s, const ViewFeatures& f, const RecordIndex& r)
      : s_(s), f_(f), records_(r) {}

  /// [metres, class, label, tooltip] of one single-cell feature.
  std::string Mark(const ViewFeature& ft) const {
    FeatureTerms t = DescribeFeature(s_, records_, ft.cell);
    std::string label = ft.row == FeatureRow::kTextBoards ? BoardReading(ft.label) : ft.label;
    return "[" + N(t.metres) + "," + Q(t.kind) + "," + Q(label) + "," + Q(t.tip) + "]";
  }

  std::string Rows() const {
    std::string rows;
    for (const MarkRow& row : kRows) {
      std::string marks;
      for (const ViewFeature& ft : f_.features) {
        if (ft.row == row.row) Add(marks, Mark(ft));
      }
      Add(rows,
          "{\"id\":" + Q(row.id) + ",\"title\":" + Q(row.title) + ",\"marks\":[" + marks + "]}");
    }
    return "[" + rows + "]";
  }

  std::string SlowdownBoards() const {
    std::string marks;
    for (const ViewFeature& ft : f_.features) {
      if (ft.row == FeatureRow::kSlowdownBoards) Add(marks, Mark(ft));
    }
    return "[" + marks + "]";
  }

  std::string Stations() const {
    std::string out;
    for (const ViewStation& st : f_.stations) {
      const voce& v = *st.v;
      Add(out, "[" + N(v.posizione) + "," + N(v.inizio) + "," + N(v.fine) + "," +
                   (st.stop_cell >= 0 ? N(CellMetres(st.stop_cell)) : "null") + "," + Q(st.name) +
                   "," + Q(StationTip(records_, st)) + "]");
    }
    return "[" + out + "]";
  }

  std::string Slowdowns() const {
    std::string out;
    for (const ViewSlowdown& sd : f_.slowdowns) {
      Add(out, "[" + N(CellMetres(sd.start_cell)) + "," + N(CellMetres(sd.end_cell)) + "," +
                   Q(N(sd.speed) + " km/h") + "," + Q(SlowdownTip(s_, records_, sd)) + "]");
    }
    return "[" + out + "]";
  }

  std::string Stretches() const {
    std::string out;
    for (const ViewStretch& st : f_.stretches) {
      std::string label = st.tunnel ? "tunnel" : "terrain " + N(st.montagna);
      Add(out, "[" + N(StretchStartMetres(st.first_cell)) + "," +
                   N(StretchEndMetres(st.last_cell)) + "," + (st.tunnel ? "1" : "0") + "," +
                   Q(label) + "," + Q(StretchTip(records_, st)) + "]");
    }
    return "[" + out + "]";
  }

  /// [metres, value] at every change of the per-cell value, from cell 1.
  std::string Runs(const std::function<int64_t(size_t, int64_t)>& value_of) const {
    std::string out;
    int64_t previous = 0;
    for (size_t i = 1; i < s_.celle.size(); ++i) {
      int64_t v = value_of(i, previous);
      if (i == 1 || v != previous)
        Add(out, "[" + N(CellMetres(static_cast<int64_t>(i))) + "," + N(v) + "]");
      previous = v;
    }
    return "[" + out + "]";
  }

  /// [metres, "FILE:LINE"] of every record of `kind`, for the readout of a
  /// profile.
  std::string Places(EntryKind kind) const {
    std::string out;
    for (const SourceEntry* r : records_.OfKind(kind)) {
      std::string place = PlaceText(r->place);
      if (place.empty()) continue;
      Add(out, "[" + N(r->numbers[0]) + "," + Q(place) + "]");
    }
    return "[" + out + "]";
  }

  /// [start, end, radius, "FILE:LINE"] of every curve, the radius in metres
  /// and negative for a curve to the right.
  std::string Curves() const {
    std::string out;
    for (const ViewCurve& c : FindCurves(s_, records_)) {
      int64_t radius = CurveRadius(c) * (c.turn > 0 ? 1 : -1);
      Add(out, "[" + N(c.start) + "," + N(c.end) + "," + N(radius) + "," +
                   Q(c.record ? PlaceText(c.record->place) : "") + "]");
    }
    return "[" + out + "]";
  }

  static std::string Diagnostics(const std::vector<ViewDiagnostic>& diagnostics) {
    std::string out;
    for (const ViewDiagnostic& d : diagnostics) {
      Add(out, "[" + Q(d.severity) + "," + Q(d.place) + "," + Q(d.text) + "," +
                   (d.metres ? N(*d.metres) : "null") + "," + Q(d.group) + "]");
    }
    return "[" + out + "]";
  }

  /// The editor's address and each source's absolute path, or null.
  static std::string Editor(const ViewScenario& s) {
    if (s.editor.empty()) return "null";
    std::string paths;
    for (const auto& [given, absolute] : s.source_paths) {
      Add(paths, Q(ValidUtf8(given)) + ":" + Q(ValidUtf8(absolute)));
    }
    return "{\"url\":" + Q(ValidUtf8(s.editor)) + ",\"paths\":{" + paths + "}}";
  }

 private:
  const ViewScenario& s_;
  const ViewFeatures& f_;
  const RecordIndex& records_;
};

}  // namespace

std::string ViewDataJson(const ViewScenario& s, const ViewFeatures& f, const RecordIndex& records,
                         const std::string& plan_json,
                         const std::vector<ViewDiagnostic>& diagnostics) {
  DataWriter w(s, f, records);
  const auto& celle = s.celle;
  const int64_t route_end = s.voci[kVoceTreno].fine;
  std::string json =
      "{\"axis\":" + N(f.axis_metres) + ",\"cells\":" + N(static_cast<int64_t>(celle.size())) +
      ",\"stations\":" + w.Stations() + ",\"rows\":" + w.Rows() +
      ",\"slowdowns\":" + w.Slowdowns() + ",\"slowdownBoards\":" + w.SlowdownBoards() +
      ",\"stretches\":" + w.Stretches() + ",\"speed\":" +
      w.Runs([&](size_t i, int64_t) { return DecodeLineSpeed(celle[i].velocita); }) +
      // A cell that no gradient reached (0, past the end of the profile) keeps
      // the gradient before it.
      ",\"gradient\":" + w.Runs([&](size_t i, int64_t previous) {
        return DecodeGradient(celle[i].pendenza).value_or(previous);
      }) +
      ",\"adhesion\":" + w.Runs([&](size_t i, int64_t) { return celle[i].aderenza; }) +
      ",\"speedFrom\":" + w.Places(EntryKind::kLineSpeed) + ",\"speedRule\":" +
      (LastCellSpeedDrop(s, records) >= 0
           ? "[" + N(LastCellSpeedDrop(s, records)) + "," + Q(kLastCellSpeedRule) + "]"
           : std::string("null")) +
      ",\"gradientFrom\":" + w.Places(EntryKind::kGradient) + ",\"curves\":" + w.Curves() +
      ",\"plan\":" + plan_json + ",\"diagnostics\":" + DataWriter::Diagnostics(diagnostics) +
      ",\"editor\":" + DataWriter::Editor(s) +
      ",\"routeEnd\":" + (route_end > 0 && route_end < f.axis_metres ? N(route_end) : "null") + "}";
  // Inside a <script> element "</" or "<!--" would change how the element
  // ends; a "<" occurs only inside strings, where \u003c reads the same.
  std::string out;
  out.reserve(json.size());
  for (char c : json) {
    if (c == '<') {
      out += "\\u003c";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace percorso
