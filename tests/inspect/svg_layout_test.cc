#include "inspect/svg_layout.h"

#include <gtest/gtest.h>

namespace percorso {
namespace {

TEST(SvgLayoutTest, Numbers) {
  EXPECT_EQ(Num(12.34), "12.3");
  EXPECT_EQ(Num(12.04), "12");
  EXPECT_EQ(Num(-0.04), "0");
  EXPECT_EQ(Num(-3), "-3");
  EXPECT_EQ(KmLabel(104000), "104");
  EXPECT_EQ(KmLabel(2750), "2.75");
  EXPECT_EQ(KmLabel(0), "0");
  EXPECT_EQ(KmLabel(1950), "1.95");
}

TEST(SvgLayoutTest, TickStepKeepsLabelsApart) {
  struct Case {
    int64_t metres;
    double pixels, spacing;
    int64_t step;
  };
  const Case cases[] = {
      {104000, 1290, 64, 10000},  // 5 km would be 62 pixels apart
      {104000, 1290, 60, 5000},  {1007000, 1290, 64, 50000},
      {7000, 1290, 64, 1000},    {0, 1290, 64, 1000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.metres);
    EXPECT_EQ(TickStep(c.metres, c.pixels, c.spacing), c.step);
  }
}

TEST(SvgLayoutTest, GroupsAndLanes) {
  EXPECT_EQ(GroupClose({0, 1, 3, 10, 11, 20}, 3),
            (std::vector<std::vector<size_t>>{{0, 1, 2}, {3, 4}, {5}}));
  LabelLanes lanes(2);
  EXPECT_EQ(lanes.Place(0, 10), 0);
  EXPECT_EQ(lanes.Place(5, 15), 1);
  EXPECT_EQ(lanes.Place(8, 12), -1);
  EXPECT_EQ(lanes.Place(9, 20, 1), -1);  // only level 0 is allowed, and it is taken
  EXPECT_EQ(lanes.Place(10, 20, 1), 0);  // touching is not overlapping
}

}  // namespace
}  // namespace percorso
