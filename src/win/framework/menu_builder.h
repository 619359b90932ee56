// Real menus from the menu data: the menu bars and popup menus are built at
// run time from the command table, so their texts live in one place.
#pragma once

#include <windows.h>

#include <string>

#include "app/menu_table.h"
#include "framework/handles.h"

namespace quelt::win {

// Builds menu menuId (kMenuTextDocument, kMenuWindowBar, ...): a menu whose
// top-level items are the data's root popups, as a menu resource loads. For
// the popup menus open GetSubMenu(menu, 0). Texts show the "(&L)" form (or
// the kana letter). An empty handle for an unknown id or a failed call.
MenuHandle BuildMenu(int menuId, MnemonicShow show = MnemonicShow::kLatin);

// The frame's accelerator table (undo, redo and help keys); null on failure.
HACCEL BuildFrameAccelerators();

// The text a menu shows for command id, as UTF-16; empty for no menu item.
std::wstring CommandMenuText(UINT id, MnemonicShow show = MnemonicShow::kLatin);
// The status-bar prompt and the tooltip of command id; empty when it has none.
std::wstring CommandPrompt(UINT id);
std::wstring CommandTip(UINT id);

}  // namespace quelt::win
