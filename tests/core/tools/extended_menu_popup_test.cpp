#include <gtest/gtest.h>

#include "tools/extended_menu_popup.h"

namespace quelt {
namespace {

TEST(ExtendedMenuPopup, ItemsTakeTheListIdsInOrderPastSeparators) {
  ExtendedMenu menu;
  menu.items = {{32834, 'P'}, {kMenuSeparator, 0}, {57603, 0}, {32851, '1'}};
  const auto entries = ExtendedPopupEntries(menu);
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].id, 33035u);
  EXPECT_EQ(entries[0].command, 32834u);
  EXPECT_TRUE(entries[1].separator);
  EXPECT_EQ(entries[2].id, 33036u);
  EXPECT_EQ(entries[3].id, 33037u);
  EXPECT_EQ(ExtendedPopupCommand(menu, 33037), 32851u);
  EXPECT_FALSE(ExtendedPopupCommand(menu, 33038).has_value());
  EXPECT_EQ(ExtendedMenuOfCommand(32969), 1);
  EXPECT_EQ(ExtendedMenuOfCommand(32988), 20);
  EXPECT_EQ(ExtendedMenuOfCommand(32989), 0);
}

TEST(ExtendedMenuPopup, TextsAndTitles) {
  EXPECT_EQ(ExtendedItemText("ﾌﾟﾛｸﾞﾗﾑ実行(&P)...", 'X'), "ﾌﾟﾛｸﾞﾗﾑ実行...(&X)");
  EXPECT_EQ(ExtendedItemText("上書き保存\tCtrl+S", 0), "上書き保存");
  ExtendedMenu menu;
  EXPECT_EQ(ExtendedMenuTitle(menu, 7), "\x8A\x67\x92\xA3\xD2\xC6\xAD\xB0" "7");
  menu.title = "tools";
  EXPECT_EQ(ExtendedMenuTitle(menu, 7), "tools");
}

}  // namespace
}  // namespace quelt
