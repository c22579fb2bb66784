#include "compiler/train_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/source_fixture.h"

namespace percorso {
namespace {

using testing::LineFile;
using testing::Lines;
using testing::Parse;
using testing::Parsed;
using testing::Station;
using testing::TrainFile;

const std::string kLine = LineFile({});

std::vector<int> Member(const Scenario& s, uint8_t cella::*member, int first, int last) {
  std::vector<int> v;
  for (int i = first; i <= last; ++i) v.push_back(s.celle.at(static_cast<size_t>(i)).*member);
  return v;
}

TEST(TrainFileTest, ConsistSandAndClock) {
  struct Row {
    const char* name;
    std::vector<std::string> lines;
    int32_t massa, vetture;
    int16_t sabbia, ore, minuti, secondi;
  };
  const Row rows[] = {
      {"as written",
       {"numero vetture,    15", "percentuale massa frenata,    125", "sabbia,    300",
        "orologio,    6               12            40 "},
       125,
       15,
       300,
       6,
       12,
       40},
      {"clock with commas", {"orologio, 6, 12, 40"}, 0, 0, 0, 6, 12, 40},
      {"massa alone and frenata alone", {"massa, 77", "frenata, 88"}, 0, 0, 0, 0, 0, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Parsed p = Parse(kLine, TrainFile(row.lines));
    EXPECT_EQ(p.s.diagnostic.stato, 0);
    EXPECT_EQ(p.s.voci[kVoceTreno].inizio, row.massa);
    EXPECT_EQ(p.s.voci[kVoceTreno].posizione, row.vetture);
    const voce& v = p.s.voci[kVoceChiaveTreno];
    EXPECT_EQ(v.valore1, row.sabbia);
    EXPECT_EQ(v.valore3, row.ore);
    EXPECT_EQ(v.valore4, row.minuti);
    EXPECT_EQ(v.valore5, row.secondi);
  }
}

TEST(TrainFileTest, SpeedAndAdhesionHoldToTheNextLineAndTheTailStopsAt2077) {
  Parsed p = Parse(kLine, TrainFile({"aderenza,   0,    100", "aderenza, 500, 300",
                                     "velocita,   0,    30", "velocita,     900,   117"}));
  ASSERT_EQ(p.s.diagnostic.stato, 0);
  EXPECT_EQ(Member(p.s, &cella::velocita, 0, 17), std::vector<int>(18, 6));
  EXPECT_EQ(Member(p.s, &cella::velocita, 18, 2077), std::vector<int>(2060, 23));
  EXPECT_EQ(Member(p.s, &cella::aderenza, 0, 9), std::vector<int>(10, 100));
  EXPECT_EQ(Member(p.s, &cella::aderenza, 10, 2077), std::vector<int>(2068, 44));
  EXPECT_EQ(Member(p.s, &cella::velocita, 2078, 2080), std::vector<int>(3, 0));
  EXPECT_EQ(Member(p.s, &cella::aderenza, 2078, 2080), std::vector<int>(3, 0));
}

TEST(TrainFileTest, AtTheLastCellSpeedLinesStopButAdhesionLinesAndTheTailsWrite) {
  // A 50 m route has cells 0 .. 141; each line at 50 m sets one more cell.
  std::vector<std::string> lines;
  for (int i = 0; i < 149; ++i) {
    lines.push_back("velocita, 50, 30");
    lines.push_back("aderenza, 50, 7");
  }
  lines.push_back("velocita, 50, 60");
  lines.push_back("aderenza, 50, 9");
  Parsed p = Parse(LineFile({}, 50), TrainFile(lines));
  ASSERT_EQ(p.s.diagnostic.stato, 0);
  ASSERT_EQ(p.s.ultima_cella, 141);
  EXPECT_EQ(p.s.celle[0].velocita, 0);
  EXPECT_EQ(Member(p.s, &cella::velocita, 1, 140), std::vector<int>(140, 6));
  EXPECT_EQ(p.s.celle[141].velocita, 12);  // from the tail, with the last speed
  EXPECT_EQ(p.s.celle[0].aderenza, 0);
  EXPECT_EQ(Member(p.s, &cella::aderenza, 1, 141), std::vector<int>(141, 7));
}

TEST(TrainFileTest, ASpeedTailOnTheLastCellChecksTheSpeedCode) {
  std::vector<std::string> lines(142, "velocita, 50, 30");
  lines.push_back("velocita, 0, 1300");
  Parsed p = Parse(LineFile({}, 50), TrainFile(lines));
  EXPECT_EQ(p.s.diagnostic.stato, 25);
  EXPECT_EQ(p.s.celle[141].velocita, 0);
}

TEST(TrainFileTest, ASpeedBeforeAnyLineStartsAtZero) {
  Parsed p = Parse(kLine, TrainFile({"velocita, 1000, 100"}));
  EXPECT_EQ(Member(p.s, &cella::velocita, 0, 19), std::vector<int>(20, 0));
  EXPECT_EQ(p.s.celle[20].velocita, 20);
}

TEST(TrainFileTest, CutOffPointsLieOneCellBeforeAFeature) {
  Parsed p = Parse(kLine, TrainFile({"abbattimento,   46700,   AC", "abbattimento, 1000, 70000"}));
  ASSERT_EQ(p.s.diagnostic.stato, 0);
  EXPECT_EQ(p.s.celle[934].tipo, kAbbattimentoNullo);
  EXPECT_EQ(p.s.celle[20].tipo, kMarcatore);
  EXPECT_EQ(p.s.celle[20].dato1, static_cast<int16_t>(70000 - 65536));
}

TEST(TrainFileTest, AFieldWithSegnaleAndStazioneIsASignalThenAStation) {
  Parsed p = Parse(kLine, TrainFile({"segnale in stazione, 1050, 1,4,1,0,0,0,0,0,0,0, "
                                     "2000, 30, 100, 1,2,3, 4,5,6, 7,8,9, 10, 1,2,3, VERNIO"}));
  ASSERT_EQ(p.s.diagnostic.stato, 0);
  EXPECT_EQ(p.s.celle[22].tipo, kSegnale);
  const voce& v = p.s.voci[1];
  EXPECT_EQ(v.posizione, 2000);
  EXPECT_EQ(v.tipo, 30);
  EXPECT_EQ(v.nome, "VERNIO");
  EXPECT_EQ(v.orario, 3723);
}

TEST(TrainFileTest, StationFieldsGoToTheirMembers) {
  Parsed p = Parse(kLine, TrainFile({Station(0, 30, 100, "A"),
                                     "stazione,   36700, 12,  500,  1, 2, 1,  4,-1,7,  2,1,1,   "
                                     "90,   6,38, 0,  VERNIO  "}));
  ASSERT_EQ(p.s.diagnostic.stato, 0);
  const voce& v = p.s.voci[2];
  EXPECT_EQ(v.tipo, 12);
  EXPECT_EQ(v.marca, 1);
  EXPECT_EQ(v.opzione4, 0);  // shorter than 600 m
  EXPECT_EQ(v.opzione3, 1);
  EXPECT_EQ(v.valore1, 4);
  EXPECT_EQ(v.valore2, -1);
  EXPECT_EQ(v.opzione1, 7);
  EXPECT_EQ(v.valore3, 2);
  EXPECT_EQ(v.valore4, 1);
  EXPECT_EQ(v.valore5, 1);
  EXPECT_EQ(v.opzione2, 90);
  EXPECT_EQ(v.orario, 23880);
  EXPECT_EQ(v.nome, "VERNIO  ");
  EXPECT_EQ(v.inizio, 36450);
  EXPECT_EQ(v.fine, 37000);
}

TEST(TrainFileTest, StationExtentsAndMarks) {
  struct Row {
    std::string line;
    int32_t inizio, fine;
    int marker;                 // the stopping mark's cell
    std::vector<int> approach;  // cells of codes 81, 82, 83, 84; empty for none
  };
  const Row rows[] = {
      {"stazione, 0, 8, 600, 0,1,1, 0,0,0, 0,0,0, 0, 6,8,0, PIANURA S.M.N.",
       -600,
       600,
       11,
       {10, 9, 8, 7}},
      {Station(1000, 5, 400, "B"), 600, 1150, 22, {}},
      {"stazione,   36700, 12,  500,  1, 0, 1,  4,1,1,  2,1,1,   90,   6,38, 0, VERNIO",
       36450,
       37000,
       739,
       {738, 737, 736, 735}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    Parsed p = Parse(kLine, TrainFile({row.line}));
    ASSERT_EQ(p.s.diagnostic.stato, 0);
    const voce& v = p.s.voci[1];
    EXPECT_EQ(v.inizio, row.inizio);
    EXPECT_EQ(v.fine, row.fine);
    EXPECT_EQ(v.opzione3, 0);  // first station
    EXPECT_EQ(v.opzione4, 0);
    EXPECT_EQ(p.s.celle[static_cast<size_t>(row.marker)].tipo, kFermata);
    EXPECT_EQ(p.s.celle[static_cast<size_t>(row.marker)].dato1, 1);
    for (int z = 1; z <= 4; ++z) {
      int cell = row.marker - z;
      int expected = row.approach.empty() ? 0 : 80 + z;
      EXPECT_EQ(p.s.celle[static_cast<size_t>(cell)].avviso, expected) << "cell " << cell;
    }
  }
}

TEST(TrainFileTest, AStationExtentPast32BitsKeepsWhatWasSetBeforeIt) {
  struct Row {
    std::string line;
    int32_t inizio, fine;
  };
  const Row rows[] = {
      // Type 5: the end is set first, then the start overflows.
      {Station(-2147483600, 5, 100, "A"), 0, -2147483450},
      // Type 7: the start is set first, then the end overflows.
      {Station(1000, 7, 2147483600, "A"), -2147482600, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    Parsed p = Parse(kLine, TrainFile({row.line}));
    EXPECT_EQ(p.s.diagnostic.stato, 25);
    EXPECT_EQ(p.s.voci[1].inizio, row.inizio);
    EXPECT_EQ(p.s.voci[1].fine, row.fine);
  }
}

TEST(TrainFileTest, AStationOfType25OrAboveMarksNoCell) {
  Parsed p = Parse(kLine, TrainFile({Station(1000, 30, 400, "X")}));
  ASSERT_EQ(p.s.diagnostic.stato, 0);
  EXPECT_EQ(p.s.voci[1].fine, 1200);
  for (const cella& c : p.s.celle) {
    ASSERT_EQ(c.tipo, kVuota);
    ASSERT_EQ(c.avviso, 0);
  }
}

TEST(TrainFileTest, TheLaterStationKeepsItsFlagsFromSixHundredMetres) {
  Parsed p = Parse(kLine, TrainFile({Station(0, 30, 100, "A"),
                                     "stazione, 5000, 30, 600, 0,1,1, 0,0,0, 0,0,0, 0, 0,0,0, B"}));
  ASSERT_EQ(p.s.diagnostic.stato, 0);
  EXPECT_EQ(p.s.voci[2].opzione4, 1);
  EXPECT_EQ(p.s.voci[2].opzione3, 1);
  EXPECT_EQ(p.s.voci[2].fine, 5350);
}

TEST(TrainFileTest, TheStationSlotsMeetTheBoardSlotsAfterTheStationIsStored) {
  std::string linea = LineFile({"cartello_indicatore, 1000, UNO", "cartello_indicatore, 2000, DUE",
                                "cartello_indicatore, 3000, TRE"});
  std::vector<std::string> stations;
  for (int i = 0; i < 80; ++i) stations.push_back(Station(1000 * i, 30, 100, "S"));
  Parsed p = Parse(linea, TrainFile(stations));
  EXPECT_EQ(p.s.diagnostic.stato, 10);
  EXPECT_EQ(p.s.diagnostic.progressiva_errore, testing::kUnchanged);
  EXPECT_EQ(p.s.voci[76].posizione, 75000);
  EXPECT_EQ(p.s.voci[77].posizione, 0);
  EXPECT_EQ(p.s.voci[78].nome, "TRE");
  EXPECT_EQ(p.treno_deletions, 1);
}

TEST(TrainFileTest, WithoutGeneraleNothingIsRead) {
  Parsed p = Parse(kLine, Lines({"numero vetture, 15", "abbattimento, 1000, 5", "[fine]"}));
  EXPECT_EQ(p.s.diagnostic.stato, 0);
  EXPECT_EQ(p.s.voci[kVoceTreno].posizione, 0);
  EXPECT_EQ(p.s.celle[20].tipo, kVuota);
  EXPECT_EQ(p.treno_deletions, 1);
}

TEST(TrainFileTest, TheLastFieldOfTheFileIsNeverInterpreted) {
  Parsed p = Parse(kLine, Lines({"[generale]"}) + "numero vetture");
  EXPECT_EQ(p.s.diagnostic.stato, 0);
  EXPECT_EQ(p.s.voci[kVoceTreno].posizione, 0);
}

TEST(TrainFileTest, TheEndOfTheFileComesAfterItsLastByte) {
  // A second "sabbia" that is the last field is never interpreted; one that is
  // followed by an empty line or by blanks on a line of their own reads them as
  // an empty field, 0.
  struct Row {
    const char* tail;
    int16_t sabbia;
  };
  const Row rows[] = {
      {"sabbia", 300},      {"sabbia\r\n", 300}, {"sabbia\r", 300},
      {"sabbia  ", 300},    {"sabbia,", 300},    {"sabbia\r\n\r\n", 0},
      {"sabbia\r\n   ", 0}, {"sabbia,\r\n", 0},  {"sabbia, 7\r\n", 7},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.tail);
    Parsed p = Parse(kLine, Lines({"[generale]", "sabbia, 300"}) + row.tail);
    EXPECT_EQ(p.s.diagnostic.stato, 0);
    EXPECT_EQ(p.s.voci[kVoceChiaveTreno].valore1, row.sabbia);
  }
}

TEST(TrainFileTest, AfterALineRangeFailureTheFirstSignalEndsTheParse) {
  Parsed p =
      Parse(LineFile({"pendenza, 200000, 1"}),
            TrainFile({"numero vetture, 15", "segnale, 1050, 1,4,1,0,0,0,0,0,0,0", "sabbia, 300"}));
  EXPECT_EQ(p.s.diagnostic.stato, 15);
  EXPECT_EQ(p.s.diagnostic.progressiva_errore, 1050);
  EXPECT_EQ(p.s.voci[kVoceTreno].posizione, 15);
  EXPECT_EQ(p.s.celle[22].tipo, kSegnale);
  EXPECT_EQ(p.s.voci[kVoceChiaveTreno].valore1, 0);
  EXPECT_EQ(p.s.celle[10].velocita, 0);  // no tails
  EXPECT_EQ(p.s.diagnostic.where.line, 3);
}

}  // namespace
}  // namespace percorso
