#include "lsp/keyword_help.h"

#include <algorithm>
#include <string>

#include "model/windows1252.h"

namespace percorso {
namespace {

constexpr FieldHelp kLength[] = {{"length", "m", "route length, at most 1000000"}};
constexpr FieldHelp kReference[] = {{"inizio", "m", "start of the reference, a multiple of 50"},
                                    {"fine", "m", "end of the reference, a multiple of 50"},
                                    {"posizione", "m", "kilometre shown at the start"}};
constexpr FieldHelp kBackground[] = {{"value", "", "background code for the simulator"}};
constexpr FieldHelp kRepetition[] = {{"from", "m", "start, a multiple of 50"},
                                     {"to", "m", "end, a multiple of 50; 0: no repetition"}};
constexpr FieldHelp kGradient[] = {{"position", "m", "the gradient holds from here on"},
                                   {"gradient", "per mille", "signed"}};
constexpr FieldHelp kCurve[] = {{"start", "m", "the line runs straight up to here"},
                                {"length", "m", "metres of the curve"}};
constexpr FieldHelp kTerrain[] = {{"inizio", "m", "start of the stretch"},
                                  {"fine", "m", "end of the stretch"},
                                  {"tipo", "", "terrain code; above 10 a tunnel"}};
constexpr FieldHelp kSpeedBoard[] = {
    {"posizione", "m", "where the board stands"},  {"vas", "km/h", "left column, first speed"},
    {"vbs", "km/h", "left column, second speed"},  {"vcs", "km/h", "left column, third speed"},
    {"strisces", "", "stripes on the left"},       {"vad", "km/h", "right column, first speed"},
    {"vbd", "km/h", "right column, second speed"}, {"vcd", "km/h", "right column, third speed"},
    {"strisced", "", "stripes on the right"}};
constexpr FieldHelp kTextBoard[] = {{"position", "m", "where the board stands"},
                                    {"text", "", "the board's text"}};
constexpr FieldHelp kCoaches[] = {{"coaches", "", "number of coaches"}};
constexpr FieldHelp kBraked[] = {{"percentage", "%", "braked mass percentage"}};
constexpr FieldHelp kLineSpeed[] = {{"position", "m", "the speed holds from here on"},
                                    {"speed", "km/h", "line speed"}};
constexpr FieldHelp kAdhesion[] = {{"position", "m", "the adhesion holds from here on"},
                                   {"adhesion", "", "adhesion value for the simulator"}};
constexpr FieldHelp kClock[] = {
    {"hours", "h", "start clock"}, {"minutes", "min", ""}, {"seconds", "s", ""}};
constexpr FieldHelp kSand[] = {{"sand", "", "sand value"}};
constexpr FieldHelp kSignal[] = {{"posizione", "m", "where the signal stands"},
                                 {"sx", "", "left indication (kind of signal)"},
                                 {"s1", "", "left value 1"},
                                 {"s2", "", "left value 2"},
                                 {"s3", "", "left value 3"},
                                 {"rapp", "", "value in the tens of dato4"},
                                 {"dx", "", "right indication; 0: no right side"},
                                 {"d1", "", "right value 1"},
                                 {"d2", "", "right value 2"},
                                 {"d3", "", "right value 3"},
                                 {"tempo", "", "time value, used when sx is 2"}};
constexpr FieldHelp kSlowdown[] = {
    {"x", "m", "start of the slowdown"},
    {"v", "km/h", "speed"},
    {"l", "m", "length"},
    {"f_tt", "", "stored in dato3 of the start and end cells"},
    {"f_ta", "", "non-zero: four numbered cells before the warning board"},
    {"d_v", "", "non-zero: stored in dato2 of the boards"}};
constexpr FieldHelp kCutOff[] = {{"position", "m", "placed one cell before a feature there"},
                                 {"value", "", "1 or more: a marker with this value"}};
constexpr FieldHelp kStation[] = {{"position", "m", "a multiple of 50"},
                                  {"tipo", "", "station type"},
                                  {"length", "m", "a multiple of 100"},
                                  {"marca", "", "flag"},
                                  {"opzione4", "", "flag; cleared when the length is under 600"},
                                  {"opzione3", "", "flag; non-zero: the station ends 50 m later"},
                                  {"valore1", "", "value"},
                                  {"valore2", "", "value"},
                                  {"opzione1", "", "flag"},
                                  {"valore3", "", "value"},
                                  {"valore4", "", "value"},
                                  {"valore5", "", "value"},
                                  {"opzione2", "", "value"},
                                  {"hours", "h", "scheduled time"},
                                  {"minutes", "min", "scheduled time"},
                                  {"seconds", "s", "scheduled time"},
                                  {"name", "", "the station's name"}};

constexpr KeywordHelp kKeywords[] = {
    {"lunghezza percorso", KeywordPlace::kLineHeader, "", "the route length", kLength, false},
    {"progressiva chilometrica tre", KeywordPlace::kLineHeader, "",
     "the third kilometric reference", kReference, false},
    {"progressiva chilometrica due", KeywordPlace::kLineHeader, "",
     "the second kilometric reference", kReference, false},
    {"progressiva chilometrica uno", KeywordPlace::kLineHeader, "",
     "the first kilometric reference", kReference, false},
    {"sfondo uno", KeywordPlace::kLineHeader, "", "background one", kBackground, false},
    {"sfondo due", KeywordPlace::kLineHeader, "", "background two", kBackground, false},
    {"sfondo tre", KeywordPlace::kLineHeader, "", "background three", kBackground, false},
    {"ripetizione segnali 4 codici", KeywordPlace::kLineHeader, "",
     "the signal repetition stretch (code 4 or 9 in the keyword)", kRepetition, false},
    {"pendenza", KeywordPlace::kLineBody, "[pendenze]", "a gradient", kGradient, true},
    {"curva", KeywordPlace::kLineBody, "[curve]",
     "a curve: a digit 1 to 6 gives its strength, 's' turns it left", kCurve, true},
    {"montagna", KeywordPlace::kLineBody, "[montagne]", "a terrain or tunnel stretch", kTerrain,
     true},
    {"indicatori_vmax", KeywordPlace::kLineBody, "[indicazioni]", "a speed-indicator board",
     kSpeedBoard, true},
    {"cartello indicatore", KeywordPlace::kLineBody, "[cartelli]", "a text board", kTextBoard,
     true},
    {"percentuale massa frenata", KeywordPlace::kTrain, "[generale]", "braked mass", kBraked,
     false},
    {"numero vetture", KeywordPlace::kTrain, "[generale]", "the consist", kCoaches, false},
    {"velocita", KeywordPlace::kTrain, "[vel_limite]", "a line speed", kLineSpeed, true},
    {"aderenza", KeywordPlace::kTrain, "[aderenze]", "an adhesion change", kAdhesion, true},
    {"orologio", KeywordPlace::kTrain, "[generale]", "the start clock", kClock, false},
    {"sabbia", KeywordPlace::kTrain, "[generale]", "the sand", kSand, false},
    {"segnale", KeywordPlace::kTrain, "[segnali]", "a signal", kSignal, true},
    {"rallentamento", KeywordPlace::kTrain, "[rallentamenti]", "a slowdown", kSlowdown, true},
    {"abbattimento", KeywordPlace::kTrain, "[codici]", "a cut-off point", kCutOff, true},
    {"stazione", KeywordPlace::kTrain, "[stazioni]", "a station", kStation, true},
};

constexpr std::string_view kLineSections[] = {
    "[generale]", "[curve]", "[pendenze]", "[montagne]", "[cartelli]", "[indicazioni]", "[fine]"};
constexpr std::string_view kTrainSections[] = {"[generale]", "[aderenze]",      "[vel_limite]",
                                               "[stazioni]", "[rallentamenti]", "[segnali]",
                                               "[codici]",   "[fine]"};

/// The words a keyword field must contain for each keyword, in the order of
/// `kKeywords`; the header words are matched with their case.
struct Words {
  std::string_view a, b;
};
constexpr Words kWords[] = {
    {"percorso", "lunghezza"},
    {"tre", "progressiva"},
    {"due", "progressiva"},
    {"uno", "progressiva"},
    {"sfondo", "uno"},
    {"sfondo", "due"},
    {"sfondo", "tre"},
    {"segnali", "ripetizione"},
    {"pendenza", ""},
    {"curva", ""},
    {"montagna", ""},
    {"indicatori_v", ""},
    {"cartello", "indicat"},
    {"frenata", "massa"},
    {"vetture", ""},
    {"velocit", ""},
    {"aderenza", ""},
    {"orologio", ""},
    {"sabbia", ""},
    {"segnale", ""},
    {"rallentamento", ""},
    {"abbattimento", ""},
    {"stazione", ""},
};
static_assert(std::size(kWords) == std::size(kKeywords));

bool Contains(std::string_view field, std::string_view word, bool exact_case) {
  if (word.empty()) return true;
  return exact_case ? field.find(word) != std::string_view::npos
                    : ContainsIgnoringCase(field, word);
}

}  // namespace

std::span<const KeywordHelp> Keywords() {
  return kKeywords;
}

const KeywordHelp* KeywordOfField(std::string_view field, KeywordPlace place) {
  for (size_t i = 0; i < std::size(kKeywords); ++i) {
    const KeywordHelp& k = kKeywords[i];
    if (k.place != place) continue;
    // The length is found in either case; the other header words keep theirs.
    bool exact = place == KeywordPlace::kLineHeader && i > 0;
    if (Contains(field, kWords[i].a, exact) && Contains(field, kWords[i].b, exact)) return &k;
  }
  return nullptr;
}

std::span<const std::string_view> SectionNames(bool line_file) {
  if (line_file) return kLineSections;
  return kTrainSections;
}

}  // namespace percorso
