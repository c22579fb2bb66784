#include "compiler/post_pass.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/check_codes.h"

namespace percorso {
namespace {

// Cells 0 .. 140: a route of length 0.
Scenario Route() {
  Scenario s;
  create_route(s, 0);
  return s;
}

// Cells 0 .. `ultima` only.
Scenario ShortRoute(int32_t ultima) {
  Scenario s;
  s.ultima_cella = ultima;
  s.celle.assign(static_cast<size_t>(ultima) + 1, cella{});
  return s;
}

void Put(Scenario& s, int64_t i, uint8_t tipo, int16_t dato1 = 0) {
  cella* c = s.cell_at(i);
  ASSERT_NE(c, nullptr) << "cell " << i;
  c->tipo = tipo;
  c->dato1 = dato1;
}
void Signal(Scenario& s, int64_t i) {
  Put(s, i, kSegnale);
}
void WarningBoard(Scenario& s, int64_t i) {
  Put(s, i, kAvvisoRallentamento, 50);
}
void Start(Scenario& s, int64_t i, int16_t speed) {
  Put(s, i, kInizioRallentamento, speed);
}
void End(Scenario& s, int64_t i) {
  Put(s, i, kFineRallentamento, 60);
}
// Some other feature: the cell is taken and is not a marker.
void Taken(Scenario& s, int64_t i) {
  Put(s, i, kIndicatoreVMax);
}

// Every cell that holds a feature, as "cell:tipo/dato1", in cell order. Cell
// 1's header stamps are not features.
std::string Features(const Scenario& s) {
  std::string out;
  for (size_t i = 0; i < s.celle.size(); ++i) {
    const cella& c = s.celle[i];
    if (c.tipo == kVuota) continue;
    if (!out.empty()) out += ' ';
    out += std::to_string(i) + ':' + std::to_string(c.tipo) + '/' + std::to_string(c.dato1);
  }
  return out;
}

TEST(MinimoTest, SmallerValueFirstOnATie) {
  EXPECT_EQ(minimo(180, 200), 180);
  EXPECT_EQ(minimo(180, 150), 150);
  EXPECT_EQ(minimo(180, 180), 180);
  EXPECT_EQ(minimo(180, -5), -5);
}

// A warning board at cell 10 and a signal at cell 8; cells 7 and 6 vary.
TEST(PostPassTest, SignalBeforeWarningBoard) {
  struct Case {
    const char* name;
    uint8_t tipo7;
    int16_t dato7;
    uint8_t tipo6;
    int16_t dato6;
    std::string want;
    int32_t stato;
  };
  const Case cases[] = {
      {"both free", 0, 0, 0, 0, "7:12/180 8:1/0 10:4/50", 0},
      {"tunnel filler counts as free", kRiempitivoGalleria, 0, 0, 0, "7:12/180 8:1/0 10:4/50", 0},
      {"first taken", kIndicatoreVMax, 0, 0, 0, "6:12/180 7:6/0 8:1/0 10:4/50", 0},
      {"marker 200 lowered", kMarcatore, 200, kIndicatoreVMax, 0, "6:6/0 7:12/180 8:1/0 10:4/50",
       0},
      {"second marker lowered", kIndicatoreVMax, 0, kMarcatore, 200, "6:12/180 7:6/0 8:1/0 10:4/50",
       0},
      {"lower marker kept", kMarcatore, 150, kIndicatoreVMax, 0, "6:6/0 7:12/150 8:1/0 10:4/50", 0},
      {"free cell wins over a marker", kMarcatore, 200, 0, 0, "6:12/180 7:12/200 8:1/0 10:4/50", 0},
      {"no place", kIndicatoreVMax, 0, kCartello, 0, "6:14/0 7:6/0 8:1/0 10:4/50", 11},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Scenario s = Route();
    WarningBoard(s, 10);
    Signal(s, 8);
    Put(s, 7, c.tipo7, c.dato7);
    Put(s, 6, c.tipo6, c.dato6);
    EXPECT_EQ(post_pass(s), 0);
    EXPECT_EQ(Features(s), c.want);
    EXPECT_EQ(s.diagnostic.stato, c.stato);
    EXPECT_EQ(s.diagnostic.progressiva_errore, c.stato == 0 ? 0 : 400);
  }
}

TEST(PostPassTest, EverySignalWithinTwentyCellsOfTheBoard) {
  Scenario s = Route();
  WarningBoard(s, 40);
  Signal(s, 39);
  Signal(s, 30);
  Signal(s, 20);  // 20 cells before
  WarningBoard(s, 80);
  Signal(s, 59);  // 21 cells before: out of reach
  ASSERT_EQ(post_pass(s), 0);
  EXPECT_EQ(Features(s),
            "19:12/180 20:1/0 29:12/180 30:1/0 38:12/180 39:1/0 40:4/50 59:1/0 80:4/50");
}

TEST(PostPassTest, SignalSearchStopsBelowCellThree) {
  Scenario s = Route();
  WarningBoard(s, 5);
  Signal(s, 3);
  ASSERT_EQ(post_pass(s), 0);
  EXPECT_EQ(Features(s), "2:12/180 3:1/0 5:4/50");

  Scenario t = Route();
  WarningBoard(t, 4);
  Signal(t, 2);
  ASSERT_EQ(post_pass(t), 0);
  EXPECT_EQ(Features(t), "2:1/0 4:4/50");
}

TEST(PostPassTest, LaterStepsSeeEarlierMarkers) {
  Scenario s = Route();
  WarningBoard(s, 10);
  WarningBoard(s, 12);
  Signal(s, 8);
  ASSERT_EQ(post_pass(s), 0);
  // The second board finds cell 7 already taken by the first board's marker.
  EXPECT_EQ(Features(s), "6:12/180 7:12/180 8:1/0 10:4/50 12:4/50");
}

TEST(PostPassTest, WindowsBeforeSlowdownStart) {
  struct Case {
    int64_t n;
    std::string want;
  };
  const Case cases[] = {
      {7, "7:3/110"},
      {8, "3:12/180 8:3/110"},
      {13, "8:12/180 13:3/110"},
      {14, "3:12/180 9:12/180 14:3/110"},
      {20, "9:12/180 15:12/180 20:3/110"},
      {21, "3:12/180 10:12/180 16:12/180 21:3/110"},
      {30, "12:12/180 19:12/180 25:12/180 30:3/110"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("start at cell " + std::to_string(c.n));
    Scenario s = Route();
    Start(s, c.n, 110);
    ASSERT_EQ(post_pass(s), 0);
    EXPECT_EQ(Features(s), c.want);
    EXPECT_EQ(s.diagnostic.stato, 0);
  }
}

TEST(PostPassTest, WindowTakesItsFirstFreeCellOrRaisesTwelve) {
  Scenario s = Route();
  Start(s, 30, 120);
  Taken(s, 25);
  Taken(s, 18);
  Taken(s, 19);
  ASSERT_EQ(post_pass(s), 0);
  EXPECT_EQ(Features(s), "12:12/180 17:12/180 18:6/0 19:6/0 24:12/180 25:6/0 30:3/120");
  EXPECT_EQ(s.diagnostic.stato, 0);

  Scenario full = Route();
  Start(full, 30, 120);
  Taken(full, 25);
  Taken(full, 24);
  Taken(full, 23);
  ASSERT_EQ(post_pass(full), 0);
  EXPECT_EQ(Features(full), "12:12/180 19:12/180 23:6/0 24:6/0 25:6/0 30:3/120");
  EXPECT_EQ(full.diagnostic.stato, 12);
  EXPECT_EQ(full.diagnostic.progressiva_errore, 1500);
}

// A slow slowdown from cell 40 to cell 70; its windows take cells 22, 29, 35.
TEST(PostPassTest, MarkersInsideSlowSlowdown) {
  struct Case {
    const char* name;
    int16_t speed;
    std::vector<int64_t> taken;
    std::string inside;
    int32_t stato;
  };
  const Case cases[] = {
      {"every eighth cell", 60, {}, "48:12/180 56:12/180 64:12/180", 0},
      {"speed 109 is slow", 109, {}, "48:12/180 56:12/180 64:12/180", 0},
      {"speed 110 is not", 110, {}, "", 0},
      {"one cell earlier", 60, {48}, "47:12/180 48:6/0 55:12/180 63:12/180", 0},
      {"one cell later", 60, {47, 48}, "47:6/0 48:6/0 49:12/180 57:12/180 65:12/180", 0},
      {"no place, no more markers", 60, {47, 48, 49}, "47:6/0 48:6/0 49:6/0", 13},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Scenario s = Route();
    Start(s, 40, c.speed);
    End(s, 70);
    for (int64_t i : c.taken) Taken(s, i);
    ASSERT_EQ(post_pass(s), 0);
    std::string want = "22:12/180 29:12/180 35:12/180 40:3/" + std::to_string(c.speed);
    if (!c.inside.empty()) want += ' ' + c.inside;
    want += " 70:2/60";
    EXPECT_EQ(Features(s), want);
    EXPECT_EQ(s.diagnostic.stato, c.stato);
    EXPECT_EQ(s.diagnostic.progressiva_errore, c.stato == 0 ? 0 : 2400);
  }
}

TEST(PostPassTest, SlowWalkEndsAtTheSlowdownEnd) {
  Scenario s = Route();
  Start(s, 40, 60);
  End(s, 50);
  ASSERT_EQ(post_pass(s), 0);
  EXPECT_EQ(Features(s), "22:12/180 29:12/180 35:12/180 40:3/60 48:12/180 50:2/60");

  // The eighth cell is the end itself: the marker goes just before it.
  Scenario t = Route();
  Start(t, 40, 60);
  End(t, 48);
  ASSERT_EQ(post_pass(t), 0);
  EXPECT_EQ(Features(t), "22:12/180 29:12/180 35:12/180 40:3/60 47:12/180 48:2/60");
}

// A slow slowdown from 40 to 70, then a signal somewhere after the end.
TEST(PostPassTest, FirstSignalAfterSlowdown) {
  struct Case {
    const char* name;
    std::vector<int64_t> signals;
    std::vector<int64_t> taken;
    std::vector<int64_t> markers;
    int32_t stato;
  };
  const Case cases[] = {
      {"just before", {75}, {}, {74}, 0},     {"two before", {75}, {74}, {73}, 0},
      {"no place", {75}, {73, 74}, {}, 13},   {"twelve cells on", {82}, {}, {81}, 0},
      {"thirteen cells on", {83}, {}, {}, 0}, {"only the first signal", {75, 78}, {}, {74}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Scenario s = Route();
    Start(s, 40, 60);
    End(s, 70);
    for (int64_t i : c.signals) Signal(s, i);
    for (int64_t i : c.taken) Taken(s, i);
    Scenario want = s;
    for (int64_t i : {22, 29, 35, 48, 56, 64}) Put(want, i, kMarcatore, 180);
    for (int64_t i : c.markers) Put(want, i, kMarcatore, 180);
    ASSERT_EQ(post_pass(s), 0);
    EXPECT_EQ(Features(s), Features(want));
    EXPECT_EQ(s.diagnostic.stato, c.stato);
    // The position is the cell where the walk ended, not the signal's.
    EXPECT_EQ(s.diagnostic.progressiva_errore, c.stato == 0 ? 0 : 3500);
  }
}

TEST(PostPassTest, FastSlowdownSearchesFromItsStart) {
  Scenario s = Route();
  Start(s, 40, 120);
  End(s, 45);
  Signal(s, 52);  // start + 12
  ASSERT_EQ(post_pass(s), 0);
  EXPECT_EQ(Features(s), "22:12/180 29:12/180 35:12/180 40:3/120 45:2/60 51:12/180 52:1/0");

  Scenario t = Route();
  Start(t, 40, 120);
  Signal(t, 53);
  ASSERT_EQ(post_pass(t), 0);
  EXPECT_EQ(Features(t), "22:12/180 29:12/180 35:12/180 40:3/120 53:1/0");
}

TEST(PostPassTest, SlowWalkWithoutEndStopsAtLastCell) {
  Scenario s = ShortRoute(29);
  Start(s, 20, 60);
  ASSERT_EQ(post_pass(s), 0);
  EXPECT_EQ(Features(s), "9:12/180 15:12/180 20:3/60 28:12/180");
  EXPECT_EQ(s.diagnostic.stato, 0);

  // The count reaches 8 on the last cell: the cell beyond the array is no
  // place for a marker.
  Scenario last = ShortRoute(28);
  Start(last, 20, 60);
  Taken(last, 27);
  Taken(last, 28);
  ASSERT_EQ(post_pass(last), 0);
  EXPECT_EQ(Features(last), "9:12/180 15:12/180 20:3/60 27:6/0 28:6/0");
  EXPECT_EQ(last.diagnostic.stato, 13);
  EXPECT_EQ(last.diagnostic.progressiva_errore, 1400);
  EXPECT_EQ(last.celle.size(), 29u);

  // The signal search after such a walk does not look past the last cell.
  Scenario signal = ShortRoute(29);
  Start(signal, 20, 60);
  Signal(signal, 29);
  ASSERT_EQ(post_pass(signal), 0);
  EXPECT_EQ(Features(signal), "9:12/180 15:12/180 20:3/60 27:12/180 28:12/180 29:1/0");
}

TEST(PostPassTest, NothingBeyondUltimaCella) {
  // The array is longer than the last index says: cells past it stay untouched.
  Scenario s = ShortRoute(40);
  s.ultima_cella = 28;
  Start(s, 20, 60);
  Taken(s, 27);
  Taken(s, 28);
  ASSERT_EQ(post_pass(s), 0);
  EXPECT_EQ(Features(s), "9:12/180 15:12/180 20:3/60 27:6/0 28:6/0");
  EXPECT_EQ(s.diagnostic.stato, 13);
}

TEST(PostPassTest, WalkCoversCellsUpToLastMinusTwo) {
  Scenario s = Route();  // last cell 140
  WarningBoard(s, 138);
  Signal(s, 130);
  ASSERT_EQ(post_pass(s), 0);
  EXPECT_EQ(Features(s), "129:12/180 130:1/0 138:4/50");

  Scenario t = Route();
  WarningBoard(t, 139);
  Signal(t, 130);
  Start(t, 139, 60);
  ASSERT_EQ(post_pass(t), 0);
  EXPECT_EQ(Features(t), "130:1/0 139:3/60");
}

TEST(PostPassTest, LaterCodeOverwritesEarlierOne) {
  Scenario s = Route();
  s.diagnostic.stato = 16;
  s.diagnostic.progressiva_errore = 1234;
  WarningBoard(s, 10);
  Signal(s, 8);
  Taken(s, 7);
  Taken(s, 6);
  Scenario both = s;
  ASSERT_EQ(post_pass(s), 0);
  EXPECT_EQ(s.diagnostic.stato, 11);
  EXPECT_EQ(s.diagnostic.progressiva_errore, 400);

  Start(both, 40, 120);
  Taken(both, 35);
  Taken(both, 34);
  Taken(both, 33);
  ASSERT_EQ(post_pass(both), 0);
  EXPECT_EQ(both.diagnostic.stato, 12);
  EXPECT_EQ(both.diagnostic.progressiva_errore, 2000);

  Scenario clean = Route();
  clean.diagnostic.stato = 16;
  clean.diagnostic.progressiva_errore = 1234;
  ASSERT_EQ(post_pass(clean), 0);
  EXPECT_EQ(clean.diagnostic.stato, 16);
  EXPECT_EQ(clean.diagnostic.progressiva_errore, 1234);
}

Scenario Keyed() {
  Scenario s = Route();
  s.voci[kVoceChiaveTreno].nome = "c";
  s.voci[kVoceLinea].nome = "ab";
  return s;
}

TEST(PostPassTest, CleanStamp) {
  Scenario s = Keyed();
  s.celle[1].tipo = kIndicatoreVMax;
  s.celle[1].dato3 = 7;
  Scenario before = s;
  ASSERT_EQ(post_pass(s), 0);
  EXPECT_EQ(s.voci[kVoceLinea].valore1, 610);
  EXPECT_EQ(s.voci[kVoceLinea].orario, 33753);
  EXPECT_EQ(s.celle[1].dato1, 5121);
  EXPECT_EQ(s.celle[1].dato2, 2546);

  before.voci[kVoceLinea].valore1 = 610;
  before.voci[kVoceLinea].orario = 33753;
  before.celle[1].dato1 = 5121;
  before.celle[1].dato2 = 2546;
  EXPECT_EQ(s.voci, before.voci);
  EXPECT_EQ(s.celle, before.celle);
}

TEST(PostPassTest, HeaderAlreadyTaken) {
  struct Case {
    const char* name;
    int16_t valore1;
    int16_t dato1;
    int32_t orario;
    int16_t dato2;
    int fatal;
    // What the four places hold afterwards.
    int16_t valore1_after;
    int16_t dato1_after;
    int32_t orario_after;
    int16_t dato2_after;
  };
  const Case cases[] = {
      {"slot value set", 7, 0, 0, 0, 1250, 7, 0, 0, 0},
      {"cell value set", 0, 3, 0, 0, 1250, 0, 3, 0, 0},
      {"slot code set", 0, 0, 5, 0, 1251, 610, 5121, 5, 0},
      {"cell code set", 0, 0, 0, 9, 1251, 610, 5121, 0, 9},
      {"both stamps taken: 1250 first", 7, 0, 5, 0, 1250, 7, 0, 5, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Scenario s = Keyed();
    s.voci[kVoceLinea].valore1 = c.valore1;
    s.celle[1].dato1 = c.dato1;
    s.voci[kVoceLinea].orario = c.orario;
    s.celle[1].dato2 = c.dato2;
    EXPECT_EQ(post_pass(s), c.fatal);
    EXPECT_EQ(s.voci[kVoceLinea].valore1, c.valore1_after);
    EXPECT_EQ(s.celle[1].dato1, c.dato1_after);
    EXPECT_EQ(s.voci[kVoceLinea].orario, c.orario_after);
    EXPECT_EQ(s.celle[1].dato2, c.dato2_after);
  }
}

TEST(PostPassTest, MarkerInHeaderCellStopsTheStamp) {
  Scenario s = Keyed();
  WarningBoard(s, 5);
  Signal(s, 3);
  Taken(s, 2);
  EXPECT_EQ(post_pass(s), 1250);
  EXPECT_EQ(Features(s), "1:12/180 2:6/0 3:1/0 5:4/50");
  EXPECT_EQ(s.voci[kVoceLinea].valore1, 0);
}

TEST(PostPassTest, WithoutHeaderCellOnlyTheSlotIsStamped) {
  Scenario none;
  EXPECT_EQ(post_pass(none), 0);
  EXPECT_TRUE(none.celle.empty());
  EXPECT_EQ(none.voci[kVoceLinea].valore1, 610);
  EXPECT_EQ(none.voci[kVoceLinea].orario, 34355);

  Scenario one = ShortRoute(0);
  EXPECT_EQ(post_pass(one), 0);
  EXPECT_EQ(one.celle, std::vector<cella>(1));
  EXPECT_EQ(one.voci[kVoceLinea].valore1, 610);

  Scenario taken;
  taken.voci[kVoceLinea].valore1 = 1;
  EXPECT_EQ(post_pass(taken), 1250);
  EXPECT_EQ(taken.voci[kVoceLinea].orario, 0);

  Scenario two = ShortRoute(1);
  EXPECT_EQ(post_pass(two), 0);
  EXPECT_EQ(two.celle[1].dato1, 5121);
  EXPECT_EQ(two.celle[1].dato2, 2583);
  EXPECT_EQ(two.celle[0], cella{});
}

}  // namespace
}  // namespace percorso
