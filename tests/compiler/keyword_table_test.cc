// The parser reads each keyword's fields as the keyword table lists them: the
// record it keeps of an entry has one number for each numeric field of the
// table, in the table's order.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "compiler/compile.h"
#include "model/grammar.h"
#include "support/source_fixture.h"

namespace percorso {
namespace {

const KeywordRule* RuleOf(const SourceEntry& r) {
  for (const KeywordRule& k : Keywords()) {
    if (k.record == r.kind && Matches(k, r.keyword)) return &k;
  }
  return nullptr;
}

TEST(KeywordTableTest, EveryRecordHoldsTheFieldsOfItsKeywordInOrder) {
  Scenario s;
  s.line_key = "L";
  s.train_key = "T";
  s.keep_source_entries = true;
  MemorySourceFiles files(
      testing::LineFile({"pendenza, 0, 2", "curvas2, 1000, 400", "montagna, 18800, 18850, 2",
                         "indicatori_vmax, 5000, 105, 115, 120, 1, 100, 110, 115, 2",
                         "cartello_indicatore, 3000, (PONTE)"}),
      testing::TrainFile({"percentuale massa frenata, 125", "numero vetture, 15", "velocita, 0, 30",
                          "aderenza, 0, 100", "orologio, 6, 12, 40", "sabbia, 300",
                          "segnale, 2100, 2, 4, 1, 0, 3, 1, 2, 0, 0, 50",
                          "rallentamento, 9000, 40, 500, 7, 1, 30", "abbattimento, 12000, 5",
                          testing::Station(20000, 12, 500, "ALFA")}));
  memorizza_percorso(s, true, files);
  ASSERT_EQ(s.diagnostic.stato, 0);
  std::set<KeywordId> seen;
  for (const SourceEntry& r : s.source_entries) {
    SCOPED_TRACE(r.keyword);
    const KeywordRule* k = RuleOf(r);
    ASSERT_NE(k, nullptr);
    seen.insert(k->id);
    size_t numbers = 0;
    bool text = false;
    for (const FieldRule& f : k->fields) {
      if (f.kind == FieldKind::kText) {
        text = true;
      } else {
        ++numbers;
      }
    }
    EXPECT_EQ(r.numbers.size(), numbers);
    EXPECT_EQ(!r.text.empty(), text);
  }
  // Every keyword of the body and the train file gave a record.
  for (const KeywordRule& k : Keywords()) {
    if (k.record) {
      EXPECT_TRUE(seen.count(k.id)) << k.name;
    }
  }
  // The signal's values by their names in the table.
  for (const SourceEntry& r : s.source_entries) {
    if (r.kind != EntryKind::kSignal) continue;
    EXPECT_EQ(r.numbers[*NumberIndex(EntryKind::kSignal, "rapp")], 3);
    EXPECT_EQ(r.numbers[*NumberIndex(EntryKind::kSignal, "tempo")], 50);
  }
}

}  // namespace
}  // namespace percorso
