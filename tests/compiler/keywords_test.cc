#include "compiler/keywords.h"

#include <gtest/gtest.h>

namespace percorso {
namespace {

TEST(KeywordsTest, BodyWordsIgnoreLetterCaseHeaderWordsDoNot) {
  EXPECT_TRUE(Has("PENDENZA", "pendenza"));
  EXPECT_TRUE(Has("Stazione \xC8", "stazione \xE8"));  // Windows-1252 E grave
  EXPECT_TRUE(HasExact("progressiva chilometrica tre", "progressiva"));
  EXPECT_FALSE(HasExact("Progressiva chilometrica uno", "progressiva"));
  EXPECT_TRUE(IsGenerale("  [GENERALE] "));
  EXPECT_FALSE(IsGenerale("[generale"));
}

TEST(KeywordsTest, HeaderClosesAtABracketedFieldNotBeginningWithADash) {
  struct Row {
    const char* field;
    bool closes;
  };
  const Row rows[] = {
      {"[curve]", true},   {"[fine]", true},       {"x [a] y", true},
      {"][", true},        {" \t-[curve]", false}, {"-[curve]", false},
      {"a-[curve]", true}, {"[curve", false},      {"curve]", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.field);
    EXPECT_EQ(ClosesHeader(row.field), row.closes);
  }
}

TEST(KeywordsTest, CurveTurnTakesTheFirstDigitOfTheSequenceAndTheSSign) {
  struct Row {
    const char* field;
    std::optional<double> turn;
  };
  const Row rows[] = {
      {"curvad1", 0.0001},    {"curvas2", -0.0002},      {"curvad3", 0.0004},
      {"CURVAS4", -0.001},    {"curvad5", 0.002},        {"curvad6", 0.003},
      {"curvad61", 0.0001},   {"curvad7", std::nullopt}, {"curvas", std::nullopt},
      {"curva 2 S", -0.0002},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.field);
    EXPECT_EQ(CurveTurn(row.field), row.turn);
  }
}

TEST(KeywordsTest, RepetitionCodeIsFourBeforeNine) {
  EXPECT_EQ(RepetitionCode("ripetizione segnali 4 codici"), 4);
  EXPECT_EQ(RepetitionCode("ripetizione segnali 9 4"), 4);
  EXPECT_EQ(RepetitionCode("ripetizione segnali 9"), 9);
  EXPECT_EQ(RepetitionCode("ripetizione segnali"), 0);
}

}  // namespace
}  // namespace percorso
