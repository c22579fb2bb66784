#include "compiler/reference_order.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <sstream>
#include <string>

#include "model/model.h"

namespace percorso {
namespace {

struct Terna {
  int32_t prima;
  int32_t seconda;
  int32_t terza;
};

// Slots 81, 82, 83 in that order.
using Terne = std::array<Terna, 3>;

void Scrivi(Scenario& s, const Terne& t) {
  for (int i = 0; i < 3; ++i) {
    voce& v = s.voci[kVoceProgressivaTre + i];
    v.inizio = t[i].prima;
    v.fine = t[i].seconda;
    v.posizione = t[i].terza;
  }
}

std::string Leggi(const Scenario& s) {
  std::ostringstream o;
  for (int slot = kVoceProgressivaTre; slot <= kVoceProgressivaUno; ++slot) {
    const voce& v = s.voci[slot];
    o << "(" << v.inizio << " " << v.fine << " " << v.posizione << ")";
  }
  return o.str();
}

std::string Testo(const Terne& t) {
  std::ostringstream o;
  for (const Terna& x : t) o << "(" << x.prima << " " << x.seconda << " " << x.terza << ")";
  return o.str();
}

constexpr Terne kZeri{};

struct Case {
  const char* nome;
  Terne prima;
  Terne dopo;
};

// Each case's triples, ordered, read as its `dopo`.
void ExpectOrdered(std::span<const Case> cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nome);
    Scenario s;
    Scrivi(s, c.prima);
    EXPECT_TRUE(progressive_ordina(s));
    EXPECT_EQ(Leggi(s), Testo(c.dopo));
  }
}

TEST(ProgressiveOrdinaTest, OrdersByFirstValueLargestFirst) {
  // The second values name the triples: 1 for A (slot 81), 2 for B, 3 for C.
  const Terna a3{3000, 1, 0}, b3{3000, 2, 0}, c3{3000, 3, 0};
  const Terna a2{2000, 1, 0}, b2{2000, 2, 0}, c2{2000, 3, 0};
  const Terna a1{1000, 1, 0}, b1{1000, 2, 0}, c1{1000, 3, 0};
  const Terna b0{0, 2, 0}, c0{0, 3, 0};
  const Case cases[] = {
      {"A B C", {a3, b2, c1}, {a3, b2, c1}},
      {"A C B", {a3, b1, c2}, {a3, c2, b1}},
      {"B A C", {a2, b3, c1}, {b3, a2, c1}},
      {"B C A", {a1, b3, c2}, {b3, c2, a1}},
      {"C A B", {a2, b1, c3}, {c3, a2, b1}},
      {"C B A", {a1, b2, c3}, {c3, b2, a1}},
      // Of two equal smaller values, the higher slot comes first.
      {"5000, 0, 0", {{{5000, 1, 0}, b0, c0}}, {{{5000, 1, 0}, c0, b0}}},
      {"B largest, A and C equal", {a1, b3, c1}, {b3, c1, a1}},
      {"C largest, A and B equal", {a1, b1, c3}, {c3, b1, a1}},
      {"negative values",
       {{{-10, 1, 0}, {-5, 2, 0}, {-20, 3, 0}}},
       {{{-5, 2, 0}, {-10, 1, 0}, {-20, 3, 0}}}},
      // The largest value shared: no order, all nine values 0.
      {"3000, 3000, 1000", {a3, b3, c1}, kZeri},
      {"1000, 3000, 3000", {a1, b3, c3}, kZeri},
      {"3000, 1000, 3000", {a3, b1, c3}, kZeri},
      {"all equal", {a2, b2, c2}, kZeri},
  };
  ExpectOrdered(cases);
}

TEST(ProgressiveOrdinaTest, WithoutFirstValuesTheLastPositiveSecondValueDecides) {
  const Case cases[] = {
      {"three lines of zeros", kZeri, kZeri},
      {"0, 7, 9", {{{0, 0, 5}, {0, 7, 6}, {0, 9, 7}}}, {{{0, 9, 7}, {0, 7, 6}, {0, 0, 5}}}},
      {"only A", {{{0, 4, 5}, {0, 0, 6}, {0, 0, 7}}}, {{{0, 4, 5}, {0, 0, 6}, {0, 0, 7}}}},
      {"A and B", {{{0, 4, 5}, {0, 3, 6}, {0, 0, 7}}}, {{{0, 3, 6}, {0, 4, 5}, {0, 0, 7}}}},
      {"only C", {{{0, 0, 5}, {0, -3, 6}, {0, 2, 7}}}, {{{0, 2, 7}, {0, -3, 6}, {0, 0, 5}}}},
      {"no positive second value", {{{0, -4, 5}, {0, 0, 6}, {0, -1, 7}}}, kZeri},
      // The first values cancel out: the second table decides although they
      // are not all 0.
      {"sum zero",
       {{{100, 5, 1}, {-100, 0, 0}, {0, 0, 0}}},
       {{{100, 105, 1}, {-100, 0, 0}, {0, 0, 0}}}},
      {"sum zero, no positive second value", {{{100, 0, 0}, {-100, 0, 0}, {0, 0, 0}}}, kZeri},
  };
  ExpectOrdered(cases);
}

TEST(ProgressiveOrdinaTest, HundredGoesOnceToWhereTheTripleEndsUp) {
  const Case cases[] = {
      {"moved by first values",
       {{{1000, 10, 1}, {3000, 20, 0}, {2000, 30, 1}}},
       {{{3000, 20, 0}, {2000, 130, 1}, {1000, 110, 1}}}},
      {"moved by second values",
       {{{0, 0, 1}, {0, 7, 1}, {0, 9, 0}}},
       {{{0, 9, 0}, {0, 107, 1}, {0, 100, 1}}}},
      {"third value other than 1",
       {{{3000, 10, 2}, {2000, 20, -1}, {1000, 30, 1}}},
       {{{3000, 10, 2}, {2000, 20, -1}, {1000, 130, 1}}}},
      {"all three",
       {{{3000, 10, 1}, {2000, 20, 1}, {1000, -130, 1}}},
       {{{3000, 110, 1}, {2000, 120, 1}, {1000, -30, 1}}}},
  };
  ExpectOrdered(cases);
}

TEST(ProgressiveOrdinaTest, TouchesOnlyTheThreeMembersOfSlots81To83) {
  Scenario s;
  for (voce& v : s.voci) {
    v.tipo = 3;
    v.nome = "x";
    v.orario = 9;
  }
  s.voci[80].inizio = 4000;
  s.voci[84].fine = 1;
  Scrivi(s, {{{1000, 1, 1}, {3000, 2, 0}, {2000, 3, 0}}});
  Scenario want = s;
  Scrivi(want, {{{3000, 2, 0}, {2000, 3, 0}, {1000, 101, 1}}});
  EXPECT_TRUE(progressive_ordina(s));
  for (int i = 0; i < kNumVoci; ++i) EXPECT_EQ(s.voci[i], want.voci[i]) << i;
}

TEST(ProgressiveOrdinaTest, LargeValuesWithoutOverflow) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  Scenario s;
  // The sum of the first values passes 32 bits.
  Scrivi(s, {{{kMax, 1, 0}, {kMax - 1, 2, 0}, {kMax - 2, 3, 1}}});
  EXPECT_TRUE(progressive_ordina(s));
  EXPECT_EQ(Leggi(s), Testo({{{kMax, 1, 0}, {kMax - 1, 2, 0}, {kMax - 2, 103, 1}}}));

  // A second value that cannot take the 100 is an overflow: reported, and the
  // slots from there on keep their values.
  Scrivi(s, {{{3000, 10, 1}, {2000, kMax - 99, 1}, {1000, 30, 1}}});
  EXPECT_FALSE(progressive_ordina(s));
  EXPECT_EQ(Leggi(s), Testo({{{3000, 110, 1}, {2000, kMax - 99, 1}, {1000, 30, 1}}}));

  Scrivi(s, {{{3000, 10, 1}, {2000, kMax - 100, 1}, {1000, 30, 1}}});
  EXPECT_TRUE(progressive_ordina(s));
  EXPECT_EQ(Leggi(s), Testo({{{3000, 110, 1}, {2000, kMax, 1}, {1000, 130, 1}}}));
}

}  // namespace
}  // namespace percorso
