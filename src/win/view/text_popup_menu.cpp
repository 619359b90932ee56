#include "view/text_popup_menu.h"

#include <string>

#include "app/popup_menu_items.h"
#include "framework/command_route.h"
#include "framework/win_text.h"
#include "keys/bindable_commands.h"

namespace quelt::win {
void ShowTextPopupMenu(HWND owner, HWND frame, POINT screen, const PopupMenuItems& items, CommandRoute& route) {
  HMENU menu = CreatePopupMenu();
  if (!menu) return;
  bool separatorDue = false;
  int shown = 0;
  for (const std::int32_t item : items.items()) {
    if (item == kPopupSeparator) {
      // No separator at the top, at the bottom or twice in a row.
      separatorDue = shown > 0;
      continue;
    }
    const auto id = static_cast<UINT>(item);
    const BindableCommand* command = FindBindableCommand(static_cast<CommandId>(id));
    if (!command) continue;
    CommandState state;
    route.RouteUpdate(id, state);
    std::wstring text = Utf8ToWide(command->name);
    if (state.text) text = *state.text;
    const std::wstring key = route.MenuKeyText(id);
    if (!key.empty()) text += L"\t" + key;
    if (separatorDue) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    separatorDue = false;
    UINT flags = MF_STRING;
    if (!state.enabled) flags |= MF_GRAYED;
    if (state.checked) flags |= MF_CHECKED;
    AppendMenuW(menu, flags, id, text.c_str());
    ++shown;
  }
  if (shown > 0) {
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                       screen.x, screen.y, 0, owner, nullptr));
    if (chosen != 0) SendMessageW(frame, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
  }
  DestroyMenu(menu);
}

}  // namespace quelt::win
