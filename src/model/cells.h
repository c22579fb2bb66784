// What a route cell holds and how. A cell stands for 50 m of track; a feature
// is written on cells as small integers, and this file is the one place where
// each of those integers is made from the feature's values (the encoding, used
// by the compiler and by its width warnings) and turned back into them (the
// decoding, used by the tools that read compiled files). Each encoding stands
// beside its decoding. Values are encoded in 64 bits; a member keeps the low
// bits of what it is given (low16, low8), so a value survives its cell exactly
// when the encoding fits the member.
//
// Members that hold a value as it is written (a slowdown's speed, d_v and
// f_tt, a board's or station's slot, a cut-off's value, the adhesion) have no
// pair: their decoding is reading the member.
#ifndef PERCORSO_MODEL_CELLS_H_
#define PERCORSO_MODEL_CELLS_H_

#include <cstdint>
#include <optional>
#include <string_view>

#include "model/rounding.h"

namespace percorso {

/// Metres of track per cell.
inline constexpr int32_t kCellMetres = 50;

/// One cell of the route. Members narrower than the values computed for them
/// keep the low bits of the value.
struct cella {
  uint8_t tipo = 0;
  int16_t dato1 = 0;
  int16_t dato2 = 0;
  int16_t dato3 = 0;
  int16_t dato4 = 0;
  uint8_t tempo = 0;
  uint8_t avviso = 0;
  uint8_t montagna = 0;
  uint8_t velocita = 0;
  uint8_t pendenza = 0;
  uint8_t aderenza = 0;

  friend bool operator==(const cella&, const cella&) = default;
};

/// Cell types.
enum TipoCella : uint8_t {
  kVuota = 0,
  kSegnale = 1,
  kFineRallentamento = 2,
  kInizioRallentamento = 3,
  kAvvisoRallentamento = 4,
  kNumerataRallentamento = 5,
  kIndicatoreVMax = 6,
  kFermata = 10,
  kRiempitivoGalleria = 11,
  kMarcatore = 12,
  kAbbattimentoNullo = 13,
  kCartello = 14,
};

/// A cell is free when nothing but a tunnel filler is on it; every conflict
/// test of the compiler is this test.
inline bool is_free(const cella& c) {
  return c.tipo == kVuota || c.tipo == kRiempitivoGalleria;
}

/// A word or two for a cell type, as a listing names it ("signal", "slowdown
/// start"); "unknown" for a type that the compiler never writes.
std::string_view TipoName(uint8_t tipo);
/// What a cell of a type holds, as a message says it ("a signal", "the start
/// of a slowdown"); "a feature" for a type that the compiler never writes.
std::string_view TipoDescription(uint8_t tipo);

// Cells and metres. Each rule computes metres / 50 in floating point and
// rounds to the nearest integer with halves to even, so that rules that
// differ by a constant in exact arithmetic can differ on halves.

/// A position in cells: `metres` / 50 in floating point, before rounding.
inline double InCells(int64_t metres) {
  return static_cast<double>(metres) / static_cast<double>(kCellMetres);
}

/// The cell where a feature at `posizione` lands: round(p / 50 + 1), halves to
/// even, so 25 m falls in cell 2, 75 m in cell 2 and 125 m in cell 4.
inline int64_t cell_of(int64_t posizione) {
  return nearest(InCells(posizione) + 1.0);
}

/// round(p / 50), halves to even (25 m gives 0, 75 m gives 2): a profile
/// value read at `posizione` fills the cells below this one; a cut-off point
/// and the first cell of a terrain stretch lie here.
inline int64_t CellsBefore(int64_t posizione) {
  return nearest(InCells(posizione));
}

/// The metres a cell stands for: (index - 1) * 50. The inverse of cell_of
/// on every multiple of 50.
inline constexpr int64_t CellMetres(int64_t index) {
  return (index - 1) * kCellMetres;
}

/// The last index of the cells of a route that runs on for `metres` metres
/// (its length and the extension after it): round(metres / 50), halves to
/// even.
inline int64_t LastCellOf(int64_t metres) {
  return nearest(InCells(metres));
}

// The feature records: each placement operation takes one whole.

/// A terrain or tunnel stretch from `inizio` to `fine` metres; a `tipo` above
/// 10 marks a tunnel.
struct Montagna {
  int32_t inizio = 0;
  int32_t fine = 0;
  int32_t tipo = 0;
};

/// A slowdown starting at `x` metres, speed `v`, length `l` metres; `f_tt` goes
/// to the start and end cells, `f_ta` non-zero asks for the four numbered
/// cells, `d_v` non-zero is written to the boards.
struct Rallentamento {
  int32_t x = 0;
  int32_t v = 0;
  int32_t l = 0;
  int32_t f_tt = 0;
  int32_t f_ta = 0;
  int32_t d_v = 0;
};

/// A signal at `posizione` metres with its left and right indications.
struct Segnale {
  int32_t posizione = 0;
  int32_t sx = 0;
  int32_t s1 = 0;
  int32_t s2 = 0;
  int32_t s3 = 0;
  int32_t rapp = 0;
  int32_t dx = 0;
  int32_t d1 = 0;
  int32_t d2 = 0;
  int32_t d3 = 0;
  int32_t tempo = 0;
};

/// A speed-indicator board at `posizione` metres: speeds and stripes of the
/// left (s) and right (d) sides.
struct IndicatoriVMax {
  int32_t posizione = 0;
  int32_t vas = 0;
  int32_t vbs = 0;
  int32_t vcs = 0;
  int32_t strisces = 0;
  int32_t vad = 0;
  int32_t vbd = 0;
  int32_t vcd = 0;
  int32_t strisced = 0;
};

// Two numbers in one member: a signal's indications (s1 and d1 in `dato1`),
// its repetition and aspect (`dato4`), a speed board's stripes (`dato4`).

/// `tens` * 10 + `units`.
int64_t EncodeDigitPair(int64_t tens, int64_t units);
struct DigitPair {
  int64_t tens = 0;
  int64_t units = 0;
};
/// The value / 10 and the value % 10, both truncated toward zero: a pair
/// comes back when its units lie in 0..9 and the value is not negative.
DigitPair DecodeDigitPair(int16_t value);

// A signal.

/// The aspect of a signal, sx * 3 + dx: `dato4` carries it in its units and
/// the approach codes before the signal in their tens.
int64_t EncodeAspect(int64_t sx, int64_t dx);
struct Aspect {
  int64_t sx = 0;
  int64_t dx = 0;
};
/// sx = aspect / 3 and dx = aspect % 3: an aspect comes back when dx lies in
/// 0..2 and the aspect is not negative.
Aspect DecodeAspect(int64_t aspect);

/// The approach code of the cell `number` (1 to 4) places of two cells before
/// a signal: aspect * 10 + number. A station's code 80 + z reads back as
/// aspect 8 and number z: the cell cannot tell the two apart.
int64_t EncodeApproach(int64_t aspect, int64_t number);
struct Approach {
  int64_t aspect = 0;
  int64_t number = 0;
};
Approach DecodeApproach(uint8_t avviso);
/// The cell of approach code `number`: 2 * number cells before the signal's.
int64_t ApproachCell(int64_t signal_cell, int64_t number);
/// Approach codes per signal.
inline constexpr int kApproachCodes = 4;

/// A signal's `tempo` member: its time value when sx is 2, where a value 1 to
/// 100 becomes 101; 0 for any other sx. Read back it is the member itself:
/// the value written comes back only when sx is 2 and it is 0 or 101 to 255.
int64_t EncodeSignalTempo(int64_t sx, int64_t tempo);

/// The values a signal's cell takes, before each member keeps its low bits.
struct SignalCode {
  int64_t dato1 = 0;  // s1 * 10 + d1
  int64_t dato2 = 0;  // s2 * 10 + d2
  int64_t dato3 = 0;  // s3 * 10 + d3
  int64_t dato4 = 0;  // rapp * 10 + aspect
  int64_t tempo = 0;
  int64_t aspect = 0;
};
SignalCode EncodeSignal(const Segnale& g);
/// A signal's fields read back from its cell; `posizione` is left 0. The
/// aspect comes from the units of `dato4`, or from the approach code of the
/// cell two before (`two_before`, may be null) when that code is the first
/// one and agrees with `dato4`: an aspect above 9 then still comes back.
Segnale DecodeSignal(const cella& c, const cella* two_before);

// A speed-indicator board.

/// A speed code of a board: round(vd / 5 + vs * 20), halves to even, so for
/// speeds in multiples of 5 it reads as vs / 5 in the hundreds and vd / 5 in
/// the units (110 and 110 give 2222; 105 and 0 give 2100).
int64_t EncodeSpeedCode(int64_t vs, int64_t vd);
/// The two speeds of a speed code in km/h: the hundreds times 5 and the units
/// times 5 (2100 gives 105 and 0).
struct SpeedCodeSpeeds {
  int64_t high = 0;
  int64_t low = 0;
};
SpeedCodeSpeeds DecodeSpeedCode(int16_t code);

// The per-cell profiles.

/// The line-speed code of a cell, round(speed / 5), halves to even; nothing
/// when it does not fit the 8 bits of `velocita` (0 .. 255).
std::optional<uint8_t> EncodeLineSpeed(int64_t kmh);
/// The line speed of a code in km/h: the code times 5.
int64_t DecodeLineSpeed(uint8_t velocita);

/// The gradient code of a cell: the gradient + 100 (100 is level).
int64_t EncodeGradient(int64_t gradient);
/// The gradient of a code; nothing for 0, which a cell that no gradient
/// reached holds (a gradient of -100 cannot be told from it).
std::optional<int64_t> DecodeGradient(uint8_t pendenza);

// Cells of the features that take more than one.

/// The cells of a slowdown at `x` metres of length `l`: its warning board
/// 1200 m before it, its start and end, and the first (nearest) of the four
/// numbered cells before the warning board. Each is rounded on its own, so
/// the numbered cell can lie two cells before the warning board.
struct SlowdownCells {
  int64_t warning = 0;
  int64_t start = 0;
  int64_t end = 0;
  int64_t first_numbered = 0;
};
SlowdownCells SlowdownCellsOf(int64_t x, int64_t l);
/// A slowdown read back from its start and end cells: x and l in metres.
struct SlowdownExtent {
  int64_t x = 0;
  int64_t l = 0;
};
SlowdownExtent SlowdownFromCells(int64_t start_cell, int64_t end_cell);

/// The cells whose `montagna` a stretch from `inizio` to `fine` sets: from
/// round(inizio / 50) to round(fine / 50 - 1), one and two less than the cells
/// of its ends; none when first > last.
struct StretchCells {
  int64_t first = 0;
  int64_t last = 0;
};
StretchCells StretchCellsOf(int64_t inizio, int64_t fine);
/// The metres where a stretch drawn on cells first .. last starts and ends.
int64_t StretchStartMetres(int64_t first_cell);
int64_t StretchEndMetres(int64_t last_cell);

/// A cut-off point at `posizione` lies in round(p / 50), one cell before a
/// feature's; read back, that cell stands for the metres `cell` * 50.
int64_t CutOffCell(int64_t posizione);
int64_t CutOffMetres(int64_t cell);

/// The cell of a station's stopping mark, one before the cell of its end:
/// round(fine / 50 - 1); nothing when fine / 50 - 1 is 1 or less.
std::optional<int64_t> StationStopCell(int64_t fine);
/// The cell of the station's approach code `z` (1 to 4), z cells before its
/// stopping mark: round(fine / 50 - z - 1); nothing when that value is 1 or
/// less.
std::optional<int64_t> StationApproachCell(int64_t fine, int64_t z);
/// A station's approach code `z`: 80 + z (read back by DecodeApproach).
int64_t EncodeStationApproach(int64_t z);

}  // namespace percorso

#endif  // PERCORSO_MODEL_CELLS_H_
