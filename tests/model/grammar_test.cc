#include "model/grammar.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace percorso {
namespace {

std::vector<std::string> FormatLines() {
  std::ifstream in(std::string(PERCORSO_TEST_DATA) + "/../../docs/format.md");
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

bool IsWordByte(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// `word` stands in `text` with no letter, digit or underscore on either side.
bool HasWholeWord(const std::string& text, std::string_view word) {
  for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
    const size_t end = at + word.size();
    if ((at == 0 || !IsWordByte(text[at - 1])) && (end == text.size() || !IsWordByte(text[end]))) {
      return true;
    }
  }
  return false;
}

// The part of the reference that describes a file's keywords: its section
// "## 6." for the line file, "## 7." for the train file.
std::vector<std::string> FileSection(const std::vector<std::string>& lines, bool line_file) {
  const std::string start = line_file ? "## 6. " : "## 7. ";
  std::vector<std::string> out;
  bool in = false;
  for (const std::string& l : lines) {
    if (l.starts_with("## ")) in = l.starts_with(start);
    if (in) out.push_back(l);
  }
  return out;
}

// The row of a tests table that names the keyword by its quoted words.
std::string KeywordRow(const std::vector<std::string>& section, const KeywordRule& k) {
  for (const std::string& l : section) {
    if (!l.starts_with("| ")) continue;
    bool all = true;
    for (std::string_view w : k.words) {
      if (!w.empty() && l.find("\"" + std::string(w) + "\"") == std::string::npos) all = false;
    }
    if (all) return l;
  }
  return {};
}

// The text under the heading (a "#" line or a bold start) that names the
// keyword in backticks, up to the next heading.
std::string KeywordPart(const std::vector<std::string>& section, const KeywordRule& k) {
  const std::string stem = "`" + std::string(k.name.substr(0, k.name.find(' ')));
  std::string out;
  bool in = false;
  for (const std::string& l : section) {
    const bool heading = l.starts_with("#") || l.starts_with("**");
    if (heading) in = l.find(stem) != std::string::npos;
    if (in) out += l + "\n";
  }
  return out;
}

TEST(GrammarTest, TheReferenceListsEveryKeywordAndItsFields) {
  const std::vector<std::string> lines = FormatLines();
  ASSERT_FALSE(lines.empty());
  for (const KeywordRule& k : Keywords()) {
    SCOPED_TRACE(std::string(k.name));
    const std::vector<std::string> section = FileSection(lines, k.section != Grammar::kTrain);
    const std::string row = KeywordRow(section, k);
    EXPECT_FALSE(row.empty()) << "no row of a tests table names the keyword's words";
    const std::string part = KeywordPart(section, k);
    for (const FieldRule& f : k.fields) {
      EXPECT_TRUE(HasWholeWord(row, f.name) || HasWholeWord(part, f.name))
          << "field '" << f.name << "' is not described";
    }
  }
}

TEST(GrammarTest, EachSectionKeepsItsOrderOfTests) {
  std::vector<std::string_view> header, body, train;
  for (const KeywordRule& k : KeywordsOf(Grammar::kLineHeader)) header.push_back(k.name);
  for (const KeywordRule& k : KeywordsOf(Grammar::kLineBody)) body.push_back(k.name);
  for (const KeywordRule& k : KeywordsOf(Grammar::kTrain)) train.push_back(k.name);
  EXPECT_EQ(header, (std::vector<std::string_view>{
                        "lunghezza percorso", "progressiva chilometrica tre",
                        "progressiva chilometrica due", "progressiva chilometrica uno",
                        "sfondo uno", "sfondo due", "sfondo tre", "ripetizione segnali"}));
  EXPECT_EQ(body, (std::vector<std::string_view>{"pendenza", "curva", "montagna", "indicatori_v",
                                                 "cartello_indicatore"}));
  EXPECT_EQ(train, (std::vector<std::string_view>{"massa frenata", "vetture", "velocita",
                                                  "aderenza", "orologio", "sabbia", "segnale",
                                                  "rallentamento", "abbattimento", "stazione"}));
}

TEST(GrammarTest, WordsMatchAnywhereAndOnlyTheHeaderKeepsLetterCase) {
  struct Case {
    KeywordId id;
    std::string_view field;
    bool matches;
  };
  const Case cases[] = {
      {KeywordId::kLunghezzaPercorso, "LUNGHEZZA del Percorso", true},
      {KeywordId::kProgressivaTre, "progressiva chilometrica tre", true},
      {KeywordId::kProgressivaTre, "Progressiva chilometrica tre", false},
      {KeywordId::kSfondoTre, "sfondo tre", true},
      {KeywordId::kProgressivaTre, "sfondo tre", false},
      {KeywordId::kMassaFrenata, "percentuale massa frenata", true},
      {KeywordId::kMassaFrenata, "massa", false},
      {KeywordId::kVelocita, "VELOCITA'", true},
      {KeywordId::kCartelloIndicatore, "cartello_indicatore", true},
      {KeywordId::kCartelloIndicatore, "cartello", false},
      {KeywordId::kSegnale, "segnale stazione", true},
      {KeywordId::kStazione, "segnale stazione", true},
      {KeywordId::kStazione, "STAZIONE", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.field));
    EXPECT_EQ(Matches(c.id, c.field), c.matches);
  }
}

TEST(GrammarTest, NumberIndexCountsOnlyNumericFieldsOfTheRecordKind) {
  EXPECT_EQ(NumberIndex(EntryKind::kSignal, "posizione"), 0u);
  EXPECT_EQ(NumberIndex(EntryKind::kSignal, "tempo"), 10u);
  EXPECT_EQ(NumberIndex(EntryKind::kStation, "seconds"), 15u);
  EXPECT_EQ(NumberIndex(EntryKind::kStation, "name"), std::nullopt);
  EXPECT_EQ(NumberIndex(EntryKind::kSlowdown, "d_v"), 5u);
  EXPECT_EQ(NumberIndex(EntryKind::kSlowdown, "vas"), std::nullopt);
  EXPECT_EQ(NumberIndex(EntryKind::kTrainValue, "sand"), std::nullopt);
}

TEST(GrammarTest, FieldNamesAreUniqueWithinAKeyword) {
  for (const KeywordRule& k : Keywords()) {
    std::set<std::string_view> names;
    for (const FieldRule& f : k.fields) EXPECT_TRUE(names.insert(f.name).second) << f.name;
    EXPECT_FALSE(k.help.empty()) << k.name;
  }
}

}  // namespace
}  // namespace percorso
