// What a menu should show, from the command data the editor builds it from,
// and the walk through the opened menu with the keyboard.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/menu_table.h"

namespace probe {

struct ExpectedItem {
  enum class Kind { kCommand, kPopup };
  Kind kind = Kind::kCommand;
  quelt::CommandId id = 0;  // kCommand; 0 for an entry the frame adds (MDI list)
  std::wstring prompt;      // kCommand
  std::wstring text;        // the stored text, for the report
};

struct ExpectedPopup {
  std::wstring title;
  char letter = 0;  // the mnemonic that opens it from the menu bar
  std::vector<ExpectedItem> items;  // separators left out
  int separators = 0;
  std::string layout;  // top to bottom: 'I' an item, 'P' a submenu, '-' a separator
};

struct MenuExpectation {
  int recentFiles = 1;   // entries of the recent-file list (an empty list shows one greyed item)
  int mdiWindows = 0;    // open windows the window menu lists after its own items
};

// The popups of a menu bar (menus 2, 3, 4) or the one root popup of a popup
// menu (170, 145, ...), as the user sees them.
std::vector<ExpectedPopup> ExpectedPopups(int menuId, const MenuExpectation& how);

// Walks the popups of the frame's menu bar, or (contextMenu) the window-bar
// menu opened on the first tab. Prints a line per item; returns the number
// of mismatches, or -1 when the menu could not be opened at all.
int WalkMenu(HWND frame, int menuId, const MenuExpectation& how, int onlyPopup);

}  // namespace probe
