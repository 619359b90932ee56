#include "tools/extended_menus_page.h"

#include <optional>
#include <string>

#include "app/command_table.h"
#include "base/host.h"
#include "cabinet/cabinet_dialog_util.h"
#include "cabinet/cabinet_sheet.h"
#include "framework/property_sheet.h"
#include "framework/win_text.h"
#include "keys/bindable_commands.h"
#include "res/tools_ids.h"
#include "tools/extended_menu_edit.h"
#include "tools/extended_menu_popup.h"
#include "tools/tool_menu.h"

namespace quelt::win {
namespace {

struct PageState {
  ExtendedMenusPageContext* context = nullptr;
  std::vector<std::int32_t> choices;
  int menu = 0;  // 0-based
  bool filling = false;
};

std::optional<std::size_t> Cursel(HWND page, int id) {
  const LRESULT i = SendDlgItemMessageW(page, id, LB_GETCURSEL, 0, 0);
  return i == LB_ERR ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(i));
}

std::wstring CommandName(const PageState& s, std::int32_t command) {
  if (command == kMenuSeparator) return Utf8ToWide("(ｾﾊﾟﾚｰﾀ)");
  const CommandId id = static_cast<CommandId>(command);
  if (const int tool = ToolNumberOfCommand(id); tool > 0 && s.context->tools) {
    const auto index = ToolIndexOfNumber(*s.context->tools, tool);
    if (index) return SjisToWide((*s.context->tools)[*index].title);
  }
  if (const BindableCommand* c = FindBindableCommand(id)) return Utf8ToWide(MenuTextWithoutMnemonic(c->name));
  if (const CommandInfo* info = FindCommand(id)) return Utf8ToWide(MenuTextWithoutMnemonic(info->label));
  return std::to_wstring(command);
}

ExtendedMenu& Current(PageState& s) { return s.context->menus[static_cast<std::size_t>(s.menu)]; }

void ShowItemKey(HWND page, PageState& s) {
  const auto i = Cursel(page, IDC_EXT_ITEMS);
  const ExtendedMenu& m = Current(s);
  const bool item = i && *i < m.items.size();
  s.filling = true;
  const char key = item ? m.items[*i].accessKey : 0;
  SetItemSjis(page, IDC_EXT_KEY, key ? std::string(1, key) : std::string());
  EnableWindow(GetDlgItem(page, IDC_EXT_KEY), item && m.items[*i].command != kMenuSeparator);
  s.filling = false;
}

void FillItems(HWND page, PageState& s, std::optional<std::size_t> select) {
  HWND list = GetDlgItem(page, IDC_EXT_ITEMS);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const ExtendedMenuItem& item : Current(s).items) {
    std::wstring text = CommandName(s, item.command);
    if (item.accessKey) text += L" (" + std::wstring(1, static_cast<wchar_t>(item.accessKey)) + L")";
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  if (select) SendMessageW(list, LB_SETCURSEL, *select, 0);
  ShowItemKey(page, s);
}

void ShowMenu(HWND page, PageState& s) {
  s.filling = true;
  const ExtendedMenu& m = Current(s);
  SetItemSjis(page, IDC_EXT_TITLE, m.title);
  SetDlgItemInt(page, IDC_EXT_DELAY, static_cast<UINT>(m.delay), FALSE);
  s.filling = false;
  FillItems(page, s, m.items.empty() ? std::nullopt : std::optional<std::size_t>(0));
}

void Beep(PageState& s) { s.context->host->Beep(); }

void OnCommand(HWND page, PageState& s, int id, int code) {
  ExtendedMenu& m = Current(s);
  const auto item = Cursel(page, IDC_EXT_ITEMS);
  switch (id) {
    case IDC_EXT_NUMBER:
      if (code == CBN_SELCHANGE) {
        s.menu = static_cast<int>(SendDlgItemMessageW(page, IDC_EXT_NUMBER, CB_GETCURSEL, 0, 0));
        if (s.menu < 0) s.menu = 0;
        ShowMenu(page, s);
      }
      return;
    case IDC_EXT_TITLE:
      if (code == EN_CHANGE && !s.filling) {
        m.title = GetItemSjis(page, IDC_EXT_TITLE).substr(0, kMaxExtendedMenuTitle);
      }
      return;
    case IDC_EXT_DELAY:
      if (code == EN_CHANGE && !s.filling) {
        BOOL ok = FALSE;
        const UINT v = GetDlgItemInt(page, IDC_EXT_DELAY, &ok, FALSE);
        m.delay = ok ? static_cast<std::int32_t>(std::min<UINT>(v, kMaxExtendedMenuDelay)) : 0;
      }
      return;
    case IDC_EXT_ITEMS:
      if (code == LBN_SELCHANGE) ShowItemKey(page, s);
      return;
    case IDC_EXT_KEY:
      if (code == EN_CHANGE && !s.filling && item && *item < m.items.size()) {
        if (!SetExtendedAccessKey(m.items[*item], GetItemSjis(page, IDC_EXT_KEY))) {
          Beep(s);
          ShowItemKey(page, s);
          return;
        }
        // The list shows the key; the field keeps the caret.
        s.filling = true;
        FillItems(page, s, item);
        s.filling = false;
        SetFocus(GetDlgItem(page, IDC_EXT_KEY));
        SendDlgItemMessageW(page, IDC_EXT_KEY, EM_SETSEL, 1, 1);
      }
      return;
    case IDC_EXT_ADD: {
      const auto choice = Cursel(page, IDC_EXT_COMMANDS);
      const std::optional<std::int32_t> command =
          choice && *choice < s.choices.size() ? std::optional<std::int32_t>(s.choices[*choice]) : std::nullopt;
      const auto at = AddExtendedItem(m, item, command);
      if (!at) {
        Beep(s);
        return;
      }
      FillItems(page, s, at);
      return;
    }
    case IDC_EXT_DELETE:
      if (!item || !DeleteExtendedItem(m, *item)) {
        Beep(s);
        return;
      }
      FillItems(page, s, m.items.empty() ? std::nullopt : std::optional<std::size_t>(std::min(*item, m.items.size() - 1)));
      return;
    case IDC_EXT_UP:
    case IDC_EXT_DOWN: {
      const int direction = id == IDC_EXT_UP ? -1 : 1;
      if (!item || !MoveExtendedItem(m, *item, direction)) {
        Beep(s);
        return;
      }
      FillItems(page, s, *item + direction);
      return;
    }
    default:
      return;
  }
}

INT_PTR CALLBACK ExtendedMenusProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  auto* s = reinterpret_cast<PageState*>(GetWindowLongPtrW(page, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG: {
      s = reinterpret_cast<PageState*>(reinterpret_cast<PROPSHEETPAGEW*>(lp)->lParam);
      SetWindowLongPtrW(page, DWLP_USER, reinterpret_cast<LONG_PTR>(s));
      HWND number = GetDlgItem(page, IDC_EXT_NUMBER);
      for (int n = 1; n <= static_cast<int>(kExtendedMenuCount); ++n) {
        const std::wstring text = SjisToWide(ExtendedMenuTitle(ExtendedMenu{}, n));
        SendMessageW(number, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
      }
      SendMessageW(number, CB_SETCURSEL, 0, 0);
      SendDlgItemMessageW(page, IDC_EXT_TITLE, EM_LIMITTEXT, kMaxExtendedMenuTitle, 0);
      SendDlgItemMessageW(page, IDC_EXT_DELAY, EM_LIMITTEXT, 3, 0);
      s->choices = ExtendedCommandChoices();
      for (std::int32_t c : s->choices) {
        SendDlgItemMessageW(page, IDC_EXT_COMMANDS, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(CommandName(*s, c).c_str()));
      }
      ShowMenu(page, *s);
      return TRUE;
    }
    case WM_COMMAND:
      if (!s) break;
      OnCommand(page, *s, LOWORD(wp), HIWORD(wp));
      return TRUE;
    case WM_NOTIFY:
      if (s && TakePageApply(page, lp, s->context->applied)) return TRUE;
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

PROPSHEETPAGEW ExtendedMenusPage(ExtendedMenusPageContext& context) {
  static PageState state;  // one sheet at a time
  state = PageState{&context, {}, 0, false};
  PROPSHEETPAGEW page = MakePage(IDD_EXTENDED_MENUS_PAGE, ExtendedMenusProc);
  page.lParam = reinterpret_cast<LPARAM>(&state);
  return page;
}

}  // namespace quelt::win
