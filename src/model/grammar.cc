#include "model/grammar.h"

#include "model/windows1252.h"

namespace percorso {
namespace {

using K = FieldKind;

// What an odd position does, by the margin of its range check.
constexpr std::string_view kPastCells =
    "(position + 100) / 50 past the last cell: status 15, the reading of the file ends";
constexpr std::string_view kBoardSpeed =
    "speeds that are not multiples of 5 blur the code; a code outside 16 bits: status 25";

// The line file's header.
constexpr FieldRule kRouteLength[] = {
    {"route length", K::kInt32, "m",
     "above 1000000: status 1; so far below 0 that no cell is left (about -7000): status 25"}};
constexpr FieldRule kReference[] = {
    {"inizio", K::kInt32, "m", "not a multiple of 50: status 2, once the train file is read"},
    {"fine", K::kInt32, "m", "not a multiple of 50: status 2, once the train file is read"},
    {"posizione", K::kInt32, "", "1: 100 is added to the second value"}};
constexpr FieldRule kBackground[] = {{"background", K::kInt32, "", ""}};
constexpr FieldRule kRepetition[] = {
    {"from", K::kInt32, "m", "not a multiple of 50: status 3"},
    {"to", K::kInt32, "m",
     "not a multiple of 50: status 4; 0 switches the repetition off; before the first: a "
     "warning"}};

// The line file's body.
constexpr FieldRule kGradient[] = {
    {"position", K::kInt32, "m", kPastCells},
    {"gradient", K::kInt32, "",
     "outside -100 to 155: the cells keep the low 8 bits of gradient + 100 (a warning)"}};
constexpr FieldRule kCurve[] = {
    {"start", K::kInt32, "m", kPastCells},
    {"length", K::kInt32, "m",
     "a curve that ends past the geometry or takes it past metre 1000000: status 103"}};
constexpr FieldRule kTerrain[] = {
    {"inizio", K::kInt32, "m", kPastCells},
    {"fine", K::kInt32, "m", "before the start: the stretch sets no cell (a warning)"},
    {"tipo", K::kInt32, "", "above 10: a tunnel, with the code tipo - 10"}};
constexpr FieldRule kSpeedBoard[] = {{"posizione", K::kInt32, "m", kPastCells},
                                     {"vas", K::kInt32, "km/h", kBoardSpeed},
                                     {"vbs", K::kInt32, "km/h", kBoardSpeed},
                                     {"vcs", K::kInt32, "km/h", kBoardSpeed},
                                     {"strisces", K::kInt32, "", ""},
                                     {"vad", K::kInt32, "km/h", kBoardSpeed},
                                     {"vbd", K::kInt32, "km/h", kBoardSpeed},
                                     {"vcd", K::kInt32, "km/h", kBoardSpeed},
                                     {"strisced", K::kInt32, "", ""}};
constexpr FieldRule kTextBoard[] = {{"position", K::kInt32, "m", kPastCells},
                                    {"text", K::kText, "", "longer than 65535 bytes: status 25"}};

// The train file.
constexpr FieldRule kBrakedMass[] = {{"braked mass percentage", K::kInt32, "%", ""}};
constexpr FieldRule kCoaches[] = {{"number of coaches", K::kInt32, "", ""}};
constexpr FieldRule kLineSpeed[] = {
    {"position", K::kInt32, "m", kPastCells},
    {"speed", K::kInt32, "km/h",
     "above 1277: status 25 (the cells keep speed / 5 in 8 bits); above 350, or below 5: a "
     "warning"}};
constexpr FieldRule kAdhesionValue[] = {
    {"position", K::kInt32, "m", kPastCells},
    {"adhesion", K::kInt32, "", "outside 0 to 255: the cells keep its low 8 bits (a warning)"}};
constexpr FieldRule kClock[] = {
    {"hours", K::kInt16, "", ""}, {"minutes", K::kInt16, "", ""}, {"seconds", K::kInt16, "", ""}};
constexpr FieldRule kSand[] = {{"sand", K::kInt16, "", ""}};
constexpr FieldRule kSignal[] = {{"posizione", K::kInt32, "m", kPastCells},
                                 {"sx", K::kInt32, "", ""},
                                 {"s1", K::kInt32, "", ""},
                                 {"s2", K::kInt32, "", ""},
                                 {"s3", K::kInt32, "", ""},
                                 {"rapp", K::kInt32, "", ""},
                                 {"dx", K::kInt32, "", ""},
                                 {"d1", K::kInt32, "", ""},
                                 {"d2", K::kInt32, "", ""},
                                 {"d3", K::kInt32, "", ""},
                                 {"tempo", K::kInt32, "", "used only when sx is 2"}};
constexpr FieldRule kSlowdown[] = {
    {"x", K::kInt32, "m", kPastCells},
    {"v", K::kInt32, "km/h",
     "above 350: a warning; above the line speed where it starts: a warning"},
    {"l", K::kInt32, "m", "below 50: the slowdown has no end cell (a warning)"},
    {"f_tt", K::kInt32, "", ""},
    {"f_ta", K::kInt32, "", "non-zero: four numbered cells before the warning board"},
    {"d_v", K::kInt32, "", "non-zero: numbers the numbered cells"}};
constexpr FieldRule kCutOff[] = {
    {"position", K::kInt32, "m", kPastCells},
    {"value", K::kInt32, "",
     "1 or more: a marker with this value; else, or not a number (AC): a plain cut-off"}};
constexpr FieldRule kStation[] = {
    {"posizione", K::kInt32, "m",
     "not a multiple of 50: status 8; (position + 800) / 50 past the last cell: status 15"},
    {"tipo", K::kByte, "", "25 and above: no stopping mark and no approach codes"},
    {"length", K::kInt32, "m", "not a multiple of 100: status 9"},
    {"marca", K::kByte, "", ""},
    {"opzione4", K::kByte, "", "cleared below a length of 600 m and for the first station"},
    {"opzione3", K::kByte, "",
     "non-zero: the station ends 50 m later; cleared for types 5 to 8 and the first station"},
    {"valore1", K::kInt16, "", ""},
    {"valore2", K::kInt16, "", ""},
    {"opzione1", K::kByte, "", ""},
    {"valore3", K::kInt16, "", ""},
    {"valore4", K::kInt16, "", ""},
    {"valore5", K::kInt16, "", ""},
    {"opzione2", K::kByte, "", ""},
    {"hours", K::kInt32, "", ""},
    {"minutes", K::kInt32, "", ""},
    {"seconds", K::kInt32, "", ""},
    {"name", K::kText, "", "longer than 65535 bytes: status 25"}};

constexpr std::string_view kNearLength[] = {"lunghezza", "percorso"};
constexpr std::string_view kNearReference[] = {"progressiva", "chilometrica"};
constexpr std::string_view kNearBackground[] = {"sfondo"};
constexpr std::string_view kNearRepetition[] = {"ripetizione", "segnali"};
constexpr std::string_view kNearGradient[] = {"pendenza"};
constexpr std::string_view kNearCurve[] = {"curva"};
constexpr std::string_view kNearTerrain[] = {"montagna"};
constexpr std::string_view kNearSpeedBoard[] = {"indicatori"};
constexpr std::string_view kNearTextBoard[] = {"cartello", "indicatore"};
constexpr std::string_view kNearBrakedMass[] = {"massa", "frenata"};
constexpr std::string_view kNearCoaches[] = {"vetture"};
constexpr std::string_view kNearSpeed[] = {"velocita"};
constexpr std::string_view kNearAdhesion[] = {"aderenza"};
constexpr std::string_view kNearClock[] = {"orologio"};
constexpr std::string_view kNearSand[] = {"sabbia"};
constexpr std::string_view kNearSignal[] = {"segnale"};
constexpr std::string_view kNearSlowdown[] = {"rallentamento"};
constexpr std::string_view kNearCutOff[] = {"abbattimento"};
constexpr std::string_view kNearStation[] = {"stazione"};

using G = Grammar;
using E = EntryKind;
using I = KeywordId;
constexpr std::span<const std::string_view> kNoNearWords;

// Each section in the order of its tests; KeywordId follows this order.
constexpr KeywordRule kKeywords[] = {
    {I::kLunghezzaPercorso,
     G::kLineHeader,
     "lunghezza percorso",
     "lunghezza percorso",
     {"percorso", "lunghezza"},
     false,
     std::nullopt,
     kRouteLength,
     "The route length: it sizes the cells and the geometry, and must come before any body line.",
     kNearLength},
    {I::kProgressivaTre,
     G::kLineHeader,
     "progressiva chilometrica tre",
     "progressiva chilometrica tre",
     {"tre", "progressiva"},
     true,
     std::nullopt,
     kReference,
     "The third kilometric reference (slot 81); the three are reordered at the end of the header.",
     kNoNearWords},
    {I::kProgressivaDue,
     G::kLineHeader,
     "progressiva chilometrica due",
     "progressiva chilometrica due",
     {"due", "progressiva"},
     true,
     std::nullopt,
     kReference,
     "The second kilometric reference (slot 82); the three are reordered at the end of the "
     "header.",
     kNoNearWords},
    {I::kProgressivaUno,
     G::kLineHeader,
     "progressiva chilometrica uno",
     "progressiva chilometrica uno",
     {"uno", "progressiva"},
     true,
     std::nullopt,
     kReference,
     "The first kilometric reference (slot 83); the three are reordered at the end of the header.",
     kNearReference},
    {I::kSfondoUno,
     G::kLineHeader,
     "sfondo uno",
     "sfondo uno",
     {"sfondo", "uno"},
     true,
     std::nullopt,
     kBackground,
     "Background one, a value for the simulator (slot 85 inizio).",
     kNearBackground},
    {I::kSfondoDue,
     G::kLineHeader,
     "sfondo due",
     "sfondo due",
     {"sfondo", "due"},
     true,
     std::nullopt,
     kBackground,
     "Background two, a value for the simulator (slot 85 posizione).",
     kNoNearWords},
    {I::kSfondoTre,
     G::kLineHeader,
     "sfondo tre",
     "sfondo tre",
     {"sfondo", "tre"},
     true,
     std::nullopt,
     kBackground,
     "Background three, a value for the simulator (slot 85 fine).",
     kNoNearWords},
    {I::kRipetizioneSegnali,
     G::kLineHeader,
     "ripetizione segnali",
     "ripetizione segnali 4 codici",
     {"segnali", "ripetizione"},
     true,
     std::nullopt,
     kRepetition,
     "The signal repetition stretch; the keyword field also holds its code, 4 or else 9.",
     kNearRepetition},

    {I::kPendenza,
     G::kLineBody,
     "pendenza",
     "pendenza",
     {"pendenza", ""},
     false,
     E::kGradient,
     kGradient,
     "The gradient that holds from this position on.",
     kNearGradient},
    {I::kCurva,
     G::kLineBody,
     "curva",
     "curvas1",
     {"curva", ""},
     false,
     E::kCurve,
     kCurve,
     "A curve of the plan: its class is a digit 1 to 6 of the keyword field, and an s turns it "
     "the other way; read only with the geometry.",
     kNearCurve},
    {I::kMontagna,
     G::kLineBody,
     "montagna",
     "montagna",
     {"montagna", ""},
     false,
     E::kTerrain,
     kTerrain,
     "A terrain or tunnel stretch.",
     kNearTerrain},
    {I::kIndicatoriV,
     G::kLineBody,
     "indicatori_v",
     "indicatori_vmax",
     {"indicatori_v", ""},
     false,
     E::kSpeedBoard,
     kSpeedBoard,
     "A speed-indicator board: three speeds and the stripes of each side.",
     kNearSpeedBoard},
    {I::kCartelloIndicatore,
     G::kLineBody,
     "cartello_indicatore",
     "cartello_indicatore",
     {"cartello", "indicat"},
     false,
     E::kTextBoard,
     kTextBoard,
     "A board with a text, which takes a table slot from 80 downward.",
     kNearTextBoard},

    {I::kMassaFrenata,
     G::kTrain,
     "massa frenata",
     "percentuale massa frenata",
     {"frenata", "massa"},
     false,
     E::kTrainValue,
     kBrakedMass,
     "The train's braked mass percentage (slot 84 inizio).",
     kNearBrakedMass},
    {I::kVetture,
     G::kTrain,
     "vetture",
     "numero vetture",
     {"vetture", ""},
     false,
     E::kTrainValue,
     kCoaches,
     "The number of coaches (slot 84 posizione).",
     kNearCoaches},
    {I::kVelocita,
     G::kTrain,
     "velocita",
     "velocita",
     {"velocit", ""},
     false,
     E::kLineSpeed,
     kLineSpeed,
     "The line speed that holds from this position on.",
     kNearSpeed},
    {I::kAderenza,
     G::kTrain,
     "aderenza",
     "aderenza",
     {"aderenza", ""},
     false,
     E::kAdhesion,
     kAdhesionValue,
     "The adhesion value that holds from this position on.",
     kNearAdhesion},
    {I::kOrologio,
     G::kTrain,
     "orologio",
     "orologio",
     {"orologio", ""},
     false,
     E::kTrainValue,
     kClock,
     "The start clock (slot 86 valore3 to valore5).",
     kNearClock},
    {I::kSabbia,
     G::kTrain,
     "sabbia",
     "sabbia",
     {"sabbia", ""},
     false,
     E::kTrainValue,
     kSand,
     "The train's sand (slot 86 valore1).",
     kNearSand},
    {I::kSegnale,
     G::kTrain,
     "segnale",
     "segnale",
     {"segnale", ""},
     false,
     E::kSignal,
     kSignal,
     "A signal: its left and right indications and values.",
     kNearSignal},
    {I::kRallentamento,
     G::kTrain,
     "rallentamento",
     "rallentamento",
     {"rallentamento", ""},
     false,
     E::kSlowdown,
     kSlowdown,
     "A slowdown: its start, speed and length, and the boards before it.",
     kNearSlowdown},
    {I::kAbbattimento,
     G::kTrain,
     "abbattimento",
     "abbattimento",
     {"abbattimento", ""},
     false,
     E::kCutOff,
     kCutOff,
     "A cut-off point, one cell before a feature at the same position.",
     kNearCutOff},
    {I::kStazione,
     G::kTrain,
     "stazione",
     "stazione",
     {"stazione", ""},
     false,
     E::kStation,
     kStation,
     "A station, which takes the next table slot from 1 upward: its place, type, flags, values, "
     "scheduled time and name.",
     kNearStation},
};

constexpr std::string_view kLineSections[] = {
    "[generale]", "[curve]", "[pendenze]", "[montagne]", "[cartelli]", "[indicazioni]", "[fine]"};
constexpr std::string_view kTrainSections[] = {"[generale]", "[aderenze]",      "[vel_limite]",
                                               "[stazioni]", "[rallentamenti]", "[segnali]",
                                               "[codici]",   "[fine]"};

constexpr CurveClass kCurveClasses[] = {{"1", 0.0001}, {"2", 0.0002}, {"3", 0.0004},
                                        {"4", 0.001},  {"5", 0.002},  {"6", 0.003}};

constexpr RepetitionCodeWord kRepetitionCodes[] = {{"4", 4}, {"9", 9}};

// KeywordId names the rows of the table in order, and each section's rows
// stand together.
constexpr bool RowsInOrder() {
  for (size_t i = 0; i < std::size(kKeywords); ++i) {
    if (static_cast<size_t>(kKeywords[i].id) != i) return false;
    if (i > 0 && kKeywords[i].section < kKeywords[i - 1].section) return false;
  }
  return true;
}
static_assert(RowsInOrder());

bool HasWord(std::string_view field, std::string_view word, bool exact_case) {
  if (word.empty()) return true;
  return exact_case ? field.find(word) != std::string_view::npos
                    : ContainsIgnoringCase(field, word);
}

}  // namespace

std::string_view FieldKindLetter(FieldKind kind) {
  switch (kind) {
    case FieldKind::kInt32:
      return "L";
    case FieldKind::kInt16:
      return "I";
    case FieldKind::kByte:
      return "B";
    case FieldKind::kText:
      return "T";
  }
  return "";
}

std::span<const KeywordRule> Keywords() {
  return kKeywords;
}

std::span<const KeywordRule> KeywordsOf(Grammar section) {
  size_t first = 0;
  while (first < std::size(kKeywords) && kKeywords[first].section != section) ++first;
  size_t end = first;
  while (end < std::size(kKeywords) && kKeywords[end].section == section) ++end;
  return std::span<const KeywordRule>(kKeywords).subspan(first, end - first);
}

const KeywordRule& Keyword(KeywordId id) {
  return kKeywords[static_cast<size_t>(id)];
}

bool Matches(const KeywordRule& keyword, std::string_view field) {
  return HasWord(field, keyword.words[0], keyword.exact_case) &&
         HasWord(field, keyword.words[1], keyword.exact_case);
}

bool Matches(KeywordId id, std::string_view field) {
  return Matches(Keyword(id), field);
}

std::optional<size_t> NumberIndex(EntryKind kind, std::string_view name) {
  if (kind == EntryKind::kTrainValue) return std::nullopt;
  for (const KeywordRule& k : kKeywords) {
    if (k.record != kind) continue;
    size_t index = 0;
    for (const FieldRule& f : k.fields) {
      if (f.kind == FieldKind::kText) continue;
      if (f.name == name) return index;
      ++index;
    }
  }
  return std::nullopt;
}

std::span<const std::string_view> SectionNames(bool line_file) {
  if (line_file) return kLineSections;
  return kTrainSections;
}

std::span<const CurveClass> CurveClasses() {
  return kCurveClasses;
}

std::span<const RepetitionCodeWord> RepetitionCodeWords() {
  return kRepetitionCodes;
}

}  // namespace percorso
