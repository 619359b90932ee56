#include "tools/extended_menu_bar.h"

#include <gtest/gtest.h>

#include "tools/extended_menu_popup.h"

namespace quelt {
namespace {

TEST(ExtendedMenuBar, TabHeightIsThePlatformsOnlyWithinSixteenToThirtyTwo) {
  EXPECT_EQ(20, ExtBarTabHeight(15));
  EXPECT_EQ(16, ExtBarTabHeight(16));
  EXPECT_EQ(32, ExtBarTabHeight(32));
  EXPECT_EQ(20, ExtBarTabHeight(33));
  EXPECT_EQ(20, ExtBarTabHeight(0));
}

TEST(ExtendedMenuBar, TabsShareTheWidthLessTheGap) {
  EXPECT_EQ(98, ExtBarTabWidth(1000, 10, 2));
  EXPECT_EQ(33, ExtBarTabWidth(100, 3, 0));  // the remainder is left over
  EXPECT_EQ(1, ExtBarTabWidth(10, 20, 3));   // a narrow frame still has tabs
  EXPECT_EQ(1, ExtBarTabCount(0));
  EXPECT_EQ(20, ExtBarTabCount(25));
}

TEST(ExtendedMenuBar, TabTextsAreTitlesOrNumberedNames) {
  ExtendedMenus menus{};
  menus[1].title = "ﾂｰﾙ";
  const auto texts = ExtBarTabTexts(menus, 3);
  ASSERT_EQ(3u, texts.size());
  EXPECT_EQ(ExtendedMenuTitle(menus[0], 1), texts[0]);
  EXPECT_EQ("ﾂｰﾙ", texts[1]);
  EXPECT_NE(texts[0], texts[2]);
}

TEST(ExtendedMenuBar, PopupOpensBelowTheTabAtThreeQuarters) {
  const ExtBarPoint p = ExtBarPopupPoint(100, 200, 24);
  EXPECT_EQ(175, p.x);
  EXPECT_EQ(24, p.y);
}

}  // namespace
}  // namespace quelt
