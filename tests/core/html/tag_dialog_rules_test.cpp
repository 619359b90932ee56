#include "html/tag_dialog_rules.h"

#include <gtest/gtest.h>

#include <vector>

#include "html/tag_settings.h"

namespace quelt {
namespace {

TEST(TagDialogRulesTest, ColourControlsFollowTheBackgroundList) {
  EXPECT_FALSE(BackgroundColourEnabled(0));  // 標準
  EXPECT_TRUE(BackgroundColourEnabled(1));   // 指定する
  EXPECT_FALSE(BackgroundColourEnabled(-1));  // nothing chosen
}

TEST(TagDialogRulesTest, OkNeedsAnEntryInEveryList) {
  EXPECT_TRUE(AllListsChosen(std::vector<int>{0, 101, 1}));
  EXPECT_FALSE(AllListsChosen(std::vector<int>{0, -1, 1}));
  EXPECT_TRUE(AllListsChosen(std::vector<int>{}));
}

TEST(TagDialogRulesTest, CountFieldsTakeDigitsUpToTheirLimit) {
  EXPECT_EQ(ParseCountField("", kMaxImageDots), 0);
  EXPECT_EQ(ParseCountField("  ", kMaxImageDots), 0);
  EXPECT_EQ(ParseCountField("40", kMaxImageDots), 40);
  EXPECT_EQ(ParseCountField(" 007 ", kMaxImageDots), 7);
  EXPECT_EQ(ParseCountField("10240", kMaxImageDots), 10240);
  EXPECT_EQ(ParseCountField("10241", kMaxImageDots), std::nullopt);
  EXPECT_EQ(ParseCountField("-1", kMaxImageDots), std::nullopt);
  EXPECT_EQ(ParseCountField("4 0", kMaxImageDots), std::nullopt);
  EXPECT_EQ(ParseCountField("1e3", kMaxImageDots), std::nullopt);
  // Digits past any int are refused, not wrapped.
  EXPECT_EQ(ParseCountField("99999999999999999999", kMaxFormCount), std::nullopt);
}

}  // namespace
}  // namespace quelt
