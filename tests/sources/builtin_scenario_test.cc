// The built-in line and train files as data: section layout, the rows that are
// fixed to the byte, and the patterns that the free rows must follow.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "sources/builtin_line.h"
#include "sources/builtin_train.h"

namespace percorso {
namespace {

using Lines = std::span<const std::string_view>;

std::string_view Trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

/// The comma-separated fields of a line, blanks around them removed.
std::vector<std::string> Fields(std::string_view line) {
  std::vector<std::string> out;
  size_t start = 0;
  while (true) {
    size_t comma = line.find(',', start);
    out.emplace_back(Trim(line.substr(start, comma - start)));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return out;
}

/// A numeric field; an empty field reads as 0, anything else fails the test.
int Num(const std::string& f) {
  if (f.empty()) return 0;
  int v = 0;
  auto [end, ec] = std::from_chars(f.data(), f.data() + f.size(), v);
  EXPECT_TRUE(ec == std::errc() && end == f.data() + f.size()) << "not a number: '" << f << "'";
  return v;
}

/// The lines between a section head and the next head ("[...]").
std::vector<std::string_view> Section(Lines lines, std::string_view head) {
  auto it = std::find(lines.begin(), lines.end(), head);
  EXPECT_NE(it, lines.end()) << head;
  std::vector<std::string_view> out;
  if (it == lines.end()) return out;
  for (++it; it != lines.end() && !it->starts_with("["); ++it) out.push_back(*it);
  return out;
}

std::vector<std::string_view> Heads(Lines lines) {
  std::vector<std::string_view> out;
  for (std::string_view l : lines) {
    if (l.starts_with("[")) out.push_back(l);
  }
  return out;
}

void ExpectIncreasing(const std::vector<std::string_view>& rows, size_t field) {
  for (size_t i = 1; i < rows.size(); ++i) {
    SCOPED_TRACE(std::string(rows[i]));
    EXPECT_LT(Num(Fields(rows[i - 1])[field]), Num(Fields(rows[i])[field]));
  }
}

// ---- line file

TEST(BuiltinLineTest, SectionsInOrderWithTheirCounts) {
  Lines lines = BuiltinLineLines();
  ASSERT_EQ(lines.size(), 188u);
  EXPECT_EQ(lines.front(), "[generale]");
  EXPECT_EQ(lines.back(), "[fine]");
  EXPECT_EQ(Heads(lines),
            (std::vector<std::string_view>{"[generale]", "[curve]", "[pendenze]", "[montagne]",
                                           "[cartelli]", "[indicazioni]", "[fine]"}));
  EXPECT_EQ(Section(lines, "[generale]").size(), 8u);
  EXPECT_EQ(Section(lines, "[curve]").size(), 51u);
  EXPECT_EQ(Section(lines, "[pendenze]").size(), 68u);
  EXPECT_EQ(Section(lines, "[montagne]").size(), 28u);
  EXPECT_EQ(Section(lines, "[cartelli]").size(), 23u);
  EXPECT_EQ(Section(lines, "[indicazioni]").size(), 3u);
  for (std::string_view l : lines) {
    SCOPED_TRACE(std::string(l));
    EXPECT_TRUE(std::all_of(l.begin(), l.end(), [](char c) { return c >= 0x20 && c < 0x7f; }));
  }
}

TEST(BuiltinLineTest, CurvesFollowTheNamedRowsAndNeverOverlap) {
  std::vector<std::string_view> c = Section(BuiltinLineLines(), "[curve]");
  ASSERT_EQ(c.size(), 51u);
  EXPECT_EQ(c[0], "curvas2,  1000,  400");
  EXPECT_EQ(c[1], "curvad1,  1700,  1300");
  EXPECT_EQ(c[2], "curvas2,  3550,  400");
  EXPECT_EQ(c[7], "curvas1,  13000,  1000");
  EXPECT_EQ(c[50], "curvas4,  95500,  300");
  EXPECT_NE(std::find(c.begin(), c.end(), "curvad3,  57200,  1600"), c.end());

  std::set<char> classes;
  int previous_end = -1;
  int longest = 0;
  int longest_count = 0;
  for (std::string_view row : c) {
    SCOPED_TRACE(std::string(row));
    std::vector<std::string> f = Fields(row);
    ASSERT_EQ(f.size(), 3u);
    ASSERT_EQ(f[0].size(), 7u);
    EXPECT_TRUE(f[0].starts_with("curva"));
    EXPECT_TRUE(f[0][5] == 's' || f[0][5] == 'd');
    EXPECT_TRUE(f[0][6] >= '1' && f[0][6] <= '5');
    classes.insert(f[0][6]);
    int start = Num(f[1]);
    int length = Num(f[2]);
    EXPECT_GT(length, 0);
    EXPECT_GT(start, previous_end);
    previous_end = start + length;
    EXPECT_LE(previous_end, 97000);
    if (length > longest) {
      longest = length;
      longest_count = 0;
    }
    if (length == longest) ++longest_count;
  }
  EXPECT_EQ(classes, (std::set<char>{'1', '2', '3', '4', '5'}));
  EXPECT_EQ(longest, 1600);
  EXPECT_EQ(longest_count, 1);
}

TEST(BuiltinLineTest, GradientsFollowTheNamedRows) {
  std::vector<std::string_view> g = Section(BuiltinLineLines(), "[pendenze]");
  ASSERT_EQ(g.size(), 68u);
  EXPECT_EQ(g[0], "pendenza,  0,   2");
  EXPECT_EQ(g[1], "pendenza,  2000,   0");
  EXPECT_EQ(g[2], "pendenza,  3500,   5");
  EXPECT_EQ(g[67], "pendenza,  96600,   0");
  EXPECT_NE(std::find(g.begin(), g.end(), "pendenza,  51400,   -1"), g.end());
  ExpectIncreasing(g, 1);

  auto climb = std::find(g.begin(), g.end(), "pendenza,  17000,   2");
  ASSERT_LE(climb + 6, g.end());
  EXPECT_EQ(std::vector<std::string_view>(climb, climb + 6),
            (std::vector<std::string_view>{"pendenza,  17000,   2", "pendenza,  17200,   4",
                                           "pendenza,  17400,   6", "pendenza,  17600,   8",
                                           "pendenza,  17800,   10", "pendenza,  18000,   12"}));

  int steepest = 0;
  std::string_view steepest_row;
  int steepest_count = 0;
  for (std::string_view row : g) {
    std::vector<std::string> f = Fields(row);
    ASSERT_EQ(f.size(), 3u) << row;
    EXPECT_EQ(f[0], "pendenza");
    int value = Num(f[2]);
    if (value < steepest) {
      steepest = value;
      steepest_row = row;
      steepest_count = 0;
    }
    if (value == steepest) ++steepest_count;
  }
  EXPECT_EQ(steepest_row, "pendenza,  62500,   -12");
  EXPECT_EQ(steepest_count, 1);
}

// ---- train file

TEST(BuiltinTrainTest, SectionsInOrderWithTheirCounts) {
  Lines lines = BuiltinTrainLines();
  ASSERT_EQ(lines.size(), 90u);
  EXPECT_EQ(lines.back(), "[fine]");
  EXPECT_EQ(Heads(lines),
            (std::vector<std::string_view>{"[generale]", "[aderenze]", "[vel_limite]", "[stazioni]",
                                           "[rallentamenti]", "[segnali]", "[codici]", "[fine]"}));
  EXPECT_EQ(Section(lines, "[vel_limite]").size(), 13u);
  EXPECT_EQ(Section(lines, "[stazioni]").size(), 16u);
  EXPECT_EQ(Section(lines, "[segnali]").size(), 45u);
}

TEST(BuiltinTrainTest, SignalsAtTheListedPositionsInPairs) {
  const std::vector<int> positions = {
      1050,  2250,  4250,  5850,  7050,  8950,  10250, 11500, 12850, 14100, 15400, 20100,
      21350, 24050, 25300, 30150, 31400, 34750, 36050, 40650, 41900, 44750, 46000, 49800,
      51050, 54250, 55500, 58900, 60150, 65300, 66550, 69050, 70300, 74450, 76000, 78250,
      79500, 83750, 85000, 88400, 89650, 92200, 93450, 94250, 95500};
  std::vector<std::string_view> sg = Section(BuiltinTrainLines(), "[segnali]");
  ASSERT_EQ(sg.size(), 45u);
  // posizione, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo
  std::vector<std::vector<int>> v;
  for (size_t i = 0; i < sg.size(); ++i) {
    SCOPED_TRACE(std::string(sg[i]));
    std::vector<std::string> f = Fields(sg[i]);
    ASSERT_EQ(f.size(), 12u);
    EXPECT_EQ(f[0], "segnale");
    std::vector<int> row;
    for (size_t k = 1; k < f.size(); ++k) row.push_back(Num(f[k]));
    EXPECT_EQ(row[0], positions[i]);
    v.push_back(row);
  }

  for (std::string_view telling : {"segnale,    1050,   1, 4, 1,  0, 0,    0,  0,0,0, 0",
                                   "segnale,    7050,   2, 4, 1,  0, 0,    0,  0,0,0, 0",
                                   "segnale,   20100,   1, 4, 0,  0, 0,    1,  1,0,0, 0",
                                   "segnale,   21350,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
                                   "segnale,   34750,   1, 5, 6,  0, 0,    1,  3,1,0, 0",
                                   "segnale,   36050,   2, 2, 3,  0, 0,    2,  2,1,0, 0",
                                   "segnale,   94250,   1, 3, 1,  0, 0,    0,  0,0,0, 215",
                                   "segnale,   95500,   2, 3, 1,  1, 0,    0,  0,0,0, 230"}) {
    EXPECT_NE(std::find(sg.begin(), sg.end(), telling), sg.end()) << telling;
  }

  EXPECT_EQ(v[0][1], 1);
  for (size_t i = 1; i + 1 < v.size(); i += 2) {
    SCOPED_TRACE(std::string(sg[i]));
    EXPECT_EQ(v[i][1], 1);
    EXPECT_EQ(v[i + 1][1], 2);
    if (v[i][0] >= 20100 && v[i][0] < 94250) {
      std::vector<int> first(v[i].begin() + 6, v[i].begin() + 10);
      std::vector<int> second(v[i + 1].begin() + 6, v[i + 1].begin() + 10);
      bool plain = first == std::vector<int>{1, 1, 0, 0} && second == std::vector<int>{2, 1, 0, 0};
      bool turnout =
          first == std::vector<int>{1, 3, 1, 0} && second == std::vector<int>{2, 2, 1, 0};
      EXPECT_TRUE(plain || turnout);
    }
  }
  for (size_t i = 0; i < v.size(); ++i) {
    SCOPED_TRACE(std::string(sg[i]));
    if (v[i][0] != 34750 && v[i][0] != 36050) {
      EXPECT_TRUE(v[i][2] == 3 || v[i][2] == 4);
    }
    if (v[i][0] != 94250 && v[i][0] != 95500) {
      EXPECT_EQ(v[i][10], 0);
    }
  }
}

}  // namespace
}  // namespace percorso
