// The scenario page and `percorso view`.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <regex>
#include <sstream>

#include "driver/cli.h"
#include "inspect/text_out.h"
#include "inspect/view_page.h"
#include "io/file_names.h"
#include "output/cell_file.h"
#include "output/compiled_files.h"
#include "output/geometry_table.h"
#include "support/cli.h"
#include "support/compiled_scenario.h"
#include "support/temp_dir.h"

namespace percorso {
namespace {

using testing::TempDir;

/// Every match of the first group of `pattern` in `text`.
std::vector<std::string> All(const std::string& text, const std::string& pattern) {
  std::vector<std::string> out;
  std::regex re(pattern);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator();
       ++it) {
    out.push_back((*it)[1].str());
  }
  return out;
}

ViewScenario FromModel(const Scenario& s) {
  ViewScenario v;
  v.line_key = s.line_key;
  v.train_key = s.train_key;
  v.celle = s.celle;
  v.voci = s.voci;
  if (s.tracciato) v.tracciato = ExpandTracciato(*s.tracciato);
  return v;
}

void ExpectSelfContained(const std::string& page) {
  for (std::string_view outside : {"http://", "https://", "<link", " src=", "@import", "url("}) {
    SCOPED_TRACE(outside);
    EXPECT_EQ(page.find(outside), std::string::npos);
  }
}

TEST(ViewPageTest, BuiltinScenario) {
  Scenario s = testing::BuiltinScenario();
  std::string page = RenderViewPage(FromModel(s));
  ExpectSelfContained(page);

  EXPECT_EQ(All(page, "<text class=\"station-label\"[^>]*>([^<]*)</text>"),
            testing::BuiltinStationNames());

  double min_x = std::numeric_limits<double>::max(), max_x = -min_x, min_y = min_x, max_y = -min_x;
  const GeometryTable t = ExpandTracciato(*s.tracciato);
  for (int64_t x = 0; x <= t.ultimo_metro(); ++x) {
    if (t.tag(x, 0) == Tag::kVuoto) continue;
    min_x = std::min(min_x, t.valore(x, 0));
    max_x = std::max(max_x, t.valore(x, 0));
    min_y = std::min(min_y, t.valore(x, 1));
    max_y = std::max(max_y, t.valore(x, 1));
  }
  EXPECT_EQ(All(page, "id=\"plan\"[^>]* data-extent=\"([^\"]*)\""),
            std::vector<std::string>{ShortestDouble(min_x) + " " + ShortestDouble(max_x) + " " +
                                     ShortestDouble(min_y) + " " + ShortestDouble(max_y)});

  std::vector<std::string> km = All(page, "<g class=\"km-tick[^\"]*\" data-km=\"([^\"]*)\"");
  ASSERT_FALSE(km.empty());
  EXPECT_EQ(km.front(), "0");
  EXPECT_EQ(km.back(), "104");
  EXPECT_TRUE(std::is_sorted(km.begin(), km.end(), [](const std::string& a, const std::string& b) {
    return std::stod(a) < std::stod(b);
  }));

  EXPECT_NE(page.find("id=\"check-code-cells\">2374<"), std::string::npos);
  EXPECT_NE(page.find("id=\"check-code-table\">32626<"), std::string::npos);
  EXPECT_NE(page.find("<text class=\"station-time\" x=\"2\" y=\"11\">6:38:00</text>"),
            std::string::npos);
  // Three text boards, each with its text on the page.
  EXPECT_EQ(All(page, "class=\"feature (text-board)\"").size(), 3u);
  EXPECT_NE(page.find("(GALLERIA )(APPENNINO)(Km 18+510)"), std::string::npos);
}

TEST(ViewPageTest, HandBuiltModelWithoutGeometry) {
  ViewScenario v;
  v.line_key = "Lin\xE8";
  v.train_key = "1";
  v.celle.resize(40);
  v.voci[1].nome = "A<B&C\xE8";
  v.voci[1].posizione = 200;
  v.voci[2].nome = "Z";
  v.voci[2].posizione = 1500;
  v.voci[80].nome = "(BOARD \"1\")";
  v.celle[10].tipo = kCartello;
  v.celle[10].dato1 = 80;
  v.celle[12].tipo = kSegnale;
  v.celle[12].dato1 = 41;
  v.celle[20].tipo = kFermata;  // a station known only by its stopping mark
  v.celle[20].dato1 = 3;
  std::string page = RenderViewPage(v);
  ExpectSelfContained(page);
  EXPECT_EQ(All(page, "<text class=\"station-label\"[^>]*>([^<]*)</text>"),
            (std::vector<std::string>{"(slot 3)", "A&lt;B&amp;C\u00e8", "Z"}));
  EXPECT_NE(page.find("<h1>Line Lin\u00e8, train 1</h1>"), std::string::npos);
  EXPECT_NE(page.find("class=\"no-plan\""), std::string::npos);
  EXPECT_NE(page.find("(BOARD &quot;1&quot;)"), std::string::npos);
  // Cells 0 to 39: the axis ends at the metres of the last cell.
  std::vector<std::string> km = All(page, "<g class=\"km-tick[^\"]*\" data-km=\"([^\"]*)\"");
  EXPECT_EQ(km, (std::vector<std::string>{"0", "1", "1.9"}));
  // The signal's tooltip lists its cell and members.
  EXPECT_NE(page.find("<g class=\"feature signal\" data-cell=\"12\" data-count=\"1\"><title>cell "
                      "12, km 0.550: signal (tipo 1)\ndato1 41  dato2 0"),
            std::string::npos);
}

TEST(ViewPageTest, LongRouteIsAggregated) {
  Scenario s = testing::GeneratedScenario(1000);
  std::string page = RenderViewPage(FromModel(s));
  EXPECT_LT(page.size(), 1500000u);
  std::vector<std::string> points = All(page, "id=\"plan\"[^>]* data-points=\"([0-9]+)\"");
  ASSERT_EQ(points.size(), 1u);
  EXPECT_LE(std::stoul(points[0]), 3001u);

  size_t signals = static_cast<size_t>(
      std::count_if(s.celle.begin(), s.celle.end(), [](const cella& c) { return c.tipo == 1; }));
  std::vector<std::string> counts =
      All(page, "<g class=\"feature signal\" data-cell=\"[0-9]+\" data-count=\"([0-9]+)\"");
  size_t total = 0;
  for (const std::string& c : counts) total += std::stoul(c);
  EXPECT_EQ(total, signals);
  EXPECT_LT(counts.size(), signals);
  std::vector<std::string> km = All(page, "<g class=\"km-tick[^\"]*\" data-km=\"([^\"]*)\"");
  EXPECT_EQ(km.back(), "1007");
  EXPECT_LE(km.size(), 25u);
}

TEST(ViewPageTest, DegenerateFilesStillMakeAPage) {
  // One cell, an empty table, a geometry of one metre whose values are not
  // numbers: whatever the files hold, the page is drawn.
  ViewScenario v;
  v.line_key = "L";
  v.train_key = "T";
  v.celle.resize(1);
  v.tracciato.emplace(0);
  v.tracciato->set_reale(0, 0, std::numeric_limits<double>::quiet_NaN());
  v.tracciato->set_reale(0, 1, std::numeric_limits<double>::infinity());
  std::string page = RenderViewPage(v);
  ExpectSelfContained(page);
  EXPECT_NE(page.find("id=\"plan\""), std::string::npos);
  EXPECT_NE(page.find("</html>"), std::string::npos);

  v.celle.clear();
  v.tracciato.reset();
  page = RenderViewPage(v);
  EXPECT_NE(page.find("no cell 1"), std::string::npos);
}

TEST(ScenarioKeysTest, KeysFromFileNames) {
  struct Case {
    std::vector<std::string> names;
    std::vector<ScenarioKeys> found;
  };
  const Case cases[] = {
      {{"A_linea.dat", "A_1.sim", "A_1.dat", "A_1.html"}, {{"A", "1"}}},
      {{"A_linea.dat", "A_1.sim"}, {}},
      {{"A_1.sim", "A_1.dat"}, {}},
      {{"A_linea.dat", "A_2.sim", "A_2.dat", "A_1.sim", "A_1.dat"}, {{"A", "1"}, {"A", "2"}}},
      {{"Pianura_Crinale_linea.dat", "Pianura_Crinale_2731.sim", "Pianura_Crinale_2731.dat"},
       {{"Pianura_Crinale", "2731"}}},
      {{"A_linea.dat", "A_.sim", "A_.dat", "_linea.dat"}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.names[0] + " ... " + std::to_string(c.names.size()));
    EXPECT_EQ(FindScenarios(c.names), c.found);
  }
}

using Outcome = testing::CliResult;

Outcome View(const std::vector<std::string>& args) {
  std::vector<std::string> all = {"view"};
  all.insert(all.end(), args.begin(), args.end());
  return testing::RunCli(all);
}

class ViewCommandTest : public ::testing::Test {
 protected:
  void Write(const Scenario& s) {
    RealDisk disk;
    std::string err;
    ASSERT_TRUE(WriteCompiledFiles(disk, s, NameFiles(dir_.path(), s.line_key, s.train_key), &err))
        << err;
  }
  TempDir dir_;
};

TEST_F(ViewCommandTest, WritesThePageBesideTheFiles) {
  Write(testing::BuiltinScenario());
  Outcome r = View({"--dir", dir_.path()});
  ASSERT_EQ(r.status, 0) << r.err;
  std::string path = dir_.file("Pianura_Crinale_2731.html");
  EXPECT_EQ(r.out, "percorso: wrote " + path + "\n");
  std::string page = testing::ReadBytes(path);
  EXPECT_EQ(All(page, "<text class=\"station-label\"[^>]*>([^<]*)</text>").size(), 16u);
  EXPECT_EQ(page, RenderViewPage(FromModel(testing::BuiltinScenario())));
}

TEST_F(ViewCommandTest, AsksForTheKeysWhenSeveralScenariosAreThere) {
  Scenario a = testing::BuiltinScenario();
  Write(a);
  a.train_key = "9";
  a.j = 0;  // the same line: its geometry file is already there
  Write(a);
  Outcome r = View({"--dir", dir_.path()});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.err.starts_with("percorso: several compiled scenarios in " + dir_.path() +
                                "; choose one with the keys:\n"
                                "  --line-key Pianura_Crinale --train-key 2731\n"
                                "  --line-key Pianura_Crinale --train-key 9\n"))
      << r.err;

  std::string page = dir_.file("page.html");
  r = View({"--dir", dir_.path(), "--train-key", "9", "-o", page});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(testing::ReadBytes(page).find("<h1>Line Pianura_Crinale, train 9</h1>"),
            std::string::npos);
}

TEST_F(ViewCommandTest, KeysAreGivenInUtf8AndNamedInWindows1252) {
  Scenario s = testing::BuiltinScenario();
  s.line_key = "Citt\xE0";
  s.train_key = "1";
  Write(s);
  Outcome r = View({"--dir", dir_.path(), "--line-key", "Citt\u00e0", "--train-key", "1"});
  ASSERT_EQ(r.status, 0) << r.err;
  std::string page = testing::ReadBytes(dir_.file("Citt\xE0_1.html"));
  EXPECT_NE(page.find("<h1>Line Citt\u00e0, train 1</h1>"), std::string::npos);
  // Found from the file names alone too.
  r = View({"--dir", dir_.path()});
  EXPECT_EQ(r.status, 0) << r.err;

  r = View({"--dir", dir_.path(), "--line-key", "\u4e00", "--train-key", "1"});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(
      r.err.starts_with("percorso: line key '\u4e00' holds a character outside Windows-1252"))
      << r.err;
}

TEST_F(ViewCommandTest, RefusesDamagedOrMissingFiles) {
  Outcome r = View({"--dir", dir_.path()});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.err.starts_with("percorso: no compiled scenario in " + dir_.path())) << r.err;

  Write(testing::BuiltinScenario());
  std::string dat = dir_.file("Pianura_Crinale_2731.dat");
  std::string bytes = testing::ReadBytes(dat);
  testing::WriteBytes(dat, bytes.substr(0, 31214));
  r = View({"--dir", dir_.path()});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err,
            "percorso: " + dat + ": 31214 bytes is not a whole number of 15-byte cell records\n");

  r = View({"--dir", dir_.path(), "--line-key", "Altro", "--train-key", "1"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "percorso: " + dir_.file("Altro_1.sim") + ": no such file\n");
  EXPECT_EQ(dir_.List(),
            (std::vector<std::string>{"Pianura_Crinale_2731.dat", "Pianura_Crinale_2731.sim",
                                      "Pianura_Crinale_linea.dat"}));
}

}  // namespace
}  // namespace percorso
