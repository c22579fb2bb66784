#include "model/catalogue.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "model/status.h"

namespace percorso {
namespace {

// A name written as text is checked while compiling.
static_assert(WarningNamed("missing-fine") == WarningId::kMissingFine);
static_assert(!FindWarning("no-such-warning"));

// The lines of the format reference's section whose heading ends in `title`
// ("10.2 Warnings"), up to the next heading of its level or above.
std::vector<std::string> Section(std::string_view title) {
  std::ifstream in(std::string(PERCORSO_TEST_DATA) + "/../../docs/format.md");
  std::vector<std::string> lines;
  bool inside = false;
  size_t level = 0;
  for (std::string line; std::getline(in, line);) {
    const size_t hashes = line.find_first_not_of('#');
    const bool heading = hashes != std::string::npos && hashes > 0 && line[hashes] == ' ';
    if (heading && inside && hashes <= level) break;
    if (heading && line.substr(hashes + 1) == title) {
      inside = true;
      level = hashes;
      continue;
    }
    if (inside) lines.push_back(line);
  }
  return lines;
}

// Every warning has a row of its section, which starts with its name; every
// status has a row of the status table.
TEST(CatalogueTest, EveryEntryIsExplainedInItsSection) {
  for (const WarningEntry& w : kWarningCatalogue) {
    SCOPED_TRACE(w.name);
    EXPECT_FALSE(w.summary.empty());
    std::vector<std::string> section = Section(w.docs);
    ASSERT_FALSE(section.empty()) << "no section " << w.docs;
    const std::string row = "| `" + std::string(w.name) + "` |";
    bool found = false;
    for (const std::string& line : section) found = found || line.starts_with(row);
    EXPECT_TRUE(found) << "no row starting with " << row;
  }
  std::vector<std::string> statuses = Section(kStatusSection);
  for (const StatusRow& row : StatusTable()) {
    if (row.code == Status::kNone) continue;
    SCOPED_TRACE(Code(row.code));
    const std::string start = "| " + std::to_string(Code(row.code)) + " |";
    bool found = false;
    for (const std::string& line : statuses) found = found || line.starts_with(start);
    EXPECT_TRUE(found);
  }
}

TEST(CatalogueTest, RulesAreTheWarningsThenTheStatuses) {
  std::vector<RuleEntry> rules = Rules();
  ASSERT_EQ(rules.size(), kWarningCatalogue.size() + StatusTable().size() + 1);
  EXPECT_EQ(rules.front().id, "misspelt-keyword");
  EXPECT_EQ(rules[kWarningCatalogue.size()].id, "status-1");
  EXPECT_EQ(rules[rules.size() - 3].id, "status-103");
  EXPECT_EQ(rules.back().id, "warning");
  EXPECT_FALSE(Section(kReportSection).empty());
}

}  // namespace
}  // namespace percorso
