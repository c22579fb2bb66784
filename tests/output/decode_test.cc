#include "output/decode.h"

#include <gtest/gtest.h>

#include "output/cell_file.h"
#include "output/geometry_file.h"
#include "output/table_file.h"
#include "support/compiled_scenario.h"
#include "support/encoded.h"

namespace percorso {
namespace {

TEST(DecodeTest, CellsRoundTrip) {
  std::vector<cella> celle(4);
  celle[1] = {0, 5121, -12345, 0, 0, 0, 0, 0, 6, 102, 100};
  celle[2] = {1, 41, 10, -1, 32767, 215, 43, 2, 32, 88, 100};
  celle[3] = {255, -32768, 1, 2, 3, 255, 255, 255, 255, 255, 255};
  std::vector<cella> back;
  std::string err;
  ASSERT_TRUE(DecodeCelle(testing::EncodedCelle(celle), &back, &err)) << err;
  EXPECT_EQ(back, celle);
}

TEST(DecodeTest, TableRoundTrip) {
  std::array<voce, kNumVoci> voci{};
  voci[1] = {8, -600, 600, 0, 1, "PIANURA S.M.N.", 0, -2, 1, 1, 32767, 1, 90, 0, 255, 22080};
  voci[2].nome = std::string("CITT\xC0 \"VECCHIA\"", 15);
  voci[80].nome = std::string(300, 'x');
  voci[85] = {0, 0, 0, 1, 0, "Pianura_Crinale", 610, 0, 0, 0, 0, 0, 0, 0, 0, -2147483647 - 1};
  voci[86].nome = "2731";
  std::array<voce, kNumVoci> back{};
  std::string err;
  ASSERT_TRUE(DecodeVoci(testing::EncodedVoci(voci), &back, &err)) << err;
  EXPECT_EQ(back, voci);
}

TEST(DecodeTest, GeometryRoundTripKeepsTagsAndValues) {
  GeometryTable t(5);
  t.set_intero(0, 0, 0);
  t.set_intero(0, 1, -7);
  t.set_intero(1, 1, 1);
  t.set_reale(2, 0, 0.1);
  t.set_reale(2, 1, -1e300);
  t.set_reale(3, 0, 123456.789);
  std::optional<GeometryTable> back;
  std::string err;
  ASSERT_TRUE(DecodeTracciato(testing::EncodedGeometryTable(t), &back, &err)) << err;
  ASSERT_TRUE(back);
  EXPECT_EQ(back->ultimo_metro(), 5);
  EXPECT_EQ(back->tags(), t.tags());
  EXPECT_EQ(back->values(), t.values());
}

TEST(DecodeTest, WholeScenarioRoundTrip) {
  Scenario s = testing::BuiltinScenario();
  std::vector<cella> celle;
  std::array<voce, kNumVoci> voci{};
  std::optional<GeometryTable> t;
  std::string err;
  std::string geometry = testing::EncodedTracciato(*s.tracciato);
  GeometryTable expanded = ExpandTracciato(*s.tracciato);
  ASSERT_EQ(geometry.size(), 2079964u);
  ASSERT_TRUE(DecodeCelle(testing::EncodedCelle(s.celle), &celle, &err)) << err;
  ASSERT_TRUE(DecodeVoci(testing::EncodedVoci(s.voci), &voci, &err)) << err;
  ASSERT_TRUE(DecodeTracciato(geometry, &t, &err)) << err;
  EXPECT_EQ(celle, s.celle);
  EXPECT_EQ(voci, s.voci);
  EXPECT_EQ(t->ultimo_metro(), 104000);
  EXPECT_EQ(t->tags(), expanded.tags());
  EXPECT_EQ(t->values(), expanded.values());
}

std::string EmptyTable() {
  return testing::EncodedVoci(std::array<voce, kNumVoci>{});
}

TEST(DecodeTest, DamagedFilesAreRefusedWithTheReason) {
  std::string table = EmptyTable();  // 87 records of 34 bytes
  std::array<voce, kNumVoci> named{};
  named[86].nome = "2731";
  std::string long_name = testing::EncodedVoci(named);
  GeometryTable t(2);
  t.set_intero(0, 0, 0);
  t.set_reale(1, 0, 1.5);
  std::string geometry = testing::EncodedGeometryTable(t);  // 4 + 10 + 2, then 2 + 2 + 2 bytes
  std::string bad_tag = geometry;
  bad_tag[0] = 7;
  struct Case {
    const char* what;
    char kind;  // c cells, t table, g geometry
    std::string bytes;
    std::string reason;
  };
  const Case cases[] = {
      {"cells cut short", 'c', std::string(31214, '\0'),
       "31214 bytes is not a whole number of 15-byte cell records"},
      {"empty cell file", 'c', "",
       "the file is empty: a cell file holds at least one 15-byte cell record"},
      {"table cut in the last record", 't', table.substr(0, table.size() - 1),
       "the file ends inside slot 86 (at byte 2957; its record needs 34 bytes from byte 2924): a "
       "table file holds 87 slot records"},
      {"table of 86 records", 't', table.substr(0, 86 * 34),
       "the file ends inside slot 86 (at byte 2924): a table file holds 87 slot records"},
      {"table cut inside a name", 't', long_name.substr(0, long_name.size() - 20),
       "the file ends inside slot 86 (at byte 2942; its record needs 38 bytes from byte 2924): a "
       "table file holds 87 slot records"},
      {"table with a byte after slot 86", 't', table + "x",
       "the 87 slot records end at byte 2958 but the file has 2959 bytes"},
      {"unknown tag", 'g', bad_tag,
       "entry 0 (byte 0) has tag 7; a geometry entry has tag 0, 2 or 5"},
      {"geometry cut inside a double", 'g', geometry.substr(0, 10),
       "the file (10 bytes) ends inside the value of entry 1, which takes bytes 6 to 13"},
      {"geometry cut inside a tag", 'g', geometry + "\x02",
       "the file (23 bytes) ends inside the tag of entry 6, at byte 22"},
      {"halves of different length", 'g', geometry + std::string(2, '\0'),
       "its 7 entries cannot be two halves of equal length (one per coordinate)"},
      {"more metres than a route has", 'g', std::string(4 * 1007002, '\0'),
       "its 2014004 entries are 1007002 metres; the longest route has 1007001"},
      {"empty geometry file", 'g', "",
       "the file is empty: a geometry file holds two coordinates for every metre"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string err;
    bool ok = true;
    if (c.kind == 'c') {
      std::vector<cella> celle;
      ok = DecodeCelle(c.bytes, &celle, &err);
    } else if (c.kind == 't') {
      std::array<voce, kNumVoci> voci{};
      ok = DecodeVoci(c.bytes, &voci, &err);
    } else {
      std::optional<GeometryTable> g;
      ok = DecodeTracciato(c.bytes, &g, &err);
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(err, c.reason);
  }
}

}  // namespace
}  // namespace percorso
