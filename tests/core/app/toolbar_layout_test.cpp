#include <gtest/gtest.h>

#include "app/toolbar_data.h"
#include "app/toolbar_layout.h"

namespace quelt {
namespace {

TEST(ToolBarLayout, StoredFormRoundTripsAndRefusesWhatTheBarCannotHold) {
  const auto defaults = DefaultToolBarLayout();
  const std::vector<CommandId> layout(defaults.begin(), defaults.end());
  const auto back = DecodeToolBarLayout(EncodeToolBarLayout(layout));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, layout);
  EXPECT_EQ(EncodeToolBarLayout({57600, 0, 194}), "57600,0,194");
  EXPECT_FALSE(DecodeToolBarLayout("").has_value());
  EXPECT_FALSE(DecodeToolBarLayout("57600,").has_value());
  EXPECT_FALSE(DecodeToolBarLayout("57600,x").has_value());
  EXPECT_FALSE(DecodeToolBarLayout("194,0,194").has_value());   // the box twice
  EXPECT_FALSE(DecodeToolBarLayout("12345").has_value());       // no such button
  EXPECT_FALSE(DecodeToolBarLayout("-1").has_value());
  std::string many = "0";
  for (int i = 1; i < 50; ++i) many += ",0";
  EXPECT_TRUE(DecodeToolBarLayout(many).has_value());
  EXPECT_FALSE(DecodeToolBarLayout(many + ",0").has_value());  // 51 entries
}

TEST(ToolBarLayout, AddingKeepsTheLimitAndOneBox) {
  std::vector<CommandId> layout;
  EXPECT_EQ(AddToolBarEntry(layout, std::nullopt, 57600), 0u);
  EXPECT_EQ(AddToolBarEntry(layout, std::nullopt, kFindBoxId), 1u);
  EXPECT_FALSE(AddToolBarEntry(layout, std::nullopt, kFindBoxId).has_value());
  EXPECT_EQ(AddToolBarEntry(layout, 0, kToolBarSeparator), 1u);
  EXPECT_FALSE(AddToolBarEntry(layout, std::nullopt, 12345).has_value());
  while (layout.size() < kMaxToolBarEntries) ASSERT_TRUE(AddToolBarEntry(layout, std::nullopt, kToolBarSeparator));
  EXPECT_FALSE(AddToolBarEntry(layout, std::nullopt, 57600).has_value());
  const auto choices = ToolBarChoices();
  EXPECT_EQ(choices[choices.size() - 2], kToolBarSeparator);
  EXPECT_EQ(choices.back(), kFindBoxId);
}

}  // namespace
}  // namespace quelt
