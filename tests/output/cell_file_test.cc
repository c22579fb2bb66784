#include "output/cell_file.h"

#include <gtest/gtest.h>

#include "output/coding.h"
#include "support/encoded.h"
#include "support/temp_dir.h"

namespace percorso {
namespace {

using testing::Hex;

TEST(CodingTest, LittleEndianByteOrder) {
  std::string b;
  PutNumber<uint16_t>(&b, 0x0102);
  PutNumber<uint32_t>(&b, 0x03040506);
  PutNumber<int16_t>(&b, -2);
  PutDouble(&b, 1.0);
  EXPECT_EQ(Hex(b), "02 01 06 05 04 03 fe ff 00 00 00 00 00 00 f0 3f");
  EXPECT_EQ(DecodeNumber<uint32_t>(b.data() + 2), 0x03040506u);
  EXPECT_EQ(DecodeNumber<int16_t>(b.data() + 6), -2);
  EXPECT_EQ(DecodeDouble(b.data() + 8), 1.0);
}

TEST(CellFileTest, RecordIsFifteenBytesInMemberOrder) {
  cella c;
  c.tipo = 1;
  c.dato1 = 0x1234;
  c.dato2 = -1;
  c.dato3 = 258;
  c.dato4 = 31;
  c.tempo = 215;
  c.avviso = 71;
  c.montagna = 2;
  c.velocita = 32;
  c.pendenza = 102;
  c.aderenza = 100;
  std::vector<cella> celle(2);
  celle[1] = c;
  std::string bytes = testing::EncodedCelle(celle);
  ASSERT_EQ(bytes.size(), 30u);
  EXPECT_EQ(Hex(bytes.substr(0, 15)), "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
  EXPECT_EQ(Hex(bytes.substr(15)), "01 34 12 ff ff 02 01 1f 00 d7 47 02 20 66 64");
}

TEST(CellFileTest, RouteOf97000MetresIs31215Bytes) {
  Scenario s;
  create_route(s, 97000);
  EXPECT_EQ(s.lunghezza_estesa, 104000);
  EXPECT_EQ(s.ultima_cella, 2080);
  EXPECT_EQ(testing::EncodedCelle(s.celle).size(), 31215u);
}

}  // namespace
}  // namespace percorso
