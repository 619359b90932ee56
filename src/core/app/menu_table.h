// Menus as data: the menu bars of the three document states and the popup
// menus, each a flat list of entries where a popup opens a nested list that
// an end entry closes. Popup menus (tag popup, window-bar menu, ...) have one
// root popup whose items are what the user sees.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_table.h"

namespace quelt {

// Menu resource ids.
constexpr int kMenuNoDocument = 2;     // the menu bar while no document is open
constexpr int kMenuTextDocument = 3;   // the menu bar of a text document
constexpr int kMenuHtmlDocument = 4;   // the menu bar of an HTML visual document
constexpr int kMenuTagPopup = 141;     // the tag popup of the HTML visual view
constexpr int kMenuTextTag = 145;      // the tag menu of the text view
constexpr int kMenuWindowBar = 170;    // opened on a tab of the window bar
constexpr int kMenuExtendedEntry = 120;  // what a new extended-menu entry is

enum class MenuEntryKind : std::uint8_t { kCommand, kSeparator, kPopup, kEnd };

struct MenuEntry {
  MenuEntryKind kind = MenuEntryKind::kSeparator;
  CommandId id = 0;         // kCommand
  std::string_view label;   // kPopup
  char letter = 0;          // kPopup
  MnemonicForm form = MnemonicForm::kControl;
};

constexpr MenuEntry MenuCmd(CommandId id) { return {MenuEntryKind::kCommand, id, {}, 0}; }
constexpr MenuEntry MenuSep() { return {MenuEntryKind::kSeparator, 0, {}, 0}; }
constexpr MenuEntry MenuPopup(std::string_view label, char letter,
                              MnemonicForm form = MnemonicForm::kControl) {
  return {MenuEntryKind::kPopup, 0, label, letter, form};
}
// A title of the menu bar: shown with "(&L)".
constexpr MenuEntry MenuBarPopup(std::string_view label, char letter) {
  return MenuPopup(label, letter, MnemonicForm::kAmpersand);
}
constexpr MenuEntry MenuEnd() { return {MenuEntryKind::kEnd, 0, {}, 0}; }

struct MenuResource {
  int id;
  std::span<const MenuEntry> entries;
};

std::span<const MenuResource> AllMenus();
const MenuResource* FindMenu(int id);

// One node of a menu's tree.
struct MenuNode {
  MenuEntryKind kind = MenuEntryKind::kSeparator;  // kCommand, kSeparator or kPopup
  CommandId id = 0;
  std::string text;  // stored text of a command or popup
  std::vector<MenuNode> children;
};

struct MenuTree {
  bool ok = false;  // false for an unknown id or entries that do not nest
  std::vector<MenuNode> items;
};

// The menu as a tree with stored texts. A command the table lacks gets an
// empty text.
MenuTree BuildMenuTree(int menuId);

// The command ids of a menu in order, nested popups included.
std::vector<CommandId> MenuCommandIds(int menuId);

// The stored text of id as menuId shows it, empty when the menu lacks it.
std::string MenuItemText(int menuId, CommandId id);

// Data tables (each defined in its own file).
std::span<const MenuEntry> NoDocumentMenuData();
std::span<const MenuEntry> TextDocumentMenuData();
std::span<const MenuEntry> HtmlDocumentMenuData();
std::span<const MenuEntry> TagPopupMenuData();
std::span<const MenuEntry> TextTagMenuData();
std::span<const MenuEntry> WindowBarMenuData();
std::span<const MenuEntry> ExtendedEntryMenuData();

}  // namespace quelt
