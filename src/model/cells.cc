#include "model/cells.h"

namespace percorso {
namespace {

// The words for each cell type: a listing's name and a message's description.
struct TipoWords {
  uint8_t tipo;
  std::string_view name;
  std::string_view description;
};

constexpr TipoWords kTipoWords[] = {
    {kVuota, "none", "nothing"},
    {kSegnale, "signal", "a signal"},
    {kFineRallentamento, "slowdown end", "the end of a slowdown"},
    {kInizioRallentamento, "slowdown start", "the start of a slowdown"},
    {kAvvisoRallentamento, "warning board", "a slowdown warning board"},
    {kNumerataRallentamento, "numbered cell", "a numbered cell before a slowdown warning board"},
    {kIndicatoreVMax, "speed board", "a speed-indicator board"},
    {kFermata, "station stop", "a station's stopping mark"},
    {kRiempitivoGalleria, "tunnel filler", "a tunnel filler"},
    {kMarcatore, "marker", "a cut-off point or marker"},
    {kAbbattimentoNullo, "cut-off", "a cut-off point"},
    {kCartello, "text board", "a text board"},
};

const TipoWords* WordsOf(uint8_t tipo) {
  for (const TipoWords& w : kTipoWords) {
    if (w.tipo == tipo) return &w;
  }
  return nullptr;
}

// The warning board of a slowdown stands this many metres before its start.
constexpr int64_t kWarningDistance = 1200;
// A station's approach codes are this plus their number.
constexpr int64_t kStationApproachBase = 80;
// Level ground in a gradient code.
constexpr int64_t kGradientLevel = 100;
// A speed code counts in steps of this many km/h.
constexpr int64_t kSpeedStep = 5;

}  // namespace

std::string_view TipoName(uint8_t tipo) {
  const TipoWords* w = WordsOf(tipo);
  return w != nullptr ? w->name : "unknown";
}

std::string_view TipoDescription(uint8_t tipo) {
  const TipoWords* w = WordsOf(tipo);
  return w != nullptr ? w->description : "a feature";
}

int64_t EncodeDigitPair(int64_t tens, int64_t units) {
  return tens * 10 + units;
}

DigitPair DecodeDigitPair(int16_t value) {
  return {value / 10, value % 10};
}

int64_t EncodeAspect(int64_t sx, int64_t dx) {
  return sx * 3 + dx;
}

Aspect DecodeAspect(int64_t aspect) {
  return {aspect / 3, aspect % 3};
}

int64_t EncodeApproach(int64_t aspect, int64_t number) {
  return aspect * 10 + number;
}

Approach DecodeApproach(uint8_t avviso) {
  return {avviso / 10, avviso % 10};
}

int64_t ApproachCell(int64_t signal_cell, int64_t number) {
  return signal_cell - 2 * number;
}

int64_t EncodeSignalTempo(int64_t sx, int64_t tempo) {
  if (sx != 2) return 0;
  return tempo >= 1 && tempo <= 100 ? 101 : tempo;
}

SignalCode EncodeSignal(const Segnale& g) {
  SignalCode code;
  code.aspect = EncodeAspect(g.sx, g.dx);
  code.dato1 = EncodeDigitPair(g.s1, g.d1);
  code.dato2 = EncodeDigitPair(g.s2, g.d2);
  code.dato3 = EncodeDigitPair(g.s3, g.d3);
  code.dato4 = EncodeDigitPair(g.rapp, code.aspect);
  code.tempo = EncodeSignalTempo(g.sx, g.tempo);
  return code;
}

Segnale DecodeSignal(const cella& c, const cella* two_before) {
  int64_t aspect = DecodeDigitPair(c.dato4).units;
  if (two_before != nullptr) {
    const Approach a = DecodeApproach(two_before->avviso);
    if (a.number == 1 && a.aspect <= c.dato4 && (c.dato4 - a.aspect) % 10 == 0) aspect = a.aspect;
  }
  const DigitPair p1 = DecodeDigitPair(c.dato1);
  const DigitPair p2 = DecodeDigitPair(c.dato2);
  const DigitPair p3 = DecodeDigitPair(c.dato3);
  const Aspect both = DecodeAspect(aspect);
  Segnale g;
  g.sx = static_cast<int32_t>(both.sx);
  g.dx = static_cast<int32_t>(both.dx);
  g.s1 = static_cast<int32_t>(p1.tens);
  g.d1 = static_cast<int32_t>(p1.units);
  g.s2 = static_cast<int32_t>(p2.tens);
  g.d2 = static_cast<int32_t>(p2.units);
  g.s3 = static_cast<int32_t>(p3.tens);
  g.d3 = static_cast<int32_t>(p3.units);
  g.rapp = static_cast<int32_t>((c.dato4 - aspect) / 10);
  g.tempo = c.tempo;
  return g;
}

int64_t EncodeSpeedCode(int64_t vs, int64_t vd) {
  return nearest(static_cast<double>(vd) / static_cast<double>(kSpeedStep) +
                 static_cast<double>(vs) * 20.0);
}

SpeedCodeSpeeds DecodeSpeedCode(int16_t code) {
  return {static_cast<int64_t>(code / 100) * kSpeedStep,
          static_cast<int64_t>(code % 100) * kSpeedStep};
}

std::optional<uint8_t> EncodeLineSpeed(int64_t kmh) {
  const int64_t code = nearest(static_cast<double>(kmh) / static_cast<double>(kSpeedStep));
  if (code < 0 || code > 255) return std::nullopt;
  return static_cast<uint8_t>(code);
}

int64_t DecodeLineSpeed(uint8_t velocita) {
  return int64_t{velocita} * kSpeedStep;
}

int64_t EncodeGradient(int64_t gradient) {
  return gradient + kGradientLevel;
}

std::optional<int64_t> DecodeGradient(uint8_t pendenza) {
  if (pendenza == 0) return std::nullopt;
  return int64_t{pendenza} - kGradientLevel;
}

SlowdownCells SlowdownCellsOf(int64_t x, int64_t l) {
  // The warning board and the numbered cells are rounded from the same
  // position in cells, one of them after adding 1.
  const double a = InCells(x - kWarningDistance);
  return {nearest(a + 1.0), cell_of(x), cell_of(x + l), nearest(a)};
}

SlowdownExtent SlowdownFromCells(int64_t start_cell, int64_t end_cell) {
  return {CellMetres(start_cell), CellMetres(end_cell) - CellMetres(start_cell)};
}

StretchCells StretchCellsOf(int64_t inizio, int64_t fine) {
  return {CellsBefore(inizio), nearest(InCells(fine) - 1.0)};
}

int64_t StretchStartMetres(int64_t first_cell) {
  return CellMetres(first_cell + 1);
}

int64_t StretchEndMetres(int64_t last_cell) {
  return CellMetres(last_cell + 2);
}

int64_t CutOffCell(int64_t posizione) {
  return CellsBefore(posizione);
}

int64_t CutOffMetres(int64_t cell) {
  return cell * kCellMetres;
}

std::optional<int64_t> StationStopCell(int64_t fine) {
  return StationApproachCell(fine, 0);
}

std::optional<int64_t> StationApproachCell(int64_t fine, int64_t z) {
  const double c = InCells(fine) - static_cast<double>(z) - 1;
  if (c <= 1) return std::nullopt;
  return nearest(c);
}

int64_t EncodeStationApproach(int64_t z) {
  return kStationApproachBase + z;
}

}  // namespace percorso
