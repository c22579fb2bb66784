#include "compiler/tracciato.h"

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

/// One entry as a reader gives it: the tag and the bits of the value.
struct Entry {
  Tag tag;
  uint64_t bits;
  friend bool operator==(const Entry&, const Entry&) = default;
};

struct Collect {
  std::vector<Entry> entries;
  void Vuoto() { entries.push_back({Tag::kVuoto, 0}); }
  void Intero(int16_t v) { entries.push_back({Tag::kIntero, static_cast<uint64_t>(v)}); }
  void Reale(double v) { entries.push_back({Tag::kReale, std::bit_cast<uint64_t>(v)}); }
};

TEST(TracciatoTest, ReaderGivesTheSameEntriesInAnyPiecesAndAfterSeeks) {
  Tracciato t(60);
  ASSERT_TRUE(t.set_origine());
  ASSERT_TRUE(t.AddRun(2, 9, 0.0));
  ASSERT_TRUE(t.AddRun(10, 20, 0.003));
  ASSERT_TRUE(t.AddRun(21, 30, -0.002));
  ASSERT_TRUE(t.AddRun(31, 55, 0.0));

  TracciatoReader whole(t);
  ASSERT_EQ(whole.size(), 122u);
  Collect all;
  whole.Read(whole.size(), all);
  ASSERT_EQ(all.entries.size(), 122u);
  EXPECT_EQ(whole.position(), 122u);
  // Origin, computed metres, then empty entries, in each coordinate.
  for (size_t half : {size_t{0}, size_t{61}}) {
    EXPECT_EQ(all.entries[half].tag, Tag::kIntero);
    EXPECT_EQ(all.entries[half + 1], (Entry{Tag::kIntero, half == 0 ? 0u : 1u}));
    EXPECT_EQ(all.entries[half + 2].tag, Tag::kReale);
    EXPECT_EQ(all.entries[half + 55].tag, Tag::kReale);
    EXPECT_EQ(all.entries[half + 56].tag, Tag::kVuoto);
    EXPECT_EQ(all.entries[half + 60].tag, Tag::kVuoto);
  }

  for (size_t piece : {1, 2, 7, 61, 200}) {
    SCOPED_TRACE(piece);
    TracciatoReader r(t);
    Collect pieces;
    while (r.position() < r.size()) r.Read(r.position() + piece, pieces);
    EXPECT_EQ(pieces.entries, all.entries);
  }

  // Forward and back across both coordinates with one reader.
  TracciatoReader r(t);
  const size_t ranges[][2] = {{70, 80}, {5, 15}, {15, 100}, {100, 100}, {3, 64}, {120, 130}};
  for (const auto& range : ranges) {
    SCOPED_TRACE(range[0]);
    r.Seek(range[0]);
    Collect got;
    r.Read(range[1], got);
    size_t end = std::min<size_t>(range[1], 122);
    std::vector<Entry> want(all.entries.begin() + static_cast<ptrdiff_t>(range[0]),
                            all.entries.begin() + static_cast<ptrdiff_t>(end));
    EXPECT_EQ(got.entries, want);
    EXPECT_EQ(r.position(), end);
  }
}

TEST(TracciatoTest, ComputedMetresWithoutTheOriginStartFromZero) {
  // Without the origin both points before metre 2 read 0: every step is 0.
  Tracciato t(4);
  ASSERT_TRUE(t.AddRun(2, 3, 0.001));
  TracciatoReader r(t);
  Collect got;
  r.Read(r.size(), got);
  const Entry empty{Tag::kVuoto, 0}, zero{Tag::kReale, 0};
  EXPECT_EQ(got.entries,
            (std::vector<Entry>{empty, empty, zero, zero, empty, empty, empty, zero, zero, empty}));
}

}  // namespace
}  // namespace percorso
