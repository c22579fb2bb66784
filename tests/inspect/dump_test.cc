// `percorso dump` through the command line, on files written by the encoders.
#include <gtest/gtest.h>

#include <sstream>

#include "driver/cli.h"
#include "output/cell_file.h"
#include "output/geometry_file.h"
#include "output/table_file.h"
#include "support/cli.h"
#include "support/encoded.h"
#include "support/temp_dir.h"

namespace percorso {
namespace {

using testing::TempDir;
using testing::WriteBytes;

using Outcome = testing::CliResult;

Outcome Dump(const std::vector<std::string>& args) {
  std::vector<std::string> all = {"dump"};
  all.insert(all.end(), args.begin(), args.end());
  return testing::RunCli(all);
}

/// True when `text` is exactly one JSON value, with nothing after it but
/// blanks. Strings may hold only escaped control characters.
class JsonChecker {
 public:
  explicit JsonChecker(std::string_view text) : t_(text) {}
  bool Valid() {
    bool ok = Value();
    Blanks();
    return ok && i_ == t_.size();
  }

 private:
  void Blanks() {
    while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\n' || t_[i_] == '\r' || t_[i_] == '\t'))
      ++i_;
  }
  bool Eat(char c) {
    Blanks();
    if (i_ < t_.size() && t_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }
  bool Value() {
    Blanks();
    if (i_ >= t_.size()) return false;
    char c = t_[i_];
    if (c == '{') return Members('}', true);
    if (c == '[') return Members(']', false);
    if (c == '"') return String();
    for (std::string_view word : {"true", "false", "null"}) {
      if (t_.substr(i_, word.size()) == word) {
        i_ += word.size();
        return true;
      }
    }
    return Number();
  }
  bool Members(char close, bool object) {
    ++i_;
    if (Eat(close)) return true;
    do {
      if (object && !(Blanks(), String() && Eat(':'))) return false;
      if (!Value()) return false;
    } while (Eat(','));
    return Eat(close);
  }
  bool String() {
    if (i_ >= t_.size() || t_[i_] != '"') return false;
    for (++i_; i_ < t_.size(); ++i_) {
      unsigned char c = static_cast<unsigned char>(t_[i_]);
      if (c < 0x20) return false;
      if (c == '"') {
        ++i_;
        return true;
      }
      if (c == '\\') {
        if (++i_ >= t_.size()) return false;
        if (t_[i_] == 'u') {
          if (i_ + 4 >= t_.size()) return false;
          for (int k = 1; k <= 4; ++k) {
            if (!std::isxdigit(static_cast<unsigned char>(t_[i_ + k]))) return false;
          }
          i_ += 4;
        } else if (std::string_view("\"\\/bfnrt").find(t_[i_]) == std::string_view::npos) {
          return false;
        }
      }
    }
    return false;
  }
  bool Number() {
    size_t start = i_;
    if (i_ < t_.size() && t_[i_] == '-') ++i_;
    if (i_ >= t_.size() || !std::isdigit(static_cast<unsigned char>(t_[i_]))) return false;
    if (t_[i_] == '0' && i_ + 1 < t_.size() && std::isdigit(static_cast<unsigned char>(t_[i_ + 1])))
      return false;
    while (i_ < t_.size() && (std::isdigit(static_cast<unsigned char>(t_[i_])) ||
                              std::string_view(".eE+-").find(t_[i_]) != std::string_view::npos)) {
      ++i_;
    }
    return i_ > start;
  }

  std::string_view t_;
  size_t i_ = 0;
};

bool ValidJson(std::string_view text) {
  return JsonChecker(text).Valid();
}

class DumpTest : public ::testing::Test {
 protected:
  DumpTest() {
    std::vector<cella> celle(8);
    celle[1] = {0, 5121, -2, 0, 0, 0, 0, 0, 0, 100, 0};
    celle[6] = {1, 41, 10, 0, 4, 101, 0, 2, 32, 98, 100};
    cells_ = dir_.file("Linea_7.dat");
    WriteBytes(cells_, testing::EncodedCelle(celle));

    std::array<voce, kNumVoci> voci{};
    voci[1] = {8, -600, 600, 0, 1, "PIANURA", 0, 0, 1, 1, 0, 1, 90, 0, 0, 22080};
    voci[2].nome = std::string("CITT\xC0 \"NUOVA\"\\", 14);
    voci[85].nome = "Linea";
    table_ = dir_.file("Linea_7.sim");
    WriteBytes(table_, testing::EncodedVoci(voci));

    GeometryTable t(5);
    t.set_intero(0, 0, 0);
    t.set_intero(0, 1, 0);
    t.set_intero(1, 0, 0);
    t.set_intero(1, 1, 1);
    t.set_reale(2, 0, 0.5);
    t.set_reale(2, 1, 2);
    t.set_reale(3, 0, 1.25);
    t.set_reale(3, 1, 2.875);
    geometry_ = dir_.file("Linea_linea.dat");
    WriteBytes(geometry_, testing::EncodedGeometryTable(t));
  }

  TempDir dir_;
  std::string cells_, table_, geometry_;
};

TEST_F(DumpTest, CellListingFoldsEmptyCells) {
  Outcome r = Dump({cells_});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(
      r.out,
      cells_ +
          ": cell file, 8 cells (0 to 7), 120 bytes\n"
          "cell 0: empty\n"
          "cell      1  km    0.000  tipo   0 none            dato1   5121  dato2     -2  dato3"
          "      0  dato4      0  tempo   0  avviso   0  montagna   0  velocita   0  pendenza"
          " 100  aderenza   0\n"
          "cells 2\u20135: empty\n"
          "cell      6  km    0.250  tipo   1 signal          dato1     41  dato2     10  dato3"
          "      0  dato4      4  tempo 101  avviso   0  montagna   2  velocita  32  pendenza"
          "  98  aderenza 100\n"
          "cell 7: empty\n");
}

TEST_F(DumpTest, TableListingShowsNamesInUtf8) {
  Outcome r = Dump({table_});
  EXPECT_EQ(r.status, 0) << r.err;
  std::istringstream lines(r.out);
  std::vector<std::string> got;
  for (std::string line; std::getline(lines, line);) got.push_back(line);
  ASSERT_EQ(got.size(), 7u) << r.out;
  EXPECT_EQ(got[0], table_ + ": table file, 87 slots (0 to 86), 2984 bytes");
  EXPECT_EQ(got[1], "slot 0: empty");
  EXPECT_EQ(got[2],
            "slot  1  tipo   8  inizio     -600  fine      600  posizione        0  marca   1  "
            "valore1      0  valore2      0  valore3      1  valore4      1  valore5      0  "
            "opzione1   1  opzione2  90  opzione3   0  opzione4   0  orario       22080  nome "
            "\"PIANURA\"");
  EXPECT_TRUE(got[3].ends_with("nome \"CITT\u00c0 \\\"NUOVA\\\"\\\\\"")) << got[3];
  EXPECT_EQ(got[4], "slots 3\u201384: empty");
  EXPECT_TRUE(got[5].starts_with("slot 85  tipo   0")) << got[5];
  EXPECT_EQ(got[6], "slot 86: empty");
}

TEST_F(DumpTest, GeometryListingEveryNthMetreAndTheLast) {
  Outcome r = Dump({"--every", "2", geometry_});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, geometry_ +
                       ": geometry file, metres 0 to 5, 64 bytes, every 2 m\n"
                       "metre       0  int 0                         int 0\n"
                       "metre       2  real 0.5                      real 2\n"
                       "metre       4  empty                         empty\n"
                       "metre       5  empty                         empty\n");
}

TEST_F(DumpTest, JsonIsValidAndEscapesNames) {
  Outcome r = Dump({"--json", table_});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(ValidJson(r.out)) << r.out;
  EXPECT_NE(r.out.find("\"nome\":\"CITT\u00c0 \\\"NUOVA\\\"\\\\\""), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"orario\":22080"), std::string::npos);

  r = Dump({"--json", cells_});
  EXPECT_TRUE(ValidJson(r.out)) << r.out;
  EXPECT_NE(r.out.find("{\"index\":6,\"km\":0.250,\"tipo\":1,\"dato1\":41,"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("\"empty\":[[0,0],[2,5],[7,7]]"), std::string::npos) << r.out;

  r = Dump({"--json", geometry_});
  EXPECT_TRUE(ValidJson(r.out)) << r.out;
  EXPECT_NE(r.out.find("{\"metre\":3,\"tag\":[5,5],\"value\":[1.25,2.875]}"), std::string::npos);
  EXPECT_NE(r.out.find("{\"metre\":5,\"tag\":[0,0],\"value\":[null,null]}"), std::string::npos);

  // Several files make one array.
  r = Dump({"--json", cells_, table_, geometry_});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(ValidJson(r.out));
  EXPECT_EQ(r.out.front(), '[');
}

TEST_F(DumpTest, JsonCheckerRejectsBrokenJson) {
  for (std::string_view bad :
       {"{\"a\":1", "{\"a\":\"x\ny\"}", "[1,]", "{\"a\" 1}", "[01]", "{\"a\":\"\\q\"}", "[1] x"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(ValidJson(bad));
  }
  EXPECT_TRUE(ValidJson("{\"a\":[1,-0.050,null,\"\\u00e0\"],\"b\":{}}"));
}

TEST_F(DumpTest, TruncatedFileIsRefusedWithTheReason) {
  std::string bytes = testing::ReadBytes(cells_);
  WriteBytes(cells_, bytes.substr(0, bytes.size() - 1));
  Outcome r = Dump({cells_, table_});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err,
            "percorso: " + cells_ + ": 119 bytes is not a whole number of 15-byte cell records\n");
  // The other file is still listed, and nothing of the refused one.
  EXPECT_TRUE(r.out.starts_with(table_ + ": table file")) << r.out;
}

TEST_F(DumpTest, UsageAndMissingFiles) {
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string err_start;
  };
  const Case cases[] = {
      {{},
       2,
       "percorso: dump needs at least one FILE\nTry 'percorso dump --help' for more "
       "information.\n"},
      {{dir_.file("x.txt")}, 2, "percorso: " + dir_.file("x.txt") + ": cannot tell the kind"},
      {{"--every", "0", geometry_}, 2, "percorso: --every needs a whole number of metres"},
      {{"--every", "2x", geometry_}, 2, "percorso: --every needs a whole number of metres"},
      {{dir_.file("missing.sim")}, 1, "percorso: " + dir_.file("missing.sim") + ": no such file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.err_start);
    Outcome r = Dump(c.args);
    EXPECT_EQ(r.status, c.status);
    EXPECT_TRUE(r.err.starts_with(c.err_start)) << r.err;
    EXPECT_EQ(r.out, "");
  }
}

}  // namespace
}  // namespace percorso
