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

}  // namespace
}  // namespace quelt
