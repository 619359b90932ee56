#include "html/visual_dialog_lists.h"

#include <gtest/gtest.h>

namespace quelt {
namespace {

TEST(VisualDialogLists, SpacingRunsFromPlusToMinusWithZeroInTheMiddle) {
  const auto mm = SpacingListTexts(false);
  ASSERT_EQ(15u, mm.size());
  EXPECT_EQ("+3.5 mm", mm.front());
  EXPECT_EQ("0 mm", mm[7]);
  EXPECT_EQ("-3.5 mm", mm.back());
  const auto in = SpacingListTexts(true);
  EXPECT_EQ("+0.14 in", in.front());
  EXPECT_EQ("-0.14 in", in.back());
  EXPECT_EQ(7, SpacingStepOfIndex(0));
  EXPECT_EQ(-7, SpacingStepOfIndex(14));
  EXPECT_EQ(7, IndexOfSpacingStep(0));
  EXPECT_EQ(0, IndexOfSpacingStep(99));  // held to the list
}

TEST(VisualDialogLists, OffsetsRunOneAndAHalfMillimetresEachWay) {
  const auto mm = OffsetListTexts(false);
  ASSERT_EQ(7u, mm.size());
  EXPECT_EQ("+1.5 mm", mm.front());
  EXPECT_EQ("-1.5 mm", mm.back());
  EXPECT_EQ("+0.06 in", OffsetListTexts(true).front());
  EXPECT_EQ(-3, OffsetStepOfIndex(6));
  EXPECT_EQ(3, IndexOfOffsetStep(0));
}

TEST(VisualDialogLists, ColourNumbersAndNames) {
  EXPECT_EQ(0xFF0000u, ColourOfNumber(2));  // blue
  EXPECT_EQ(0x000000u, ColourOfNumber(99));
  EXPECT_EQ(1, NumberOfColour(kVisualBlack));
  EXPECT_EQ(0, NumberOfColour(0));
  EXPECT_EQ(16, NumberOfColour(0xC0C0C0));
  EXPECT_EQ(0, NumberOfColour(0x123456));
  EXPECT_EQ("Fuchsia", ColourNames(true)[4]);
  EXPECT_EQ(16u, ColourNames(false).size());
  EXPECT_EQ(7u, UnderlineKindNames().size());
  EXPECT_EQ("中央", RaiseKindNames()[3]);
}

}  // namespace
}  // namespace quelt
