#include "model/tracciato.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace percorso {
namespace {

TEST(TracciatoTest, OriginTakesTheMetresThatExist) {
  Tracciato one_metre(0);
  EXPECT_EQ(one_metre.origine(), 0);
  EXPECT_EQ(one_metre.tag(0), Tag::kVuoto);
  EXPECT_FALSE(one_metre.set_origine());
  EXPECT_EQ(one_metre.origine(), 1);
  EXPECT_EQ(one_metre.tag(0), Tag::kIntero);

  Tracciato two_metres(1);
  EXPECT_TRUE(two_metres.set_origine());
  EXPECT_EQ(two_metres.origine(), 2);
  EXPECT_EQ(two_metres.tag(1), Tag::kIntero);
  EXPECT_EQ(two_metres.tag(2), Tag::kVuoto);  // outside the table

  Tracciato negative(-5);
  EXPECT_EQ(negative.ultimo_metro(), 0);
}

TEST(TracciatoTest, RunsFollowEachOtherAndEqualTurnsMerge) {
  Tracciato t(100);
  ASSERT_TRUE(t.set_origine());
  EXPECT_TRUE(t.AddRun(2, 10, 0.0));
  EXPECT_TRUE(t.AddRun(11, 20, 0.0));
  EXPECT_TRUE(t.AddRun(21, 20, 0.5));  // ends before it starts: nothing
  EXPECT_TRUE(t.AddRun(21, 30, 0.001));
  EXPECT_TRUE(t.AddRun(31, 40, 0.001));
  EXPECT_TRUE(t.AddRun(41, 41, -0.001));
  // A gap, a metre already computed and a metre past the table are refused.
  EXPECT_FALSE(t.AddRun(43, 50, 0.0));
  EXPECT_FALSE(t.AddRun(41, 50, 0.0));
  EXPECT_FALSE(t.AddRun(42, 101, 0.0));
  EXPECT_TRUE(t.AddRun(42, 98, 0.0));

  const std::vector<Tratto>& runs = t.tratti();
  ASSERT_EQ(runs.size(), 4u);
  const int32_t expected[][2] = {{2, 20}, {21, 40}, {41, 41}, {42, 98}};
  const double turns[] = {0.0, 0.001, -0.001, 0.0};
  for (size_t i = 0; i < runs.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(runs[i].primo, expected[i][0]);
    EXPECT_EQ(runs[i].ultimo, expected[i][1]);
    EXPECT_EQ(runs[i].k, turns[i]);
  }
  EXPECT_EQ(t.calcolati(), 97);
  EXPECT_EQ(t.prossimo(), 99);
  EXPECT_EQ(t.tag(98), Tag::kReale);
  EXPECT_EQ(t.tag(99), Tag::kVuoto);
}

/// One metre as a reader gives it: the tag and the bits of both values.
struct Point {
  Tag tag;
  uint64_t x;
  uint64_t y;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Collect {
  std::vector<Point> points;
  void Vuoto() { points.push_back({Tag::kVuoto, 0, 0}); }
  void Intero(int16_t x, int16_t y) {
    points.push_back({Tag::kIntero, static_cast<uint64_t>(x), static_cast<uint64_t>(y)});
  }
  void Reale(double x, double y) {
    points.push_back({Tag::kReale, std::bit_cast<uint64_t>(x), std::bit_cast<uint64_t>(y)});
  }
};

TEST(TracciatoTest, ReaderGivesTheSamePointsInAnyPieces) {
  Tracciato t(60);
  ASSERT_TRUE(t.set_origine());
  ASSERT_TRUE(t.AddRun(2, 9, 0.0));
  ASSERT_TRUE(t.AddRun(10, 20, 0.003));
  ASSERT_TRUE(t.AddRun(21, 30, -0.002));
  ASSERT_TRUE(t.AddRun(31, 55, 0.0));

  TracciatoReader whole(t);
  ASSERT_EQ(whole.size(), 61);
  Collect all;
  whole.Read(whole.size() + 5, all);
  ASSERT_EQ(all.points.size(), 61u);
  EXPECT_EQ(whole.position(), 61);
  // The origin, the computed metres, then empty metres.
  EXPECT_EQ(all.points[0], (Point{Tag::kIntero, 0, 0}));
  EXPECT_EQ(all.points[1], (Point{Tag::kIntero, 0, 1}));
  // A straight run goes on with the unit step along the second coordinate.
  EXPECT_EQ(all.points[9], (Point{Tag::kReale, 0, std::bit_cast<uint64_t>(9.0)}));
  EXPECT_EQ(all.points[55].tag, Tag::kReale);
  EXPECT_NE(all.points[55].x, 0u);
  EXPECT_EQ(all.points[56].tag, Tag::kVuoto);
  EXPECT_EQ(all.points[60].tag, Tag::kVuoto);

  for (int64_t piece : {1, 2, 7, 61, 200}) {
    SCOPED_TRACE(piece);
    TracciatoReader r(t);
    Collect pieces;
    while (r.position() < r.size()) r.Read(r.position() + piece, pieces);
    EXPECT_EQ(pieces.points, all.points);
  }
}

TEST(TracciatoTest, ComputedMetresWithoutTheOriginStartFromZero) {
  // Without the origin both points before metre 2 read 0: every step is 0.
  Tracciato t(4);
  ASSERT_TRUE(t.AddRun(2, 3, 0.001));
  TracciatoReader r(t);
  Collect got;
  r.Read(r.size(), got);
  const Point empty{Tag::kVuoto, 0, 0}, zero{Tag::kReale, 0, 0};
  EXPECT_EQ(got.points, (std::vector<Point>{empty, empty, zero, zero, empty}));
}

}  // namespace
}  // namespace percorso
