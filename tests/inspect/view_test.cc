// The scenario page and `percorso view`.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <limits>
#include <regex>
#include <sstream>

#include "compiler/compile.h"
#include "driver/cli.h"
#include "inspect/text_out.h"
#include "inspect/view_curves.h"
#include "inspect/view_page.h"
#include "inspect/view_tables.h"
#include "io/file_names.h"
#include "output/cell_file.h"
#include "output/compiled_files.h"
#include "output/geometry_table.h"
#include "support/cli.h"
#include "support/compiled_scenario.h"
#include "support/source_fixture.h"
#include "support/temp_dir.h"
#include "support/text_diff.h"

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

/// The data block that the page's script draws from.
std::string Data(const std::string& page) {
  const std::string open = "<script type=\"application/json\" id=\"view-data\">";
  size_t a = page.find(open);
  if (a == std::string::npos) return "";
  a += open.size();
  return page.substr(a, page.find("</script>", a) - a);
}

void ExpectSelfContained(const std::string& page) {
  for (std::string_view outside : {"http://", "https://", "<link", " src=", "@import", "url("}) {
    SCOPED_TRACE(outside);
    EXPECT_EQ(page.find(outside), std::string::npos);
  }
}

/// The tooltips of the marks of one class.
std::vector<std::string> Tips(const std::string& data, const std::string& cls) {
  return All(data,
             "\\[-?[0-9]+,\"" + cls + "\",\"(?:[^\"\\\\]|\\\\.)*\",\"((?:[^\"\\\\]|\\\\.)*)\"\\]");
}

TEST(ViewPageTest, BuiltinScenario) {
  const Scenario& s = testing::BuiltinScenario();
  std::string page = RenderViewPage(ViewOfModel(s));
  ExpectSelfContained(page);
  std::string data = Data(page);
  EXPECT_EQ(All(data, "\"station (.+?) at km "), testing::BuiltinStationNames());
  EXPECT_NE(data.find("{\"axis\":104000,\"cells\":2081,"), std::string::npos);

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
  // The plan's points start at metre 0 on the chord.
  EXPECT_NE(data.find("\"plan\":{\"first\":0,\"last\":"), std::string::npos);
  EXPECT_NE(data.find("\"points\":[[0,0,0],"), std::string::npos);

  EXPECT_NE(page.find("id=\"check-code-cells\">2374<"), std::string::npos);
  EXPECT_NE(page.find("id=\"check-code-table\">32626<"), std::string::npos);
  // Three text boards, each with its text.
  EXPECT_EQ(Tips(data, "text-board").size(), 3u);
  EXPECT_NE(data.find("text (GALLERIA )(APPENNINO)(Km 18+510)"), std::string::npos);
  // Read back from the cells, a signal is told in the fields of its source
  // line "segnale, 1050, 1, 4, 1, 0, 0, 0, 0,0,0, 0".
  std::vector<std::string> signals = Tips(data, "signal sx1");
  ASSERT_FALSE(signals.empty());
  EXPECT_EQ(signals[0],
            "signal at km 1.050\\nposizione 1050 m\\nsx 1 \u00b7 s1 4 \u00b7 s2 1 \u00b7 s3 0 "
            "\u00b7 rapp 0\\ndx 0 \u00b7 d1 0 \u00b7 d2 0 \u00b7 d3 0 \u00b7 tempo 0\\n(values "
            "read back from the cells)\\ncell 22: tipo 1, dato1 40, dato2 10, dato3 0, dato4 3, "
            "tempo 0, avviso 0");
  // The speed board "indicatori_vmax, 16800, 110, 115, 120, 0, 110, 115, 120, 0".
  EXPECT_NE(data.find("speed board at km 16.800\\nposizione 16800 m\\nvas 110 km/h \u00b7 vbs 115 "
                      "km/h \u00b7 vcs 120 km/h \u00b7 strisces 0\\nvad 110 km/h"),
            std::string::npos);
}

// The curves are read back off the geometry: where they start and end, their
// side and radius as the classes give them, and the entry that made each.
TEST(ViewPageTest, CurvesAreFoundOnTheGeometry) {
  Scenario s;
  s.line_key = "L";
  s.train_key = "T";
  std::vector<SourceEntry> records;
  MemorySourceFiles files(
      testing::LineFile({"curvas2, 1000, 400", "curvad6, 2000, 300", "curvad1, 2300, 500"}),
      testing::TrainFile({}));
  memorizza_percorso(s, true, files, &records);
  ASSERT_EQ(s.diagnostic.stato, 0);
  ViewScenario v = ViewOfModel(s, records);
  RecordIndex index(v.entries);
  std::vector<ViewCurve> curves = FindCurves(v, index);
  ASSERT_EQ(curves.size(), 3u);
  struct Expected {
    int64_t start, end;
    const char* side;
    int64_t radius;
    int line;
  };
  const Expected expected[] = {{1000, 1400, "left", 5000, 4},
                               {2000, 2300, "right", 333, 5},
                               {2300, 2800, "right", 10000, 6}};
  for (size_t i = 0; i < curves.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(curves[i].start, expected[i].start);
    EXPECT_EQ(curves[i].end, expected[i].end);
    EXPECT_STREQ(CurveSide(curves[i]), expected[i].side);
    EXPECT_EQ(CurveRadius(curves[i]), expected[i].radius);
    ASSERT_NE(curves[i].record, nullptr);
    EXPECT_EQ(curves[i].record->place.line, expected[i].line);
  }
  std::string page = RenderViewPage(v);
  EXPECT_NE(page.find("id=\"curve-table\""), std::string::npos);
  EXPECT_NE(Data(page).find("\"curves\":[[1000,1400,5000,\"linea.txt:4\"],"), std::string::npos);
}

// The drop of the line speed to 0 on the last cell comes from no entry: its
// row and its tooltip name the rule, not the last speed entry's line.
TEST(ViewPageTest, TheLastCellsSpeedNamesItsRule) {
  Scenario s;
  s.line_key = "L";
  s.train_key = "T";
  std::vector<SourceEntry> records;
  MemorySourceFiles files(testing::LineFile({"pendenza, 0, 3"}),
                          testing::TrainFile({"velocita, 0, 100", "velocita, 2000, 80"}));
  memorizza_percorso(s, true, files, &records);
  ASSERT_EQ(s.diagnostic.stato, 0);
  ViewScenario v = ViewOfModel(s, records);
  const int64_t last = LastCellSpeedDrop(v, RecordIndex(v.entries));
  ASSERT_GT(last, 0);
  std::string page = RenderViewPage(v);
  size_t table = page.find("id=\"speed-table\"");
  size_t row = page.find("<tr data-m=\"" + std::to_string(last) + "\"", table);
  ASSERT_NE(row, std::string::npos);
  std::string line = page.substr(row, page.find("</tr>", row) - row);
  EXPECT_NE(line.find("<td class=\"src rule\">" + std::string(kLastCellSpeedRule) + "</td>"),
            std::string::npos)
      << line;
  EXPECT_NE(Data(page).find("\"speedRule\":[" + std::to_string(last) + ",\""), std::string::npos);
}

TEST(ViewPageTest, FromSourcesTheTooltipsTellTheLinesAsWritten) {
  Scenario s;
  s.line_key = "L";
  s.train_key = "T";
  std::vector<SourceEntry> records;
  MemorySourceFiles files(
      testing::LineFile({"cartello_indicatore, 3000, (PONTE)",
                         "indicatori_vmax, 5000, 105, 115, 120, 1, , , , 2"}),
      testing::TrainFile({"segnale, 2100, 2, 4, 1, 0, 3, 1, 2, 0, 0, 50",
                          "rallentamento, 9000, 40, 500, 7, 1, 30", "abbattimento, 12000, AC",
                          testing::Station(20000, 12, 500, "ALFA<1>")}));
  memorizza_percorso(s, true, files, &records);
  ASSERT_EQ(s.diagnostic.stato, 0);
  std::string data = Data(RenderViewPage(ViewOfModel(s, records)));
  EXPECT_EQ(Tips(data, "signal sx2 right"),
            std::vector<std::string>{
                "signal at km 2.100\\nposizione 2100 m\\nsx 2 \u00b7 s1 4 \u00b7 s2 1 \u00b7 s3 0 "
                "\u00b7 rapp 3\\ndx 1 \u00b7 d1 2 \u00b7 d2 0 \u00b7 d3 0 \u00b7 tempo "
                "50\\ntreno-.txt:2\\ncell 43: tipo 1, dato1 42, dato2 10, dato3 0, dato4 37, "
                "tempo 101, avviso 0"});
  EXPECT_EQ(Tips(data, "text-board"),
            std::vector<std::string>{"text board at km 3.000\\nposizione 3000 m\\ntext "
                                     "(PONTE)\\nlinea.txt:4\\ncell 61: tipo 14, dato1 80, dato2 "
                                     "0, dato3 0, dato4 0, tempo 0, avviso 0"});
  EXPECT_NE(data.find("\"speed board at km 5.000\\nposizione 5000 m\\nvas 105 km/h \u00b7 vbs "
                      "115 km/h \u00b7 vcs 120 km/h \u00b7 strisces 1\\nvad 0 km/h \u00b7 vbd 0 "
                      "km/h \u00b7 vcd 0 km/h \u00b7 strisced 2\\nlinea.txt:5\\n"),
            std::string::npos);
  EXPECT_NE(data.find("\"slowdown at km 9.000\\nx 9000 m \u00b7 v 40 km/h \u00b7 l 500 m\\nf_tt 7 "
                      "\u00b7 f_ta 1 \u00b7 d_v 30\\ntreno-.txt:3\""),
            std::string::npos);
  EXPECT_NE(data.find("\"slowdown warning board at km 7.800\\nv 40 km/h \u00b7 d_v 30\\nfor the "
                      "slowdown at x 9000 m\\ntreno-.txt:3\\n"),
            std::string::npos);
  EXPECT_NE(data.find("[12000,\"marker cut-off\",\"\",\"cut-off (abbattimento) at km "
                      "12.000\\nposizione 12000 m \u00b7 value 0\\ntreno-.txt:4\\n"),
            std::string::npos);
  EXPECT_NE(data.find("\"station ALFA\\u003c1> at km 20.000\\nposizione 20000 m \u00b7 tipo "
                      "12\\nlength 500 m\\n"),
            std::string::npos);
  EXPECT_NE(data.find("treno-.txt:5\"]"), std::string::npos);
  // No "<" stands in the data block: it cannot end its element.
  EXPECT_EQ(data.find('<'), std::string::npos);
}

// A signal on a cell that a slowdown before it would take had it placed its
// warning board or numbered cells: the slowdown placed neither, and the signal's
// tooltip still names its own line.
TEST(ViewPageTest, ASignalKeepsItsLineWhereASlowdownPlacedNothing) {
  struct Case {
    const char* what;
    const char* slowdown;
    const char* signal;
  };
  const Case cases[] = {
      {"no warning board before 1500 m", "rallentamento, 1400, 40, 500, 7, 1, 0",
       "segnale, 200, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0"},
      {"no numbered cells with f_ta 0", "rallentamento, 9000, 40, 500, 7, 0, 0",
       "segnale, 7700, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Scenario s;
    s.line_key = "L";
    s.train_key = "T";
    std::vector<SourceEntry> records;
    MemorySourceFiles files(testing::LineFile({}), testing::TrainFile({c.slowdown, c.signal}));
    memorizza_percorso(s, true, files, &records);
    ASSERT_EQ(s.diagnostic.stato, 0);
    std::vector<std::string> tips =
        Tips(Data(RenderViewPage(ViewOfModel(s, records))), "signal sx1");
    ASSERT_EQ(tips.size(), 1u);
    EXPECT_NE(tips[0].find("\\ntreno-.txt:3\\ncell "), std::string::npos) << tips[0];
    EXPECT_EQ(tips[0].find("read back"), std::string::npos) << tips[0];
  }
}

TEST(ViewPageTest, BoardTextsReadWithoutTheirParentheses) {
  struct Case {
    const char* text;
    const char* reading;
  };
  const Case cases[] = {
      {"(GALLERIA )(APPENNINO)(Km 18+510)", "GALLERIA / APPENNINO / Km 18+510"},
      {"(PONTE)", "PONTE"},
      {" ( VIADOTTO ) ( SETTA ) ", "VIADOTTO / SETTA"},
      {"()( A )", "A"},
      {"PONTE (SETTA)", "PONTE (SETTA)"},
      {"(A(B))", "(A(B))"},
      {"(open", "(open"},
      {"  plain  ", "plain"},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(BoardReading(c.text), c.reading);
  }
}

/// The tables of a page, each as the text of its rows: cells joined by "|".
std::vector<std::string> TableRows(const std::string& page, const std::string& id) {
  size_t a = page.find("<table id=\"" + id + "\"");
  if (a == std::string::npos) return {};
  std::string table = page.substr(a, page.find("</table>", a) - a);
  std::vector<std::string> rows;
  for (const std::string& row : All(table, "(<tr data-m=[^\n]*</tr>)")) {
    std::string text = std::regex_replace(row, std::regex("</td><td[^>]*>"), "|");
    rows.push_back(std::regex_replace(text, std::regex("<[^>]*>"), ""));
  }
  return rows;
}

// From sources every feature has a row with its kilometre, its values as
// written and its source line, the path as given; the kilometre links to the
// chart.
TEST(ViewPageTest, TablesTellEveryFeatureWithItsSourceLine) {
  Scenario s;
  s.line_key = "L";
  s.train_key = "T";
  std::vector<SourceEntry> records;
  MemorySourceFiles files(
      testing::LineFile(
          {"pendenza, 0, 3", "pendenza, 4000, -2", "cartello_indicatore, 3000, (PONTE)",
           "indicatori_vmax, 5000, 105, 115, 120, 1, , , , 2", "[montagne]",
           "montagna, 6000, 6400, 2"},
          9000),
      testing::TrainFile(
          {"velocita, 0, 100", "velocita, 2000, 80", "segnale, 2100, 2, 4, 1, 0, 3, 1, 2, 0, 0, 50",
           "rallentamento, 7000, 40, 500, 7, 1, 30", testing::Station(1000, 12, 500, "ALFA")}));
  memorizza_percorso(s, true, files, &records);
  ASSERT_EQ(s.diagnostic.stato, 0);
  std::string page = RenderViewPage(ViewOfModel(s, records));
  EXPECT_EQ(TableRows(page, "signal-table"),
            std::vector<std::string>{"2.100|2|4|1|0|3|1|2|0|0|50|treno-.txt:4"});
  EXPECT_NE(page.find("<tr data-m=\"2100\"><td><a href=\"#km=1.1-3.1\">2.100</a></td><td>2</td>"),
            std::string::npos);
  EXPECT_EQ(TableRows(page, "slowdown-table"),
            std::vector<std::string>{"7.000|7.500|40|500|7|1|30|treno-.txt:5"});
  EXPECT_EQ(TableRows(page, "station-table"),
            std::vector<std::string>{"1.000|ALFA|12|0.750 to 1.250|1.150||1|treno-.txt:6"});
  EXPECT_EQ(TableRows(page, "text-board-table"),
            std::vector<std::string>{"3.000|PONTE|80|linea.txt:6"});
  EXPECT_EQ(TableRows(page, "speed-board-table"),
            std::vector<std::string>{"5.000|105/0|115/0|120/0|1/2|linea.txt:7"});
  std::vector<std::string> speeds = TableRows(page, "speed-table");
  ASSERT_GE(speeds.size(), 2u);
  EXPECT_EQ(speeds[0], "0.000|100||treno-.txt:2");
  // A change of the profile lies on the cell before its entry's position.
  EXPECT_EQ(speeds[1], "1.950|80|-20|treno-.txt:3");
  std::vector<std::string> gradients = TableRows(page, "gradient-table");
  ASSERT_GE(gradients.size(), 2u);
  EXPECT_EQ(gradients[0], "0.000|+3||linea.txt:4");
  EXPECT_EQ(gradients[1], "3.950|-2|-5|linea.txt:5");
  EXPECT_EQ(TableRows(page, "terrain-table"),
            std::vector<std::string>{"6.000|6.400|terrain|2|linea.txt:9"});
  EXPECT_NE(page.find("<h3 id=\"signal-table-title\">Signals <span class=\"count\">(1)</span>"),
            std::string::npos);
  // The route ends at 9000 m; its cells run on to 16000.
  EXPECT_NE(Data(page).find(",\"routeEnd\":9000}"), std::string::npos);
}

// A status that stops the reading is said above everything, with its place:
// what follows it in the sources is not on the page. A status that only ends
// the reading of its own file says so.
TEST(ViewPageTest, AStoppedCompileSaysWhere) {
  struct Case {
    std::vector<std::string> train;
    std::string banner;
  };
  const Case cases[] = {
      {{"segnale, 2100, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0",
        "segnale, 2100, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0",
        "segnale, 5000, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0"},
       "<strong>the compile stopped at <code>treno-.txt:3</code>: entries after it are not "
       "drawn</strong><span class=\"banner-why\"> (status 16: signal cell already taken)</span>"},
      {{"segnale, 95000, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0"},
       "<strong>the reading of its file stopped at <code>treno-.txt:2</code>: entries after it in "
       "that file are not drawn</strong>"},
      {{"segnale, 2100, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0"}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.banner);
    Scenario s;
    s.line_key = "L";
    s.train_key = "T";
    std::vector<SourceEntry> records;
    MemorySourceFiles files(testing::LineFile({}, 9000), testing::TrainFile(c.train));
    memorizza_percorso(s, true, files, &records);
    std::string page = RenderViewPage(ViewOfModel(s, records));
    if (c.banner.empty()) {
      EXPECT_EQ(page.find("id=\"stopped\""), std::string::npos);
    } else {
      EXPECT_NE(page.find(c.banner), std::string::npos);
    }
  }
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
  std::string data = Data(page);
  EXPECT_EQ(All(data, "\"station (.+?) at km "),
            (std::vector<std::string>{"A\\u003cB&C\u00e8", "Z", "(slot 3)"}));
  EXPECT_NE(page.find("<h1>Line Lin\u00e8, train 1</h1>"), std::string::npos);
  EXPECT_NE(page.find("class=\"no-plan\""), std::string::npos);
  EXPECT_NE(data.find("\"plan\":null"), std::string::npos);
  // The board's text as it reads, in its table.
  EXPECT_NE(page.find("<td class=\"t\">BOARD &quot;1&quot;</td>"), std::string::npos);
  // Cells 0 to 39: the axis ends at the metres of the last cell.
  EXPECT_NE(data.find("{\"axis\":1900,"), std::string::npos);
  EXPECT_EQ(Tips(data, "signal sx-other"),
            std::vector<std::string>{
                "signal at km 0.550\\nposizione 550 m\\nsx 0 \u00b7 s1 4 \u00b7 s2 0 \u00b7 s3 0 "
                "\u00b7 rapp 0\\ndx 0 \u00b7 d1 1 \u00b7 d2 0 \u00b7 d3 0 \u00b7 tempo 0\\n(values "
                "read back from the cells)\\ncell 12: tipo 1, dato1 41, dato2 0, dato3 0, dato4 "
                "0, tempo 0, avviso 0"});
}

TEST(ViewPageTest, DiagnosticsAreListedAndLinkedToTheirKilometre) {
  ViewScenario v;
  v.line_key = "L";
  v.train_key = "T";
  v.celle.resize(400);
  v.diagnostics = {
      {"error", "t-.txt:4:1", "status 16, position 15400 m: <taken>", 15400, {}, "status 16"},
      {"note", "t-.txt:3:1", "taken here", std::nullopt, {}, ""},
      {"warning", "", "no place", std::nullopt, {}, "odd-speed"}};
  std::string page = RenderViewPage(v);
  EXPECT_NE(page.find("<h2 id=\"diagnostics-title\">1 error, 1 warning found by the check</h2>"),
            std::string::npos);
  // Each message in the group of its name, a note inside the message it
  // explains.
  EXPECT_NE(page.find("<details class=\"diagnostic-group error\" data-group=\"status 16\" "
                      "data-count=\"1\" open><summary>1 error, status 16: "),
            std::string::npos);
  EXPECT_NE(page.find("<li class=\"diagnostic error\" data-index=\"0\"><code "
                      "class=\"place\">t-.txt:4:1</code>: <b>error:</b> status 16, position "
                      "15400 m: &lt;taken&gt; <a class=\"goto\" href=\"#km=14.4-16.4\">km "
                      "15.400</a><ul class=\"notes\"><li class=\"diagnostic note\" "
                      "data-index=\"1\"><code class=\"place\">t-.txt:3:1</code>: <b>note:</b> "
                      "taken here</li></ul></li>"),
            std::string::npos);
  EXPECT_NE(page.find("<summary>1 warning <code>[-Wodd-speed]</code></summary>\n<ul>\n<li "
                      "class=\"diagnostic warning\" data-index=\"2\"><b>warning:</b> no "
                      "place</li>"),
            std::string::npos);

  EXPECT_NE(
      Data(page).find("\"diagnostics\":[[\"error\",\"t-.txt:4:1\",\"status 16, position "
                      "15400 m: \\u003ctaken>\",15400,\"status 16\"],[\"note\",\"t-.txt:3:1\","
                      "\"taken here\",null,\"\"],[\"warning\",\"\",\"no place\",null,"
                      "\"odd-speed\"]]"),
      std::string::npos);
  // A warning at an entry that has a position is put there.
  v.entries.push_back({{"t-.txt", 7, 1}, "segnale", EntryKind::kSignal, {3500}, "", {}, 0});
  v.diagnostics = {{"warning", "t-.txt:7:12", "odd", std::nullopt, {"t-.txt", 7, 12}, "odd"}};
  page = RenderViewPage(v);
  EXPECT_NE(page.find("<b>warning:</b> odd <a class=\"goto\" href=\"#km=2.5-4.5\">km 3.500</a>"),
            std::string::npos);
  EXPECT_NE(Data(page).find("\"diagnostics\":[[\"warning\",\"t-.txt:7:12\",\"odd\",3500,"
                            "\"odd\"]]"),
            std::string::npos);
}

// Many messages: grouped by name with their counts, the groups closed.
TEST(ViewPageTest, ManyDiagnosticsAreGroupedAndClosed) {
  ViewScenario v;
  v.line_key = "L";
  v.train_key = "T";
  v.celle.resize(400);
  for (int i = 0; i < 30; ++i) {
    v.diagnostics.push_back({"warning",
                             "l.txt:" + std::to_string(i + 1) + ":1",
                             "w",
                             std::nullopt,
                             {},
                             i % 3 == 0 ? "a" : "b"});
  }
  v.diagnostics.push_back({"error", "t.txt:2:1", "e", std::nullopt, {}, "status 25"});
  std::string page = RenderViewPage(v);
  EXPECT_NE(page.find("1 error, 30 warnings found by the check"), std::string::npos);
  EXPECT_NE(page.find("data-group=\"a\" data-count=\"10\"><summary>10 warnings "
                      "<code>[-Wa]</code>"),
            std::string::npos);
  EXPECT_NE(page.find("data-group=\"b\" data-count=\"20\"><summary>20 warnings"),
            std::string::npos);
  EXPECT_NE(page.find("data-group=\"status 25\" data-count=\"1\"><summary>1 error"),
            std::string::npos);
  EXPECT_EQ(page.find(" open><summary>"), std::string::npos);
  EXPECT_NE(page.find("id=\"diagnostics-open\""), std::string::npos);
}

TEST(ViewPageTest, ALongRouteStaysSmall) {
  Scenario s = testing::GeneratedScenario(1000);
  std::string page = RenderViewPage(ViewOfModel(s));
  EXPECT_LE(page.size(), 1000000u);
  std::vector<std::string> points = All(page, "id=\"plan\"[^>]* data-points=\"([0-9]+)\"");
  ASSERT_EQ(points.size(), 1u);
  EXPECT_LE(std::stoul(points[0]), 3001u);
  // Every signal is in the data, each with its own tooltip.
  size_t signals = static_cast<size_t>(
      std::count_if(s.celle.begin(), s.celle.end(), [](const cella& c) { return c.tipo == 1; }));
  std::string data = Data(page);
  EXPECT_EQ(Tips(data, "signal sx1 right").size() + Tips(data, "signal sx2 right").size(), signals);
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
  /// The compiled files of `s`, named by its keys or by the names given.
  void Write(const Scenario& s, std::string line_name = "", std::string train_name = "") {
    if (line_name.empty()) line_name = s.line_key;
    if (train_name.empty()) train_name = s.train_key;
    RealDisk disk;
    std::string err;
    ASSERT_TRUE(WriteCompiledFiles(disk, s, NameFiles(dir_.path(), line_name, train_name), &err))
        << err;
  }
  TempDir dir_;
};

TEST_F(ViewCommandTest, WritesThePageBesideTheFiles) {
  Write(testing::BuiltinScenario());
  Outcome r = View({"--dir", dir_.path()});
  ASSERT_EQ(r.status, 0) << r.err;
  std::string path = dir_.file("Pianura_Crinale_2731.html");
  EXPECT_EQ(r.err, "percorso: wrote " + path + "\n");
  EXPECT_EQ(r.out, "");
  std::string page = testing::ReadBytes(path);
  EXPECT_EQ(All(Data(page), "\"station (.+?) at km ").size(), 16u);
  EXPECT_EQ(page, RenderViewPage(ViewOfModel(testing::BuiltinScenario())));
}

TEST_F(ViewCommandTest, AsksForTheKeysWhenSeveralScenariosAreThere) {
  Scenario a = testing::BuiltinScenario();
  Write(a);
  a.train_key = "9";
  a.j = 0;  // the same line: its geometry file is already there
  Write(a);
  Outcome r = View({"--dir", dir_.path()});
  EXPECT_EQ(r.status, 2);
  // The key pairs are the whole message: no usage text follows them.
  EXPECT_EQ(r.err, "percorso: several compiled scenarios in " + dir_.path() +
                       "; choose one with the keys:\n"
                       "  --line-key Pianura_Crinale --train-key 2731\n"
                       "  --line-key Pianura_Crinale --train-key 9\n");

  std::string page = dir_.file("page.html");
  r = View({"--dir", dir_.path(), "--train-key", "9", "-o", page});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(testing::ReadBytes(page).find("<h1>Line Pianura_Crinale, train 9</h1>"),
            std::string::npos);
}

TEST_F(ViewCommandTest, KeysAreGivenInUtf8AndNamedByTheirCharacters) {
  Scenario s = testing::BuiltinScenario();
  s.line_key = "Citt\xE0";
  s.train_key = "1";
  // The files are named with the key's characters; the model keeps its bytes.
  Write(s, "Citt\u00e0", "1");
  Outcome r = View({"--dir", dir_.path(), "--line-key", "Citt\u00e0", "--train-key", "1"});
  ASSERT_EQ(r.status, 0) << r.err;
  std::string page = testing::ReadBytes(dir_.file("Citt\u00e0_1.html"));
  EXPECT_NE(page.find("<h1>Line Citt\u00e0, train 1</h1>"), std::string::npos);
  // Found from the file names alone too.
  r = View({"--dir", dir_.path(), "-o", dir_.file("found.html")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(testing::ReadBytes(dir_.file("found.html")), page);

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

TEST_F(ViewCommandTest, TheDashWritesThePageToStandardOutput) {
  Write(testing::BuiltinScenario());
  Outcome r = View({"--dir", dir_.path(), "-o", "-"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, RenderViewPage(ViewOfModel(testing::BuiltinScenario())));
  EXPECT_EQ(dir_.List().size(), 3u);
}

// Only a regular file (or a link, replaced as a link) takes the page: a FIFO,
// a device or a directory of that name is refused and stays.
TEST_F(ViewCommandTest, APageIsNeverWrittenOverSomethingElse) {
#ifdef _WIN32
  GTEST_SKIP() << "FIFOs are POSIX";
#else
  Write(testing::BuiltinScenario());
  ASSERT_EQ(mkfifo(dir_.file("fifo").c_str(), 0644), 0);
  Outcome r = View({"--dir", dir_.path(), "-o", dir_.file("fifo")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err,
            "percorso: " + dir_.file("fifo") + ": cannot replace: a FIFO, not a regular file\n");
  struct stat st;
  ASSERT_EQ(lstat(dir_.file("fifo").c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_EQ(dir_.List().size(), 4u);
#endif
}

TEST_F(ViewCommandTest, FromSourcesWritesOnlyThePageWithTheCompileMessages) {
  std::string line = dir_.file("Prova_linea.txt"), train = dir_.file("Prova_5-.txt");
  testing::WriteBytes(line, testing::LineFile({"pendenza, 0, 3"}));
  testing::WriteBytes(train, testing::TrainFile({"segnale, 2100, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0"}));
  Outcome r = View({"--line", line, "--train", train, "--dir", dir_.path(), "-q"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  std::string page = testing::ReadBytes(dir_.file("Prova_5.html"));
  EXPECT_EQ(page.find("id=\"diagnostics\""), std::string::npos);
  // The page's data escapes the backslashes of a Windows path.
  std::string shown = testing::ReplaceAll(train, "\\", "\\\\");
  EXPECT_NE(Data(page).find(shown + ":2\\ncell 43"), std::string::npos);
  EXPECT_EQ(dir_.List(),
            (std::vector<std::string>{"Prova_5-.txt", "Prova_5.html", "Prova_linea.txt"}));

  // A second signal on the same cell: status 16 at its line, on the page and
  // on standard error, and the exit status of a compile that is not clean.
  testing::WriteBytes(train, testing::TrainFile({"segnale, 2100, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0",
                                                 "segnale, 2100, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0"}));
  std::string out = dir_.file("page.html");
  r = View({"--line", line, "--train", train, "-o", out, "--quiet"});
  EXPECT_EQ(r.status, 3);
  EXPECT_TRUE(r.err.starts_with(
      train + ":3:10: error: signal cell already taken [status 16, position 2100 m]\n"))
      << r.err;
  page = testing::ReadBytes(out);
  // In the words of the report on standard error, the path as given.
  EXPECT_NE(page.find(">" + train +
                      ":3:10</code>: <b>error:</b> signal cell already taken [status 16, "
                      "position 2100 m] <a class=\"goto\" href=\"#km=1.1-3.1\">km 2.100</a>"),
            std::string::npos);

  // The note that explains the conflict follows it on the page.
  EXPECT_NE(page.find("<b>note:</b>"), std::string::npos);

  // A warning alone: listed on the page, and the compile is still clean.
  testing::WriteBytes(train, testing::TrainFile({"segnalle, 2100, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0"}));
  r = View({"--line", line, "--train", train, "-o", out});
  EXPECT_EQ(r.status, 0) << r.err;
  page = testing::ReadBytes(out);
  EXPECT_NE(page.find("Prova_5-.txt:2:1</code>: <b>warning:</b>"), std::string::npos);

  r = View({"--line", line});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.err.starts_with("percorso: view needs --line and --train")) << r.err;
}

// The page lists what check finds, every error and not only the one that
// stopped the compile; standard error keeps the compile's report. With
// --editor the page carries the address and each source's absolute path.
TEST_F(ViewCommandTest, FromSourcesListsEverythingTheCheckFinds) {
  std::string line = dir_.file("Prova_linea.txt"), train = dir_.file("Prova_5-.txt");
  testing::WriteBytes(line, testing::LineFile({"pendenza, 0, 3"}));
  testing::WriteBytes(train, testing::TrainFile({"segnale, 2100, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0",
                                                 "segnale, 2100, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0",
                                                 "segnale, 3100, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0",
                                                 "segnale, 3100, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0"}));
  std::string out = dir_.file("page.html");
  Outcome r = View({"--line", line, "--train", train, "-o", out, "-q", "--editor",
                    "vscode://file{path}:{line}:{column}"});
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(r.err.find(":5:"), std::string::npos) << r.err;
  std::string page = testing::ReadBytes(out);
  EXPECT_NE(page.find("2 errors, 0 warnings found by the check"), std::string::npos);
  EXPECT_NE(page.find("data-group=\"status 16\" data-count=\"2\""), std::string::npos);
  EXPECT_NE(page.find(train + ":5:10</code>: <b>error:</b>"), std::string::npos);
  std::string shown = testing::ReplaceAll(train, "\\", "\\\\");
  EXPECT_NE(Data(page).find("\"editor\":{\"url\":\"vscode://file{path}:{line}:{column}\","
                            "\"paths\":{"),
            std::string::npos);
  EXPECT_NE(Data(page).find("\"" + shown + "\":\"" + shown + "\""), std::string::npos);
}

// The page written, view reports on standard error and exits as compile does
// on the same files: a missing route length, a fatal header error (its
// " Errore n. " line first, then the entry behind it), a conflict.
TEST_F(ViewCommandTest, FromSourcesReportsAsCompileDoes) {
  struct Case {
    std::string linea, treno;
    int status;
    std::string first_error;
  };
  const std::string line = dir_.file("L_linea.txt"), train = dir_.file("L_T-.txt");
  const Case cases[] = {
      {testing::Lines({"[generale]", "[tratto]", "[fine]"}), testing::TrainFile({}), 3,
       line + ": error: no route length: nothing to compile\n"},
      {testing::LineFile({}, 9000),
       testing::TrainFile({"segnale,    0,   1, 4, 1,  0, 0,    0,  0,0,0, 0"}), 1,
       " Errore n. 1250\n" + train +
           ":2:1: error: this 'segnale' entry puts its feature on cell 1"},
      {testing::LineFile({}, 9000),
       testing::TrainFile({"segnale, 2100, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0",
                           "segnale, 2100, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0"}),
       3, train + ":3:10: error: signal cell already taken [status 16, position 2100 m]\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first_error);
    Outcome compile = testing::RunOnSources(dir_, "compile", c.linea, c.treno);
    std::string page = dir_.file("page.html");
    Outcome view = testing::RunOnSources(dir_, "view", c.linea, c.treno, {"-o", page, "-q"});
    EXPECT_EQ(view.status, c.status);
    EXPECT_EQ(view.out, "");
    EXPECT_TRUE(view.err.starts_with(c.first_error)) << view.err;
    EXPECT_EQ(view.err, compile.err);
    EXPECT_EQ(view.status, compile.status);
    EXPECT_NE(testing::ReadBytes(page).find("<html"), std::string::npos);
  }
}

}  // namespace
}  // namespace percorso
