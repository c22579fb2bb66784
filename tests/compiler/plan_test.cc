#include "compiler/plan.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace percorso {
namespace {

struct Outcome {
  PlanResult result;
  int64_t m;
};

/// The steps taken one at a time: each checks its metre first and, with the
/// limit, the cursor after it.
Outcome StepByStep(int64_t ultimo_metro, int64_t m, int64_t last, bool limit) {
  while (m <= last) {
    if (m < 2 || m > ultimo_metro) return {PlanResult::kPastEnd, m};
    ++m;
    if (limit && m > 1000000) return {PlanResult::kPastLimit, m};
  }
  return {PlanResult::kDone, m};
}

TEST(PlanTest, RunsStopWhereStepsOneAtATimeWould) {
  const int32_t lengths[] = {3, 10, 999999, 1000000, 1007000};
  const int64_t starts[] = {2, 5, 999999, 1000000, 1000001, 1000005};
  const int64_t lasts[] = {1, 4, 5, 8, 999998, 999999, 1000000, 1000001, 1000003, 1006998, 2000000};
  for (int32_t n : lengths) {
    for (int64_t start : starts) {
      if (start > static_cast<int64_t>(n) + 1) continue;
      for (int64_t last : lasts) {
        for (bool limit : {false, true}) {
          SCOPED_TRACE(::testing::Message() << "table to " << n << ", from " << start << " to "
                                            << last << (limit ? ", limited" : ""));
          Tracciato t(n);
          ASSERT_TRUE(t.set_origine());
          int64_t m = 2;
          // The cursor reaches `start` without the limit.
          ASSERT_EQ(PlanStraight(t, m, start - 1, false), PlanResult::kDone);
          ASSERT_EQ(m, start);
          Outcome want = StepByStep(n, start, last, limit);
          EXPECT_EQ(limit ? PlanTurn(t, m, last, 0.001) : PlanStraight(t, m, last, false),
                    want.result);
          EXPECT_EQ(m, want.m);
          EXPECT_EQ(t.prossimo(), m);
        }
      }
    }
  }
}

TEST(PlanTest, ACursorThatIsNotTheTablesNextMetreComputesNothing) {
  Tracciato t(100);
  ASSERT_TRUE(PlanOrigin(t));
  int64_t m = 5;
  EXPECT_EQ(PlanStraight(t, m, 20, false), PlanResult::kPastEnd);
  EXPECT_EQ(m, 5);
  EXPECT_EQ(t.calcolati(), 0);
}

TEST(PlanTest, OriginWithoutMetreOneIsRefused) {
  Tracciato t(0);
  EXPECT_FALSE(PlanOrigin(t));
  EXPECT_EQ(t.origine(), 1);
}

}  // namespace
}  // namespace percorso
