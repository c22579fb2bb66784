// What a compile and a check tell an author: each warning on a small fixture,
// none on the built-in sources, errors at the field at fault with their notes,
// and a check whose first error is the compile's.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "compiler/compile.h"
#include "model/status.h"
#include "sources/writers.h"
#include "support/source_fixture.h"

namespace percorso {
namespace {

using testing::CompileTexts;
using testing::kSignal;
using testing::LineFile;
using testing::Lines;
using testing::Place;
using testing::Station;
using testing::TrainFile;

const std::string kLine = LineFile({});
const std::string kTrain = TrainFile({});

CompileOutcome CheckTexts(const std::string& linea, const std::string& treno,
                          bool with_geometry = false) {
  MemorySourceFiles files(linea, treno);
  return CheckScenario("L", "T", with_geometry, files);
}

std::vector<Diagnostic> Of(const CompileOutcome& o, Severity severity) {
  std::vector<Diagnostic> out;
  for (const Diagnostic& d : o.diagnostics) {
    if (d.severity == severity) out.push_back(d);
  }
  return out;
}

std::string Join(const std::vector<Diagnostic>& list) {
  std::string out;
  for (const Diagnostic& d : list) out += Place(d.where) + ": " + d.text + "\n";
  return out;
}

TEST(WarningTest, EachWarningOnItsFixture) {
  struct Row {
    const char* name;
    std::string linea;
    std::string treno;
    std::string place;
    std::string text_start;
    bool check_says_the_same = true;
  };
  const Row rows[] = {
      {"misspelled keyword", LineFile({"pendeza, 1000, 2"}), kTrain, "linea.txt:4:1",
       "line ignored: 'pendeza' matches no keyword; did you mean 'pendenza'?"},
      {"a line that looks like a comment", kLine, TrainFile({"# a note"}), "treno-.txt:2:1",
       "line ignored: '# a note' matches no keyword (the files have no comment syntax"},
      {"a keyword behind a comment mark", kLine, TrainFile({"// segnale, 1050" + kSignal}),
       "treno-.txt:2:1", "'// segnale' is read as an entry: the text before its keyword is no"},
      {"a remark field before no keyword", kLine, TrainFile({"-segnale, x, 1"}), "treno-.txt:2:1",
       "line ignored: '-segnale' holds '-' and is passed over as a remark, and 'x' after it"},
      {"a keyword of the other file", LineFile({"segnale, 1050" + kSignal}), kTrain,
       "linea.txt:4:1",
       "line ignored: 'segnale' matches no keyword; this keyword is read only "
       "in the train file"},
      {"fewer values than the keyword reads", kLine,
       TrainFile({"segnale, 1050, 1, 4", "segnale, 2250" + kSignal}), "treno-.txt:2:1",
       "'segnale' reads 11 values, but its line holds 3: the others are taken from the next"},
      {"more values than the keyword reads", kLine, TrainFile({"sabbia, 300, 400"}),
       "treno-.txt:2:14", "extra field '400' after the values of the entry: it is ignored"},
      {"a word for a number", kLine, TrainFile({"sabbia, five"}), "treno-.txt:2:9",
       "'five' is not a whole number: it is not a number and is read as 0"},
      {"a fraction", kLine, TrainFile({"sabbia, 5.5"}), "treno-.txt:2:9",
       "'5.5' is not a whole number: it is read as 6 (rounded"},
      {"a value wider than its member", LineFile({"pendenza, 1000, 200"}), kTrain, "linea.txt:4:17",
       "300 does not fit the cell's 8-bit `pendenza`: it is stored as 44"},
      {"a position past the route's end", LineFile({"pendenza, 9500, 2"}, 9000), kTrain,
       "linea.txt:4:11", "position 9500 m lies past the end of the route, at 9000 m"},
      {"an unknown section", LineFile({"[pendenzze]"}), kTrain, "linea.txt:4:1",
       "unknown section name '[pendenzze]': it is read as nothing; did you mean '[pendenze]'?"},
      {"UTF-8 text", kLine, TrainFile({Station(1000, 30, 200, "CITT\xC3\x80")}), "treno-.txt:2:61",
       "'\xC3\x80' is written in UTF-8, but the file is read as Windows-1252"},
      {"UTF-16 text", kLine, std::string("\xFF\xFE[\0g\0", 6), "treno-.txt:0:0",
       "the file is UTF-16LE: percorso reads Windows-1252 text",
       /*check_says_the_same=*/false},
      {"an empty train file", kLine, "", "treno-.txt:0:0", "the train description file is empty"},
      {"a train file without entries", kLine, kTrain, "treno-.txt:0:0",
       "no entry of the train description file is read"},
      {"a train file without [generale]", kLine, Lines({"segnale, 1050" + kSignal}),
       "treno-.txt:0:0", "no '[generale]' in the train description file: nothing in it is read"},
      {"text before [generale]", Lines({"my line"}) + kLine, kTrain, "linea.txt:1:1",
       "line ignored: 'my line' comes before '[generale]', where nothing is read"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CompileOutcome o = CompileTexts(row.linea, row.treno).outcome;
    EXPECT_TRUE(Of(o, Severity::kError).empty()) << Join(Of(o, Severity::kError));
    std::vector<Diagnostic> warnings = Of(o, Severity::kWarning);
    EXPECT_TRUE(std::any_of(warnings.begin(), warnings.end(), [&](const Diagnostic& w) {
      return Place(w.where) == row.place && w.text.starts_with(row.text_start);
    })) << Join(warnings);
    // A check says the same; there a file that is UTF-16 is an error.
    std::vector<Diagnostic> checked = Of(CheckTexts(row.linea, row.treno), Severity::kWarning);
    if (row.check_says_the_same) {
      EXPECT_EQ(Join(checked), Join(warnings));
    }
  }
}

// The mistakes that compile without a status: each is told at its entry's
// line, with a note at the other line involved, and changes nothing compiled.
TEST(WarningTest, EachSilentMistakeIsToldAtItsLine) {
  struct Row {
    const char* name;
    std::string linea;
    std::string treno;
    std::string place;
    std::string text_start;
    std::string note;  // the first note's place and the start of its text, or empty
    bool with_geometry = false;
  };
  const std::string kHeader = "[generale]\r\nlunghezza percorso, 97000\r\n";
  const Row rows[] = {
      {"a quoted text across a line end", kLine,
       TrainFile({Station(1000, 30, 200, "\"RIVA"), "PORTO\"", "sabbia, 3"}), "treno-.txt:2:57",
       "a quoted text runs across 2 lines, from this quote to line 3: it is one field",
       "treno-.txt:3:6 the quote that closes it"},
      {"a quote never closed", kLine,
       TrainFile({Station(1000, 30, 200, "\"RIVA"), "segnale, 1050" + kSignal}), "treno-.txt:2:57",
       "this quote is never closed: the quoted text runs to the end of the file, over 3 lines",
       "treno-.txt:4:1 the file ends here, inside the quoted text"},
      {"gradients out of order", LineFile({"pendenza, 3000, 1", "pendenza, 1000, 2"}), kTrain,
       "linea.txt:5:1",
       "gradient at 1000 m comes after one at 3000 m: the gradient profile is filled in the "
       "order of the file, so this value holds only from about 3050 m on",
       "linea.txt:4:1 the entry at 3000 m"},
      {"line speeds out of order", kLine,
       TrainFile({"velocita, 0, 100", "velocita, 5000, 120", "velocita, 3000, 80"}),
       "treno-.txt:4:1", "line speed at 3000 m comes after one at 5000 m",
       "treno-.txt:3:1 the entry at 5000 m"},
      {"adhesion out of order", kLine, TrainFile({"aderenza, 4000, 90", "aderenza, 0, 100"}),
       "treno-.txt:3:1", "adhesion at 0 m comes after one at 4000 m",
       "treno-.txt:2:1 the entry at 4000 m"},
      {"curves out of order", LineFile({"curvas2, 3000, 400", "curvad1, 1000, 300"}), kTrain,
       "linea.txt:5:1",
       "curve at 1000 m comes after a curve at 3000 m: the plan is drawn in the order of the "
       "file, so none of it is drawn",
       "linea.txt:4:1 the curve at 3000 m", true},
      {"overlapping curves", LineFile({"curvas2, 1000, 400", "curvad1, 1200, 300"}), kTrain,
       "linea.txt:5:1",
       "curve at 1200 m starts before the previous curve ends, at 1400 m: the curves overlap, "
       "and it is drawn only from metre 1400",
       "linea.txt:4:1 the previous curve, from 1000 m to 1400 m", true},
      {"overlapping slowdowns", kLine,
       TrainFile({"velocita, 0, 150", "rallentamento, 5000, 60, 1000, 0, 0, 60",
                  "rallentamento, 5500, 40, 200, 0, 0, 40"}),
       "treno-.txt:4:1",
       "the slowdown from 5500 m to 5700 m overlaps another, from 5000 m to 6000 m",
       "treno-.txt:3:1 the other slowdown"},
      {"a terrain stretch that ends before it starts", LineFile({"montagna, 5000, 4000, 2"}),
       kTrain, "linea.txt:4:17",
       "the stretch runs from 5000 m to 4000 m: its end lies before its start, and it sets no "
       "cell",
       ""},
      {"a signal repetition that ends before it starts",
       Lines({"[generale]", "lunghezza percorso, 97000",
              "ripetizione segnali 4 codici, 95500, 1050", "[curve]", "[fine]"}),
       kTrain, "linea.txt:3:38",
       "the signal repetition runs from 95500 m to 1050 m: its end lies before its start", ""},
      {"line speeds that do not start at 0", kLine, TrainFile({"velocita, 900, 100"}),
       "treno-.txt:2:1", "the line speeds start at 900 m: the route before it has speed 0", ""},
      {"a line speed of 0", kLine, TrainFile({"velocita, 0, 100", "velocita, 3000, 0"}),
       "treno-.txt:3:17", "line speed 0 km/h is stored as 0: the train cannot run from here on",
       ""},
      {"a line speed no train runs", kLine, TrainFile({"velocita, 0, 400"}), "treno-.txt:2:14",
       "line speed 400 km/h is above any train's (350 km/h at most): is it in km/h?", ""},
      {"a slowdown faster than the line", kLine,
       TrainFile({"velocita, 0, 100", "rallentamento, 5000, 120, 500, 0, 0, 0"}), "treno-.txt:3:22",
       "slowdown speed 120 km/h is above the line speed where it starts, 100 km/h",
       "treno-.txt:2:1 the line speed 100 km/h holds from 0 m on"},
      {"a slowdown speed no train runs", kLine,
       TrainFile({"velocita, 0, 100", "rallentamento, 5000, 400, 500, 0, 0, 0"}), "treno-.txt:3:22",
       "slowdown speed 400 km/h is above any train's (350 km/h at most)", ""},
      {"a slowdown shorter than a cell", kLine,
       TrainFile({"velocita, 0, 150", "rallentamento, 5000, 120, 1, 0, 0, 0"}), "treno-.txt:3:27",
       "the slowdown at 5000 m has no end cell: its length 1 m is shorter than a cell (50 m)", ""},
      {"a file cut short", kLine, Lines({"[generale]", "sabbia, 300", "velocita, 0, 100"}),
       "treno-.txt:3:1", "file ends without [fine]: was it cut short?", ""},
      {"a byte-order mark", "\xEF\xBB\xBF" + kLine, kTrain, "linea.txt:1:1",
       "the file starts with a UTF-8 byte-order mark (BOM); it is read as Windows-1252", ""},
      {"a kilometric reference in km+m",
       Lines({"[generale]", "lunghezza percorso, 97000",
              "progressiva chilometrica uno, 18+510, 0, 0", "[curve]", "[fine]"}),
       kTrain, "linea.txt:3:31",
       "'18+510' is not a whole number: it is not a number and is read as 0; did you mean 18510 "
       "m?",
       ""},
      {"a stopping mark over a feature", kLine,
       TrainFile({"segnale, 2150" + kSignal, Station(2000, 12, 500, "A")}), "treno-.txt:3:1",
       "the stopping mark of this station, one cell before its end at 2250 m, replaces the "
       "feature in its cell",
       "treno-.txt:2:1 cell 44 (about metre 2150) already holds a signal, put there by this "
       "'segnale' entry"},
      {"a route length in kilometres", LineFile({"pendenza, 5000, 2"}, 97), kTrain,
       "linea.txt:4:11", "position 5000 m lies past the end of the route, at 97 m",
       "linea.txt:2:1 the route length is set here; did you mean 97000 m?"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CompileOutcome o = CompileTexts(row.linea, row.treno, row.with_geometry).outcome;
    EXPECT_TRUE(Of(o, Severity::kError).empty()) << Join(Of(o, Severity::kError));
    std::vector<Diagnostic> warnings = Of(o, Severity::kWarning);
    auto found = std::find_if(warnings.begin(), warnings.end(), [&](const Diagnostic& w) {
      return Place(w.where) == row.place && w.text.starts_with(row.text_start);
    });
    ASSERT_NE(found, warnings.end()) << Join(warnings);
    if (!row.note.empty()) {
      ASSERT_FALSE(found->notes.empty());
      const Note& n = found->notes[0];
      EXPECT_TRUE((Place(n.where) + " " + n.text).starts_with(row.note))
          << Place(n.where) << " " << n.text;
    }
    // A check says the same, and the compiled bytes are those of the same
    // sources told nothing.
    EXPECT_EQ(Join(Of(CheckTexts(row.linea, row.treno, row.with_geometry), Severity::kWarning)),
              Join(warnings));
  }
}

TEST(WarningTest, TheNewWarningsStayOffForWellWrittenSources) {
  // Sorted lists, touching (not overlapping) slowdowns and curves, speeds from
  // 0, a slowdown below the line speed: nothing to say.
  const std::string linea =
      LineFile({"pendenza, 0, 1", "pendenza, 2000, 2", "pendenza, 2000, 3", "curvas2, 1000, 400",
                "curvad1, 1400, 300", "montagna, 1000, 2000, 2"});
  const std::string treno = TrainFile(
      {"velocita, 0, 100", "velocita, 3000, 120", "aderenza, 0, 100",
       "rallentamento, 5000, 60, 1000, 0, 0, 60", "rallentamento, 8000, 60, 500, 0, 0, 60"});
  EXPECT_EQ(Join(CompileTexts(linea, treno, true).outcome.diagnostics), "");
}

// The text with each CR LF replaced by `line_end`.
std::string WithLineEnds(const std::string& text, const std::string& line_end) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\r\n") == 0) {
      out += line_end;
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

TEST(WarningTest, TheLineOfARecordThatRanOnIsQuotedAsWritten) {
  // "caff\xE8" is Windows-1252: the note shows it once converted, as UTF-8;
  // the line is found by the line ends that the reader knows.
  for (const std::string line_end : {"\r\n", "\n", "\r"}) {
    SCOPED_TRACE(::testing::PrintToString(line_end));
    const std::string treno = WithLineEnds(TrainFile({"sabbia", "300, caff\xE8"}), line_end);
    for (const CompileOutcome& o : {CompileTexts(kLine, treno).outcome, CheckTexts(kLine, treno)}) {
      std::vector<Diagnostic> warnings = Of(o, Severity::kWarning);
      ASSERT_EQ(warnings.size(), 1u) << Join(warnings);
      ASSERT_EQ(warnings[0].notes.size(), 1u);
      EXPECT_EQ(Place(warnings[0].notes[0].where) + " " + warnings[0].notes[0].text,
                "treno-.txt:3:1 this line, '300, caff\xC3\xA8', is read as values of the entry "
                "above, not as an entry of its own");
    }
  }
}

TEST(WarningTest, UtfEightTextIsPlacedByTheLineEndsThatTheReaderKnows) {
  for (const std::string line_end : {"\r\n", "\n", "\r"}) {
    SCOPED_TRACE(::testing::PrintToString(line_end));
    const std::string treno =
        WithLineEnds(TrainFile({"sabbia, 3", Station(1000, 30, 200, "CITT\xC3\x80")}), line_end);
    std::vector<Diagnostic> warnings = Of(CompileTexts(kLine, treno).outcome, Severity::kWarning);
    ASSERT_EQ(warnings.size(), 1u) << Join(warnings);
    EXPECT_EQ(Place(warnings[0].where), "treno-.txt:3:61");
  }
}

TEST(WarningTest, ATextThatIsNoWholeNumberIsToldAsTheCompileReadsIt) {
  struct Row {
    const char* text;
    int16_t stored;
    std::string how;  // empty: no warning
  };
  const std::string kRounded = " (rounded to the nearest whole number, halves to even)";
  const Row rows[] = {
      {".7", 0, "it is not a number and is read as 0"},
      {"7.", 0, "it is not a number and is read as 0"},
      {"+7.5", 8, "it is read as 8" + kRounded},
      {"-0.5", 0, "it is read as 0" + kRounded},
      {"1e3", 0, "it is not a number and is read as 0"},
      {"7", 7, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    testing::Compiled c = CompileTexts(kLine, TrainFile({std::string("sabbia, ") + row.text}));
    EXPECT_EQ(c.s.voci[kVoceChiaveTreno].valore1, row.stored);
    std::vector<Diagnostic> warnings = Of(c.outcome, Severity::kWarning);
    if (row.how.empty()) {
      EXPECT_TRUE(warnings.empty()) << Join(warnings);
      continue;
    }
    ASSERT_EQ(warnings.size(), 1u) << Join(warnings);
    EXPECT_EQ(warnings[0].text, "'" + std::string(row.text) + "' is not a whole number: " +
                                    row.how + "; write the value in digits");
  }
}

TEST(WarningTest, NoneOnTheBuiltInSources) {
  const std::string linea = BuiltinLineBytes();
  const std::string treno = BuiltinTrainBytes();
  for (bool with_geometry : {true, false}) {
    SCOPED_TRACE(with_geometry);
    EXPECT_EQ(Join(CompileTexts(linea, treno, with_geometry).outcome.diagnostics), "");
    EXPECT_EQ(Join(CheckTexts(linea, treno, with_geometry).diagnostics), "");
  }
}

TEST(WarningTest, CurveLinesWithoutTheGeometryAreNoMistake) {
  const std::string linea = LineFile({"curvas2, 1000, 400"});
  EXPECT_EQ(Join(CompileTexts(linea, TrainFile({"sabbia, 300"})).outcome.diagnostics), "");
  EXPECT_EQ(Join(Of(CompileTexts(linea, kTrain, true).outcome, Severity::kError)), "");
}

TEST(ErrorPlaceTest, ErrorsSayWhyWithNotes) {
  struct Row {
    const char* name;
    std::string linea;
    std::string treno;
    std::string place;
    std::vector<std::string> notes;  // place and the start of each note's text
  };
  const Row rows[] = {
      {"a cell conflict names the entry that holds the cell",
       kLine,
       TrainFile({"segnale, 1050" + kSignal, "indicatori_vmax, 1050, 1,1,1,0,0,0,0,0",
                  "segnale, 1050" + kSignal}),
       "treno-.txt:4:10",
       {"treno-.txt:2:1 cell 22 (about metre 1050) already holds a signal, put there by this "
        "'segnale' entry"}},
      {"a position beyond the cells names the route length",
       LineFile({}, 1000),
       TrainFile({"segnale, 9000" + kSignal}),
       "treno-.txt:2:10",
       {"linea.txt:2:1 the route is 1000 m long: its last cell, 160"}},
      {"a value that does not fit names the value",
       kLine,
       TrainFile({"sabbia, 40000"}),
       "treno-.txt:2:9",
       {":0:0 '40000' does not fit -32768 to 32767"}},
      {"a record that ran on is blamed on its own line",
       kLine,
       TrainFile({"stazione, 1000, 12, 500", "stazione, 2000, 12"}),
       "treno-.txt:2:1",
       {"treno-.txt:3:11 '2000' does not fit 0 to 255"}},
      {"too near the previous station names it",
       kLine,
       TrainFile({Station(1000, 12, 500, "A"), Station(1500, 12, 500, "B")}),
       "treno-.txt:3:11",
       {"treno-.txt:2:1 the previous station ends at 1250 m; the next one may start 350 m after"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CompileOutcome o = CompileTexts(row.linea, row.treno).outcome;
    std::vector<Diagnostic> errors = Of(o, Severity::kError);
    ASSERT_EQ(errors.size(), 1u) << Join(o.diagnostics);
    EXPECT_EQ(Place(errors[0].where), row.place);
    ASSERT_EQ(errors[0].notes.size(), row.notes.size());
    for (size_t i = 0; i < row.notes.size(); ++i) {
      const Note& n = errors[0].notes[i];
      std::string got = (n.where.file.empty() ? ":0:0" : Place(n.where)) + " " + n.text;
      EXPECT_TRUE(got.starts_with(row.notes[i])) << got;
    }
  }
}

// The statuses of the markers and of the references are told at the entry
// that caused them, with a note for each other entry and cell involved.
TEST(ErrorPlaceTest, MarkerAndReferenceErrorsNameTheirEntries) {
  auto board = [](int metre) {
    return "indicatori_vmax, " + std::to_string(metre) + ", 100,100,100,0,0,0,0,0";
  };
  struct Row {
    const char* name;
    std::string linea;
    std::string treno;
    int stato;
    std::string error;               // place and the start of the text
    std::vector<std::string> notes;  // place and the start of each note's text
  };
  const Row rows[] = {
      {"11: no room before a signal ahead of a warning board",
       LineFile({board(3400), board(3350)}),
       TrainFile({"velocita, 0, 150", "segnale, 3450" + kSignal,
                  "rallentamento, 5000, 120, 500, 0, 0, 0"}),
       11,
       "treno-.txt:3:1 no free cell for a marker in either of the two cells before this signal, "
       "which stands 350 m before a slowdown's warning board",
       {"treno-.txt:4:1 the warning board of this slowdown, about metre 3800",
        "linea.txt:4:1 cell 69 (about metre 3400) already holds a speed-indicator board, put "
        "there by this 'indicatori_vmax' entry",
        "linea.txt:5:1 cell 68 (about metre 3350)"}},
      {"12: no room in a window before a slowdown",
       kLine,
       TrainFile({"velocita, 0, 150", "segnale, 4750" + kSignal, "segnale, 4700" + kSignal,
                  "segnale, 4650" + kSignal, "rallentamento, 5000, 120, 500, 0, 0, 0"}),
       12,
       "treno-.txt:6:1 no free cell for a marker 250 to 350 m before the start of this slowdown",
       {"treno-.txt:3:1 cell 96 (about metre 4750) already holds a signal",
        "treno-.txt:4:1 cell 95", "treno-.txt:5:1 cell 94"}},
      {"13: no room inside a slow slowdown",
       LineFile({board(5350), board(5400), board(5450)}),
       TrainFile({"velocita, 0, 150", "rallentamento, 5000, 60, 1000, 0, 0, 60"}),
       13,
       "treno-.txt:3:1 no free cell for a marker about metre 5400, inside this slowdown",
       {"linea.txt:4:1 cell 108", "linea.txt:5:1 cell 109", "linea.txt:6:1 cell 110"}},
      {"13: a slowdown without an end cell",
       LineFile({board(5350), board(5400), board(5450)}),
       TrainFile({"velocita, 0, 150", "rallentamento, 5000, 60, 1, 0, 0, 60"}),
       13,
       "treno-.txt:3:1 no free cell for a marker about metre 5400, inside this slowdown",
       {"treno-.txt:3:1 the slowdown at 5000 m has no end cell: its length 1 m is shorter than a "
        "cell",
        "linea.txt:4:1 cell 108"}},
      {"13: no room before the first signal after a slowdown",
       LineFile({board(5150), board(5100)}),
       TrainFile({"velocita, 0, 150", "segnale, 5200" + kSignal,
                  "rallentamento, 5000, 120, 500, 0, 0, 0"}),
       13,
       "treno-.txt:4:1 no free cell for a marker before the first signal after this slowdown",
       {"treno-.txt:3:1 the first signal within 600 m after the slowdown stands here",
        "linea.txt:4:1 cell 104", "linea.txt:5:1 cell 103"}},
      {"2: a reference not a multiple of 50",
       Lines({"[generale]", "lunghezza percorso, 97000", "progressiva chilometrica uno, 1025, 0, 0",
              "[curve]", "[fine]"}),
       kTrain,
       2,
       "linea.txt:3:1 a kilometric reference value is not a multiple of 50",
       {"linea.txt:3:1 this reference's first value is 1025"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CompileOutcome o = CompileTexts(row.linea, row.treno).outcome;
    std::vector<Diagnostic> errors = Of(o, Severity::kError);
    ASSERT_EQ(errors.size(), 1u) << Join(o.diagnostics);
    const Diagnostic& e = errors[0];
    EXPECT_EQ(e.stato, row.stato);
    const std::string text = e.text.empty() ? std::string(StatusMeaning(e.stato)) : e.text;
    EXPECT_TRUE((Place(e.where) + " " + text).starts_with(row.error))
        << Place(e.where) << " " << text;
    ASSERT_GE(e.notes.size(), row.notes.size());
    for (size_t i = 0; i < row.notes.size(); ++i) {
      const Note& n = e.notes[i];
      const std::string got = (n.where.file.empty() ? ":0:0" : Place(n.where)) + " " + n.text;
      EXPECT_TRUE(got.starts_with(row.notes[i])) << got;
    }
    // The check's first error is the same.
    std::vector<Diagnostic> checked = Of(CheckTexts(row.linea, row.treno), Severity::kError);
    ASSERT_FALSE(checked.empty());
    EXPECT_EQ(checked[0], e);
  }
}

TEST(CheckTest, EntriesPastTheEndAreOneErrorWithACount) {
  // A route length in kilometres puts every later entry past the end: one
  // error, with "did you mean" at the length and the others counted.
  const std::string linea = LineFile({"pendenza, 8000, 1", "pendenza, 9000, 2"}, 97);
  const std::string treno = TrainFile({"velocita, 0, 100", "segnale, 8000" + kSignal,
                                       "segnale, 9000" + kSignal, "segnale, 10000" + kSignal});
  std::vector<Diagnostic> checked = Of(CheckTexts(linea, treno), Severity::kError);
  ASSERT_EQ(checked.size(), 2u) << Join(checked);
  // The compile's own error first, then the first entry past the end.
  EXPECT_EQ(Place(checked[0].where), "treno-.txt:3:10");
  const Diagnostic& first = checked[1];
  EXPECT_EQ(Place(first.where), "linea.txt:4:11");
  ASSERT_EQ(first.notes.size(), 2u);
  EXPECT_EQ(Place(first.notes[0].where), "linea.txt:2:1");
  EXPECT_TRUE(first.notes[0].text.ends_with("; did you mean 97000 m?")) << first.notes[0].text;
  EXPECT_EQ(Place(first.notes[1].where) + " " + first.notes[1].text,
            "treno-.txt:5:10 4 more entries lie past the end of the cells and are left out; the "
            "last of them is here");
}

TEST(ErrorPlaceTest, TheFatalHeaderErrorNamesTheEntryOnCellOne) {
  CompileOutcome o = CompileTexts(kLine, TrainFile({"x", "segnale, 0" + kSignal})).outcome;
  EXPECT_EQ(o.fatal, kFatalHeaderTaken);
  std::vector<Diagnostic> errors = Of(o, Severity::kError);
  ASSERT_FALSE(errors.empty());
  EXPECT_EQ(Place(errors[0].where), "treno-.txt:3:1");
  EXPECT_TRUE(errors[0].text.starts_with("this 'segnale' entry puts its feature on cell 1"));
}

TEST(ErrorPlaceTest, NoRouteLengthIsTheError) {
  for (const std::string& linea : {Lines({"[generale]", "[curve]"}), Lines({"[generale]", ""}),
                                   TrainFile({"segnale, 1050" + kSignal})}) {
    CompileOutcome o = CompileTexts(linea, kTrain).outcome;
    EXPECT_FALSE(o.has_route);
    std::vector<Diagnostic> errors = Of(o, Severity::kError);
    ASSERT_EQ(errors.size(), 1u) << Join(o.diagnostics);
    EXPECT_EQ(Place(errors[0].where) + " " + errors[0].text,
              "linea.txt:0:0 no route length: nothing to compile");
  }
}

TEST(CheckTest, FirstErrorIsTheCompilesAndTheRestFollow) {
  const std::string kTaken = "indicatori_vmax, 1050, 1,1,1,0,0,0,0,0";
  struct Row {
    const char* name;
    std::string linea;
    std::string treno;
    size_t errors;  // what the check finds in all
  };
  const Row rows[] = {
      {"two conflicts", LineFile({kTaken, "indicatori_vmax, 2250, 1,1,1,0,0,0,0,0"}),
       TrainFile({"segnale, 1050" + kSignal, "segnale, 2250" + kSignal}), 2},
      {"a range failure, then a signal that takes it on",
       LineFile({"pendenza, 200000, 1", "pendenza, 300000, 1"}),
       TrainFile({"segnale, 1050" + kSignal}), 2},
      {"a value too wide, then a conflict", kLine,
       TrainFile({"sabbia, 40000", "segnale, 1050" + kSignal, "segnale, 1050" + kSignal}), 2},
      {"a station out of step, then one too near", kLine,
       TrainFile(
           {Station(1025, 12, 500, "A"), Station(3000, 12, 500, "B"), Station(3500, 12, 500, "C")}),
       2},
      {"no [generale]", Lines({"lunghezza percorso, 1000"}), kTrain, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<Diagnostic> compiled =
        Of(CompileTexts(row.linea, row.treno).outcome, Severity::kError);
    std::vector<Diagnostic> checked = Of(CheckTexts(row.linea, row.treno), Severity::kError);
    ASSERT_EQ(compiled.size(), 1u);
    ASSERT_EQ(checked.size(), row.errors) << Join(checked);
    EXPECT_EQ(checked[0], compiled[0]);
  }
}

TEST(CheckTest, ReferencesAtFaultAreOneError) {
  // Two references at fault after a range failure: status 2 replaces 15 once,
  // and the note that says so stays.
  const std::string linea =
      Lines({"[generale]", "lunghezza percorso, 97000", "progressiva chilometrica tre, 0, 25, 0",
             "progressiva chilometrica due, 0, 75, 0", "[curve]", "pendenza, 200000, 1", "[fine]"});
  std::vector<Diagnostic> compiled = Of(CompileTexts(linea, kTrain).outcome, Severity::kError);
  ASSERT_EQ(compiled.size(), 1u) << Join(compiled);
  EXPECT_EQ(compiled[0].stato, 2);
  // Located at the first reference at fault, with a note for each.
  EXPECT_EQ(Place(compiled[0].where), "linea.txt:3:1");
  ASSERT_EQ(compiled[0].notes.size(), 4u);
  EXPECT_EQ(Place(compiled[0].notes[0].where) + " " + compiled[0].notes[0].text,
            "linea.txt:3:1 this reference's second value is 25 (100 is added to it when the "
            "third value is 1)");
  EXPECT_EQ(Place(compiled[0].notes[1].where), "linea.txt:4:1");
  EXPECT_TRUE(compiled[0].notes[3].text.starts_with("status 15 (")) << compiled[0].notes[3].text;
  EXPECT_EQ(Place(compiled[0].notes[3].where), "linea.txt:6:11");

  std::vector<Diagnostic> checked = Of(CheckTexts(linea, kTrain), Severity::kError);
  ASSERT_EQ(checked.size(), 2u) << Join(checked);
  EXPECT_EQ(checked[0], compiled[0]);
  EXPECT_EQ(checked[1].stato, 15);

  // A compile that stops in the train file does not reach the references; a
  // check does, and lists them once.
  const std::string treno = TrainFile({"sabbia, 40000"});
  checked = Of(CheckTexts(linea, treno), Severity::kError);
  ASSERT_EQ(checked.size(), 3u) << Join(checked);
  EXPECT_EQ(checked[0].stato, 25);
  EXPECT_EQ(checked[1].stato, 2);
  EXPECT_EQ(checked[2].stato, 15);
}

TEST(CheckTest, AProfileValueThatCannotBeStoredIsOneError) {
  // After a first error the compile stops; the check reports the speed and
  // the gradient that cannot be stored once each, not at every later entry.
  const std::string kBoard = "indicatori_vmax, 1050, 1,1,1,0,0,0,0,0";
  const std::string linea = LineFile(
      {kBoard, kBoard, "pendenza, 0, 2147483600", "pendenza, 1000, 1", "pendenza, 2000, 2"});
  const std::string treno =
      TrainFile({"velocita, 0, 1300", "velocita, 2000, 30", "velocita, 3000, 40"});
  std::vector<Diagnostic> compiled = Of(CompileTexts(linea, treno).outcome, Severity::kError);
  ASSERT_EQ(compiled.size(), 1u) << Join(compiled);
  EXPECT_EQ(compiled[0].stato, 21);
  std::vector<Diagnostic> checked = Of(CheckTexts(linea, treno), Severity::kError);
  ASSERT_EQ(checked.size(), 3u) << Join(checked);
  EXPECT_EQ(checked[0], compiled[0]);
  EXPECT_EQ(checked[1].stato, 25);
  EXPECT_EQ(Place(checked[1].where), "linea.txt:6:1");
  EXPECT_EQ(checked[2].stato, 25);
  EXPECT_EQ(Place(checked[2].where), "treno-.txt:2:1");
}

TEST(CheckTest, AnEntryLeftOutTakesNoCell) {
  // The first signal fails on the speed board; left out, it does not take the
  // cell of the second, which is clean.
  const std::string linea = LineFile({"indicatori_vmax, 1050, 1,1,1,0,0,0,0,0"});
  const std::string treno = TrainFile({"segnale, 1050" + kSignal, "segnale, 1100" + kSignal});
  std::vector<Diagnostic> errors = Of(CheckTexts(linea, treno), Severity::kError);
  ASSERT_EQ(errors.size(), 1u) << Join(errors);
  EXPECT_EQ(Place(errors[0].where), "treno-.txt:2:10");
}

TEST(CheckTest, AStationLeftOutOwnsNoCell) {
  // Station B is too near A and left out, though its stopping mark was written
  // over the signal's cell 34 first: the later conflict there names the signal.
  const std::string treno = TrainFile({Station(1000, 12, 500, "A"), "segnale, 1650" + kSignal,
                                       Station(1500, 12, 500, "B"), "segnale, 1650" + kSignal});
  std::vector<Diagnostic> errors = Of(CheckTexts(kLine, treno), Severity::kError);
  ASSERT_EQ(errors.size(), 2u) << Join(errors);
  EXPECT_EQ(errors[0].stato, 22);
  EXPECT_EQ(errors[1].stato, 16);
  ASSERT_EQ(errors[1].notes.size(), 1u);
  EXPECT_EQ(Place(errors[1].notes[0].where) + " " + errors[1].notes[0].text,
            "treno-.txt:3:1 cell 34 (about metre 1650) already holds a signal, put there by "
            "this 'segnale' entry");
}

}  // namespace
}  // namespace percorso
