#include <gtest/gtest.h>

#include "model/Clue.h"

namespace jcw {
namespace {

TEST(ClueText, ValueIsTheLeadingNumber) {
  EXPECT_EQ(clueValue(""), 0);
  EXPECT_EQ(clueValue("7"), 7);
  EXPECT_EQ(clueValue("07"), 7);
  EXPECT_EQ(clueValue("199"), 199);
  EXPECT_EQ(clueValue("12x"), 12);
  EXPECT_EQ(clueValue("x12"), 0);
  EXPECT_EQ(clueValue("99999999999999999999"), 1'000'000);
}

TEST(ClueText, NormalisationDropsLeadingZerosAndZero) {
  EXPECT_EQ(normalizedClueText("05"), "5");
  EXPECT_EQ(normalizedClueText("0"), "");
  EXPECT_EQ(normalizedClueText("00"), "");
  EXPECT_EQ(normalizedClueText(""), "");
  EXPECT_EQ(normalizedClueText("12"), "12");
}

}  // namespace
}  // namespace jcw
