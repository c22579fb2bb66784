// The compiled built-in scenario, read back from the files of a default run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "inspect/scenario_files.h"
#include "io/file_names.h"
#include "output/decode.h"
#include "support/cli.h"
#include "support/sha256.h"
#include "support/temp_dir.h"
#include "support/text_diff.h"

namespace percorso {
namespace {

using testing::ReadBytes;
using testing::TempDir;

class BuiltinCompileTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir;
    testing::CliResult r = testing::RunCli({"--dir", dir_->path()});
    status_ = r.status;
    err_ = r.err;
  }
  static void TearDownTestSuite() { delete dir_; }

  static std::string File(const std::string& name) { return ReadBytes(dir_->file(name)); }

  static TempDir* dir_;
  static int status_;
  static std::string err_;
};

TempDir* BuiltinCompileTest::dir_ = nullptr;
int BuiltinCompileTest::status_ = -1;
std::string BuiltinCompileTest::err_;

TEST_F(BuiltinCompileTest, CompilesCleanlyIntoSixFiles) {
  EXPECT_EQ(status_, 0);
  EXPECT_EQ(err_, "");
  EXPECT_EQ(File("Pianura_Crinale_2731.dat").size(), 31215u);
  EXPECT_EQ(File("Pianura_Crinale_linea.dat").size(), 2079964u);
  EXPECT_EQ(File("Pianura_Crinale_2731.sim").size(), 2958u + 293u);
}

// Any change of the bytes of the default run must be seen and explained. The
// golden files hold the listing of each binary file (`percorso dump`, the
// geometry every 25 metres), each crew document as written, and the digests of
// all six files, so a failure shows the lines that changed. After an intended
// change, regenerate them with
//   PERCORSO_REGENERATE=1 build/tests/percorso_tests --gtest_filter='*Golden*'
// and explain the change in the commit.
TEST_F(BuiltinCompileTest, FilesMatchTheGoldenFiles) {
  const std::string golden_dir = std::string(PERCORSO_TEST_DATA) + "/golden/";
  const bool regenerate = std::getenv("PERCORSO_REGENERATE") != nullptr;
  std::string digests;
  for (const std::string& name : dir_->List()) {
    SCOPED_TRACE(name);
    std::string bytes = File(name);
    digests += testing::Sha256Hex(bytes) + "  " + name + "\n";
    std::string shown = bytes;
    const std::optional<CompiledFile> kind = CompiledFileOfName(name);
    if (kind) {
      RealDisk disk;
      std::string err;
      DumpOptions options;
      options.every = 25;
      ASSERT_TRUE(DumpCompiledFile(disk, dir_->file(name), *kind, options, &shown, &err)) << err;
      // The listing names the file by the path it was read from.
      shown = testing::ReplaceAll(shown, dir_->file(""), "");
    }
    std::string listing_name = kind ? name + ".txt" : name;
    if (regenerate) {
      testing::WriteBytes(golden_dir + listing_name, shown);
    } else {
      testing::ExpectSameLines(testing::ReadBytes(golden_dir + listing_name), shown);
    }
  }
  if (regenerate) {
    testing::WriteBytes(golden_dir + "digests.sha256", digests);
    GTEST_SKIP() << "golden files regenerated in " << golden_dir;
  }
  EXPECT_EQ(testing::ReadBytes(golden_dir + "digests.sha256"), digests);
}

TEST_F(BuiltinCompileTest, HeaderValuesAndCheckCodes) {
  std::vector<cella> celle;
  std::array<voce, kNumVoci> voci;
  std::string err;
  ASSERT_TRUE(DecodeCelle(File("Pianura_Crinale_2731.dat"), &celle, &err)) << err;
  ASSERT_TRUE(DecodeVoci(File("Pianura_Crinale_2731.sim"), &voci, &err)) << err;
  ASSERT_EQ(celle.size(), 2081u);
  // "2731pianura_crinaleaabbcc": plain sum 2374, weighted sum 32626.
  EXPECT_EQ(celle[1].dato1, 5121);
  EXPECT_EQ(celle[1].dato2, 2374);
  EXPECT_EQ(voci[85].valore1, 610);
  EXPECT_EQ(voci[85].orario, 32626);
  EXPECT_EQ(voci[85].nome, "Pianura_Crinale");
  EXPECT_EQ(voci[86].nome, "2731");
  EXPECT_EQ(voci[84].inizio, 125);
  EXPECT_EQ(voci[84].posizione, 15);
  EXPECT_EQ(voci[86].valore1, 300);
  EXPECT_EQ(voci[86].valore3, 6);
  EXPECT_EQ(voci[86].valore4, 12);
  EXPECT_EQ(voci[86].valore5, 40);
  EXPECT_EQ(voci[86].inizio, 1050);
  EXPECT_EQ(voci[86].fine, 95500);
  EXPECT_EQ(voci[86].posizione, 4);
}

TEST_F(BuiltinCompileTest, StationsAndBoardsInTheirSlots) {
  std::array<voce, kNumVoci> voci;
  std::string err;
  ASSERT_TRUE(DecodeVoci(File("Pianura_Crinale_2731.sim"), &voci, &err)) << err;
  struct Station {
    const char* nome;
    int32_t posizione;
    int32_t orario;
  };
  const Station stations[] = {
      {"PIANURA S.M.N.", 0, 6 * 3600 + 8 * 60},
      {"PIANURA RIFREDI", 2750, 0},
      {"PIANURA CASTELLO", 5200, 0},
      {"SESTO FIORENTINO", 8000, 0},
      {"CALENZANO", 12550, 0},
      {"PRATO", 16250, 0},
      {"VAIANO", 26200, 0},
      {"VERNIO", 36700, 6 * 3600 + 38 * 60},
      {"PRECEDENZE", 46800, 0},
      {"SAN BENEDETTO V.d.S", 56300, 0},
      {"GRIZZANA", 61400, 0},
      {"MONZUNO-VADO", 71350, 0},
      {"PIANORO", 80300, 0},
      {"CR.S.RUFFILLO", 90600, 0},
      {"BIVIO CROCIALI", 93650, 0},
      {"CRINALE C.LE", 96600, 7 * 3600 + 30 * 60},
  };
  for (size_t i = 0; i < std::size(stations); ++i) {
    SCOPED_TRACE(stations[i].nome);
    const voce& v = voci[i + 1];
    EXPECT_EQ(v.nome, stations[i].nome);
    EXPECT_EQ(v.posizione, stations[i].posizione);
    EXPECT_EQ(v.orario, stations[i].orario);
  }
  EXPECT_EQ(voci[17].nome, "");
  EXPECT_EQ(voci[80].nome, "(GALLERIA )(APPENNINO)(Km 18+510)");
  EXPECT_EQ(voci[79].nome, "(VIADOTTO)(SETTA   )");
  EXPECT_EQ(voci[78].nome, "(GALLERIA   )(MONTE ADONE)(Km 7+135   )");
  EXPECT_EQ(voci[77].nome, "");
  // VERNIO: type 12, length 500, flag 6 clear: half the length each side.
  EXPECT_EQ(voci[8].inizio, 36450);
  EXPECT_EQ(voci[8].fine, 36950);
  // PIANURA S.M.N.: type 8, length 600, the length each side.
  EXPECT_EQ(voci[1].inizio, -600);
  EXPECT_EQ(voci[1].fine, 600);
}

TEST_F(BuiltinCompileTest, TheSourcesAreDeleted) {
  for (const std::string& name : dir_->List()) {
    EXPECT_FALSE(name.ends_with("_linea.txt") || name.ends_with("-.txt")) << name;
  }
}

}  // namespace
}  // namespace percorso
