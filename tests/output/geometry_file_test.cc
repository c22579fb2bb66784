#include "output/geometry_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "compiler/keywords.h"
#include "model/model.h"
#include "output/coding.h"
#include "output/geometry_stream.h"
#include "output/layout.h"
#include "sources/builtin_line.h"
#include "support/encoded.h"
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
  std::string b = testing::EncodedTracciato(t);
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
  EXPECT_EQ(testing::EncodedTracciato(t).size(), 2079964u);
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
  EXPECT_EQ(Hex(testing::EncodedGeometryTable(g)),
            "00 00 05 00 00 00 00 00 00 00 00 80 "
            "02 00 fe ff 00 00");
}

TEST(GeometryTableTest, OutsideTheTableEveryEntryIsEmptyAndNothingIsStored) {
  GeometryTable g(2);
  ASSERT_TRUE(g.set_reale(2, 1, 4.5));
  for (auto [x, k] : {std::pair<int64_t, int>{-1, 0}, {3, 0}, {0, 2}, {0, -1}}) {
    SCOPED_TRACE(::testing::Message() << "(" << x << ", " << k << ")");
    EXPECT_EQ(g.tag(x, k), Tag::kVuoto);
    EXPECT_EQ(g.valore(x, k), 0.0);
    EXPECT_FALSE(g.set_intero(x, k, 7));
    EXPECT_FALSE(g.set_reale(x, k, 7.0));
  }
  EXPECT_EQ(g.valore(2, 1), 4.5);
  EXPECT_EQ(testing::EncodedGeometryTable(g).size(), 5 * 2u + 10);
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
        PutNumber(&bytes, layout::TagCode(tags[i]));
        if (tags[i] == Tag::kIntero) PutNumber(&bytes, static_cast<int16_t>((*values)[i]));
        if (tags[i] == Tag::kReale) PutDouble(&bytes, (*values)[i]);
      }
    }
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

/// The file as StreamTracciato hands it out, placed at the offsets it gives.
/// The pieces of each half must follow each other with no gap and cover it.
/// On two threads the halves come at once, each from a thread of its own.
std::string Streamed(const Tracciato& t, const GeometryStreamOptions& options) {
  const uint64_t size = EncodedTracciatoSize(t);
  std::string file(static_cast<size_t>(size), '\0');
  uint64_t next[2] = {0, size / 2};
  bool in_order[2] = {true, true};
  std::string err;
  bool ok = StreamTracciato(
      t,
      [&](uint64_t offset, std::string_view bytes, std::string*) {
        const int half = offset < size / 2 ? 0 : 1;
        if (offset != next[half] || offset + bytes.size() > size) {
          in_order[half] = false;
          return false;
        }
        next[half] = offset + bytes.size();
        bytes.copy(file.data() + offset, bytes.size());
        return true;
      },
      &err, options);
  EXPECT_TRUE(ok) << err;
  EXPECT_TRUE(in_order[0] && in_order[1]);
  EXPECT_EQ(next[0], size / 2);
  EXPECT_EQ(next[1], size);
  return file;
}

/// Compares every way of encoding the table with the reference: whole, and
/// streamed in pieces of several sizes.
void ExpectEncodedAsReference(const Tracciato& t, const DenseReference& want) {
  EXPECT_TRUE(SameBytes(testing::EncodedTracciato(t), want.bytes));
  EXPECT_EQ(EncodedTracciatoSize(t), want.bytes.size());
  ASSERT_EQ(t.per_coordinata(), want.tags.size());
  std::vector<int64_t> pieces = {52429};
  if (t.per_coordinata() < 200000) pieces.insert(pieces.end(), {9973, 2000000});
  if (t.per_coordinata() < 20000) pieces.insert(pieces.end(), {1, 2, 7});
  for (int64_t metres : pieces) {
    SCOPED_TRACE(::testing::Message() << metres << " metres a piece");
    EXPECT_TRUE(SameBytes(Streamed(t, {metres}), want.bytes));
  }
  // On two threads, with chunks small and large beside the pieces.
  for (const GeometryStreamOptions& o :
       {GeometryStreamOptions{800, 4096, 0}, GeometryStreamOptions{97, 65536, 0},
        GeometryStreamOptions{5000, 1 << 20, 0}}) {
    SCOPED_TRACE(::testing::Message() << "two threads, " << o.metres_per_piece
                                      << " metres a piece, chunks of " << o.chunk_bytes);
    EXPECT_TRUE(SameBytes(Streamed(t, o), want.bytes));
  }
}

TEST(GeometryStreamTest, AFailingSinkStopsTheStreamWithItsReason) {
  Tracciato t(100000);
  ASSERT_TRUE(t.set_origine());
  ASSERT_TRUE(t.AddRun(2, 99998, 0.001));
  for (int fail_at : {1, 2, 5, 40}) {
    SCOPED_TRACE(::testing::Message() << "call " << fail_at);
    int calls = 0;
    std::string err;
    bool ok = StreamTracciato(t,
                              [&](uint64_t, std::string_view, std::string* why) {
                                if (++calls < fail_at) return true;
                                *why = "disk full";
                                return false;
                              },
                              &err, {1000, 4096});
    EXPECT_FALSE(ok);
    EXPECT_EQ(err, "disk full");
    EXPECT_EQ(calls, fail_at);
  }
}

TEST(GeometryStreamTest, AFailingSinkStopsBothThreadsWithItsReason) {
  Tracciato t(100000);
  ASSERT_TRUE(t.set_origine());
  ASSERT_TRUE(t.AddRun(2, 99998, 0.001));
  // A failure in either half, early and late: the half stops there, and the
  // stream reports it whatever the other half was doing.
  for (uint64_t failing_half : {0, 1}) {
    for (int fail_at : {1, 2, 40}) {
      SCOPED_TRACE(::testing::Message() << "half " << failing_half << ", call " << fail_at);
      const uint64_t half = EncodedTracciatoSize(t) / 2;
      std::atomic<int> calls[2] = {0, 0};
      std::string err;
      bool ok = StreamTracciato(t,
                                [&](uint64_t offset, std::string_view, std::string* why) {
                                  const uint64_t h = offset < half ? 0 : 1;
                                  if (++calls[h] < fail_at || h != failing_half) return true;
                                  *why = "disk full";
                                  return false;
                                },
                                &err, {1000, 4096, 0});
      EXPECT_FALSE(ok);
      EXPECT_EQ(err, "disk full");
      EXPECT_EQ(calls[failing_half].load(), fail_at);
    }
  }
}

TEST(GeometryStreamTest, OnTwoThreadsEachHalfComesFromOneThread) {
  Tracciato t(200000);
  ASSERT_TRUE(t.set_origine());
  ASSERT_TRUE(t.AddRun(2, 199998, 0.0));
  const uint64_t half = EncodedTracciatoSize(t) / 2;
  const std::thread::id caller = std::this_thread::get_id();
  std::mutex mutex;
  std::set<std::thread::id> threads[2];
  std::string err;
  ASSERT_TRUE(StreamTracciato(t,
                              [&](uint64_t offset, std::string_view, std::string*) {
                                std::lock_guard lock(mutex);
                                threads[offset < half ? 0 : 1].insert(std::this_thread::get_id());
                                return true;
                              },
                              &err, {800, 8192, 0}))
      << err;
  EXPECT_EQ(threads[0], std::set<std::thread::id>{caller});
  ASSERT_EQ(threads[1].size(), 1u);
  EXPECT_NE(*threads[1].begin(), caller);
}

TEST(GeometryStreamTest, WritesEndOnMultiplesOfTheChunkButTheLastOfEachHalf) {
  Tracciato t(30000);
  ASSERT_TRUE(t.set_origine());
  ASSERT_TRUE(t.AddRun(2, 29000, 0.0005));
  const uint64_t size = EncodedTracciatoSize(t);
  constexpr uint64_t kNever = uint64_t{1} << 40;
  struct Case {
    int64_t metres;
    size_t chunk;
    uint64_t background_from;
  };
  for (const Case& c : {Case{800, 4096, kNever}, Case{7, 4096, kNever}, Case{5000, 4096, kNever},
                        Case{100, 65536, kNever}, Case{800, 4096, 0}, Case{5000, 4096, 0}}) {
    SCOPED_TRACE(::testing::Message() << c.metres << " metres a piece, chunks of " << c.chunk
                                      << ", two threads from " << c.background_from);
    const GeometryStreamOptions options{c.metres, c.chunk, c.background_from};
    std::mutex mutex;
    std::vector<std::pair<uint64_t, uint64_t>> writes;  // offset, end
    std::string err;
    ASSERT_TRUE(StreamTracciato(
        t,
        [&](uint64_t offset, std::string_view bytes, std::string*) {
          std::lock_guard lock(mutex);
          writes.emplace_back(offset, offset + bytes.size());
          return true;
        },
        &err, options))
        << err;
    for (const auto& [offset, end] : writes) {
      if (end == size / 2 || end == size) continue;
      EXPECT_EQ(end % c.chunk, 0u) << "a write from " << offset << " to " << end;
    }
    // Every write but the first of the second half starts on a multiple too.
    for (const auto& [offset, end] : writes) {
      if (offset == size / 2) continue;
      EXPECT_EQ(offset % c.chunk, 0u) << "a write from " << offset << " to " << end;
    }
    EXPECT_TRUE(SameBytes(Streamed(t, options), testing::EncodedTracciato(t)));
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
