#include "app/window_bar.h"

#include <gtest/gtest.h>

namespace quelt {
namespace {

TEST(WindowBar, TextsWithAndWithoutNumbers) {
  WindowBarOptions o;
  EXPECT_EQ(WindowBarTabFor("a.txt", 2, false, false, o).text, "a.txt");
  o.addDocNumber = true;
  EXPECT_EQ(WindowBarTabFor("a.txt", 2, false, false, o).text, "3. a.txt");
  EXPECT_EQ(WindowBarTabFor("\x96\xb3\x91\xe8" "1", 9, false, false, o).text, "10. \x96\xb3\x91\xe8" "1");
}

TEST(WindowBar, ImagesFollowModifiedAndFlag) {
  WindowBarOptions o;
  o.tabBarImageNo = 2;
  EXPECT_EQ(WindowBarTabFor("a", 0, false, false, o).image, kTabNoImage);
  EXPECT_EQ(WindowBarTabFor("a", 0, false, true, o).image, 2);
  EXPECT_EQ(WindowBarTabFor("a", 0, true, false, o).image, kTabImageModified);
  EXPECT_EQ(WindowBarTabFor("a", 0, true, true, o).image, kTabImageModifiedFlagged);
  // Without images the flag no longer chooses one.
  o.enableTabBarImage = false;
  EXPECT_EQ(WindowBarTabFor("a", 0, true, true, o).image, kTabImageModified);
  EXPECT_EQ(WindowBarTabFor("a", 0, false, true, o).image, kTabNoImage);
}

// A tab shows a name's ampersands as they are; a Shift-JIS character is
// never split by the doubling.
TEST(WindowBarTab, AmpersandsInTitlesAreShownLiterally) {
  WindowBarOptions o;
  EXPECT_EQ(WindowBarTabFor("a&b.txt", 0, false, false, o).text, "a&&b.txt");
  o.addDocNumber = true;
  EXPECT_EQ(WindowBarTabFor("&&", 0, false, false, o).text, "1. &&&&");
  EXPECT_EQ(LiteralAmpersands("\x95\x5c&\x83\x5c"), "\x95\x5c&&\x83\x5c");
  EXPECT_EQ(LiteralAmpersands("x\x81"), "x\x81");  // a lead byte at the end
  EXPECT_EQ(LiteralAmpersands(""), "");
}

}  // namespace
}  // namespace quelt
