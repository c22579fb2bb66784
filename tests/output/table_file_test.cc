#include "output/table_file.h"

#include <gtest/gtest.h>

#include "output/coding.h"
#include "support/encoded.h"
#include "support/temp_dir.h"

namespace percorso {
namespace {

using testing::Hex;

voce SampleVoce(std::string nome) {
  voce v;
  v.tipo = 12;
  v.inizio = -600;
  v.fine = 0x01020304;
  v.posizione = 36700;
  v.marca = 1;
  v.nome = std::move(nome);
  v.valore1 = 4;
  v.valore2 = -2;
  v.valore3 = 2;
  v.valore4 = 1;
  v.valore5 = 1;
  v.opzione1 = 1;
  v.opzione2 = 90;
  v.opzione3 = 0;
  v.opzione4 = 255;
  v.orario = 23880;
  return v;
}

TEST(TableFileTest, RecordWithEmptyNameIs34Bytes) {
  std::string b;
  AppendVoce(&b, SampleVoce(""));
  EXPECT_EQ(Hex(b),
            "0c a8 fd ff ff 04 03 02 01 5c 8f 00 00 01 00 00 "
            "04 00 fe ff 02 00 01 00 01 00 01 5a 00 ff 48 5d 00 00");
}

TEST(TableFileTest, TwelveCharacterNameShiftsLaterMembersBy12) {
  std::string b;
  AppendVoce(&b, SampleVoce("PIANURA S.M"));  // 11
  b.clear();
  AppendVoce(&b, SampleVoce("VERNIO-MONTE"));
  ASSERT_EQ(b.size(), 46u);
  EXPECT_EQ(DecodeNumber<uint16_t>(b.data() + 14), 12);
  EXPECT_EQ(b.substr(16, 12), "VERNIO-MONTE");
  EXPECT_EQ(Hex(b.substr(28)), "04 00 fe ff 02 00 01 00 01 00 01 5a 00 ff 48 5d 00 00");
}

TEST(TableFileTest, FileIs2958BytesPlusNames) {
  std::array<voce, kNumVoci> voci{};
  EXPECT_EQ(testing::EncodedVoci(voci).size(), 2958u);
  voci[85].nome = "Pianura_Crinale";
  voci[86].nome = "2731";
  voci[1].nome = std::string("CITT\xC0", 5);  // one byte per character
  EXPECT_EQ(testing::EncodedVoci(voci).size(), 2958u + 15 + 4 + 5);
}

TEST(TableFileTest, OverlongNameIsCutToTheLengthMember) {
  std::string b;
  AppendVoce(&b, SampleVoce(std::string(70000, 'x')));
  EXPECT_EQ(b.size(), 34u + 65535);
  EXPECT_EQ(DecodeNumber<uint16_t>(b.data() + 14), 65535);
}

}  // namespace
}  // namespace percorso
