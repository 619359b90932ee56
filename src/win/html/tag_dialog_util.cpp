#include "html/tag_dialog_util.h"

#include <commctrl.h>
#include <commdlg.h>

#include <vector>

#include "cabinet/cabinet_dialog_util.h"
#include "framework/win_text.h"
#include "html/page_tags.h"
#include "html/tag_dialog_rules.h"
#include "html/table_tags.h"
#include "framework/colour_chooser.h"

namespace quelt::win {
namespace {

struct DialogState {
  const TagDialogHandlers* handlers;
  const wchar_t* title;
};

INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    auto* state = reinterpret_cast<DialogState*>(lp);
    SetWindowLongPtrW(dialog, DWLP_USER, lp);
    if (state->title) SetWindowTextW(dialog, state->title);
    if (state->handlers->init) state->handlers->init(dialog);
    return TRUE;
  }
  auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (!state || msg != WM_COMMAND) return FALSE;
  const int id = LOWORD(wp);
  const TagDialogHandlers& h = *state->handlers;
  if (id == IDOK) {
    if (!h.ok || h.ok(dialog)) EndDialog(dialog, IDOK);
    return TRUE;
  }
  if (id == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
  if (h.command) h.command(dialog, id, HIWORD(wp));
  return TRUE;
}

struct PageState {
  TagPageHandlers* handlers;
  int index;
  int* active;
};

INT_PTR CALLBACK PageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    const LPARAM state = reinterpret_cast<const PROPSHEETPAGEW*>(lp)->lParam;
    SetWindowLongPtrW(page, DWLP_USER, state);
    auto* s = reinterpret_cast<PageState*>(state);
    if (s->handlers->init) s->handlers->init(page);
    return TRUE;
  }
  auto* s = reinterpret_cast<PageState*>(GetWindowLongPtrW(page, DWLP_USER));
  if (!s) return FALSE;
  TagPageHandlers& h = *s->handlers;
  if (msg == WM_COMMAND) {
    if (h.command) h.command(page, LOWORD(wp), HIWORD(wp));
    return TRUE;
  }
  if (msg != WM_NOTIFY) return FALSE;
  switch (reinterpret_cast<const NMHDR*>(lp)->code) {
    case PSN_SETACTIVE:
      *s->active = s->index;
      if (h.activated) h.activated(page);
      return PageResult(page, 0);
    case PSN_KILLACTIVE: {
      const bool refused = h.leave && !h.leave(page);
      if (refused) TagBeep();
      return PageResult(page, refused ? TRUE : FALSE);
    }
    case PSN_APPLY:
      if (h.apply) h.apply(page);
      return PageResult(page, PSNRET_NOERROR);
    default:
      return FALSE;
  }
}

}  // namespace

bool RunTagDialog(HWND owner, int dialogId, const TagDialogHandlers& h, const wchar_t* title) {
  DialogState state{&h, title};
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(dialogId), owner, DialogProc,
                         reinterpret_cast<LPARAM>(&state)) == IDOK;
}

bool RunTagSheet(HWND owner, const wchar_t* title, std::span<TagPageHandlers> pages, int startPage,
                 int& lastPage) {
  if (pages.empty()) return false;
  int active = startPage >= 0 && startPage < static_cast<int>(pages.size()) ? startPage : 0;
  std::vector<PageState> states;
  states.reserve(pages.size());
  std::vector<PROPSHEETPAGEW> sheetPages;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    states.push_back(PageState{&pages[i], static_cast<int>(i), &active});
    PROPSHEETPAGEW p{};
    p.dwSize = sizeof p;
    p.dwFlags = PSP_DEFAULT;
    p.hInstance = GetModuleHandleW(nullptr);
    p.pszTemplate = MAKEINTRESOURCEW(pages[i].dialogId);
    p.pfnDlgProc = PageProc;
    p.lParam = reinterpret_cast<LPARAM>(&states.back());
    sheetPages.push_back(p);
  }
  PROPSHEETHEADERW header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
  header.hwndParent = owner;
  header.hInstance = GetModuleHandleW(nullptr);
  header.pszCaption = title;
  header.nPages = static_cast<UINT>(sheetPages.size());
  header.nStartPage = static_cast<UINT>(active);
  header.ppsp = sheetPages.data();
  const bool ok = PropertySheetW(&header) > 0;
  lastPage = active;
  return ok;
}

void FillList(HWND dialog, int id, const std::vector<std::wstring>& items, int selected) {
  HWND list = GetDlgItem(dialog, id);
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (const std::wstring& item : items) SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  SendMessageW(list, CB_SETCURSEL, selected, 0);
}

void FillList(HWND dialog, int id, std::span<const char* const> labels, int selected) {
  std::vector<std::wstring> items;
  for (const char* label : labels) items.push_back(Utf8ToWide(label));
  FillList(dialog, id, items, selected);
}

void FillNumberList(HWND dialog, int id, int selected) {
  HWND list = GetDlgItem(dialog, id);
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (int i = 0; i < kNumberListCount; ++i) {
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(NumberListLabel(i)).c_str()));
  }
  SendMessageW(list, CB_SETCURSEL, selected, 0);
}

void FillMarginList(HWND dialog, int id, int selected) {
  HWND list = GetDlgItem(dialog, id);
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"標準"));
  for (int i = 1; i <= 100; ++i) {
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_wstring(i).c_str()));
  }
  SendMessageW(list, CB_SETCURSEL, selected, 0);
}

int ListIndex(HWND dialog, int id) {
  const LRESULT i = SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0);
  return i == CB_ERR ? -1 : static_cast<int>(i);
}

int GetItemNumber(HWND dialog, int id, bool* ok) {
  BOOL translated = FALSE;
  const int value = static_cast<int>(GetDlgItemInt(dialog, id, &translated, TRUE));
  if (ok) *ok = translated != FALSE;
  return translated ? value : 0;
}

void SetItemNumber(HWND dialog, int id, int value) { SetDlgItemInt(dialog, id, static_cast<UINT>(value), TRUE); }

bool ReadCountField(HWND dialog, int id, int max, int& value) {
  const std::optional<int> n = ParseCountField(GetItemSjis(dialog, id), max);
  if (!n) {
    TagBeep();
    SelectField(dialog, id);
    return false;
  }
  value = *n;
  return true;
}

void ShowColourField(HWND dialog, int id, ColourRef colour) {
  SetDlgItemTextW(dialog, id, Utf8ToWide(FormatHtmlColor(colour, true, false)).c_str());
}

bool PickColour(HWND dialog, ColourRef& colour) {
  COLORREF c = colour & 0xFFFFFF;
  if (!ChooseColour(dialog, c)) return false;
  colour = c & 0xFFFFFF;
  return true;
}

bool BrowseIntoField(HWND dialog, int fieldId, const wchar_t* title, std::wstring_view filter) {
  const std::wstring filters = DialogFilter(filter);
  wchar_t path[MAX_PATH * 4] = {};
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = dialog;
  ofn.lpstrFilter = filters.c_str();
  ofn.lpstrFile = path;
  ofn.nMaxFile = static_cast<DWORD>(std::size(path));
  ofn.lpstrTitle = title;
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
  if (!GetOpenFileNameW(&ofn)) return false;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  SetItemSjis(dialog, fieldId, BrowsedName(WideToSjis(path), ctrl));
  return true;
}

void EnableItems(HWND dialog, std::initializer_list<int> ids, bool on) {
  for (int id : ids) EnableWindow(GetDlgItem(dialog, id), on ? TRUE : FALSE);
}

void TagBeep() { CabinetBeep(); }

}  // namespace quelt::win
