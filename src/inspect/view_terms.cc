#include "inspect/view_terms.h"

#include <optional>

#include "compiler/keywords.h"
#include "compiler/rounding.h"
#include "compiler/windows1252.h"
#include "inspect/dump_format.h"
#include "inspect/text_out.h"

namespace percorso {
namespace {

// One keyword test of a grammar: the words the keyword field must contain, the
// numbers it takes and whether a text follows. Tests without a kind take their
// fields but make no record (header values of the train file).
struct Test {
  const char* word;
  const char* also;
  std::optional<RecordKind> kind;
  size_t numbers;
  bool text;
};

constexpr Test kLineBody[] = {
    {"pendenza", nullptr, RecordKind::kGradient, 2, false},
    {"curva", nullptr, RecordKind::kCurve, 2, false},
    {"montagna", nullptr, RecordKind::kTerrain, 3, false},
    {"indicatori_v", nullptr, RecordKind::kSpeedBoard, 9, false},
    {"cartello", "indicat", RecordKind::kTextBoard, 1, true},
};

constexpr Test kTrain[] = {
    {"frenata", "massa", std::nullopt, 1, false},
    {"vetture", nullptr, std::nullopt, 1, false},
    {"velocit", nullptr, RecordKind::kLineSpeed, 2, false},
    {"aderenza", nullptr, RecordKind::kAdhesion, 2, false},
    {"orologio", nullptr, std::nullopt, 3, false},
    {"sabbia", nullptr, std::nullopt, 1, false},
    {"segnale", nullptr, RecordKind::kSignal, 11, false},
    {"rallentamento", nullptr, RecordKind::kSlowdown, 6, false},
    {"abbattimento", nullptr, RecordKind::kCutOff, 2, false},
    {"stazione", nullptr, RecordKind::kStation, 16, true},
};

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

int64_t At(const SourceRecord& r, size_t i) {
  return i < r.values.size() ? r.values[i] : 0;
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
std::string From(const SourceRecord& r) {
  std::string place = PlaceText(r.place);
  return place.empty() ? "" : "\n" + place;
}

constexpr std::string_view kReadBack = "\n(values read back from the cells)";

struct SignalValues {
  int64_t posizione, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo;
};

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

SignalValues SignalOf(const ViewScenario& s, const SourceRecord* r, int64_t cell) {
  if (r == nullptr) return DecodeSignal(s, cell);
  return {At(*r, 0), At(*r, 1), At(*r, 2), At(*r, 3), At(*r, 4), At(*r, 5),
          At(*r, 6), At(*r, 7), At(*r, 8), At(*r, 9), At(*r, 10)};
}

std::string SignalTip(const ViewScenario& s, const SourceRecord* r, int64_t cell) {
  SignalValues v = SignalOf(s, r, cell);
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

std::string SpeedBoardTip(const cella& c, const SourceRecord* r, int64_t cell) {
  if (r != nullptr) {
    return Heading("speed board", At(*r, 0)) + "\nposizione " + N(At(*r, 0)) + " m\n" +
           Fields({{"vas", Speed(At(*r, 1))},
                   {"vbs", Speed(At(*r, 2))},
                   {"vcs", Speed(At(*r, 3))},
                   {"strisces", N(At(*r, 4))}}) +
           "\n" +
           Fields({{"vad", Speed(At(*r, 5))},
                   {"vbd", Speed(At(*r, 6))},
                   {"vcd", Speed(At(*r, 7))},
                   {"strisced", N(At(*r, 8))}}) +
           From(*r);
  }
  auto high = [](int16_t code) { return Speed(static_cast<int64_t>(code / 100) * 5); };
  auto low = [](int16_t code) { return Speed(static_cast<int64_t>(code % 100) * 5); };
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

std::string TextBoardTip(const ViewScenario& s, const cella& c, const SourceRecord* r,
                         int64_t cell) {
  int64_t posizione = r ? At(*r, 0) : CellMetres(cell);
  std::string text = r ? Utf8FromWindows1252(r->text) : BoardText(s, c);
  return Heading("text board", posizione) + "\nposizione " + N(posizione) + " m\ntext " + text +
         (r ? From(*r) : "\n(text in slot " + N(c.dato1) + ")");
}

std::string MarkerTip(const cella& c, const SourceRecord* r, int64_t cell) {
  if (r != nullptr) {
    return Heading("cut-off (abbattimento)", At(*r, 0)) + "\nposizione " + N(At(*r, 0)) +
           " m \u00b7 value " + N(At(*r, 1)) + From(*r);
  }
  if (c.tipo == kAbbattimentoNullo) {
    return Heading("cut-off with a value below 1", CellMetres(cell) + 50) + std::string(kReadBack);
  }
  return Heading("marker", CellMetres(cell)) + "\nvalue " + N(c.dato1) +
         "\n(placed by the compiler before a signal or a slowdown, or a cut-off with this value)";
}

std::string SlowdownBoardTip(const cella& c, const SourceRecord* r, int64_t cell) {
  std::string head =
      c.tipo == kAvvisoRallentamento
          ? Heading("slowdown warning board", CellMetres(cell)) + "\n" +
                Fields({{"v", Speed(c.dato1)}, {"d_v", N(c.dato2)}})
          : Heading("slowdown numbered cell " + N(c.dato1) + " of 4", CellMetres(cell));
  if (r == nullptr) return head + std::string(kReadBack);
  return head + "\nfor the slowdown at x " + N(At(*r, 0)) + " m" + From(*r);
}

void Index(std::map<int64_t, size_t>& by_cell, int64_t cell, size_t record) {
  by_cell.emplace(cell, record);  // the first record placed wins
}

}  // namespace

std::vector<SourceRecord> SplitEntries(const std::vector<SourceEntry>& entries,
                                       const std::string& line_file) {
  std::vector<SourceRecord> out;
  for (const SourceEntry& e : entries) {
    bool line = e.place.file == line_file;
    size_t next = 0;
    auto run = [&](const Test& t) {
      if (!Has(e.keyword, t.word) || (t.also != nullptr && !Has(e.keyword, t.also))) return;
      SourceRecord r{t.kind.value_or(RecordKind::kSignal), e.place, {}, {}};
      for (size_t i = 0; i < t.numbers && next < e.numbers.size(); ++i) {
        r.values.push_back(e.numbers[next++]);
      }
      if (t.text) r.text = e.text;
      if (t.kind && !r.values.empty()) out.push_back(std::move(r));
    };
    if (line) {
      for (const Test& t : kLineBody) run(t);
    } else {
      for (const Test& t : kTrain) run(t);
    }
  }
  return out;
}

RecordIndex::RecordIndex(std::vector<SourceRecord> records) : records_(std::move(records)) {
  int slot = 1;
  for (size_t i = 0; i < records_.size(); ++i) {
    const SourceRecord& r = records_[i];
    int64_t p = At(r, 0);
    switch (r.kind) {
      case RecordKind::kSignal:
      case RecordKind::kSpeedBoard:
      case RecordKind::kTextBoard:
        Index(by_cell_, cell_of(p), i);
        break;
      case RecordKind::kCutOff:
        Index(by_cell_, nearest(static_cast<double>(p) / 50.0), i);
        break;
      case RecordKind::kSlowdown: {
        double a = (static_cast<double>(p) - 1200) / 50.0;
        for (int64_t cell : {cell_of(p), cell_of(p + At(r, 2)), nearest(a + 1)}) {
          Index(by_cell_, cell, i);
        }
        for (int64_t k = 0; k < 4; ++k) Index(by_cell_, nearest(a) - k, i);
        break;
      }
      case RecordKind::kStation:
        by_slot_.emplace(slot++, i);
        break;
      default:
        break;
    }
  }
}

const SourceRecord* RecordIndex::AtCell(int64_t cell) const {
  auto it = by_cell_.find(cell);
  return it == by_cell_.end() ? nullptr : &records_[it->second];
}

const SourceRecord* RecordIndex::Station(int slot) const {
  auto it = by_slot_.find(slot);
  return it == by_slot_.end() ? nullptr : &records_[it->second];
}

std::vector<const SourceRecord*> RecordIndex::Terrain(int64_t first, int64_t last) const {
  std::vector<const SourceRecord*> out;
  for (const SourceRecord& r : records_) {
    if (r.kind != RecordKind::kTerrain) continue;
    int64_t cell = nearest(static_cast<double>(At(r, 0)) / 50.0);
    if (cell >= first && cell <= last) out.push_back(&r);
  }
  return out;
}

std::vector<const SourceRecord*> RecordIndex::OfKind(RecordKind kind) const {
  std::vector<const SourceRecord*> out;
  for (const SourceRecord& r : records_) {
    if (r.kind == kind) out.push_back(&r);
  }
  return out;
}

std::string PlaceText(const SourceLocation& place) {
  if (place.file.empty()) return "";
  std::string file = ValidUtf8(place.file);
  return place.known() ? file + ":" + N(place.line) : file;
}

std::string FeatureTip(const ViewScenario& s, const RecordIndex& records, int64_t cell) {
  if (cell < 0 || static_cast<size_t>(cell) >= s.celle.size()) return "";
  const cella& c = s.celle[static_cast<size_t>(cell)];
  const SourceRecord* r = records.AtCell(cell);
  std::string tip;
  switch (c.tipo) {
    case kSegnale:
      tip = SignalTip(s, r && r->kind == RecordKind::kSignal ? r : nullptr, cell);
      break;
    case kIndicatoreVMax:
      tip = SpeedBoardTip(c, r && r->kind == RecordKind::kSpeedBoard ? r : nullptr, cell);
      break;
    case kCartello:
      tip = TextBoardTip(s, c, r && r->kind == RecordKind::kTextBoard ? r : nullptr, cell);
      break;
    case kMarcatore:
    case kAbbattimentoNullo:
      tip = MarkerTip(c, r && r->kind == RecordKind::kCutOff ? r : nullptr, cell);
      break;
    case kAvvisoRallentamento:
    case kNumerataRallentamento:
      tip = SlowdownBoardTip(c, r && r->kind == RecordKind::kSlowdown ? r : nullptr, cell);
      break;
    default:
      tip = Heading(TipoName(c.tipo), CellMetres(cell));
      break;
  }
  return tip + "\n" + MembersLine(cell, c);
}

std::string SlowdownTip(const ViewScenario& s, const RecordIndex& records, const ViewSlowdown& sd) {
  const SourceRecord* r = records.AtCell(sd.start_cell);
  if (r != nullptr && r->kind == RecordKind::kSlowdown) {
    return Heading("slowdown", At(*r, 0)) + "\n" +
           Fields(
               {{"x", N(At(*r, 0)) + " m"}, {"v", Speed(At(*r, 1))}, {"l", N(At(*r, 2)) + " m"}}) +
           "\n" + Fields({{"f_tt", N(At(*r, 3))}, {"f_ta", N(At(*r, 4))}, {"d_v", N(At(*r, 5))}}) +
           From(*r);
  }
  const cella& start = s.celle[static_cast<size_t>(sd.start_cell)];
  return Heading("slowdown", CellMetres(sd.start_cell)) + "\n" +
         Fields({{"x", N(CellMetres(sd.start_cell)) + " m"},
                 {"v", Speed(sd.speed)},
                 {"l", N(CellMetres(sd.end_cell) - CellMetres(sd.start_cell)) + " m"}}) +
         "\n" + Fields({{"f_tt", N(start.dato3)}, {"d_v", N(start.dato2)}}) +
         std::string(kReadBack) + "\ncells " + N(sd.start_cell) + " to " + N(sd.end_cell);
}

std::string StationTip(const RecordIndex& records, const ViewStation& st) {
  const voce& v = *st.v;
  const SourceRecord* r = records.Station(st.slot);
  std::string length =
      r ? N(At(*r, 2)) + " m" : "area km " + Kilometres(v.inizio) + " to " + Kilometres(v.fine);
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
  std::vector<const SourceRecord*> found = records.Terrain(st.first_cell, st.last_cell);
  for (const SourceRecord* r : found) {
    tip += "\n" +
           Fields({{"inizio", N(At(*r, 0)) + " m"},
                   {"fine", N(At(*r, 1)) + " m"},
                   {"tipo", N(At(*r, 2))}}) +
           (PlaceText(r->place).empty() ? "" : "  " + PlaceText(r->place));
  }
  if (found.empty()) tip += std::string(kReadBack);
  return tip;
}

std::string SignalKind(const ViewScenario& s, const RecordIndex& records, int64_t cell) {
  const SourceRecord* r = records.AtCell(cell);
  SignalValues v = SignalOf(s, r && r->kind == RecordKind::kSignal ? r : nullptr, cell);
  std::string kind = v.sx == 1 ? "sx1" : v.sx == 2 ? "sx2" : "sx-other";
  return v.dx != 0 ? kind + " right" : kind;
}

}  // namespace percorso
