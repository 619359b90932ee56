#include "global_search/global_search_dialog.h"

#include <commdlg.h>

#include "cabinet/cabinet_dialog_util.h"
#include "framework/win_text.h"
#include "global_search/mask_text.h"
#include "text/char_code.h"
#include "res/global_search_ids.h"
#include "framework/code_lists.h"

namespace quelt::win {
namespace {

struct DialogState {
  GlobalSearchRequest* request = nullptr;
  const GlobalSearchDialogContext* context = nullptr;
};

struct OptionBox {
  int id;
  bool GlobalSearchRequest::*field;
};
constexpr OptionBox kOptions[] = {
    {IDC_GS_CASE, &GlobalSearchRequest::matchCase},      {IDC_GS_WORD, &GlobalSearchRequest::wholeWord},
    {IDC_GS_ESCAPE, &GlobalSearchRequest::escapes},      {IDC_GS_REGEX, &GlobalSearchRequest::regex},
    {IDC_GS_WIDTH, &GlobalSearchRequest::distinguishWidth}, {IDC_GS_SUBDIR, &GlobalSearchRequest::subfolders},
    {IDC_GS_NONTEXT, &GlobalSearchRequest::nonText},
};

void FillHistory(HWND dlg, int id, const std::vector<std::string>* entries, const std::string& current) {
  HWND combo = GetDlgItem(dlg, id);
  if (entries) {
    for (const std::string& e : *entries) {
      const std::wstring text = SjisToWide(e);
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
  }
  SetItemSjis(dlg, id, current.empty() && entries && !entries->empty() ? entries->front() : current);
}

void Init(HWND dlg, DialogState& state) {
  const GlobalSearchRequest& r = *state.request;
  FillHistory(dlg, IDC_GS_TEXT, state.context->texts, r.text);
  FillHistory(dlg, IDC_GS_MASK, state.context->masks, r.maskText);
  for (const OptionBox& o : kOptions) CheckItem(dlg, o.id, r.*o.field);
  FillList(GetDlgItem(dlg, IDC_GS_CODE), CharCodeListNames(), r.codeDecision);
}

// Reads the template's controls; false (the dialog stays) without a text
// or a mask.
bool Read(HWND dlg, DialogState& state) {
  GlobalSearchRequest& r = *state.request;
  const std::string text = GetItemSjis(dlg, IDC_GS_TEXT);
  const std::string mask = GetItemSjis(dlg, IDC_GS_MASK);
  if (text.empty() || mask.empty()) return false;
  r.text = text;
  r.maskText = mask;
  for (const OptionBox& o : kOptions) r.*o.field = IsItemChecked(dlg, o.id);
  const int code = ListSelection(GetDlgItem(dlg, IDC_GS_CODE));
  r.codeDecision = code >= 0 && code <= static_cast<int>(kLastCharCode) ? code : 0;
  wchar_t folder[MAX_PATH] = L"";
  if (SendMessageW(GetParent(dlg), CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder)) > 0) {
    r.currentFolder = WideToSjis(folder);
  }
  return true;
}

// "...": the search file lists, starting at the list the mask names.
void ChooseList(HWND dlg, DialogState& state) {
  if (!state.context->chooseList) return;
  const std::string mask = GetItemSjis(dlg, IDC_GS_MASK);
  std::string name = IsListMask(mask) ? std::string(ListNameOf(mask)) : std::string();
  if (state.context->chooseList(GetParent(dlg), name) && !name.empty()) SetItemSjis(dlg, IDC_GS_MASK, "::" + name);
}

UINT_PTR CALLBACK Hook(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dlg, GWLP_USERDATA));
  switch (msg) {
    case WM_INITDIALOG: {
      state = reinterpret_cast<DialogState*>(reinterpret_cast<const OPENFILENAMEW*>(lp)->lCustData);
      SetWindowLongPtrW(dlg, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
      Init(dlg, *state);
      return TRUE;
    }
    case WM_COMMAND:
      if (state && LOWORD(wp) == IDC_GS_LISTS && HIWORD(wp) == BN_CLICKED) {
        ChooseList(dlg, *state);
        return 1;
      }
      return 0;
    case WM_NOTIFY:
      if (state && reinterpret_cast<const NMHDR*>(lp)->code == CDN_INITDONE) {
        SetFocus(GetDlgItem(dlg, IDC_GS_TEXT));
        return 0;
      }
      if (state && reinterpret_cast<const NMHDR*>(lp)->code == CDN_FILEOK) {
        if (!Read(dlg, *state)) {
          MessageBeep(MB_OK);
          SetFocus(GetDlgItem(dlg, GetItemSjis(dlg, IDC_GS_TEXT).empty() ? IDC_GS_TEXT : IDC_GS_MASK));
          SetWindowLongPtrW(dlg, DWLP_MSGRESULT, 1);
          return 1;
        }
      }
      return 0;
    default:
      return 0;
  }
}

}  // namespace

bool RunGlobalSearchDialog(HWND owner, GlobalSearchRequest& request, const GlobalSearchDialogContext& context) {
  GlobalSearchRequest working = request;
  DialogState state{&working, &context};
  wchar_t file[MAX_PATH] = L"a.a";
  static const wchar_t kFilter[] = L"(All Files *.*)\0*.*\0";
  std::wstring folder = SjisToWide(request.currentFolder);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.hInstance = GetModuleHandleW(nullptr);
  ofn.lpstrFilter = kFilter;
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  ofn.lpstrTitle = L"ｸﾞﾛｰﾊﾞﾙ検索";
  ofn.Flags = OFN_EXPLORER | OFN_ENABLETEMPLATE | OFN_ENABLEHOOK | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  ofn.lpTemplateName = MAKEINTRESOURCEW(IDD_GLOBAL_SEARCH);
  ofn.lpfnHook = Hook;
  ofn.lCustData = reinterpret_cast<LPARAM>(&state);
  if (!GetOpenFileNameW(&ofn)) return false;
  request = working;
  return true;
}

}  // namespace quelt::win
