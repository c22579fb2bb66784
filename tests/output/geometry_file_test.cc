#include "output/geometry_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/keywords.h"
#include "compiler/model.h"
#include "output/coding.h"
#include "output/layout.h"
#include "sources/builtin_line.h"
#include "support/source_fixture.h"
#include "support/temp_dir.h"

namespace percorso {
namespace {

using testing::Hex;

TEST(GeometryFileTest, TagsAndValuesFirstCoordinateThenSecond) {
  Tracciato t(3);  // metres 0..3
  ASSERT_TRUE(t.set_origine());
  // From the unit step (0, 1), a turn of 0.5 reaches (0.5, 2.0).
  ASSERT_TRUE(t.AddRun(2, 2, 0.5));
  std::string b = EncodeTracciato(t);
  EXPECT_EQ(Hex(b),
            // (x, 0): int 0, int 0, double 0.5, empty
            "02 00 00 00 02 00 00 00 05 00 00 00 00 00 00 00 e0 3f 00 00 "
            // (x, 1): int 0, int 1, double 2.0, empty
            "02 00 00 00 02 00 01 00 05 00 00 00 00 00 00 00 00 40 00 00");
  EXPECT_EQ(EncodedTracciatoSize(t), b.size());
}

TEST(GeometryFileTest, FullyComputedTableIs20NMinus36Bytes) {
  Scenario s;
  s.j = 1;
  create_route(s, 97000);
  ASSERT_TRUE(s.tracciato);
  Tracciato& t = *s.tracciato;
  ASSERT_TRUE(t.set_origine());
  ASSERT_TRUE(t.AddRun(2, s.lunghezza_estesa - 2, 0.0));
  EXPECT_EQ(EncodedTracciatoSize(t), 2079964u);
  EXPECT_EQ(EncodedTracciatoSize(t), layout::GeometryFileSize(104000));
  EXPECT_EQ(EncodeTracciato(t).size(), 2079964u);
}

TEST(GeometryFileTest, NoTableWithoutGeometryRequest) {
  Scenario s;
  s.j = 0;
  create_route(s, 1000);
  EXPECT_FALSE(s.tracciato);
}

TEST(GeometryFileTest, TableBuiltByHandIsEncodedEntryByEntry) {
  GeometryTable g(1);
  g.set_intero(0, 1, -2);
  g.set_reale(1, 0, -0.0);
  EXPECT_EQ(Hex(EncodeGeometryTable(g)),
            "00 00 05 00 00 00 00 00 00 00 00 80 "
            "02 00 fe ff 00 00");
}

// ---- The compact table against a table that stores every metre.

/// A curve line: its keyword, start and length, and the turn the keyword
/// stands for.
struct CurveLine {
  std::string keyword;
  int32_t inizio;
  int32_t lunghezza;
  double k;
};

/// The geometry file as a table that stores every metre gives it: the origin,
/// then each metre computed from the two stored before it, curve line by curve
/// line (straight to the start, turning to the end). The plan stops where a
/// metre lies past the table or the cursor passes metre 1000000; the straight
/// tail to the third metre from the end comes only with `tail`.
struct DenseReference {
  std::vector<Tag> tags;  // per metre, both coordinates
  std::string bytes;

  DenseReference(int32_t n, const std::vector<CurveLine>& curves, bool tail) {
    tags.assign(static_cast<size_t>(n) + 1, Tag::kVuoto);
    std::vector<double> x(tags.size()), y(tags.size());
    tags[0] = Tag::kIntero;
    if (n >= 1) {
      tags[1] = Tag::kIntero;
      y[1] = 1;
    }
    int64_t m = 2;
    auto run = [&](int64_t last, double k, bool limit) {
      while (m <= last) {
        if (m > n) return false;
        size_t i = static_cast<size_t>(m);
        double dx = x[i - 1] - x[i - 2];
        double dy = y[i - 1] - y[i - 2];
        if (k == 0.0) {
          x[i] = x[i - 1] + dx;
          y[i] = y[i - 1] + dy;
        } else {
          x[i] = x[i - 1] + (dx + k * dy);
          y[i] = y[i - 1] + (dy - k * dx);
        }
        tags[i] = Tag::kReale;
        ++m;
        if (limit && m > 1000000) return false;
      }
      return true;
    };
    bool stopped = false;
    for (const CurveLine& c : curves) {
      if (!run(c.inizio, 0.0, true) || !run(int64_t{c.inizio} + c.lunghezza, c.k, true)) {
        stopped = true;
        break;
      }
    }
    if (tail && !stopped) run(int64_t{n} - 2, 0.0, false);
    for (const std::vector<double>* values : {&x, &y}) {
      for (size_t i = 0; i < tags.size(); ++i) {
        PutFixed16(&bytes, static_cast<uint16_t>(tags[i]));
        if (tags[i] == Tag::kIntero) PutSigned16(&bytes, static_cast<int16_t>((*values)[i]));
        if (tags[i] == Tag::kReale) PutDouble(&bytes, (*values)[i]);
      }
    }
  }

  /// The byte offset of entry `i` in file order.
  size_t Offset(size_t i) const {
    size_t at = 0;
    for (size_t e = 0; e < i; ++e) {
      Tag tag = tags[e % tags.size()];
      at += tag == Tag::kVuoto ? 2 : tag == Tag::kIntero ? 4 : 10;
    }
    return at;
  }
};

/// Equal bytes, or where they first differ.
::testing::AssertionResult SameBytes(std::string_view got, std::string_view want) {
  if (got == want) return ::testing::AssertionSuccess();
  size_t i = 0;
  while (i < got.size() && i < want.size() && got[i] == want[i]) ++i;
  return ::testing::AssertionFailure()
         << got.size() << " bytes against " << want.size() << ", first difference at byte " << i;
}

/// Compares every way of encoding the table with the reference: whole, in
/// pieces through one reader (as the file writer does), and ranges alone.
void ExpectEncodedAsReference(const Tracciato& t, const DenseReference& want) {
  EXPECT_TRUE(SameBytes(EncodeTracciato(t), want.bytes));
  EXPECT_EQ(EncodedTracciatoSize(t), want.bytes.size());
  const size_t count = GeometryEntryCount(t);
  ASSERT_EQ(count, 2 * want.tags.size());
  for (size_t piece : {size_t{100000}, size_t{9973}, size_t{3}}) {
    SCOPED_TRACE(piece);
    TracciatoReader reader(t);
    std::string pieces;
    while (reader.position() < count) {
      EncodeTracciatoNext(reader, reader.position() + piece, &pieces);
    }
    EXPECT_TRUE(SameBytes(pieces, want.bytes));
  }
  const size_t per = count / 2;
  const size_t ranges[][2] = {{0, 1},
                              {1, 3},
                              {2, 5},
                              {per - 1, per + 3},
                              {per + 2, count},
                              {per / 3, per / 3 + 1000},
                              {count - 5, count},
                              {10, 10},
                              {count, count + 5}};
  for (const auto& range : ranges) {
    size_t begin = std::min(range[0], count), end = std::min(range[1], count);
    if (end < begin) end = begin;
    SCOPED_TRACE(::testing::Message() << "entries " << begin << " to " << end);
    std::string got = "x";
    EncodeTracciatoRange(t, begin, range[1], &got);
    size_t from = want.Offset(begin);
    EXPECT_TRUE(SameBytes(got, "x" + want.bytes.substr(from, want.Offset(end) - from)));
  }
}

std::string LineText(const CurveLine& c) {
  return c.keyword + ", " + std::to_string(c.inizio) + ", " + std::to_string(c.lunghezza);
}

// Every class in both directions, a turn from metre 2 on, curves that follow
// each other with and without a change of turn, and a curve that starts behind
// the cursor.
std::vector<CurveLine> EveryKindOfCurve() {
  return {
      {"curvad1", 1, 30, 0.0001},    {"curvas1", 100, 50, -0.0001},  {"curvad2", 200, 40, 0.0002},
      {"curvas2", 240, 40, -0.0002}, {"curvad3", 400, 60, 0.0004},   {"curvas3", 500, 60, -0.0004},
      {"curvad4", 700, 80, 0.001},   {"curvas4", 780, 80, -0.001},   {"curvad5", 1000, 100, 0.002},
      {"curvad5", 1100, 100, 0.002}, {"curvas5", 1300, 100, -0.002}, {"curvad6", 1500, 90, 0.003},
      {"curvas6", 1700, 90, -0.003}, {"curvad4", 1750, 100, 0.001}};
}

std::vector<CurveLine> EveryKindOfCurveAnd(const CurveLine& more) {
  std::vector<CurveLine> curves = EveryKindOfCurve();
  curves.push_back(more);
  return curves;
}

TEST(GeometryFileTest, EncodedBytesAreThoseOfATableThatStoresEveryMetre) {
  struct Case {
    const char* what;
    int32_t lunghezza;
    std::vector<CurveLine> curves;  // drawn, in order
    std::vector<std::string> more;  // lines after the curves
    int32_t stato;
    bool tail;
  };
  const Case cases[] = {
      {"extended length 7000", 0, EveryKindOfCurve(), {}, 0, true},
      {"extended length 10000", 3000, EveryKindOfCurve(), {}, 0, true},
      {"extended length 104000", 97000, EveryKindOfCurve(), {}, 0, true},
      {"a turn that runs past the table",
       -5000,
       EveryKindOfCurveAnd({"curvas2", 1800, 500, -0.0002}),
       {},
       103,
       false},
      {"a turn that passes metre 1000000",
       1000000,
       EveryKindOfCurveAnd({"curvas6", 999000, 5000, -0.003}),
       {},
       103,
       false},
      {"a board conflict ends the parse before the tail",
       3000,
       EveryKindOfCurve(),
       {"cartello_indicatore, 5000, A", "cartello_indicatore, 5000, B"},
       6,
       false},
      {"a range failure still draws the tail",
       0,
       EveryKindOfCurve(),
       {"curvad1, 9000, 10"},
       15,
       true},
      {"one metre: the origin fails at metre 1", -7000, {}, {}, 25, false},
      {"two metres", -6999, {}, {}, 0, true},
      {"five metres", -6996, {}, {}, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> lines;
    for (const CurveLine& curve : c.curves) lines.push_back(LineText(curve));
    lines.insert(lines.end(), c.more.begin(), c.more.end());
    testing::Parsed p =
        testing::Parse(testing::LineFile(lines, c.lunghezza), testing::TrainFile({}), 1);
    EXPECT_EQ(p.s.diagnostic.stato, c.stato);
    ASSERT_TRUE(p.s.tracciato);
    ExpectEncodedAsReference(*p.s.tracciato, DenseReference(c.lunghezza + 7000, c.curves, c.tail));
  }
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

TEST(GeometryFileTest, BuiltinLineIsEncodedAsATableThatStoresEveryMetre) {
  std::string text;
  std::vector<CurveLine> curves;
  for (std::string_view line : BuiltinLineLines()) {
    text += std::string(line) + "\r\n";
    if (!line.starts_with("curva")) continue;
    size_t first = line.find(','), second = line.find(',', first + 1);
    CurveLine c{std::string(line.substr(0, first)),
                std::stoi(std::string(Trimmed(line.substr(first + 1, second - first - 1)))),
                std::stoi(std::string(Trimmed(line.substr(second + 1)))), 0.0};
    std::optional<double> k = CurveTurn(c.keyword);
    ASSERT_TRUE(k) << line;
    c.k = *k;
    curves.push_back(c);
  }
  ASSERT_EQ(curves.size(), 51u);
  testing::Parsed p = testing::Parse(text, testing::TrainFile({}), 1);
  EXPECT_EQ(p.s.diagnostic.stato, 0);
  ASSERT_TRUE(p.s.tracciato);
  ASSERT_EQ(p.s.tracciato->ultimo_metro(), 104000);
  DenseReference want(104000, curves, true);
  EXPECT_EQ(want.bytes.size(), 2079964u);
  ExpectEncodedAsReference(*p.s.tracciato, want);
  // The parser keeps a run per straight stretch and per curve, not per metre.
  EXPECT_LE(p.s.tracciato->tratti().size(), 2 * curves.size() + 1);
}

}  // namespace
}  // namespace percorso
