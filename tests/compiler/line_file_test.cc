#include "compiler/line_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compiler/compile.h"
#include "output/geometry_table.h"
#include "support/source_fixture.h"

namespace percorso {
namespace {

using testing::LineFile;
using testing::Lines;
using testing::Parse;
using testing::Parsed;
using testing::TrainFile;

const std::string kEmptyTrain = TrainFile({});

std::string Header(const std::vector<std::string>& lines) {
  std::vector<std::string> all = {"[generale]", "lunghezza percorso, 2000"};
  all.insert(all.end(), lines.begin(), lines.end());
  all.push_back("[curve]");
  all.push_back("[fine]");
  return Lines(all);
}

void ExpectTriple(const voce& v, int32_t inizio, int32_t fine, int32_t posizione) {
  EXPECT_EQ(v.inizio, inizio);
  EXPECT_EQ(v.fine, fine);
  EXPECT_EQ(v.posizione, posizione);
}

// The pendenza member of cells first .. last.
std::vector<int> Gradients(const Scenario& s, int first, int last) {
  std::vector<int> g;
  for (int i = first; i <= last; ++i) g.push_back(s.celle.at(static_cast<size_t>(i)).pendenza);
  return g;
}

TEST(LineFileTest, RouteLengthCreatesTheCellsAndTheTable) {
  Parsed p = Parse(LineFile({}), kEmptyTrain, 1);
  EXPECT_EQ(p.s.diagnostic.stato, 0);
  EXPECT_EQ(p.s.lunghezza_estesa, 104000);
  EXPECT_EQ(p.s.ultima_cella, 2080);
  EXPECT_EQ(p.s.celle.size(), 2081u);
  ASSERT_TRUE(p.s.tracciato.has_value());
  EXPECT_EQ(p.s.tracciato->ultimo_metro(), 104000);
  EXPECT_EQ(p.s.voci[kVoceTreno].fine, 97000);
  EXPECT_EQ(p.s.voci[kVoceLinea].nome, "L");
  EXPECT_EQ(p.s.voci[kVoceChiaveTreno].nome, "T");
  EXPECT_EQ(p.linea_deletions, 1);
  EXPECT_EQ(p.treno_deletions, 1);
}

TEST(LineFileTest, HeaderWordsOtherThanTheLengthKeepTheirLetterCase) {
  Parsed p = Parse(
      Lines({"[GENERALE]", "LUNGHEZZA Percorso, 2000", "Progressiva chilometrica uno, 100, 100, 0",
             "PROGRESSIVA chilometrica due, 200, 200, 0", "Sfondo uno, 5",
             "ripetizione Segnali 4, 1050, 2000", "[curve]", "[fine]"}),
      kEmptyTrain);
  EXPECT_EQ(p.s.diagnostic.stato, 0);
  EXPECT_EQ(p.s.celle.size(), 181u);
  for (int slot = kVoceProgressivaTre; slot <= kVoceProgressivaUno; ++slot) {
    ExpectTriple(p.s.voci[static_cast<size_t>(slot)], 0, 0, 0);
  }
  ExpectTriple(p.s.voci[kVoceLinea], 0, 0, 0);
  ExpectTriple(p.s.voci[kVoceChiaveTreno], 0, 0, 0);
}

TEST(LineFileTest, SfondoTreIsNotAReferenceAndAReferenceIsNotABackground) {
  Parsed p = Parse(Header({"sfondo tre, 7", "progressiva chilometrica tre, 50, 100, 0",
                           "sfondo uno, 3", "sfondo due, 1"}),
                   kEmptyTrain);
  EXPECT_EQ(p.s.diagnostic.stato, 0);
  ExpectTriple(p.s.voci[kVoceLinea], 3, 7, 1);
  ExpectTriple(p.s.voci[kVoceProgressivaTre], 50, 100, 0);
  ExpectTriple(p.s.voci[kVoceProgressivaDue], 0, 0, 0);
  ExpectTriple(p.s.voci[kVoceProgressivaUno], 0, 0, 0);
}

TEST(LineFileTest, AFieldWithUnoAndDueTakesTwoTriplesDueFirst) {
  // First values summing to 0 with only the "tre" triple's second value above
  // 0 leave the order of the three slots as read.
  Parsed p = Parse(Header({"progressiva chilometrica tre, 0, 50, 0",
                           "progressiva uno e due, 100, 0, 0, -100, 0, 0"}),
                   kEmptyTrain);
  EXPECT_EQ(p.s.diagnostic.stato, 0);
  ExpectTriple(p.s.voci[kVoceProgressivaTre], 0, 50, 0);
  ExpectTriple(p.s.voci[kVoceProgressivaDue], 100, 0, 0);
  ExpectTriple(p.s.voci[kVoceProgressivaUno], -100, 0, 0);
}

TEST(LineFileTest, AReferenceAdjustedPastThe32BitRangeIsAReadFailure) {
  Parsed p = Parse(Header({"progressiva chilometrica uno, 5000, 2147483600, 1"}), kEmptyTrain);
  EXPECT_EQ(p.s.diagnostic.stato, 25);
  EXPECT_EQ(p.linea_deletions, 1);
  EXPECT_EQ(p.treno_deletions, 1);
  Parsed fits = Parse(Header({"progressiva chilometrica uno, 5000, 2147483500, 1"}), kEmptyTrain);
  EXPECT_EQ(fits.s.diagnostic.stato, 0);
  EXPECT_EQ(fits.s.voci[kVoceProgressivaTre].fine, 2147483600);
}

TEST(LineFileTest, SignalRepetitionCodeIsZeroWhenTheSecondPositionIsZero) {
  struct Row {
    const char* line;
    int32_t inizio, fine, codice;
  };
  const Row rows[] = {
      {"ripetizione segnali 4 codici,    1050,    95500", 1050, 95500, 4},
      {"ripetizione segnali 9 codici, 1050, 2000", 1050, 2000, 9},
      {"ripetizione segnali 9 codici, 1050, 0", 1050, 0, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    Parsed p = Parse(Header({row.line}), kEmptyTrain);
    EXPECT_EQ(p.s.diagnostic.stato, 0);
    ExpectTriple(p.s.voci[kVoceChiaveTreno], row.inizio, row.fine, row.codice);
  }
}

TEST(LineFileTest, FineRightAfterGeneraleEndsTheHeaderAtOnce) {
  Parsed p = Parse(Lines({"[generale]", "[fine]", "lunghezza percorso, 2000"}), kEmptyTrain);
  EXPECT_EQ(p.s.diagnostic.stato, 0);
  EXPECT_FALSE(p.s.has_celle());
}

TEST(LineFileTest, TheHeaderTestsTheEleventhDashFieldInARow) {
  std::vector<std::string> dashes(10, "-nota");
  std::vector<std::string> eleven = dashes;
  eleven.push_back("-lunghezza percorso, 4000");
  Parsed tested = Parse(Header(eleven), kEmptyTrain);
  EXPECT_EQ(tested.s.diagnostic.stato, 0);
  EXPECT_EQ(tested.s.celle.size(), 221u);  // the second length, 4000, wins

  std::vector<std::string> ten(9, "-nota");
  ten.push_back("-lunghezza percorso, 4000");
  Parsed skipped = Parse(Header(ten), kEmptyTrain);
  EXPECT_EQ(skipped.s.diagnostic.stato, 0);
  EXPECT_EQ(skipped.s.celle.size(), 181u);  // only "lunghezza percorso, 2000"
}

TEST(LineFileTest, TheBodyTestsTheThirdDashFieldInARow) {
  struct Row {
    const char* line;
    int tail;
  };
  const Row rows[] = {
      {"-pendenza, 1000, 5", 100},  // passed over; its numbers match nothing
      {"-nota, -pendenza, 1000, 5", 100},
      {"-nota, -altra, -pendenza, 1000, 5", 105},
      {"- nota, pendenza, 1000, 5", 105},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    Parsed p = Parse(LineFile({row.line}), kEmptyTrain);
    EXPECT_EQ(p.s.diagnostic.stato, 0);
    EXPECT_EQ(p.s.celle[2000].pendenza, row.tail);
  }
}

TEST(LineFileTest, ANegativeGradientIsAValueNotARemark) {
  Parsed p = Parse(LineFile({"pendenza, 1000, -3", "pendenza,  51400,   -12"}), kEmptyTrain);
  EXPECT_EQ(p.s.diagnostic.stato, 0);
  EXPECT_EQ(p.s.celle[100].pendenza, 97);
  EXPECT_EQ(p.s.celle[2000].pendenza, 88);
}

TEST(LineFileTest, AGradientHoldsFromItsPositionToTheNextOne) {
  Parsed p = Parse(LineFile({"pendenza, 1000, 5", "pendenza, 3000, 0"}), kEmptyTrain);
  EXPECT_EQ(Gradients(p.s, 0, 19), std::vector<int>(20, 100));
  EXPECT_EQ(Gradients(p.s, 20, 59), std::vector<int>(40, 105));
  EXPECT_EQ(Gradients(p.s, 60, 2077), std::vector<int>(2018, 100));
  EXPECT_EQ(Gradients(p.s, 2078, 2080), std::vector<int>(3, 0));
}

TEST(LineFileTest, AGradientAtZeroSetsNoCell) {
  Parsed p = Parse(LineFile({"pendenza, 0, 3"}), kEmptyTrain);
  EXPECT_EQ(Gradients(p.s, 0, 2077), std::vector<int>(2078, 103));
  EXPECT_EQ(Gradients(p.s, 2078, 2080), std::vector<int>(3, 0));
}

TEST(LineFileTest, TwoGradientsAtOnePositionSetOneMoreCell) {
  Parsed p = Parse(LineFile({"pendenza, 1000, 5", "pendenza, 1000, 8"}), kEmptyTrain);
  EXPECT_EQ(Gradients(p.s, 18, 22), (std::vector<int>{100, 100, 105, 108, 108}));
}

TEST(LineFileTest, RepeatedGradientsAndTheTailFillTheLastCellAndStopPastIt) {
  // A 50 m route has cells 0 .. 141; each line at 50 m sets one more cell.
  struct Row {
    const char* name;
    int lines_at_50;        // "pendenza, 50, 1" lines
    std::string last_line;  // then this one
    int last_cell;          // the pendenza that cell 141 ends with
  };
  const Row rows[] = {
      // The 142nd line sets the last cell; the later ones find no cell.
      {"lines", 149, "pendenza, 50, 2", 101},
      // The lines stop before the last cell; the tail sets at least one cell.
      {"tail", 141, "pendenza, 0, 3", 103},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<std::string> body(static_cast<size_t>(row.lines_at_50), "pendenza, 50, 1");
    body.push_back(row.last_line);
    Parsed p = Parse(LineFile(body, 50), kEmptyTrain);
    EXPECT_EQ(p.s.diagnostic.stato, 0);
    ASSERT_EQ(p.s.ultima_cella, 141);
    EXPECT_EQ(p.s.celle[0].pendenza, 100);
    EXPECT_EQ(Gradients(p.s, 1, 140), std::vector<int>(140, 101));
    EXPECT_EQ(p.s.celle[141].pendenza, row.last_cell);
  }
}

TEST(LineFileTest, TheShortestRoutesThatStillHaveTheirCellsAndGeometry) {
  struct Row {
    int32_t lunghezza;
    int32_t j;
    size_t cells;
  };
  const Row rows[] = {{-7025, 0, 1}, {-7000, 0, 1}, {-6999, 1, 1}, {-6950, 1, 2}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.lunghezza);
    Parsed p = Parse(LineFile({}, row.lunghezza), kEmptyTrain, row.j);
    EXPECT_EQ(p.s.diagnostic.stato, 0);
    EXPECT_EQ(p.s.celle.size(), row.cells);
    EXPECT_EQ(p.s.tracciato.has_value(), row.j != 0);
  }
}

TEST(LineFileTest, TheLastFieldOfTheFileIsNeverInterpreted) {
  std::string linea = Lines({"[generale]", "lunghezza percorso, 2000", "[curve]"}) + "pendenza";
  Parsed p = Parse(linea, kEmptyTrain);
  EXPECT_EQ(p.s.diagnostic.stato, 0);
  EXPECT_EQ(p.s.celle[10].pendenza, 100);
}

TEST(LineFileTest, ACurveWhileJIsZeroLeavesItsFieldsToTheKeywordTests) {
  std::string linea = LineFile({"curvas2, pendenza, 1000, 5"});
  Parsed off = Parse(linea, kEmptyTrain, 0);
  EXPECT_EQ(off.s.diagnostic.stato, 0);
  EXPECT_FALSE(off.s.tracciato.has_value());
  EXPECT_EQ(off.s.celle[2000].pendenza, 105);

  Parsed on = Parse(linea, kEmptyTrain, 1);
  EXPECT_EQ(on.s.diagnostic.stato, 0);
  ASSERT_TRUE(on.s.tracciato.has_value());
  EXPECT_EQ(on.s.celle[2000].pendenza, 100);  // "pendenza" was the curve's start
}

TEST(LineFileTest, PlanOfAStraightThenACurveFollowsTheStepExpressions) {
  Parsed p = Parse(LineFile({"curvas2, 3, 2"}, 0), kEmptyTrain, 1);
  ASSERT_EQ(p.s.diagnostic.stato, 0);
  ASSERT_TRUE(p.s.tracciato.has_value());
  const GeometryTable t = ExpandTracciato(*p.s.tracciato);
  ASSERT_EQ(t.ultimo_metro(), 7000);
  for (int x = 0; x <= 1; ++x) {
    for (int k = 0; k <= 1; ++k) {
      EXPECT_EQ(t.tag(x, k), Tag::kIntero);
      EXPECT_EQ(t.valore(x, k), x == 1 && k == 1 ? 1.0 : 0.0);
    }
  }
  const double k = -0.0002;
  // Straight to metre 3, then turning steps at metres 4 and 5.
  double x3 = 0.0, y3 = 3.0;
  double x4 = x3 + (0.0 + k * 1.0), y4 = y3 + (1.0 - k * 0.0);
  double dx4 = x4 - x3, dy4 = y4 - y3;
  double x5 = x4 + (dx4 + k * dy4), y5 = y4 + (dy4 - k * dx4);
  double x6 = x5 + (x5 - x4), y6 = y5 + (y5 - y4);
  const double expected[][2] = {{0.0, 2.0}, {x3, y3}, {x4, y4}, {x5, y5}, {x6, y6}};
  for (int m = 2; m <= 6; ++m) {
    SCOPED_TRACE(m);
    EXPECT_EQ(t.tag(m, 0), Tag::kReale);
    EXPECT_EQ(t.valore(m, 0), expected[m - 2][0]);
    EXPECT_EQ(t.valore(m, 1), expected[m - 2][1]);
  }
  EXPECT_EQ(t.tag(6998, 1), Tag::kReale);
  EXPECT_EQ(t.tag(6999, 0), Tag::kVuoto);
  EXPECT_EQ(t.tag(7000, 1), Tag::kVuoto);
}

TEST(LineFileTest, TextBoardsTakeSlotsFromEightyDownward) {
  Parsed p = Parse(LineFile({"cartello_indicatore,  37200,   (GALLERIA )(APPENNINO)(Km 18+510)  ",
                             "cartello_indicatore,  70250, \"(VIADOTTO),(SETTA)\"",
                             "Cartello Indicatore, 100,"}),
                   kEmptyTrain);
  ASSERT_EQ(p.s.diagnostic.stato, 0);
  EXPECT_EQ(p.s.voci[80].nome, "(GALLERIA )(APPENNINO)(Km 18+510)  ");
  EXPECT_EQ(p.s.voci[79].nome, "(VIADOTTO),(SETTA)");
  EXPECT_EQ(p.s.voci[78].nome, "");
  const int cells[] = {745, 1406, 3};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(p.s.celle[static_cast<size_t>(cells[i])].tipo, kCartello);
    EXPECT_EQ(p.s.celle[static_cast<size_t>(cells[i])].dato1, 80 - i);
  }
}

TEST(LineFileTest, EmptySpeedBoardFieldsReadZero) {
  Parsed p =
      Parse(LineFile({"indicatori_vmax,  1000,  105,  115,  120,  0,  ,  ,  ,  0",
                      "indicatori_vmax,  16800,  110,  115,  120,  1,  110,  115,  120,  2"}),
            kEmptyTrain);
  ASSERT_EQ(p.s.diagnostic.stato, 0);
  const cella& a = p.s.celle[21];
  EXPECT_EQ(a.tipo, kIndicatoreVMax);
  EXPECT_EQ(a.dato1, 2100);
  EXPECT_EQ(a.dato2, 2300);
  EXPECT_EQ(a.dato3, 2400);
  EXPECT_EQ(a.dato4, 0);
  const cella& b = p.s.celle[337];
  EXPECT_EQ(b.dato1, 2222);
  EXPECT_EQ(b.dato4, 12);
}

// The stretch list belongs to the parse: the first stretch of the body is
// compared with no earlier one, the second with the first.
TEST(LineFileTest, TerrainLinesGoToTheStretchListFromEmpty) {
  Scenario s;
  s.line_key = "L";
  MemorySourceFiles files(LineFile({"montagna,   18800,  18850,  2", "montagna, 21250, 22250, 12",
                                    "montagna, 22300, 22600, 5"}),
                          kEmptyTrain);
  memorizza_dati(s, files);
  ASSERT_EQ(s.diagnostic.stato, 0);
  EXPECT_EQ(s.celle[376].montagna, 2);
  // 50 m after the end of the one before: terrain 3.
  EXPECT_EQ(s.celle[447].montagna, 3);
  EXPECT_EQ(s.celle[428].tipo, kRiempitivoGalleria);
}

}  // namespace
}  // namespace percorso
