#include "compiler/compile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/source_fixture.h"

namespace percorso {
namespace {

using testing::kSignal;
using testing::kUnchanged;
using testing::LineFile;
using testing::Lines;
using testing::Parse;
using testing::Parsed;
using testing::Place;
using testing::Station;
using testing::TrainFile;

const std::string kLine = LineFile({});
const std::string kTrain = TrainFile({});

// Source files whose line file exists but cannot be read.
class UnreadableLineFile : public MemorySourceFiles {
 public:
  using MemorySourceFiles::MemorySourceFiles;
  SourceText Read(Source which) override {
    if (which != Source::kLinea) return MemorySourceFiles::Read(which);
    SourceText refused;
    refused.error = "linea.txt: cannot read: refused";
    return refused;
  }
};

std::vector<std::string> Boards(int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) {
    lines.push_back("cartello_indicatore, " + std::to_string(1000 + 100 * i) + ", T");
  }
  return lines;
}

struct StatusRow {
  std::string name;
  std::string linea;
  std::string treno;
  int32_t stato;
  int32_t progressiva;
  bool linea_deleted;
  bool treno_deleted;
  int32_t j = 0;
};

std::vector<StatusRow> StatusRows() {
  const std::string head = Lines({"[generale]", "lunghezza percorso, 1000", "[curve]"});
  return {
      {"102 no [generale]", Lines({"lunghezza percorso, 1000", "[fine]"}), kTrain, 102, kUnchanged,
       true, false},
      {"102 [generale] is the last field", Lines({"x", "[generale]"}), kTrain, 102, kUnchanged,
       true, false},
      {"1 route above 1000000 m", Lines({"[generale]", "lunghezza percorso, 1000001", "[fine]"}),
       kTrain, 1, kUnchanged, true, false},
      {"3", Lines({"[generale]", "ripetizione segnali 4, 1025, 2000", "[fine]"}), kTrain, 3,
       kUnchanged, true, false},
      {"4", Lines({"[generale]", "ripetizione segnali 4, 1050, 2010", "[fine]"}), kTrain, 4,
       kUnchanged, true, false},
      {"5", Lines({"[generale]", "ripetizione segnali, 1050, 2000", "[fine]"}), kTrain, 5,
       kUnchanged, true, false},
      {"103 curve without a class", LineFile({"curvas, 1000, 100"}), kTrain, 103, kUnchanged, true,
       false, 1},
      {"103 plan past metre 1000000", LineFile({"curvas1, 999000, 5000"}, 1000000), kTrain, 103,
       kUnchanged, true, false, 1},
      {"103 curve past the end of the table", LineFile({"curvad1, 1000, 20000"}, 1000), kTrain, 103,
       kUnchanged, true, false, 1},
      {"15 line range check", LineFile({"pendenza, 200000, 1"}), kTrain, 15, 200000, true, true},
      {"15 terrain cells beyond the array", LineFile({"montagna, 1000, 500000, 2"}), kTrain, 15,
       1000, true, true},
      {"15 board cell before the array", LineFile({"cartello_indicatore, -200, X"}), kTrain, 15,
       -200, true, true},
      {"6 board on a taken cell",
       LineFile({"indicatori_vmax, 1000, 100,100,100,0,0,0,0,0", "cartello_indicatore, 1000, X"}),
       kTrain, 6, 1000, true, false},
      {"21 speed board on a taken cell",
       LineFile({"indicatori_vmax, 1000, 100,100,100,0,0,0,0,0",
                 "indicatori_vmax, 1000, 100,100,100,0,0,0,0,0"}),
       kTrain, 21, 1000, true, false},
      {"10 board cursor below slot 1", LineFile(Boards(81)), kTrain, 10, kUnchanged, true, false},
      {"7 cut-off on a taken cell", kLine,
       TrainFile({"segnale, 1050" + kSignal, "abbattimento, 1100, 5"}), 7, 1100, true, true},
      {"15 cut-off cell before the array", kLine, TrainFile({"abbattimento, -100, 5"}), 15, -100,
       true, true},
      {"16", kLine, TrainFile({"segnale, 1050" + kSignal, "segnale, 1050" + kSignal}), 16, 1050,
       true, true},
      {"17", kLine, TrainFile({"segnale, 3800" + kSignal, "rallentamento, 5000, 40, 500, 0, 0, 0"}),
       17, 5000, true, true},
      {"18", kLine, TrainFile({"segnale, 5000" + kSignal, "rallentamento, 5000, 40, 500, 0, 0, 0"}),
       18, 5000, true, true},
      {"19", kLine, TrainFile({"segnale, 5500" + kSignal, "rallentamento, 5000, 40, 500, 0, 0, 0"}),
       19, 5000, true, true},
      {"20", kLine, TrainFile({"segnale, 3700" + kSignal, "rallentamento, 5000, 40, 500, 0, 1, 0"}),
       20, 5000, true, true},
      {"8", kLine, TrainFile({Station(1025, 12, 500, "A")}), 8, 1025, true, true},
      {"9", kLine, TrainFile({Station(1000, 12, 150, "A")}), 9, 1000, true, true},
      {"24", kLine, TrainFile({Station(0, 12, 100, "A")}), 24, kUnchanged, true, true},
      {"22", kLine, TrainFile({Station(1000, 12, 500, "A"), Station(1500, 12, 500, "B")}), 22, 1500,
       true, true},
      {"10 station reaches the boards", LineFile(Boards(78)), TrainFile({Station(0, 30, 100, "A")}),
       10, kUnchanged, true, true},
      {"15 train range check", kLine, TrainFile({"velocita, 200000, 30"}), 15, 200000, true, true},
      {"15 station range check", kLine, TrainFile({Station(103500, 12, 500, "A")}), 15, 103500,
       true, true},
      {"15 station mark beyond the array", kLine, TrainFile({Station(1000, 12, 400000, "A")}), 15,
       1000, true, true},
      {"2 reference not a multiple of 50",
       Lines({"[generale]", "lunghezza percorso, 1000", "progressiva chilometrica tre, 0, 25, 0",
              "[fine]"}),
       kTrain, 2, kUnchanged, true, true},
      {"25 fields past the end", head + "pendenza, 1000", kTrain, 25, kUnchanged, true, true},
      {"25 header dash fields past the end", Lines({"[generale]"}) + "-a,-b", kTrain, 25,
       kUnchanged, true, true},
      {"25 route too short for cell 0",
       Lines({"[generale]", "lunghezza percorso, -7026", "[fine]"}), kTrain, 25, kUnchanged, true,
       true},
      {"25 route too short for the geometry",
       Lines({"[generale]", "lunghezza percorso, -7001", "[fine]"}), kTrain, 25, kUnchanged, true,
       true, 1},
      {"25 geometry without metre 1", Lines({"[generale]", "lunghezza percorso, -7000", "[fine]"}),
       kTrain, 25, kUnchanged, true, true, 1},
      {"25 curve end past 32 bits", LineFile({"curvas2, 1000, 2147483647"}), kTrain, 25, kUnchanged,
       true, true, 1},
      {"103 straight run past metre 1000000 before the curve end is summed",
       LineFile({"curvas1, 1000050, 2147483647"}, 1000000), kTrain, 103, kUnchanged, true, false,
       1},
      {"25 gradient code past 32 bits", LineFile({"pendenza, 1000, 2147483600"}), kTrain, 25,
       kUnchanged, true, true},
      {"25 station start less 350 m past 32 bits", kLine,
       TrainFile({Station(0, 30, 100, "A"), Station(100, 5, 2147483600, "B")}), 25, kUnchanged,
       true, true},
      {"25 scheduled time overflow on the way", kLine,
       TrainFile({"stazione, 1000, 30, 100, 0,0,0, 0,0,0, 0,0,0, 0, 35791395,-2147483600,0, A"}),
       25, kUnchanged, true, true},
      {"25 speed code above 16 bits", LineFile({"indicatori_vmax, 1000, 2000, 0,0,0,0,0,0,0"}),
       kTrain, 25, kUnchanged, true, true},
      {"25 value too wide", kLine, TrainFile({"sabbia, 40000"}), 25, kUnchanged, true, true},
      {"25 speed over 1277", kLine, TrainFile({"velocita, 0, 1300", "velocita, 1000, 30"}), 25,
       kUnchanged, true, true},
      {"25 speed over 1277 in the tail", kLine, TrainFile({"velocita, 0, 1300"}), 25, kUnchanged,
       true, true},
      {"25 name over 65535 bytes", kLine,
       TrainFile({Station(1000, 30, 100, std::string(70000, 'N'))}), 25, kUnchanged, true, true},
      {"25 scheduled time overflow", kLine,
       TrainFile({"stazione, 1000, 30, 100, 0,0,0, 0,0,0, 0,0,0, 0, 1000000,0,0, A"}), 25,
       kUnchanged, true, true},
      {"25 station end overflow", kLine, TrainFile({Station(1000, 7, 2147483600, "A")}), 25,
       kUnchanged, true, true},
  };
}

TEST(ParserStatusTest, EveryCodeWithItsPositionAndItsDeletions) {
  for (const StatusRow& row : StatusRows()) {
    SCOPED_TRACE(row.name);
    Parsed p = Parse(row.linea, row.treno, row.j);
    EXPECT_EQ(p.s.diagnostic.stato, row.stato);
    EXPECT_EQ(p.s.diagnostic.progressiva_errore, row.progressiva);
    EXPECT_EQ(p.linea_deletions, row.linea_deleted ? 1 : 0);
    EXPECT_EQ(p.treno_deletions, row.treno_deleted ? 1 : 0);
  }
}

TEST(ParserStatusTest, AMissingLineFileLeavesTheTrainFile) {
  MemorySourceFiles files("", kTrain);
  files.has_linea = false;
  Parsed p = Parse(files);
  EXPECT_EQ(p.s.diagnostic.stato, 101);
  EXPECT_EQ(p.s.diagnostic.progressiva_errore, kUnchanged);
  EXPECT_EQ(p.linea_deletions, 0);
  EXPECT_EQ(p.treno_deletions, 0);
  EXPECT_FALSE(p.s.has_celle());
  EXPECT_EQ(p.s.voci[kVoceLinea].nome, "L");
}

TEST(ParserStatusTest, AFileThatCannotBeReadIsAReadFailure) {
  MemorySourceFiles missing_train(kLine, "");
  missing_train.has_treno = false;
  Parsed p = Parse(missing_train);
  EXPECT_EQ(p.s.diagnostic.stato, 25);
  EXPECT_EQ(p.linea_deletions, 1);
  EXPECT_EQ(p.treno_deletions, 0);  // nothing left to delete
  EXPECT_TRUE(p.s.has_celle());

  UnreadableLineFile unreadable(kLine, kTrain);
  Parsed q = Parse(unreadable);
  EXPECT_EQ(q.s.diagnostic.stato, 25);
  EXPECT_EQ(q.linea_deletions, 1);
  EXPECT_EQ(q.treno_deletions, 1);
  EXPECT_FALSE(q.s.has_celle());
}

// A status is placed on its entry's line, at the field at fault: the value
// that failed, or the position of a placed feature.
TEST(ParserStatusTest, TheStatusPointsAtTheEntryThatSetIt) {
  struct Row {
    std::string name;
    std::string linea;
    std::string treno;
    std::string place;
  };
  const std::string head = Lines({"[generale]", "lunghezza percorso, 1000", "[curve]"});
  const Row rows[] = {
      {"no status", kLine, kTrain, ":0:0"},
      {"102", Lines({"x"}), kTrain, "linea.txt:0:0"},
      {"1", Lines({"[generale]", "lunghezza percorso, 1000", "  lunghezza percorso, 1000001"}),
       kTrain, "linea.txt:3:23"},
      {"15 line", LineFile({"pendenza, 1000, 1", "  pendenza, 200000, 1"}), kTrain,
       "linea.txt:5:13"},
      {"25 at the end of the file", head + "pendenza, 1000", kTrain, "linea.txt:4:15"},
      {"25 value too wide", kLine, TrainFile({"sabbia, 40000"}), "treno-.txt:2:9"},
      {"25 speed in the tail", kLine, TrainFile({"velocita, 0, 1300", "x, y"}), "treno-.txt:2:1"},
      {"16", kLine, TrainFile({"x", "segnale, 1050" + kSignal, "\tsegnale, 1050" + kSignal}),
       "treno-.txt:4:11"},
      {"15 then a signal", LineFile({"pendenza, 200000, 1"}),
       TrainFile({"segnale, 1050" + kSignal}), "treno-.txt:2:10"},
      {"2", Lines({"[generale]", "progressiva chilometrica tre, 0, 25, 0"}), kTrain,
       "linea.txt:2:1"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Parsed p = Parse(row.linea, row.treno);
    EXPECT_EQ(Place(p.s.diagnostic.where), row.place);
  }
}

// A small deterministic generator for hostile sources.
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed) {}
  uint32_t Next(uint32_t bound) {
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) % bound;
  }

 private:
  uint32_t state_;
};

std::string HostileSource(Noise& noise) {
  static const char* const kTokens[] = {"[generale]",
                                        "lunghezza percorso",
                                        "progressiva uno due tre",
                                        "ripetizione segnali 4",
                                        "sfondo uno",
                                        "pendenza",
                                        "curvas2",
                                        "curvad6",
                                        "montagna",
                                        "indicatori_vmax",
                                        "cartello_indicatore",
                                        "velocita",
                                        "aderenza",
                                        "segnale",
                                        "rallentamento",
                                        "abbattimento",
                                        "stazione",
                                        "orologio",
                                        "sabbia",
                                        "[curve]",
                                        "-",
                                        "\"",
                                        ",",
                                        ",",
                                        ",",
                                        "\r\n",
                                        "\n",
                                        "\r",
                                        " ",
                                        "\t",
                                        "0",
                                        "1",
                                        "7",
                                        "-5",
                                        "25",
                                        "1000",
                                        "1050",
                                        "20000",
                                        "99999",
                                        "1000000",
                                        "-2147483648",
                                        "2147483647",
                                        "99999999999",
                                        "AC",
                                        "2.5",
                                        "\xFF",
                                        "\x80"};
  std::string text;
  uint32_t tokens = noise.Next(120);
  for (uint32_t i = 0; i < tokens; ++i) {
    if (noise.Next(20) == 0) {
      text.push_back('\0');
    } else {
      text += kTokens[noise.Next(sizeof(kTokens) / sizeof(kTokens[0]))];
    }
  }
  return text;
}

TEST(ParserHostileInputTest, NeverBreaks) {
  std::vector<std::pair<std::string, std::string>> cases = {
      {std::string("[generale]\0lunghezza\0, 1000\0\r\n\0", 30), std::string(64, '\0')},
      {std::string(4096, '\xFF'), kTrain},
      {"[generale]\r\n" + std::string(1 << 20, 'x') + "\r\n[fine]\r\n",
       "[generale]," + std::string(1 << 20, ',')},
      {"[generale]\r\nlunghezza percorso, 1000\r\n\"cartello_indicatore, 100, (A)",
       "[generale]\r\n\"stazione, 0"},
      {kLine, "[generale]\r\nstazione, 0, 8, 600, \"0,0"},
  };
  Noise noise(2731);
  for (int i = 0; i < 300; ++i) {
    cases.emplace_back("[generale]," + HostileSource(noise), "[generale]," + HostileSource(noise));
  }
  for (size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(i);
    Parsed p = Parse(cases[i].first, cases[i].second, static_cast<int32_t>(i % 2));
    EXPECT_GE(p.s.diagnostic.stato, 0);
    EXPECT_LE(p.linea_deletions, 1);
    EXPECT_LE(p.treno_deletions, 1);
  }
}

// A check reads on where the compile stops; on any input its diagnostics begin
// with the compile's errors.
TEST(ParserHostileInputTest, CheckBeginsWithTheCompilesErrors) {
  Noise noise(97);
  int with_errors = 0;
  for (int i = 0; i < 200; ++i) {
    SCOPED_TRACE(i);
    const std::string linea = "[generale]," + HostileSource(noise);
    const std::string treno = "[generale]," + HostileSource(noise);
    CompileOutcome compiled = testing::CompileTexts(linea, treno, i % 2 == 1).outcome;
    MemorySourceFiles files(linea, treno);
    CompileOutcome checked = CheckScenario("L", "T", i % 2 == 1, files);
    EXPECT_EQ(checked.fatal, compiled.fatal);
    with_errors +=
        !compiled.diagnostics.empty() && compiled.diagnostics[0].severity == Severity::kError;
    for (size_t k = 0; k < compiled.diagnostics.size(); ++k) {
      if (compiled.diagnostics[k].severity != Severity::kError) break;
      ASSERT_LT(k, checked.diagnostics.size());
      EXPECT_EQ(checked.diagnostics[k], compiled.diagnostics[k]);
    }
  }
  // Errors come first; without any the loop above would compare nothing.
  EXPECT_GT(with_errors, 0);
}

}  // namespace
}  // namespace percorso
