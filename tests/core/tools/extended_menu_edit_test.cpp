#include <gtest/gtest.h>

#include "tools/extended_menu_edit.h"

namespace quelt {
namespace {

TEST(ExtendedMenuEdit, TwentyItemsAtMostAndNothingWithoutAChoice) {
  ExtendedMenu menu;
  EXPECT_FALSE(AddExtendedItem(menu, std::nullopt, std::nullopt).has_value());
  EXPECT_FALSE(AddExtendedItem(menu, std::nullopt, 0).has_value());
  EXPECT_EQ(AddExtendedItem(menu, std::nullopt, 32834), 0u);
  EXPECT_EQ(AddExtendedItem(menu, std::nullopt, kMenuSeparator), 1u);
  EXPECT_EQ(AddExtendedItem(menu, 0, 57603), 1u);  // after the selection
  EXPECT_EQ(menu.items[1].command, 57603);
  while (menu.items.size() < kMaxExtendedMenuItems) ASSERT_TRUE(AddExtendedItem(menu, std::nullopt, 57603));
  EXPECT_FALSE(AddExtendedItem(menu, std::nullopt, 57603).has_value());  // the 21st
  EXPECT_EQ(menu.items.size(), kMaxExtendedMenuItems);
  const auto choices = ExtendedCommandChoices();
  EXPECT_EQ(choices.back(), kMenuSeparator);
  EXPECT_GT(choices.size(), 100u);
}

TEST(ExtendedMenuEdit, AccessKeysAreOneVisibleCharacter) {
  ExtendedMenuItem item{32834, 0};
  EXPECT_TRUE(SetExtendedAccessKey(item, "P"));
  EXPECT_EQ(item.accessKey, 'P');
  EXPECT_FALSE(SetExtendedAccessKey(item, "PQ"));
  EXPECT_FALSE(SetExtendedAccessKey(item, " "));
  EXPECT_FALSE(SetExtendedAccessKey(item, "\x82"));
  EXPECT_EQ(item.accessKey, 'P');
  EXPECT_TRUE(SetExtendedAccessKey(item, "!"));
  EXPECT_TRUE(SetExtendedAccessKey(item, ""));
  EXPECT_EQ(item.accessKey, 0);
  ExtendedMenuItem separator{kMenuSeparator, 0};
  EXPECT_FALSE(SetExtendedAccessKey(separator, "A"));
}

TEST(ExtendedMenuEdit, MovesAndDeletes) {
  ExtendedMenu menu;
  menu.items = {{1, 'a'}, {2, 'b'}};
  EXPECT_FALSE(MoveExtendedItem(menu, 0, -1));
  EXPECT_TRUE(MoveExtendedItem(menu, 0, 1));
  EXPECT_EQ(menu.items[0].command, 2);
  EXPECT_FALSE(MoveExtendedItem(menu, 1, 1));
  EXPECT_TRUE(DeleteExtendedItem(menu, 1));
  EXPECT_FALSE(DeleteExtendedItem(menu, 1));
}

}  // namespace
}  // namespace quelt
