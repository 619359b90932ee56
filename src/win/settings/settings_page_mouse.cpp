// The "ﾏｳｽ" page (dialog 1543): the items of the text view's popup menu,
// chosen from the bindable commands and the separator.
#include <windows.h>

#include <string>

#include "app/command_table.h"
#include "framework/win_text.h"
#include "keys/bindable_commands.h"
#include "res/settings_ids.h"
#include "settings/settings_pages.h"

namespace quelt::win {
namespace {

constexpr wchar_t kSeparatorName[] = L"(ｾﾊﾟﾚｰﾀ)";

std::wstring ItemName(std::int32_t item) {
  if (item == kPopupSeparator) return kSeparatorName;
  const BindableCommand* command = FindBindableCommand(static_cast<CommandId>(item));
  return command ? Utf8ToWide(MenuTextWithoutMnemonic(command->name)) : L"?";
}

int Selected(HWND page, int list) {
  return static_cast<int>(SendDlgItemMessageW(page, list, LB_GETCURSEL, 0, 0));
}

void ShowItems(HWND page, const PopupMenuItems& popup, int select) {
  HWND list = GetDlgItem(page, IDC_MOUSE_ITEMS);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const std::int32_t item : popup.items()) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ItemName(item).c_str()));
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  if (select >= static_cast<int>(popup.size())) select = static_cast<int>(popup.size()) - 1;
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(select), 0);
  InvalidateRect(list, nullptr, TRUE);
}

// The command list: the separator first, then every bindable command.
void FillCommands(HWND page) {
  HWND list = GetDlgItem(page, IDC_MOUSE_COMMANDS);
  SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kSeparatorName));
  SendMessageW(list, LB_SETITEMDATA, 0, static_cast<LPARAM>(kPopupSeparator));
  for (const BindableCommand& c : BindableCommands()) {
    const std::wstring name = Utf8ToWide(MenuTextWithoutMnemonic(c.name));
    const auto at = SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(at), static_cast<LPARAM>(c.id));
  }
  SendMessageW(list, LB_SETCURSEL, 0, 0);
  SendMessageW(list, LB_SETHORIZONTALEXTENT, 400, 0);
}

void OnButton(HWND page, CommonSettingsSheet& sheet, int id) {
  PopupMenuItems& popup = sheet.popup;
  const int at = Selected(page, IDC_MOUSE_ITEMS);
  PopupEdit r = PopupEdit::kRefused;
  int select = at;
  switch (id) {
    case IDC_MOUSE_ADD: {
      const int command = Selected(page, IDC_MOUSE_COMMANDS);
      if (command >= 0) {
        const auto item = static_cast<std::int32_t>(SendDlgItemMessageW(page, IDC_MOUSE_COMMANDS, LB_GETITEMDATA,
                                                                         static_cast<WPARAM>(command), 0));
        r = popup.Add(item, at, select);
      }
      break;
    }
    case IDC_MOUSE_DELETE: r = popup.Delete(at); break;
    case IDC_MOUSE_UP:
      r = popup.MoveUp(at);
      select = at - 1;
      break;
    case IDC_MOUSE_DOWN:
      r = popup.MoveDown(at);
      select = at + 1;
      break;
    case IDC_MOUSE_DEFAULTS:
      popup.RestoreDefaults();
      r = PopupEdit::kDone;
      select = 0;
      break;
    default:
      return;
  }
  if (r != PopupEdit::kDone) {
    CabinetBeep();
    return;
  }
  ShowItems(page, popup, select);
}

INT_PTR CALLBACK MouseProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      CommonSettingsSheet& sheet = AttachSheet(page, lp);
      sheet.mouseOpened = true;
      FillCommands(page);
      ShowItems(page, sheet.popup, 0);
      return TRUE;
    }
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED) {
        if (CommonSettingsSheet* sheet = SheetOf(page)) OnButton(page, *sheet, LOWORD(wp));
        return TRUE;
      }
      if (HIWORD(wp) == LBN_DBLCLK && LOWORD(wp) == IDC_MOUSE_COMMANDS) {
        if (CommonSettingsSheet* sheet = SheetOf(page)) OnButton(page, *sheet, IDC_MOUSE_ADD);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

PROPSHEETPAGEW MouseSettingsPage(CommonSettingsSheet& sheet) {
  return MakeSettingsPage(IDD_SETTINGS_MOUSE, MouseProc, sheet);
}

}  // namespace quelt::win
