// The recent-file entries of the file menus: "&1 path" items above the
// separator before the exit command, with the command ids 57616 and up.
#pragma once

#include <windows.h>

#include <vector>

#include "app/recent_files.h"

namespace quelt::win {

constexpr UINT kRecentFileFirst = 57616;
constexpr UINT kRecentFileLast = kRecentFileFirst + kMaxRecentFiles - 1;

// Puts the entries into the file popup (the one holding the exit command)
// of every menu bar given, replacing what an earlier call put there.
void UpdateRecentFileMenus(const std::vector<HMENU>& menus, const RecentFiles& files);

}  // namespace quelt::win
