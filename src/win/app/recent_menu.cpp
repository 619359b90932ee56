#include "app/recent_menu.h"

#include <string>

#include "framework/win_text.h"
#include "res/resource.h"

namespace quelt::win {
namespace {

// The separator that closes the entries carries its own id so that it goes
// with them.
constexpr UINT kRecentSeparator = kRecentFileLast + 1;

HMENU FilePopup(HMENU bar) {
  for (int i = 0, n = GetMenuItemCount(bar); i < n; ++i) {
    HMENU popup = GetSubMenu(bar, i);
    if (popup && GetMenuState(popup, ID_APP_EXIT, MF_BYCOMMAND) != static_cast<UINT>(-1)) return popup;
  }
  return nullptr;
}

int PositionOf(HMENU popup, UINT id) {
  for (int i = 0, n = GetMenuItemCount(popup); i < n; ++i) {
    if (GetMenuItemID(popup, i) == id) return i;
  }
  return -1;
}

}  // namespace

void UpdateRecentFileMenus(const std::vector<HMENU>& menus, const RecentFiles& files) {
  for (HMENU bar : menus) {
    HMENU popup = bar ? FilePopup(bar) : nullptr;
    if (!popup) continue;
    for (UINT id = kRecentFileFirst; id <= kRecentSeparator; ++id) DeleteMenu(popup, id, MF_BYCOMMAND);
    if (files.Entries().empty()) continue;
    // Above the separator that stands before the exit command.
    int at = PositionOf(popup, ID_APP_EXIT);
    if (at > 0 && (GetMenuState(popup, static_cast<UINT>(at - 1), MF_BYPOSITION) & MF_SEPARATOR)) --at;
    if (at < 0) at = GetMenuItemCount(popup);
    UINT id = kRecentFileFirst;
    for (const std::string& path : files.Entries()) {
      std::wstring text = std::to_wstring(id - kRecentFileFirst + 1);
      if (id - kRecentFileFirst < 9) text = L"&" + text;
      // A path's own ampersands are shown, not taken for mnemonics.
      std::wstring shown;
      for (wchar_t c : SjisToWide(path)) shown += c == L'&' ? std::wstring(L"&&") : std::wstring(1, c);
      text += L" " + shown;
      InsertMenuW(popup, static_cast<UINT>(at++), MF_BYPOSITION | MF_STRING, id++, text.c_str());
    }
    InsertMenuW(popup, static_cast<UINT>(at), MF_BYPOSITION | MF_SEPARATOR, kRecentSeparator, nullptr);
  }
}

}  // namespace quelt::win
