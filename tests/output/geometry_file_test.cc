#include "output/geometry_file.h"

#include <gtest/gtest.h>

#include "compiler/model.h"
#include "output/layout.h"
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

}  // namespace
}  // namespace percorso
