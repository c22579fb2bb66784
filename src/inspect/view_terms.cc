#include "inspect/view_terms.h"

#include "inspect/dump_format.h"
#include "inspect/text_out.h"
#include "model/grammar.h"
#include "model/rounding.h"
#include "model/windows1252.h"

namespace percorso {
namespace {

std::string N(int64_t v) {
  return std::to_string(v);
}

/// "name value" pairs joined by a middle dot.
std::string Fields(std::initializer_list<std::pair<const char*, std::string>> fields) {
  std::string out;
  for (const auto& [name, value] : fields) {
    if (!out.empty()) out += " \u00b7 ";
    out += std::string(name) + " " + value;
  }
  return out;
}

std::string MembersLine(int64_t index, const cella& c) {
  return "cell " + N(index) + ": tipo " + N(c.tipo) + ", dato1 " + N(c.dato1) + ", dato2 " +
         N(c.dato2) + ", dato3 " + N(c.dato3) + ", dato4 " + N(c.dato4) + ", tempo " + N(c.tempo) +
         ", avviso " + N(c.avviso);
}

std::string Heading(std::string_view what, int64_t metres) {
  return std::string(what) + " at km " + Kilometres(metres);
}

/// The last line of a tooltip made from a record: where it was written.
std::string From(const SourceEntry& r) {
  std::string place = PlaceText(r.place);
  return place.empty() ? "" : "\n" + place;
}

constexpr std::string_view kReadBack = "\n(values read back from the cells)";

/// A signal's fields from its cell: each of `dato1` to `dato3` is a digit pair,
/// and the approach code two cells before tells sx · 3 + dx from rapp when no
/// later signal has overwritten it.
SignalValues DecodeSignal(const ViewScenario& s, int64_t cell) {
  const cella& c = s.celle[static_cast<size_t>(cell)];
  int64_t both = c.dato4 % 10;
  if (cell >= 2) {
    const cella& before = s.celle[static_cast<size_t>(cell - 2)];
    int64_t code = before.avviso / 10;
    if (before.avviso % 10 == 1 && code <= c.dato4 && (c.dato4 - code) % 10 == 0) both = code;
  }
  return {CellMetres(cell), both / 3,     c.dato1 / 10,
          c.dato2 / 10,     c.dato3 / 10, (c.dato4 - both) / 10,
          both % 3,         c.dato1 % 10, c.dato2 % 10,
          c.dato3 % 10,     c.tempo};
}

SignalValues SignalOf(const ViewScenario& s, const SourceEntry* r, int64_t cell) {
  if (r == nullptr) return DecodeSignal(s, cell);
  auto value = [r](std::string_view name) { return RecordValue(*r, name); };
  return {value("posizione"), value("sx"), value("s1"), value("s2"), value("s3"),   value("rapp"),
          value("dx"),        value("d1"), value("d2"), value("d3"), value("tempo")};
}

/// "sx1", "sx2" or "sx-other" by the left indication, and " right" when there
/// is a right one.
std::string SignalKind(const SignalValues& v) {
  std::string kind = v.sx == 1 ? "sx1" : v.sx == 2 ? "sx2" : "sx-other";
  return v.dx != 0 ? kind + " right" : kind;
}

std::string SignalTip(const SignalValues& v, const SourceEntry* r) {
  return Heading("signal", v.posizione) + "\nposizione " + N(v.posizione) + " m\n" +
         Fields({{"sx", N(v.sx)},
                 {"s1", N(v.s1)},
                 {"s2", N(v.s2)},
                 {"s3", N(v.s3)},
                 {"rapp", N(v.rapp)}}) +
         "\n" +
         Fields({{"dx", N(v.dx)},
                 {"d1", N(v.d1)},
                 {"d2", N(v.d2)},
                 {"d3", N(v.d3)},
                 {"tempo", N(v.tempo)}}) +
         (r ? From(*r) : std::string(kReadBack));
}

std::string Speed(int64_t kmh) {
  return N(kmh) + " km/h";
}

std::string SpeedBoardTip(const cella& c, const SourceEntry* r, int64_t cell) {
  if (r != nullptr) {
    auto value = [r](std::string_view name) { return RecordValue(*r, name); };
    return Heading("speed board", value("posizione")) + "\nposizione " + N(value("posizione")) +
           " m\n" +
           Fields({{"vas", Speed(value("vas"))},
                   {"vbs", Speed(value("vbs"))},
                   {"vcs", Speed(value("vcs"))},
                   {"strisces", N(value("strisces"))}}) +
           "\n" +
           Fields({{"vad", Speed(value("vad"))},
                   {"vbd", Speed(value("vbd"))},
                   {"vcd", Speed(value("vcd"))},
                   {"strisced", N(value("strisced"))}}) +
           From(*r);
  }
  auto high = [](int16_t code) { return Speed(DecodeSpeedCode(code).high); };
  auto low = [](int16_t code) { return Speed(DecodeSpeedCode(code).low); };
  return Heading("speed board", CellMetres(cell)) + "\nposizione " + N(CellMetres(cell)) + " m\n" +
         Fields({{"vas", high(c.dato1)},
                 {"vbs", high(c.dato2)},
                 {"vcs", high(c.dato3)},
                 {"strisces", N(c.dato4 / 10)}}) +
         "\n" +
         Fields({{"vad", low(c.dato1)},
                 {"vbd", low(c.dato2)},
                 {"vcd", low(c.dato3)},
                 {"strisced", N(c.dato4 % 10)}}) +
         std::string(kReadBack);
}

std::string TextBoardTip(const ViewScenario& s, const cella& c, const SourceEntry* r,
                         int64_t cell) {
  int64_t posizione = r ? RecordValue(*r, "position") : CellMetres(cell);
  std::string text = r ? Utf8FromWindows1252(r->text) : BoardText(s, c);
  return Heading("text board", posizione) + "\nposizione " + N(posizione) + " m\ntext " + text +
         (r ? From(*r) : "\n(text in slot " + N(c.dato1) + ")");
}

std::string MarkerTip(const cella& c, const SourceEntry* r, int64_t metres) {
  if (r != nullptr) {
    return Heading("cut-off (abbattimento)", metres) + "\nposizione " + N(metres) +
           " m \u00b7 value " + N(RecordValue(*r, "value")) + From(*r);
  }
  if (c.tipo == kAbbattimentoNullo) {
    return Heading("cut-off with a value below 1", metres) + std::string(kReadBack);
  }
  return Heading("marker", metres) + "\nvalue " + N(c.dato1) +
         "\n(placed by the compiler before a signal or a slowdown, or a cut-off with this value)";
}

std::string SlowdownBoardTip(const cella& c, const SourceEntry* r, int64_t cell) {
  std::string head =
      c.tipo == kAvvisoRallentamento
          ? Heading("slowdown warning board", CellMetres(cell)) + "\n" +
                Fields({{"v", Speed(c.dato1)}, {"d_v", N(c.dato2)}})
          : Heading("slowdown numbered cell " + N(c.dato1) + " of 4", CellMetres(cell));
  if (r == nullptr) return head + std::string(kReadBack);
  return head + "\nfor the slowdown at x " + N(RecordValue(*r, "x")) + " m" + From(*r);
}

}  // namespace

int64_t RecordValue(const SourceEntry& r, std::string_view field) {
  std::optional<size_t> i = NumberIndex(r.kind, field);
  return i && *i < r.numbers.size() ? r.numbers[*i] : 0;
}

RecordIndex::RecordIndex(const std::vector<SourceEntry>& records) {
  for (const SourceEntry& r : records) {
    if (r.numbers.empty()) continue;
    const size_t i = records_.size();
    records_.push_back(r);
    // A later feature on a cell took it from the one before.
    for (int64_t cell : r.cells) by_cell_[cell] = i;
    if (r.slot > 0) by_slot_[r.slot] = i;
  }
}

const SourceEntry* RecordIndex::AtCell(int64_t cell, EntryKind kind) const {
  auto it = by_cell_.find(cell);
  if (it == by_cell_.end() || records_[it->second].kind != kind) return nullptr;
  return &records_[it->second];
}

const SourceEntry* RecordIndex::Station(int slot) const {
  auto it = by_slot_.find(slot);
  return it == by_slot_.end() ? nullptr : &records_[it->second];
}

std::vector<const SourceEntry*> RecordIndex::Terrain(int64_t first, int64_t last) const {
  std::vector<const SourceEntry*> out;
  for (const SourceEntry& r : records_) {
    if (r.kind != EntryKind::kTerrain) continue;
    int64_t cell = nearest(static_cast<double>(RecordValue(r, "inizio")) / 50.0);
    if (cell >= first && cell <= last) out.push_back(&r);
  }
  return out;
}

std::vector<const SourceEntry*> RecordIndex::OfKind(EntryKind kind) const {
  std::vector<const SourceEntry*> out;
  for (const SourceEntry& r : records_) {
    if (r.kind == kind) out.push_back(&r);
  }
  return out;
}

SignalValues SignalValuesAt(const ViewScenario& s, const RecordIndex& records, int64_t cell) {
  if (cell < 0 || static_cast<size_t>(cell) >= s.celle.size()) return {};
  return SignalOf(s, records.AtCell(cell, EntryKind::kSignal), cell);
}

SlowdownValues SlowdownValuesOf(const ViewScenario& s, const RecordIndex& records,
                                const ViewSlowdown& sd) {
  if (const SourceEntry* r = records.AtCell(sd.start_cell, EntryKind::kSlowdown)) {
    auto value = [r](std::string_view name) { return RecordValue(*r, name); };
    return {value("x"), value("v"), value("l"), value("f_tt"), value("f_ta"), value("d_v"), true};
  }
  const cella& start = s.celle[static_cast<size_t>(sd.start_cell)];
  return {CellMetres(sd.start_cell),
          sd.speed,
          CellMetres(sd.end_cell) - CellMetres(sd.start_cell),
          start.dato3,
          0,
          start.dato2,
          false};
}

std::string PlaceText(const SourceLocation& place) {
  if (place.file.empty()) return "";
  std::string file = ValidUtf8(place.file);
  return place.known() ? file + ":" + N(place.line) : file;
}

FeatureTerms DescribeFeature(const ViewScenario& s, const RecordIndex& records, int64_t cell) {
  if (cell < 0 || static_cast<size_t>(cell) >= s.celle.size()) return {CellMetres(cell), "", ""};
  const cella& c = s.celle[static_cast<size_t>(cell)];
  FeatureTerms out{CellMetres(cell), "", ""};
  switch (c.tipo) {
    case kSegnale: {
      const SourceEntry* r = records.AtCell(cell, EntryKind::kSignal);
      SignalValues v = SignalOf(s, r, cell);
      out.kind = "signal " + SignalKind(v);
      out.tip = SignalTip(v, r);
      break;
    }
    case kIndicatoreVMax:
      out.kind = "speed-board";
      out.tip = SpeedBoardTip(c, records.AtCell(cell, EntryKind::kSpeedBoard), cell);
      break;
    case kCartello:
      out.kind = "text-board";
      out.tip = TextBoardTip(s, c, records.AtCell(cell, EntryKind::kTextBoard), cell);
      break;
    case kAvvisoRallentamento:
    case kNumerataRallentamento:
      out.kind =
          c.tipo == kAvvisoRallentamento ? "slowdown-board warning" : "slowdown-board numbered";
      out.tip = SlowdownBoardTip(c, records.AtCell(cell, EntryKind::kSlowdown), cell);
      break;
    case kMarcatore:
    case kAbbattimentoNullo: {
      const SourceEntry* r = records.AtCell(cell, EntryKind::kCutOff);
      // Read back from the cells, a cut-off with a value below 1 stands 50 m
      // after its cell's metres.
      if (r != nullptr) {
        out.metres = RecordValue(*r, "position");
      } else if (c.tipo == kAbbattimentoNullo) {
        out.metres += 50;
      }
      out.kind = r != nullptr || c.tipo == kAbbattimentoNullo ? "marker cut-off" : "marker";
      out.tip = MarkerTip(c, r, out.metres);
      break;
    }
    default:
      out.kind = "marker";
      out.tip = Heading(TipoName(c.tipo), CellMetres(cell));
      break;
  }
  out.tip += "\n" + MembersLine(cell, c);
  return out;
}

std::string SlowdownTip(const ViewScenario& s, const RecordIndex& records, const ViewSlowdown& sd) {
  const SlowdownValues v = SlowdownValuesOf(s, records, sd);
  std::string head = Heading("slowdown", v.x) + "\n" +
                     Fields({{"x", N(v.x) + " m"}, {"v", Speed(v.v)}, {"l", N(v.l) + " m"}}) + "\n";
  if (const SourceEntry* r = records.AtCell(sd.start_cell, EntryKind::kSlowdown)) {
    return head + Fields({{"f_tt", N(v.f_tt)}, {"f_ta", N(v.f_ta)}, {"d_v", N(v.d_v)}}) + From(*r);
  }
  return head + Fields({{"f_tt", N(v.f_tt)}, {"d_v", N(v.d_v)}}) + std::string(kReadBack) +
         "\ncells " + N(sd.start_cell) + " to " + N(sd.end_cell);
}

std::string StationTip(const RecordIndex& records, const ViewStation& st) {
  const voce& v = *st.v;
  const SourceEntry* r = records.Station(st.slot);
  std::string length = r ? N(RecordValue(*r, "length")) + " m"
                         : "area km " + Kilometres(v.inizio) + " to " + Kilometres(v.fine);
  std::string time = v.orario != 0 ? ClockTime(v.orario) : "none";
  return "station " + st.name + " at km " + Kilometres(v.posizione) + "\n" +
         Fields({{"posizione", N(v.posizione) + " m"}, {"tipo", N(v.tipo)}}) + "\n" +
         (r ? "length " : "") + length + "\n" +
         Fields({{"marca", N(v.marca)},
                 {"opzione4", N(v.opzione4)},
                 {"opzione3", N(v.opzione3)},
                 {"valore1", N(v.valore1)},
                 {"valore2", N(v.valore2)}}) +
         "\n" +
         Fields({{"opzione1", N(v.opzione1)},
                 {"valore3", N(v.valore3)},
                 {"valore4", N(v.valore4)},
                 {"valore5", N(v.valore5)},
                 {"opzione2", N(v.opzione2)}}) +
         "\ntime " + time + " \u00b7 slot " + N(st.slot) +
         (st.stop_cell >= 0 ? " \u00b7 stopping mark at km " + Kilometres(CellMetres(st.stop_cell))
                            : std::string()) +
         (r ? From(*r) : std::string());
}

std::string StretchTip(const RecordIndex& records, const ViewStretch& st) {
  std::string kind = st.tunnel ? "tunnel" : "terrain";
  std::string tip = Heading(kind, CellMetres(st.first_cell + 1)) + " to " +
                    Kilometres(CellMetres(st.last_cell + 2)) + "\nmontagna " + N(st.montagna);
  std::vector<const SourceEntry*> found = records.Terrain(st.first_cell, st.last_cell);
  for (const SourceEntry* r : found) {
    std::string place = PlaceText(r->place);
    tip += "\n" +
           Fields({{"inizio", N(RecordValue(*r, "inizio")) + " m"},
                   {"fine", N(RecordValue(*r, "fine")) + " m"},
                   {"tipo", N(RecordValue(*r, "tipo"))}}) +
           (place.empty() ? "" : "  " + place);
  }
  if (found.empty()) tip += std::string(kReadBack);
  return tip;
}

}  // namespace percorso
