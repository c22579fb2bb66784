#include "model/status.h"

#include <gtest/gtest.h>

#include <set>

namespace percorso {
namespace {

TEST(StatusTableTest, EveryCodeOnceWithAMeaning) {
  std::set<int32_t> seen;
  for (const StatusRow& row : StatusTable()) {
    SCOPED_TRACE(Code(row.code));
    EXPECT_TRUE(seen.insert(Code(row.code)).second);
    EXPECT_FALSE(row.meaning.empty());
    EXPECT_EQ(StatusMeaning(Code(row.code)), row.meaning);
  }
  EXPECT_EQ(seen.size(), 27u);
  EXPECT_EQ(StatusMeaning(14), "unknown status");
  EXPECT_EQ(StatusMeaning(16), "signal cell already taken");
}

}  // namespace
}  // namespace percorso
