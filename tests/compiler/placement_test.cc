#include "compiler/placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <iterator>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "model/model.h"

namespace percorso {
namespace {

constexpr int32_t kMax32 = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin32 = std::numeric_limits<int32_t>::min();

std::string Describe(const cella& c) {
  std::ostringstream o;
  o << "tipo " << int{c.tipo} << " dato " << c.dato1 << "," << c.dato2 << "," << c.dato3 << ","
    << c.dato4 << " tempo " << int{c.tempo} << " avviso " << int{c.avviso} << " montagna "
    << int{c.montagna} << " velocita " << int{c.velocita} << " pendenza " << int{c.pendenza}
    << " aderenza " << int{c.aderenza};
  return o.str();
}

// Every cell that differs, so a failure names the cells a placement touched
// wrongly; empty when the arrays are equal.
std::string Diff(const std::vector<cella>& got, const std::vector<cella>& want) {
  if (got.size() != want.size()) {
    return "size " + std::to_string(got.size()) + ", want " + std::to_string(want.size());
  }
  std::string out;
  for (size_t i = 0; i < got.size(); ++i) {
    if (got[i] == want[i]) continue;
    out += "cell " + std::to_string(i) + ": got " + Describe(got[i]) + "; want " +
           Describe(want[i]) + "\n";
  }
  return out;
}

// A slowdown with a warning board and numbered cells: board in cell 8,
// numbered cells 7 to 4, start in cell 32 and end in cell 42.
constexpr Rallentamento kRallentamento1550{.x = 1550, .v = 30, .l = 500, .f_tt = 2, .f_ta = 1};

// A route with the terrain operation's list of stretches beside it.
struct Linea : Scenario {
  StretchList tratti;
};

int32_t Metti(Scenario& s, const Rallentamento& r) {
  return Code(memo_rallentamento(s, r).stato);
}

int32_t Metti(Scenario& s, const Segnale& g) {
  return Code(memo_segnale(s, g).stato);
}

int32_t Metti(Scenario& s, const IndicatoriVMax& b) {
  return Code(memo_indicatori_v_max(s, b).stato);
}

// Places a stretch and draws it at once.
int32_t Montagna(Linea& s, int32_t inizio, int32_t fine, int32_t tipo) {
  int32_t code = Code(memo_montagna(s, s.tratti, {inizio, fine, tipo}).stato);
  DrawStretches(s, s.tratti);
  return code;
}

class PlacementTest : public testing::Test {
 protected:
  void SetUp() override {
    create_route(s_, 97000);
    ASSERT_EQ(s_.celle.size(), 2081u);
    want_ = s_.celle;
  }

  Linea s_;
  std::vector<cella> want_;
};

// --- Slowdowns ---------------------------------------------------------------

TEST_F(PlacementTest, SlowdownBoardsNearTheLineStart) {
  struct Case {
    int32_t x;
    int64_t avviso;  // 0: no warning board
    int64_t inizio;
    int64_t fine;
    std::vector<int64_t> numerate;  // carrying 1, 2, 3, 4
  };
  const Case cases[] = {
      {1500, 0, 31, 41, {}},
      // x - 1200 ends in 25 m: the numbered cells start two below the board.
      {1525, 8, 32, 42, {6, 5, 4, 3}},
      {1550, 8, 32, 42, {7, 6, 5, 4}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    Linea s;
    create_route(s, 97000);
    std::vector<cella> want = s.celle;
    EXPECT_EQ(Metti(s, {.x = c.x, .v = 30, .l = 500, .f_tt = 2, .f_ta = 1}), 0);
    want[c.inizio] = {.tipo = 3, .dato1 = 30, .dato3 = 2};
    want[c.fine] = {.tipo = 2, .dato1 = 30, .dato3 = 2};
    if (c.avviso != 0) want[c.avviso] = {.tipo = 4, .dato1 = 30};
    for (size_t i = 0; i < c.numerate.size(); ++i) {
      want[c.numerate[i]] = {.tipo = 5, .dato1 = static_cast<int16_t>(i + 1)};
    }
    EXPECT_EQ(Diff(s.celle, want), "");
  }
}

TEST_F(PlacementTest, SlowdownWithoutNumberedCells) {
  EXPECT_EQ(Metti(s_, {.x = 1550, .v = 60, .l = 500, .f_tt = 1, .f_ta = 0}), 0);
  want_[8] = {.tipo = 4, .dato1 = 60};
  want_[32] = {.tipo = 3, .dato1 = 60, .dato3 = 1};
  want_[42] = {.tipo = 2, .dato1 = 60, .dato3 = 1};
  EXPECT_EQ(Diff(s_.celle, want_), "");
}

TEST_F(PlacementTest, SlowdownSpeedDifferenceGoesToDato2AndLeavesOtherMembers) {
  // Members a slowdown does not write keep what they held.
  s_.celle[8].dato3 = 77;
  s_.celle[8].pendenza = 100;
  s_.celle[32].dato4 = 5;
  s_.celle[5].dato3 = 9;
  want_ = s_.celle;
  EXPECT_EQ(Metti(s_, {.x = 1550, .v = 30, .l = 500, .f_tt = 4, .f_ta = 1, .d_v = 20}), 0);
  want_[8] = {.tipo = 4, .dato1 = 30, .dato2 = 20, .dato3 = 77, .pendenza = 100};
  want_[32] = {.tipo = 3, .dato1 = 30, .dato2 = 20, .dato3 = 4, .dato4 = 5};
  want_[42] = {.tipo = 2, .dato1 = 30, .dato2 = 20, .dato3 = 4};
  want_[7] = {.tipo = 5, .dato1 = 1, .dato2 = 1};
  want_[6] = {.tipo = 5, .dato1 = 2, .dato2 = 2};
  want_[5] = {.tipo = 5, .dato1 = 3, .dato2 = 3, .dato3 = 9};
  want_[4] = {.tipo = 5, .dato1 = 4, .dato2 = 4};
  EXPECT_EQ(Diff(s_.celle, want_), "");
}

TEST_F(PlacementTest, SlowdownOfLengthZeroEndsAsStart) {
  EXPECT_EQ(Metti(s_, {.x = 5000, .v = 50, .l = 0, .f_tt = 3, .f_ta = 0, .d_v = 10}), 0);
  want_[77] = {.tipo = 4, .dato1 = 50, .dato2 = 10};
  want_[101] = {.tipo = 3, .dato1 = 50, .dato2 = 10, .dato3 = 3};
  EXPECT_EQ(Diff(s_.celle, want_), "");
}

TEST_F(PlacementTest, SlowdownUpToPositionFifteenHundredIgnoresTakenWarningCell) {
  s_.celle[7].tipo = 1;
  want_ = s_.celle;
  EXPECT_EQ(Metti(s_, {.x = 1500, .v = 30, .l = 0, .f_tt = 2, .f_ta = 1}), 0);
  EXPECT_EQ(s_.celle[7], want_[7]);
  EXPECT_EQ(s_.celle[31].tipo, 3);
}

TEST_F(PlacementTest, SlowdownWhoseWarningBoardFallsOnASignal) {
  Segnale g{.posizione = 350};
  ASSERT_EQ(Metti(s_, g), 0);
  ASSERT_EQ(s_.celle[8].tipo, 1);
  want_ = s_.celle;
  EXPECT_EQ(Metti(s_, {.x = 1550, .v = 30, .l = 500, .f_tt = 2, .f_ta = 1}), 17);
  EXPECT_EQ(Diff(s_.celle, want_), "");
}

TEST_F(PlacementTest, TakenNumberedCellLeavesBoardsWritten) {
  s_.celle[5].tipo = 6;
  want_ = s_.celle;
  EXPECT_EQ(Metti(s_, {.x = 1550, .v = 30, .l = 500, .f_tt = 2, .f_ta = 1, .d_v = 20}), 20);
  want_[8] = {.tipo = 4, .dato1 = 30, .dato2 = 20};
  want_[32] = {.tipo = 3, .dato1 = 30, .dato2 = 20, .dato3 = 2};
  want_[42] = {.tipo = 2, .dato1 = 30, .dato2 = 20, .dato3 = 2};
  // None of the four numbered cells is written, not even those tested free.
  EXPECT_EQ(Diff(s_.celle, want_), "");
}

TEST_F(PlacementTest, SlowdownValuesKeepTheirLow16Bits) {
  EXPECT_EQ(Metti(s_, {.x = 5000, .v = 70000, .l = 0, .f_tt = -70000, .f_ta = 0, .d_v = kMax32}),
            0);
  EXPECT_EQ(s_.celle[101].dato1, 70000 - 65536);
  EXPECT_EQ(s_.celle[101].dato2, -1);
  EXPECT_EQ(s_.celle[101].dato3, -70000 + 65536);
}

// --- Signals -----------------------------------------------------------------

TEST_F(PlacementTest, SignalAndItsApproachCodes) {
  Segnale g{.posizione = 4250,
            .sx = 1,
            .s1 = 3,
            .s2 = 4,
            .s3 = 5,
            .rapp = 6,
            .dx = 2,
            .d1 = 7,
            .d2 = 8,
            .d3 = 9};
  EXPECT_EQ(Metti(s_, g), 0);
  want_[86] = {.tipo = 1, .dato1 = 37, .dato2 = 48, .dato3 = 59, .dato4 = 65};
  want_[84].avviso = 51;
  want_[82].avviso = 52;
  want_[80].avviso = 53;
  want_[78].avviso = 54;
  EXPECT_EQ(Diff(s_.celle, want_), "");
}

TEST_F(PlacementTest, ApproachCodesIgnoreTheCellsTheyLandOn) {
  s_.celle[80].tipo = 3;
  s_.celle[82].avviso = 99;
  Segnale prima{.posizione = 4250, .sx = 1};
  Metti(s_, prima);
  EXPECT_EQ(s_.celle[80].tipo, 3);
  EXPECT_EQ(s_.celle[80].avviso, 33);
  // A later signal overwrites the codes of an earlier one.
  Segnale dopo{.posizione = 4150, .sx = 2};
  EXPECT_EQ(Metti(s_, dopo), 0);
  EXPECT_EQ(s_.celle[84].avviso, 31);  // the earlier signal's, not overwritten
  EXPECT_EQ(s_.celle[82].avviso, 61);
  EXPECT_EQ(s_.celle[80].avviso, 62);
  EXPECT_EQ(s_.celle[76].avviso, 64);
  EXPECT_EQ(s_.celle[78].avviso, 63);
}

TEST_F(PlacementTest, ApproachCodesBeforeTheFirstCellAreSkipped) {
  Segnale g{.posizione = 100, .sx = 1, .dx = 1};
  EXPECT_EQ(Metti(s_, g), 0);
  want_[3] = {.tipo = 1, .dato4 = 4};
  want_[1].avviso = 41;
  EXPECT_EQ(Diff(s_.celle, want_), "");
}

TEST_F(PlacementTest, SignalTempo) {
  struct Case {
    int32_t sx;
    int32_t tempo;
    int cell_tempo;
  };
  const Case cases[] = {
      {1, 215, 0},   {2, 50, 101}, {2, 215, 215}, {2, 0, 0},  {2, 1, 101}, {2, 100, 101},
      {2, 101, 101}, {2, 300, 44}, {2, -5, 251},  {1, 50, 0}, {3, 60, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "sx " << c.sx << " tempo " << c.tempo);
    Linea s;
    create_route(s, 97000);
    Segnale g{.posizione = 4250, .sx = c.sx, .tempo = c.tempo};
    EXPECT_EQ(Metti(s, g), 0);
    EXPECT_EQ(s.celle[86].tempo, c.cell_tempo);
  }
}

TEST_F(PlacementTest, SignalValuesKeepTheirLowBitsWithoutOverflow) {
  Segnale g{.posizione = 4250,
            .sx = kMax32,
            .s1 = kMax32,
            .s2 = kMax32,
            .s3 = kMin32,
            .rapp = kMax32,
            .dx = kMax32,
            .d1 = 7,
            .d2 = 9,
            .d3 = kMin32};
  EXPECT_EQ(Metti(s_, g), 0);
  EXPECT_EQ(s_.celle[86].dato1, -3);
  EXPECT_EQ(s_.celle[86].dato2, -1);
  EXPECT_EQ(s_.celle[86].dato3, 0);
  EXPECT_EQ(s_.celle[86].dato4, -14);
  EXPECT_EQ(s_.celle[84].avviso, 217);
}

// --- Speed-indicator boards ---------------------------------------------------

TEST_F(PlacementTest, SpeedBoardCodes) {
  struct Case {
    int32_t sinistra;
    int32_t destra;
    int16_t codice;
  };
  const Case cases[] = {
      {110, 110, 2222},  {105, 0, 2100},       {0, 3, 1}, {0, 2, 0}, {0, -3, -1},
      {1638, 35, 32767}, {-1638, -40, -32768},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.sinistra << " and " << c.destra);
    Linea s;
    create_route(s, 97000);
    EXPECT_EQ(0, Metti(s, {.posizione = 4250,
                           .vas = c.sinistra,
                           .vbs = 1,
                           .vcs = c.sinistra,
                           .strisces = 2,
                           .vad = c.destra,
                           .vbd = 10,
                           .vcd = c.destra,
                           .strisced = 3}));
    const cella want{.tipo = 6, .dato1 = c.codice, .dato2 = 22, .dato3 = c.codice, .dato4 = 23};
    EXPECT_EQ(Describe(s.celle[86]), Describe(want));
  }
}

TEST_F(PlacementTest, SpeedCodeBeyond16BitsWritesNothing) {
  struct Case {
    int32_t vas, vbs, vcs, vad, vbd, vcd;
  };
  const Case cases[] = {
      {1638, 0, 0, 40, 0, 0},  {0, -1638, 0, 0, -45, 0},     {0, 0, kMax32, 0, 0, 0},
      {0, 0, 0, 0, 0, kMin32}, {kMin32, 0, 0, kMin32, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.vas << " " << c.vbs << " " << c.vcs << " " << c.vad << " "
                                    << c.vbd << " " << c.vcd);
    Linea s;
    create_route(s, 97000);
    const std::vector<cella> want = s.celle;
    EXPECT_EQ(25, Metti(s, {.posizione = 4250,
                            .vas = c.vas,
                            .vbs = c.vbs,
                            .vcs = c.vcs,
                            .vad = c.vad,
                            .vbd = c.vbd,
                            .vcd = c.vcd}));
    EXPECT_EQ(Diff(s.celle, want), "");
  }
}

TEST_F(PlacementTest, SpeedBoardStripesKeepTheirLow16Bits) {
  EXPECT_EQ(0, Metti(s_, {.posizione = 4250, .strisces = kMax32, .strisced = kMax32}));
  EXPECT_EQ(s_.celle[86].dato4, -11);
}

// --- Conflicts -----------------------------------------------------------------

// One placement aimed at a given cell, and the code it returns when that cell
// is taken.
struct Bersaglio {
  const char* nome;
  int64_t cella;
  int32_t codice;
  uint8_t tipo_posato;
  std::function<int32_t(Linea&)> metti;
};

std::vector<Bersaglio> Bersagli() {
  return {
      {"signal", 86, 16, 1, [](Linea& s) { return Metti(s, Segnale{.posizione = 4250}); }},
      {"speed board", 86, 21, 6,
       [](Linea& s) { return Metti(s, IndicatoriVMax{.posizione = 4250, .vas = 1}); }},
      {"slowdown warning cell", 8, 17, 4, [](Linea& s) { return Metti(s, kRallentamento1550); }},
      {"slowdown start cell", 32, 18, 3, [](Linea& s) { return Metti(s, kRallentamento1550); }},
      {"slowdown end cell", 42, 19, 2, [](Linea& s) { return Metti(s, kRallentamento1550); }},
      {"slowdown numbered cell", 6, 20, 5, [](Linea& s) { return Metti(s, kRallentamento1550); }},
  };
}

TEST_F(PlacementTest, FeatureOnATakenCellReturnsItsCode) {
  for (const Bersaglio& b : Bersagli()) {
    for (int tipo : {1, 2, 3, 4, 5, 6, 10, 12, 13, 14}) {
      SCOPED_TRACE(testing::Message() << b.nome << " on type " << tipo);
      Linea s;
      create_route(s, 97000);
      s.celle[b.cella].tipo = static_cast<uint8_t>(tipo);
      s.celle[b.cella].dato1 = 1234;
      const std::vector<cella> prima = s.celle;
      EXPECT_EQ(b.metti(s), b.codice);
      // The caller stores the status with the entry's position and place.
      EXPECT_EQ(s.diagnostic, Diagnostic{});
      EXPECT_EQ(s.celle[b.cella], prima[b.cella]);
      if (b.codice != 20) {
        EXPECT_EQ(Diff(s.celle, prima), "");
      }
    }
  }
}

TEST_F(PlacementTest, FeatureOnATunnelFillerSucceeds) {
  for (const Bersaglio& b : Bersagli()) {
    SCOPED_TRACE(b.nome);
    Linea s;
    create_route(s, 97000);
    s.celle[b.cella].tipo = kRiempitivoGalleria;
    EXPECT_EQ(b.metti(s), 0);
    EXPECT_EQ(s.celle[b.cella].tipo, b.tipo_posato);
  }
}

// --- Cells outside the array -----------------------------------------------------

TEST_F(PlacementTest, CellsOutsideTheArrayReturnFifteen) {
  struct Case {
    const char* nome;
    std::function<int32_t(Linea&)> metti;
  };
  const Case cases[] = {
      {"slowdown end past the last cell",
       [](Linea& s) { return Metti(s, Rallentamento{.x = 100000, .l = 5000}); }},
      {"slowdown end before the first cell",
       [](Linea& s) { return Metti(s, Rallentamento{.x = 1000, .l = -2000}); }},
      {"slowdown at a negative position",
       [](Linea& s) { return Metti(s, Rallentamento{.x = -500}); }},
      {"slowdown past the array", [](Linea& s) { return Metti(s, Rallentamento{.x = 200000}); }},
      {"slowdown at the largest position",
       [](Linea& s) { return Metti(s, Rallentamento{.x = kMax32, .l = kMax32}); }},
      {"signal at a negative position",
       [](Linea& s) { return Metti(s, Segnale{.posizione = -500}); }},
      {"signal past the array",
       [](Linea& s) { return Metti(s, Segnale{.posizione = 110000, .tempo = 50}); }},
      {"speed board at a negative position",
       [](Linea& s) { return Metti(s, IndicatoriVMax{.posizione = -500}); }},
      {"speed board at the smallest position",
       [](Linea& s) { return Metti(s, IndicatoriVMax{.posizione = kMin32}); }},
      {"stretch past the end", [](Linea& s) { return Montagna(s, 103000, 105000, 12); }},
      {"stretch at a negative position", [](Linea& s) { return Montagna(s, -500, 1000, 1); }},
      {"stretch ending past the end", [](Linea& s) { return Montagna(s, 103950, kMax32, 1); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nome);
    Linea s;
    create_route(s, 97000);
    s.tratti.inizi_tratti = {100};
    s.tratti.fini_tratti = {200};
    const std::vector<cella> want = s.celle;
    EXPECT_EQ(c.metti(s), 15);
    EXPECT_EQ(Diff(s.celle, want), "");
    EXPECT_EQ(s.tratti.inizi_tratti, std::vector<int32_t>{100});
    EXPECT_EQ(s.tratti.fini_tratti, std::vector<int32_t>{200});
  }
}

TEST(PlacementWithoutCellsTest, EveryOperationReturnsFifteen) {
  const std::function<int32_t(Linea&)> ops[] = {
      [](Linea& s) { return Metti(s, Rallentamento{.x = 2000}); },
      [](Linea& s) { return Metti(s, Segnale{.posizione = 2000}); },
      [](Linea& s) { return Metti(s, IndicatoriVMax{.posizione = 2000}); },
      [](Linea& s) { return Montagna(s, 2000, 3000, 1); },
      [](Linea& s) { return Montagna(s, 2000, 0, 1); },  // no cells in the run either
  };
  for (size_t i = 0; i < std::size(ops); ++i) {
    SCOPED_TRACE(i);
    Linea s;
    EXPECT_EQ(ops[i](s), 15);
    EXPECT_TRUE(s.celle.empty());
  }
}

// --- Terrain and tunnel stretches --------------------------------------------------

TEST_F(PlacementTest, TunnelStretchWithFillers) {
  EXPECT_EQ(Montagna(s_, 18000, 19100, 1), 0);
  EXPECT_FALSE(s_.tratti.galleria);
  s_.celle[432].tipo = 1;
  s_.celle[436].tipo = 11;
  want_ = s_.celle;
  EXPECT_EQ(Montagna(s_, 21250, 22250, 12), 0);
  EXPECT_TRUE(s_.tratti.galleria);
  for (int i = 425; i <= 444; ++i) want_[i].montagna = 2;
  for (int i : {428, 436, 440, 444}) want_[i].tipo = 11;
  EXPECT_EQ(Diff(s_.celle, want_), "");
  EXPECT_EQ(s_.tratti.inizi_tratti, (std::vector<int32_t>{18000, 21250}));
  EXPECT_EQ(s_.tratti.fini_tratti, (std::vector<int32_t>{19100, 22250}));
}

TEST_F(PlacementTest, TerrainStretchOverwritesMontagnaOfAnyCell) {
  s_.celle[365].tipo = 3;
  s_.celle[366].montagna = 9;
  Montagna(s_, 18000, 19100, 1);
  for (int i = 0; i <= 2080; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(s_.celle[i].montagna, i >= 360 && i <= 381 ? 1 : 0);
  }
  EXPECT_EQ(s_.celle[365].tipo, 3);
}

TEST_F(PlacementTest, StretchCloseAfterThePreviousIsTerrainThree) {
  struct Case {
    int32_t inizio;
    int32_t tipo;
    int32_t tipo_dopo;
    int64_t quarta;  // the fourth cell of the run
  };
  const Case cases[] = {
      {18900, 2, 3, 381},   // 50 m after
      {19000, 2, 3, 383},   // exactly 150 m after
      {19001, 2, 2, 383},   // 151 m after
      {18000, 2, 3, 363},   // overlapping
      {18900, 14, 3, 381},  // a tunnel keeps its fillers
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.inizio << ", " << c.tipo);
    Linea s;
    create_route(s, 97000);
    Montagna(s, 18000, 18850, 1);
    EXPECT_EQ(Montagna(s, c.inizio, 20000, c.tipo), 0);
    EXPECT_EQ(s.celle[390].montagna, c.tipo_dopo);
    EXPECT_EQ(s.tratti.galleria, c.tipo > 10);
    EXPECT_EQ(s.celle[c.quarta].tipo, c.tipo > 10 ? 11 : 0);
    EXPECT_EQ(s.celle[c.quarta - 1].tipo, 0);
  }
}

TEST_F(PlacementTest, FirstStretchIsNeverComparedWithAPreviousOne) {
  EXPECT_EQ(Montagna(s_, 0, 1000, 2), 0);
  EXPECT_EQ(s_.celle[5].montagna, 2);
}

TEST(StretchDrawingTest, DrawnTogetherAtTheEndAsIfEachWereDrawnAtOnce) {
  // Overlapping terrain and tunnel stretches (whole-route ones among them)
  // between signals, speed boards and slowdowns, which take cells that are
  // empty or hold a filler.
  std::mt19937 random(20261210);
  auto at = [&](int32_t lo, int32_t hi) {
    return std::uniform_int_distribution<int32_t>(lo, hi)(random);
  };
  Linea each, end;
  create_route(each, 97000);
  create_route(end, 97000);
  for (int step = 0; step < 400; ++step) {
    SCOPED_TRACE(step);
    const int32_t posizione = at(0, 100) * 1000 + at(0, 19) * 50;
    int32_t code_each = 0, code_end = 0;
    switch (at(0, 5)) {
      case 0:
      case 1: {
        const percorso::Montagna m{posizione, posizione + at(0, 80) * 50 + at(0, 49), at(1, 14)};
        code_each = Code(memo_montagna(each, each.tratti, m).stato);
        DrawStretches(each, each.tratti);
        code_end = Code(memo_montagna(end, end.tratti, m).stato);
        break;
      }
      case 2: {
        const percorso::Montagna m{at(0, 200), at(103000, 103950), at(1, 14)};
        code_each = Code(memo_montagna(each, each.tratti, m).stato);
        DrawStretches(each, each.tratti);
        code_end = Code(memo_montagna(end, end.tratti, m).stato);
        break;
      }
      case 3:
        code_each = Metti(each, Segnale{.posizione = posizione, .sx = 1, .s1 = 2});
        code_end = Metti(end, Segnale{.posizione = posizione, .sx = 1, .s1 = 2});
        break;
      case 4:
        code_each = Metti(each, IndicatoriVMax{.posizione = posizione, .vad = 100});
        code_end = Metti(end, IndicatoriVMax{.posizione = posizione, .vad = 100});
        break;
      default:
        code_each = Metti(each, Rallentamento{.x = posizione, .v = 30, .l = 500});
        code_end = Metti(end, Rallentamento{.x = posizione, .v = 30, .l = 500});
        break;
    }
    ASSERT_EQ(code_each, code_end);
    ASSERT_EQ(each.tratti.galleria, end.tratti.galleria);
  }
  DrawStretches(end, end.tratti);
  EXPECT_EQ(Diff(end.celle, each.celle), "");
  EXPECT_EQ(end.tratti.inizi_tratti, each.tratti.inizi_tratti);
  // The case is only worth something with fillers among the cells.
  EXPECT_GT(std::count_if(end.celle.begin(), end.celle.end(),
                          [](const cella& c) { return c.tipo == kRiempitivoGalleria; }),
            10);
}

TEST(StretchDrawingTest, StretchesInOrderDrawnAtTheEndAsIfEachWereDrawnAtOnce) {
  // Stretches one after the other, as a line file lists them, tunnels among
  // them, with signals on some of their cells before and after.
  Linea each, end;
  create_route(each, 97000);
  create_route(end, 97000);
  for (int32_t k = 0; k < 40; ++k) {
    SCOPED_TRACE(k);
    const int32_t inizio = k * 2000 + (k % 3) * 50;
    const percorso::Montagna m{inizio, inizio + 1000 + (k % 5) * 50, k % 2 == 0 ? 12 : 3};
    const Segnale before{.posizione = inizio + 150 + (k % 4) * 50, .sx = 1, .s1 = 2};
    const Segnale after{.posizione = inizio + 400 + (k % 4) * 50, .sx = 1, .s1 = 2};
    ASSERT_EQ(Metti(each, before), Metti(end, before));
    ASSERT_EQ(Code(memo_montagna(each, each.tratti, m).stato),
              Code(memo_montagna(end, end.tratti, m).stato));
    DrawStretches(each, each.tratti);
    ASSERT_EQ(Metti(each, after), Metti(end, after));
  }
  DrawStretches(end, end.tratti);
  EXPECT_EQ(Diff(end.celle, each.celle), "");
  EXPECT_GT(std::count_if(end.celle.begin(), end.celle.end(),
                          [](const cella& c) { return c.tipo == kRiempitivoGalleria; }),
            10);
}

TEST_F(PlacementTest, TunnelFlagIsSetByEachCall) {
  Montagna(s_, 10000, 11000, 11);
  EXPECT_TRUE(s_.tratti.galleria);
  Montagna(s_, 30000, 31000, 1);
  EXPECT_FALSE(s_.tratti.galleria);
  for (int i = 600; i <= 619; ++i) EXPECT_EQ(s_.celle[i].tipo, 0) << i;
}

TEST_F(PlacementTest, StretchRunRoundsHalvesToEven) {
  struct Case {
    int32_t inizio;
    int32_t fine;
    int64_t prima;
    int64_t ultima;  // below prima: no cell
  };
  const Case cases[] = {
      {75, 175, 2, 2},       // 1.5 -> 2 and 2.5 -> 2
      {25, 125, 0, 2},       // 0.5 -> 0 and 1.5 -> 2
      {125, 225, 2, 4},      // 2.5 -> 2 and 3.5 -> 4
      {1000, 1000, 20, 19},  // empty run
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.inizio << ", " << c.fine);
    Linea s;
    create_route(s, 97000);
    EXPECT_EQ(Montagna(s, c.inizio, c.fine, 7), 0);
    for (int64_t i = 0; i <= 30; ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(s.celle[i].montagna, i >= c.prima && i <= c.ultima ? 7 : 0);
    }
  }
}

TEST_F(PlacementTest, StretchListGrowsPastTheBuiltInLine) {
  std::vector<int32_t> inizi;
  for (int32_t k = 0; k < 60; ++k) {
    EXPECT_EQ(Montagna(s_, k * 1000, k * 1000 + 500, 1), 0);
    inizi.push_back(k * 1000);
  }
  EXPECT_EQ(s_.tratti.inizi_tratti, inizi);
  ASSERT_EQ(s_.tratti.fini_tratti.size(), 60u);
  EXPECT_EQ(s_.tratti.fini_tratti.back(), 59500);
}

TEST_F(PlacementTest, MontagnaKeepsTheLow8Bits) {
  EXPECT_EQ(Montagna(s_, 1000, 1100, 310), 0);
  EXPECT_TRUE(s_.tratti.galleria);
  EXPECT_EQ(s_.celle[20].montagna, 44);
}

}  // namespace
}  // namespace percorso
