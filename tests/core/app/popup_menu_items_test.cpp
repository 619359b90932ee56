#include "app/popup_menu_items.h"

#include <gtest/gtest.h>

#include "base/le_words.h"
#include "keys/bindable_commands.h"

namespace quelt {
namespace {

TEST(PopupMenuItems, DefaultsAreBindableCommandsAndRestore) {
  PopupMenuItems m;
  EXPECT_EQ(m.items(), PopupMenuItems::DefaultItems());
  for (std::int32_t item : m.items()) EXPECT_TRUE(PopupMenuItems::IsValidItem(item)) << item;
  m.Delete(0);
  m.Add(kCmdEditCopy);
  m.RestoreDefaults();
  EXPECT_EQ(m.items(), PopupMenuItems::DefaultItems());
}

TEST(PopupMenuItems, ThirtyFirstItemAndUnknownCommandsAreRefused) {
  PopupMenuItems m(std::vector<std::int32_t>{});
  for (std::size_t i = 0; i < kMaxPopupMenuItems; ++i) EXPECT_EQ(m.Add(kPopupSeparator), PopupEdit::kDone);
  EXPECT_EQ(m.Add(kCmdEditCopy), PopupEdit::kRefused);
  EXPECT_EQ(m.size(), kMaxPopupMenuItems);
  PopupMenuItems n(std::vector<std::int32_t>{});
  EXPECT_EQ(n.Add(12345), PopupEdit::kRefused);
  EXPECT_EQ(n.Add(-2), PopupEdit::kRefused);
  EXPECT_EQ(n.Add(kCmdAppAbout), PopupEdit::kRefused);  // a menu item that is not bindable
}

TEST(PopupMenuItems, AddAfterSelectionMoveAndDeleteAtTheEnds) {
  PopupMenuItems m({kCmdEditCut, kCmdEditCopy, kCmdEditPaste});
  int at = -1;
  EXPECT_EQ(m.Add(kPopupSeparator, 0, at), PopupEdit::kDone);
  EXPECT_EQ(at, 1);
  EXPECT_EQ(m.items(), (std::vector<std::int32_t>{kCmdEditCut, kPopupSeparator, kCmdEditCopy, kCmdEditPaste}));
  EXPECT_EQ(m.MoveUp(0), PopupEdit::kRefused);
  EXPECT_EQ(m.MoveDown(3), PopupEdit::kRefused);
  EXPECT_EQ(m.MoveDown(-1), PopupEdit::kRefused);
  EXPECT_EQ(m.MoveDown(0), PopupEdit::kDone);
  EXPECT_EQ(m.MoveUp(3), PopupEdit::kDone);
  EXPECT_EQ(m.items(), (std::vector<std::int32_t>{kPopupSeparator, kCmdEditCut, kCmdEditPaste, kCmdEditCopy}));
  EXPECT_EQ(m.Delete(4), PopupEdit::kRefused);
  EXPECT_EQ(m.Delete(3), PopupEdit::kDone);
  EXPECT_EQ(m.size(), 3u);
}

TEST(PopupMenuSection, RoundTripDropsUnknownIdsAndRefusesOverlongLists) {
  std::string bytes;
  EncodePopupMenuSection(PopupMenuItems({kCmdSelectAll, kPopupSeparator}), bytes);
  EXPECT_EQ(bytes.size(), 12u);
  std::string_view in = bytes;
  PopupMenuItems m;
  ASSERT_TRUE(DecodePopupMenuSection(in, m));
  EXPECT_EQ(m.items(), (std::vector<std::int32_t>{kCmdSelectAll, kPopupSeparator}));

  std::string raw;
  AppendLe32(raw, 3);
  AppendLe32(raw, 999);
  AppendLe32(raw, kCmdEditPaste);
  AppendLe32(raw, 0xFFFFFFFEu);
  in = raw;
  ASSERT_TRUE(DecodePopupMenuSection(in, m));
  EXPECT_EQ(m.items(), std::vector<std::int32_t>{kCmdEditPaste});

  std::string over;
  AppendLe32(over, 31);
  for (int i = 0; i < 31; ++i) AppendLe32(over, 0xFFFFFFFFu);
  in = over;
  EXPECT_FALSE(DecodePopupMenuSection(in, m));
  EXPECT_EQ(m.items(), PopupMenuItems::DefaultItems());
  std::string_view cut = std::string_view(bytes).substr(0, 11);
  EXPECT_FALSE(DecodePopupMenuSection(cut, m));
}

}  // namespace
}  // namespace quelt
