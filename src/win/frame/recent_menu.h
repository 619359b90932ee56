// The recent-file entries of the file menus: "&1 path" items with the
// command ids 57616 and up, where the menu data places the first of them.
#pragma once

#include <windows.h>

#include <vector>

#include <array>
#include <string>

#include "app/recent_files.h"
#include "app/settings.h"

namespace quelt::win {

constexpr UINT kRecentFileFirst = 57616;
constexpr UINT kRecentFileLast = kRecentFileFirst + kMaxRecentFiles - 1;

// The file popup of a menu bar: the one holding the exit command.
HMENU FileMenuOf(HMENU bar);

// Puts the entries into the file popup (the one holding the exit command)
// of every menu bar given, replacing what an earlier call put there.
void UpdateRecentFileMenus(const std::vector<HMENU>& menus, const RecentFiles& files);

// The favourite-folder submenu: the item of command 32877 becomes a popup
// of the folders set (commands 32877 to 32880), greyed when none is set.
constexpr UINT kFavouriteFolderFirst = 32877;
constexpr UINT kFavouriteFolderLast = kFavouriteFolderFirst + kFavouriteFolderCount - 1;
void UpdateFavouriteFolderMenus(const std::vector<HMENU>& menus,
                                const std::array<std::string, kFavouriteFolderCount>& folders);

}  // namespace quelt::win
