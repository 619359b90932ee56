#include "tools/extended_menu_service.h"

#include "app/command_table.h"
#include "framework/document_list.h"
#include "framework/owner_window.h"
#include "state/app_state.h"
#include "framework/mdi_child.h"
#include "framework/view.h"
#include "framework/win_text.h"
#include "tools/extended_menu_popup.h"
#include "tools/tool_menu.h"

namespace quelt::win {
namespace {

ExtendedMenuService* g_delayed = nullptr;  // the service whose timer runs

}  // namespace

bool ExtendedMenuService::OnCommand(UINT id) {
  const int number = ExtendedMenuOfCommand(static_cast<CommandId>(id));
  if (number == 0) return id >= kCmdExtBarListFirst && id <= kCmdExtBarListLast;  // only from an open popup
  const ExtendedMenu& menu = state_.Data().extendedMenus[static_cast<std::size_t>(number - 1)];
  if (menu.delay <= 0) {
    ShowPopup(number, PopupPoint());
    return true;
  }
  pending_ = number;
  g_delayed = this;
  SetTimer(owner_.MainHwnd(), kDelayTimer, static_cast<UINT>(menu.delay) * 100, &OnDelay);
  return true;
}

bool ExtendedMenuService::OnUpdateCommand(UINT id, CommandState& state) {
  if (ExtendedMenuOfCommand(static_cast<CommandId>(id)) > 0) return true;
  if (id < kCmdExtBarListFirst || id > kCmdExtBarListLast) return false;
  state.enabled = open_ > 0;
  return true;
}

void CALLBACK ExtendedMenuService::OnDelay(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(hwnd, id);
  ExtendedMenuService* self = g_delayed;
  g_delayed = nullptr;
  if (!self || self->pending_ == 0) return;
  const int number = self->pending_;
  self->pending_ = 0;
  self->ShowPopup(number, self->PopupPoint());
}

POINT ExtendedMenuService::PopupPoint() const {
  HWND target = owner_.MainHwnd();
  if (MdiChild* child = documents_.ActiveChild(); child && child->GetView()) target = child->GetView()->Hwnd();
  RECT rc;
  GetWindowRect(target, &rc);
  return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

void ExtendedMenuService::ShowPopup(int number, POINT screen) {
  if (number < 1 || number > static_cast<int>(kExtendedMenuCount)) return;
  const ExtendedMenu& menu = state_.Data().extendedMenus[static_cast<std::size_t>(number - 1)];
  const auto entries = ExtendedPopupEntries(menu);
  if (entries.empty()) return;
  HMENU popup = CreatePopupMenu();
  if (!popup) return;
  const std::vector<UserTool>& tools = state_.Data().tools.tools;
  for (const ExtendedPopupEntry& e : entries) {
    if (e.separator) {
      AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::wstring text;
    if (const int tool = ToolNumberOfCommand(e.command); tool > 0) {
      const auto index = ToolIndexOfNumber(tools, tool);
      text = SjisToWide(ExtendedItemText(index ? tools[*index].title : std::string(), e.accessKey));
    } else if (const CommandInfo* info = FindCommand(e.command)) {
      text = Utf8ToWide(ExtendedItemText(info->label, e.accessKey));
    }
    if (text.empty()) text = std::to_wstring(e.command);
    AppendMenuW(popup, MF_STRING, e.id, text.c_str());
  }
  HWND frame = owner_.MainHwnd();
  SetForegroundWindow(frame);
  open_ = number;
  const auto chosen = static_cast<CommandId>(
      TrackPopupMenu(popup, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, screen.x, screen.y, 0, frame, nullptr));
  open_ = 0;
  DestroyMenu(popup);
  if (const auto command = ExtendedPopupCommand(menu, chosen)) {
    SendMessageW(frame, WM_COMMAND, MAKEWPARAM(*command, 0), 0);
  }
}

}  // namespace quelt::win
