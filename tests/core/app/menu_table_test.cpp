#include "app/menu_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace quelt {
namespace {

constexpr int kAllMenuIds[] = {kMenuNoDocument,  kMenuTextDocument, kMenuHtmlDocument, kMenuTagPopup,
                               kMenuTextTag,     kMenuWindowBar,    kMenuExtendedEntry};

std::vector<std::string> Titles(const std::vector<MenuNode>& items) {
  std::vector<std::string> titles;
  for (const MenuNode& n : items) titles.push_back(DisplayMenuText(n.text));
  return titles;
}

const MenuNode* Child(const std::vector<MenuNode>& items, std::string_view shownTitle) {
  for (const MenuNode& n : items) {
    if (n.kind == MenuEntryKind::kPopup && DisplayMenuText(n.text) == shownTitle) return &n;
  }
  return nullptr;
}

TEST(MenuTable, EveryItemResolvesToACommandWithALabel) {
  for (int id : kAllMenuIds) {
    const MenuTree tree = BuildMenuTree(id);
    ASSERT_TRUE(tree.ok) << "menu " << id;
    const std::vector<CommandId> ids = MenuCommandIds(id);
    EXPECT_FALSE(ids.empty()) << "menu " << id;
    for (CommandId cmd : ids) {
      const CommandInfo* info = FindCommand(cmd);
      ASSERT_NE(info, nullptr) << "menu " << id << " command " << cmd;
      EXPECT_FALSE(info->label.empty()) << cmd;
      EXPECT_TRUE(IsCommandIdInRange(cmd)) << cmd;
      EXPECT_EQ(MenuItemText(id, cmd), StoredMenuText(*info)) << cmd;
    }
  }
}

TEST(MenuTable, SeparatorsOnlyBetweenItemsAndNoEmptyPopups) {
  std::function<void(const std::vector<MenuNode>&, int)> check = [&](const std::vector<MenuNode>& items,
                                                                      int menu) {
    ASSERT_FALSE(items.empty()) << "empty popup in menu " << menu;
    EXPECT_NE(items.front().kind, MenuEntryKind::kSeparator) << menu;
    EXPECT_NE(items.back().kind, MenuEntryKind::kSeparator) << menu;
    for (std::size_t i = 1; i < items.size(); ++i) {
      EXPECT_FALSE(items[i].kind == MenuEntryKind::kSeparator && items[i - 1].kind == MenuEntryKind::kSeparator)
          << menu;
    }
    for (const MenuNode& n : items) {
      if (n.kind == MenuEntryKind::kPopup) check(n.children, menu);
    }
  };
  for (int id : kAllMenuIds) check(BuildMenuTree(id).items, id);
}

TEST(MenuTable, MenuBarTitles) {
  EXPECT_EQ(Titles(BuildMenuTree(kMenuTextDocument).items),
            (std::vector<std::string>{"ﾌｧｲﾙ(&F)", "編集(&E)", "表示(&V)", "ﾂｰﾙ(&T)", "ｵﾌﾟｼｮﾝ(&O)",
                                      "ｳｨﾝﾄﾞｳ(&W)", "ﾍﾙﾌﾟ(&H)"}));
  EXPECT_EQ(Titles(BuildMenuTree(kMenuNoDocument).items),
            (std::vector<std::string>{"ﾌｧｲﾙ(&F)", "表示(&V)", "ﾂｰﾙ(&T)", "ｵﾌﾟｼｮﾝ(&O)", "ﾍﾙﾌﾟ(&H)"}));
  // Popup menus open their single root popup.
  for (int id : {kMenuTagPopup, kMenuTextTag, kMenuWindowBar, kMenuExtendedEntry}) {
    const MenuTree tree = BuildMenuTree(id);
    ASSERT_EQ(tree.items.size(), 1u) << id;
    EXPECT_EQ(tree.items[0].kind, MenuEntryKind::kPopup) << id;
  }
}

TEST(MenuTable, TheSameIdInSeveralMenusIsOneCommand) {
  for (CommandId id : {kCmdFileClose, kCmdFileSave, kCmdFileSaveAs}) {
    EXPECT_FALSE(MenuItemText(kMenuTextDocument, id).empty()) << id;
    EXPECT_EQ(MenuItemText(kMenuTextDocument, id), MenuItemText(kMenuWindowBar, id)) << id;
  }
  for (CommandId id : {kCmdTagCharacter, kCmdTagLink, kCmdTagCentre, kCmdTagPre, kCmdTagBulletList,
                       kCmdTagNumberList}) {
    EXPECT_FALSE(MenuItemText(kMenuTextTag, id).empty()) << id;
    EXPECT_EQ(MenuItemText(kMenuTextTag, id), MenuItemText(kMenuTagPopup, id)) << id;
    EXPECT_EQ(MenuItemText(kMenuTextTag, id), MenuItemText(kMenuHtmlDocument, id)) << id;
  }
}

TEST(MenuTable, EveryTextDocumentCommandHasAPrompt) {
  for (CommandId id : MenuCommandIds(kMenuTextDocument)) {
    EXPECT_FALSE(FindCommand(id)->prompt.empty()) << id;
  }
}

TEST(MenuTable, TextDocumentSubmenus) {
  const MenuTree tree = BuildMenuTree(kMenuTextDocument);
  const MenuNode* edit = Child(tree.items, "編集(&E)");
  ASSERT_NE(edit, nullptr);
  const MenuNode* insert = Child(edit->children, "挿入(&I)");
  ASSERT_NE(insert, nullptr);
  ASSERT_EQ(insert->children.size(), 4u);
  EXPECT_EQ(insert->children[0].id, kCmdInsertDate);
  EXPECT_EQ(insert->children[3].id, kCmdInsertTag);
  EXPECT_EQ(DisplayMenuText(insert->children[3].text), "ﾀｸﾞ(&H)...");
  const MenuNode* convert = Child(edit->children, "変換(&V)");
  ASSERT_NE(convert, nullptr);
  EXPECT_EQ(DisplayMenuText(convert->children.back().text), "自由変換(&F)...");
  // Menu 3 holds every command of its list once, and only those.
  std::vector<CommandId> ids = MenuCommandIds(kMenuTextDocument);
  EXPECT_EQ(ids.size(), 85u);
  std::sort(ids.begin(), ids.end());
  EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
}

TEST(MenuTable, WindowBarAndExtendedEntryMenus) {
  EXPECT_EQ(MenuCommandIds(kMenuWindowBar),
            (std::vector<CommandId>{kCmdFileClose, kCmdFileSave, kCmdFileSaveAs, kCmdFileDelete, kCmdFileRename,
                                    kCmdFileProperties, kCmdRegisterCabinetList, kCmdRegisterSearchList}));
  EXPECT_EQ(DisplayMenuText(MenuItemText(kMenuWindowBar, kCmdFileRename)), "名前の変更(&F)...");
  EXPECT_EQ(MenuCommandIds(kMenuExtendedEntry),
            (std::vector<CommandId>{kCmdExtNewCommand, kCmdExtNewOperation, kCmdExtNewSeparator}));
  EXPECT_EQ(DisplayMenuText(MenuItemText(kMenuExtendedEntry, kCmdExtNewSeparator)), "ｾﾊﾟﾚｰﾀ(&S)");
}

TEST(MenuTable, UnknownMenusAndItems) {
  EXPECT_EQ(FindMenu(999), nullptr);
  EXPECT_FALSE(BuildMenuTree(999).ok);
  EXPECT_TRUE(MenuCommandIds(999).empty());
  EXPECT_TRUE(MenuItemText(kMenuTextDocument, kCmdExtNewCommand).empty());
  EXPECT_EQ(AllMenus().size(), std::size(kAllMenuIds));
}

}  // namespace
}  // namespace quelt
