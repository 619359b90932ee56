#include "html/visual_settings_page.h"

#include <gtest/gtest.h>

namespace quelt {
namespace {

TEST(VisualSettingsPage, TabWidthIsShownAsTheSettingAndKeptTimesTen) {
  HtmlModeSettings s;
  s.tabWidth = 150;
  s.defaultFontPoint = 11;
  VisualNumbers n = NumbersOf(s);
  EXPECT_EQ(15, n.tabWidth);
  n.tabWidth = 299;
  EXPECT_FALSE(TakeNumbers(n, s));
  EXPECT_EQ(2990, s.tabWidth);
}

TEST(VisualSettingsPage, TheFirstFieldOutOfRangeIsNamedAndNothingIsTaken) {
  HtmlModeSettings s;
  s.tabWidth = 150;
  VisualNumbers n{300, 11, 20, 20};
  EXPECT_EQ(VisualNumberField::kTabWidth, TakeNumbers(n, s));
  EXPECT_EQ(150, s.tabWidth);
  n = {15, 4, 20, 20};
  EXPECT_EQ(VisualNumberField::kDefaultFontPoint, TakeNumbers(n, s));
  n = {15, 50, -1, 20};
  EXPECT_EQ(VisualNumberField::kLeftMargin, TakeNumbers(n, s));
  n = {15, 50, 0, 201};
  EXPECT_EQ(VisualNumberField::kTopMargin, TakeNumbers(n, s));
  n = {1, 5, 200, 0};
  EXPECT_FALSE(TakeNumbers(n, s));
  EXPECT_EQ(200, s.rvLeftMarginLM);
}

}  // namespace
}  // namespace quelt
