#include "keys/toolbar_page.h"

#include <optional>
#include <string>

#include "app/command_table.h"
#include "app/toolbar_data.h"
#include "app/toolbar_layout.h"
#include "base/host.h"
#include "cabinet/cabinet_sheet.h"
#include "framework/property_sheet.h"
#include "framework/win_text.h"
#include "res/tools_ids.h"

namespace quelt::win {
namespace {

struct PageState {
  ToolBarPageContext* context = nullptr;
  std::vector<CommandId> choices;
};

std::wstring EntryName(CommandId id) {
  if (id == kToolBarSeparator) return Utf8ToWide("(ｾﾊﾟﾚｰﾀ)");
  if (id == kFindBoxId) return Utf8ToWide("(検索文字列ボックス)");
  if (const CommandInfo* info = FindCommand(id)) {
    const std::string_view text = !info->tip.empty() ? info->tip : info->label.empty() ? info->prompt : info->label;
    return Utf8ToWide(MenuTextWithoutMnemonic(text));
  }
  return std::to_wstring(id);
}

std::optional<std::size_t> Cursel(HWND page, int id) {
  const LRESULT i = SendDlgItemMessageW(page, id, LB_GETCURSEL, 0, 0);
  return i == LB_ERR ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(i));
}

void FillButtons(HWND page, const PageState& s, std::optional<std::size_t> select) {
  HWND list = GetDlgItem(page, IDC_TB_BUTTONS);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (CommandId id : s.context->layout) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(EntryName(id).c_str()));
  }
  if (select && *select < s.context->layout.size()) SendMessageW(list, LB_SETCURSEL, *select, 0);
}

void OnCommand(HWND page, PageState& s, int id) {
  auto& layout = s.context->layout;
  const auto item = Cursel(page, IDC_TB_BUTTONS);
  switch (id) {
    case IDC_TB_ADD: {
      const auto choice = Cursel(page, IDC_TB_AVAILABLE);
      const auto at = choice && *choice < s.choices.size() ? AddToolBarEntry(layout, item, s.choices[*choice])
                                                           : std::nullopt;
      if (!at) {
        s.context->host->Beep();
        return;
      }
      FillButtons(page, s, at);
      return;
    }
    case IDC_TB_DELETE:
      if (!item || *item >= layout.size()) {
        s.context->host->Beep();
        return;
      }
      layout.erase(layout.begin() + static_cast<std::ptrdiff_t>(*item));
      FillButtons(page, s, layout.empty() ? std::nullopt : std::optional<std::size_t>(std::min(*item, layout.size() - 1)));
      return;
    case IDC_TB_UP:
    case IDC_TB_DOWN: {
      const bool up = id == IDC_TB_UP;
      if (!item || *item >= layout.size() || (up && *item == 0) || (!up && *item + 1 >= layout.size())) {
        s.context->host->Beep();
        return;
      }
      const std::size_t other = up ? *item - 1 : *item + 1;
      std::swap(layout[*item], layout[other]);
      FillButtons(page, s, other);
      return;
    }
    case IDC_TB_DEFAULT: {
      const auto defaults = DefaultToolBarLayout();
      layout.assign(defaults.begin(), defaults.end());
      FillButtons(page, s, std::nullopt);
      return;
    }
    default:
      return;
  }
}

INT_PTR CALLBACK ToolBarProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  auto* s = reinterpret_cast<PageState*>(GetWindowLongPtrW(page, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      s = reinterpret_cast<PageState*>(reinterpret_cast<PROPSHEETPAGEW*>(lp)->lParam);
      SetWindowLongPtrW(page, DWLP_USER, reinterpret_cast<LONG_PTR>(s));
      s->choices = ToolBarChoices();
      for (CommandId id : s->choices) {
        SendDlgItemMessageW(page, IDC_TB_AVAILABLE, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(EntryName(id).c_str()));
      }
      FillButtons(page, *s, std::nullopt);
      return TRUE;
    case WM_COMMAND:
      if (!s || HIWORD(wp) != BN_CLICKED) break;
      OnCommand(page, *s, LOWORD(wp));
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

PROPSHEETPAGEW ToolBarPage(ToolBarPageContext& context) {
  static PageState state;  // one sheet at a time
  state = PageState{&context, {}};
  PROPSHEETPAGEW page = MakePage(IDD_TOOLBAR_PAGE, ToolBarProc);
  page.lParam = reinterpret_cast<LPARAM>(&state);
  return page;
}

}  // namespace quelt::win
