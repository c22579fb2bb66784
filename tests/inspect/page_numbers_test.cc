#include "inspect/page_numbers.h"

#include <gtest/gtest.h>

namespace percorso {
namespace {

TEST(PageNumbersTest, Numbers) {
  EXPECT_EQ(Num(12.34), "12.3");
  EXPECT_EQ(Num(12.04), "12");
  EXPECT_EQ(Num(-0.04), "0");
  EXPECT_EQ(Num(-3), "-3");
  EXPECT_EQ(KmLabel(104000), "104");
  EXPECT_EQ(KmLabel(2750), "2.75");
  EXPECT_EQ(KmLabel(0), "0");
  EXPECT_EQ(KmLabel(1950), "1.95");
}

}  // namespace
}  // namespace percorso
