#include "frame/recent_menu.h"

#include <string>

#include "framework/menu_builder.h"
#include "framework/win_text.h"
#include "res/resource.h"

namespace quelt::win {
namespace {

bool IsRecentId(UINT id) { return id >= kRecentFileFirst && id <= kRecentFileLast; }

// A menu text shows a path's own ampersands.
std::wstring MenuPathText(std::size_t index, const std::string& path) {
  std::wstring text = std::to_wstring(index + 1);
  if (index < 9) text = L"&" + text;
  std::wstring shown;
  for (wchar_t c : SjisToWide(path)) shown += c == L'&' ? std::wstring(L"&&") : std::wstring(1, c);
  return text + L" " + shown;
}

}  // namespace

HMENU FileMenuOf(HMENU bar) {
  for (int i = 0, n = GetMenuItemCount(bar); i < n; ++i) {
    HMENU popup = GetSubMenu(bar, i);
    if (popup && GetMenuState(popup, ID_APP_EXIT, MF_BYCOMMAND) != static_cast<UINT>(-1)) return popup;
  }
  return nullptr;
}

void UpdateRecentFileMenus(const std::vector<HMENU>& menus, const RecentFiles& files) {
  for (HMENU bar : menus) {
    HMENU popup = bar ? FileMenuOf(bar) : nullptr;
    if (!popup) continue;
    // The entries stand where the menu data puts the first one; a menu
    // without that item has no list.
    int at = -1;
    for (int i = GetMenuItemCount(popup) - 1; i >= 0; --i) {
      if (!IsRecentId(GetMenuItemID(popup, i))) continue;
      DeleteMenu(popup, static_cast<UINT>(i), MF_BYPOSITION);
      at = i;
    }
    if (at < 0) continue;
    if (files.Entries().empty()) {
      // An empty list shows the item's own text, greyed.
      InsertMenuW(popup, static_cast<UINT>(at), MF_BYPOSITION | MF_STRING | MF_GRAYED, kRecentFileFirst,
                  CommandMenuText(kRecentFileFirst).c_str());
      continue;
    }
    UINT id = kRecentFileFirst;
    for (const std::string& path : files.Entries()) {
      const std::wstring text = MenuPathText(id - kRecentFileFirst, path);
      InsertMenuW(popup, static_cast<UINT>(at++), MF_BYPOSITION | MF_STRING, id++, text.c_str());
    }
  }
}

void UpdateFavouriteFolderMenus(const std::vector<HMENU>& menus,
                                const std::array<std::string, kFavouriteFolderCount>& folders) {
  const std::wstring label = CommandMenuText(kFavouriteFolderFirst);
  for (HMENU bar : menus) {
    HMENU popup = bar ? FileMenuOf(bar) : nullptr;
    if (!popup) continue;
    // The item as the menu data made it, or the popup an earlier call made.
    int at = -1;
    for (int i = 0, n = GetMenuItemCount(popup); i < n && at < 0; ++i) {
      const UINT id = GetMenuItemID(popup, i);
      HMENU sub = GetSubMenu(popup, i);
      if (id == kFavouriteFolderFirst || (sub && GetMenuItemID(sub, 0) >= kFavouriteFolderFirst &&
                                          GetMenuItemID(sub, 0) <= kFavouriteFolderLast))
        at = i;
    }
    if (at < 0) continue;
    DeleteMenu(popup, static_cast<UINT>(at), MF_BYPOSITION);
    HMENU sub = CreatePopupMenu();
    std::size_t shown = 0;
    for (std::size_t k = 0; sub && k < folders.size(); ++k) {
      if (folders[k].empty()) continue;
      AppendMenuW(sub, MF_STRING, kFavouriteFolderFirst + k, MenuPathText(shown++, folders[k]).c_str());
    }
    if (!sub || shown == 0) {
      if (sub) DestroyMenu(sub);
      InsertMenuW(popup, static_cast<UINT>(at), MF_BYPOSITION | MF_STRING | MF_GRAYED, kFavouriteFolderFirst,
                  label.c_str());
      continue;
    }
    InsertMenuW(popup, static_cast<UINT>(at), MF_BYPOSITION | MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub),
                label.c_str());
  }
}

}  // namespace quelt::win
