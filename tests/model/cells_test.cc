#include "model/cells.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <set>
#include <string>
#include <tuple>

namespace percorso {
namespace {

// A value fits its member when the member's low bits give it back; this is
// the test of the width warnings.
bool Fits16(int64_t v) {
  return low16(v) == v;
}
bool Fits8(int64_t v) {
  return low8(v) == v;
}

TEST(CellsTest, PositionsRoundHalvesToEven) {
  struct Case {
    int64_t metres;
    int64_t cell;    // cell_of
    int64_t before;  // CellsBefore
  };
  const Case cases[] = {
      {0, 1, 0},   {25, 2, 0},   {50, 2, 1},     {75, 2, 2},
      {100, 3, 2}, {125, 4, 2},  {175, 4, 4},    {4250, 86, 85},
      {-25, 0, 0}, {-75, 0, -2}, {-125, -2, -2}, {1007000, 20141, 20140},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.metres);
    EXPECT_EQ(cell_of(c.metres), c.cell);
    EXPECT_EQ(CellsBefore(c.metres), c.before);
    EXPECT_EQ(CutOffCell(c.metres), c.before);
  }
}

TEST(CellsTest, CellAndMetresRoundTripOnWholeCells) {
  for (int64_t metres : {-1000, -50, 0, 50, 4250, 97000, 1007000}) {
    SCOPED_TRACE(metres);
    EXPECT_EQ(CellMetres(cell_of(metres)), metres);
    EXPECT_EQ(CutOffMetres(CutOffCell(metres)), metres);
  }
  EXPECT_EQ(CellMetres(1), 0);
  EXPECT_EQ(CellMetres(0), -kCellMetres);
}

TEST(CellsTest, LastCellOfAnExtendedRoute) {
  EXPECT_EQ(LastCellOf(104000), 2080);
  EXPECT_EQ(LastCellOf(25), 0);
  EXPECT_EQ(LastCellOf(75), 2);
  EXPECT_EQ(LastCellOf(125), 2);
  EXPECT_EQ(LastCellOf(0), 0);
  EXPECT_EQ(LastCellOf(-75), -2);
}

TEST(CellsTest, EveryCellTypeHasOneNameAndADescription) {
  std::set<std::string_view> names;
  for (uint8_t tipo : {kVuota, kSegnale, kFineRallentamento, kInizioRallentamento,
                       kAvvisoRallentamento, kNumerataRallentamento, kIndicatoreVMax, kFermata,
                       kRiempitivoGalleria, kMarcatore, kAbbattimentoNullo, kCartello}) {
    SCOPED_TRACE(int{tipo});
    EXPECT_NE(TipoName(tipo), "unknown");
    EXPECT_NE(TipoDescription(tipo), "a feature");
    EXPECT_TRUE(names.insert(TipoName(tipo)).second);
  }
  EXPECT_EQ(TipoName(kInizioRallentamento), "slowdown start");
  EXPECT_EQ(TipoDescription(kInizioRallentamento), "the start of a slowdown");
  for (uint8_t tipo : std::initializer_list<uint8_t>{7, 9, 15, 255}) {
    EXPECT_EQ(TipoName(tipo), "unknown");
    EXPECT_EQ(TipoDescription(tipo), "a feature");
  }
}

TEST(CellsTest, DigitPairsComeBackWhenTheyFit) {
  struct Case {
    int64_t tens, units;
    bool fits, back;
  };
  const Case cases[] = {
      {0, 0, true, true},        {4, 7, true, true},
      {3276, 7, true, true},                               // 32767, the largest
      {3276, 8, false, false},   {-3276, -8, true, true},  // -32768, the smallest
      {-3276, -9, false, false}, {1, 12, true, false},     // units past 9 carry into the tens
      {-1, 5, true, false},                                // -5 reads as 0 and -5
      {100000, 0, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.tens) + ", " + std::to_string(c.units));
    const int64_t v = EncodeDigitPair(c.tens, c.units);
    EXPECT_EQ(Fits16(v), c.fits);
    const DigitPair p = DecodeDigitPair(low16(v));
    EXPECT_EQ(p.tens == c.tens && p.units == c.units, c.back);
  }
}

TEST(CellsTest, AspectsAndApproachCodesComeBack) {
  for (int64_t sx = 0; sx <= 8; ++sx) {
    for (int64_t dx = 0; dx <= 2; ++dx) {
      const int64_t aspect = EncodeAspect(sx, dx);
      const Aspect a = DecodeAspect(aspect);
      EXPECT_EQ(a.sx, sx);
      EXPECT_EQ(a.dx, dx);
      for (int64_t number = 1; number <= kApproachCodes; ++number) {
        const int64_t code = EncodeApproach(aspect, number);
        // Aspect 25 (sx 8, dx 1) is the largest whose four codes fit 8 bits.
        EXPECT_EQ(Fits8(code), aspect <= 25) << aspect << " " << number;
        const Approach back = DecodeApproach(low8(code));
        EXPECT_EQ(back.aspect == aspect && back.number == number, Fits8(code));
      }
    }
  }
  EXPECT_EQ(ApproachCell(86, 1), 84);
  EXPECT_EQ(ApproachCell(86, 4), 78);
  // A station's code cannot be told from aspect 8's.
  const Approach station = DecodeApproach(low8(EncodeStationApproach(3)));
  EXPECT_EQ(station.aspect, 8);
  EXPECT_EQ(station.number, 3);
}

// The fields that a signal's cell gives back (its position is not in it).
auto Fields(const Segnale& g) {
  return std::tuple(g.sx, g.s1, g.s2, g.s3, g.rapp, g.dx, g.d1, g.d2, g.d3, g.tempo);
}

// A signal's cell and the cell of its first approach code, as placed.
struct PlacedSignal {
  cella cell;
  cella before;
  bool fits = true;
};
PlacedSignal Place(const Segnale& g) {
  const SignalCode code = EncodeSignal(g);
  PlacedSignal p;
  p.cell.tipo = kSegnale;
  p.cell.dato1 = low16(code.dato1);
  p.cell.dato2 = low16(code.dato2);
  p.cell.dato3 = low16(code.dato3);
  p.cell.dato4 = low16(code.dato4);
  p.cell.tempo = low8(code.tempo);
  p.before.avviso = low8(EncodeApproach(code.aspect, 1));
  p.fits = Fits16(code.dato1) && Fits16(code.dato2) && Fits16(code.dato3) && Fits16(code.dato4) &&
           Fits8(code.tempo) && Fits8(EncodeApproach(code.aspect, kApproachCodes));
  return p;
}

TEST(CellsTest, SignalsComeBackFromTheirCellsWhenEveryValueFits) {
  struct Case {
    const char* what;
    Segnale g;
    bool fits;
  };
  const Case cases[] = {
      {"all zero", {}, true},
      {"one of each",
       {.sx = 1, .s1 = 2, .s2 = 3, .s3 = 4, .rapp = 1, .dx = 2, .d1 = 5, .d2 = 6, .d3 = 7},
       true},
      {"a time with sx 2", {.sx = 2, .s1 = 1, .tempo = 215}, true},
      {"the largest time", {.sx = 2, .tempo = 255}, true},
      {"a time past 8 bits", {.sx = 2, .tempo = 256}, false},
      {"an aspect above 9", {.sx = 5, .rapp = 4, .dx = 2}, true},
      {"the largest aspect", {.sx = 8, .rapp = 3274, .dx = 1}, true},
      {"an aspect whose codes pass 8 bits", {.sx = 8, .dx = 2}, false},
      {"the largest repetition", {.sx = 2, .rapp = 3275, .dx = 2}, true},
      {"a repetition past 16 bits", {.sx = 2, .rapp = 3276, .dx = 2}, false},
      {"the largest indication", {.sx = 1, .s1 = 3276, .d1 = 7}, true},
      {"an indication past 16 bits", {.sx = 1, .s3 = 3277}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const PlacedSignal p = Place(c.g);
    EXPECT_EQ(p.fits, c.fits);
    EXPECT_EQ(Fields(DecodeSignal(p.cell, &p.before)) == Fields(c.g), c.fits);
  }
}

TEST(CellsTest, ASignalsTimeIsStoredOnlyWithSxTwo) {
  EXPECT_EQ(EncodeSignalTempo(2, 50), 101);
  EXPECT_EQ(EncodeSignalTempo(2, 1), 101);
  EXPECT_EQ(EncodeSignalTempo(2, 100), 101);
  EXPECT_EQ(EncodeSignalTempo(2, 0), 0);
  EXPECT_EQ(EncodeSignalTempo(2, 101), 101);
  EXPECT_EQ(EncodeSignalTempo(2, -5), -5);
  EXPECT_EQ(EncodeSignalTempo(1, 215), 0);
  EXPECT_EQ(EncodeSignalTempo(3, 50), 0);
}

TEST(CellsTest, ASignalsAspectComesFromDato4WithoutItsFirstApproachCode) {
  const Segnale small{.sx = 2, .rapp = 7, .dx = 1};
  const PlacedSignal p = Place(small);
  EXPECT_EQ(Fields(DecodeSignal(p.cell, nullptr)), Fields(small));

  // Above 9 the aspect needs the approach code: dato4 74 alone reads as
  // rapp 7 and aspect 4.
  const Segnale large{.sx = 4, .rapp = 6, .dx = 2};
  const PlacedSignal q = Place(large);
  EXPECT_EQ(Fields(DecodeSignal(q.cell, &q.before)), Fields(large));
  const Segnale alone = DecodeSignal(q.cell, nullptr);
  EXPECT_EQ(alone.rapp, 7);
  EXPECT_EQ(alone.sx, 1);
  EXPECT_EQ(alone.dx, 1);
  // A code of another signal there (not the first, or disagreeing) is not
  // taken.
  cella other;
  other.avviso = low8(EncodeApproach(14, 3));
  EXPECT_EQ(DecodeSignal(q.cell, &other).rapp, 7);
  other.avviso = low8(EncodeApproach(11, 1));
  EXPECT_EQ(DecodeSignal(q.cell, &other).rapp, 7);
}

TEST(CellsTest, SpeedCodesComeBackInStepsOfFive) {
  struct Case {
    int64_t vs, vd;
    int64_t code;
    bool fits, back;
  };
  const Case cases[] = {
      {110, 110, 2222, true, true},     {105, 0, 2100, true, true},        {0, 0, 0, true, true},
      {0, 495, 99, true, true},         {1635, 335, 32767, true, true},     // the largest
      {1635, 340, 32768, false, false}, {-1635, -340, -32768, true, true},  // the smallest
      {0, 7, 1, true, false},                                               // 1.4 rounds to 1
      {0, 500, 100, true, false},  // the units carry into the hundreds
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.vs) + ", " + std::to_string(c.vd));
    const int64_t code = EncodeSpeedCode(c.vs, c.vd);
    EXPECT_EQ(code, c.code);
    EXPECT_EQ(Fits16(code), c.fits);
    const SpeedCodeSpeeds back = DecodeSpeedCode(low16(code));
    EXPECT_EQ(back.high == c.vs && back.low == c.vd, c.back);
  }
}

TEST(CellsTest, LineSpeedsComeBackInStepsOfFive) {
  struct Case {
    int64_t kmh;
    std::optional<uint8_t> code;
    bool back;
  };
  const Case cases[] = {
      {0, 0, true},
      {5, 1, true},
      {120, 24, true},
      {1275, 255, true},   // the largest
      {1277, 255, false},  // 255.4 rounds to 255
      {1278, std::nullopt, false},
      {12, 2, false},  // 2.4
      {13, 3, false},  // 2.6
      {-2, 0, false},  // -0.4 rounds to 0
      {-3, std::nullopt, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kmh);
    const std::optional<uint8_t> code = EncodeLineSpeed(c.kmh);
    EXPECT_EQ(code, c.code);
    EXPECT_EQ(code && DecodeLineSpeed(*code) == c.kmh, c.back);
  }
}

TEST(CellsTest, GradientsComeBackWhenTheyFit) {
  struct Case {
    int64_t gradient;
    bool fits;
    std::optional<int64_t> back;
  };
  const Case cases[] = {
      {0, true, 0},
      {-99, true, -99},
      {155, true, 155},  // the largest
      {156, false, std::nullopt},
      {157, false, -99},
      {-100, true, std::nullopt},  // reads as a cell that no gradient reached
      {-101, false, 155},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.gradient);
    const int64_t code = EncodeGradient(c.gradient);
    EXPECT_EQ(Fits8(code), c.fits);
    EXPECT_EQ(DecodeGradient(low8(code)), c.back);
  }
}

TEST(CellsTest, SlowdownCells) {
  struct Case {
    int64_t x, l;
    SlowdownCells cells;
  };
  const Case cases[] = {
      {1550, 500, {8, 32, 42, 7}},
      // Rounded on their own: the numbered cells start two before the board.
      {1525, 500, {8, 32, 42, 6}},
      {1500, 0, {7, 31, 31, 6}},
      {4250, -100, {62, 86, 84, 61}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    const SlowdownCells got = SlowdownCellsOf(c.x, c.l);
    EXPECT_EQ(got.warning, c.cells.warning);
    EXPECT_EQ(got.start, c.cells.start);
    EXPECT_EQ(got.end, c.cells.end);
    EXPECT_EQ(got.first_numbered, c.cells.first_numbered);
  }
  const SlowdownExtent whole_cells[] = {{1550, 500}, {100, 1500}, {4250, 0}, {-200, 50}};
  for (const SlowdownExtent& e : whole_cells) {
    SCOPED_TRACE(e.x);
    const SlowdownCells cells = SlowdownCellsOf(e.x, e.l);
    const SlowdownExtent back = SlowdownFromCells(cells.start, cells.end);
    EXPECT_EQ(back.x, e.x);
    EXPECT_EQ(back.l, e.l);
  }
}

TEST(CellsTest, StretchCellsAndTheirMetres) {
  StretchCells run = StretchCellsOf(21250, 22250);
  EXPECT_EQ(run.first, 425);
  EXPECT_EQ(run.last, 444);
  run = StretchCellsOf(18900, 19100);
  EXPECT_EQ(StretchStartMetres(run.first), 18900);
  EXPECT_EQ(StretchEndMetres(run.last), 19100);
  // Halves to even at either end: 25 m and 75 m both give cell 0 and 2.
  EXPECT_EQ(StretchCellsOf(25, 125).first, 0);
  EXPECT_EQ(StretchCellsOf(75, 125).first, 2);
  EXPECT_EQ(StretchCellsOf(0, 125).last, 2);
  EXPECT_EQ(StretchCellsOf(0, 175).last, 2);
  EXPECT_EQ(StretchCellsOf(0, 225).last, 4);
}

TEST(CellsTest, StationCells) {
  // A station ending at 600 m: its stopping mark in cell 11, its approach
  // codes 81 to 84 in cells 10, 9, 8, 7.
  EXPECT_EQ(StationStopCell(600), 11);
  for (int64_t z = 1; z <= 4; ++z) {
    EXPECT_EQ(StationApproachCell(600, z), 11 - z);
    EXPECT_EQ(EncodeStationApproach(z), 80 + z);
  }
  EXPECT_EQ(StationStopCell(1150), 22);
  // 1 or less has no cell; halves round to even.
  EXPECT_EQ(StationStopCell(100), std::nullopt);
  EXPECT_EQ(StationStopCell(125), 2);
  EXPECT_EQ(StationStopCell(175), 2);
  EXPECT_EQ(StationStopCell(225), 4);
  EXPECT_EQ(StationApproachCell(250, 3), std::nullopt);
  EXPECT_EQ(StationApproachCell(300, 3), 2);
}

}  // namespace
}  // namespace percorso
