#include "global_search/search_list_dialog.h"

#include "cabinet/cabinet_dialog_util.h"
#include "framework/text_dialog.h"
#include "framework/win_text.h"
#include "global_search/search_file_list_editor.h"
#include "res/global_search_ids.h"

namespace quelt::win {
namespace {

struct ListDialogState {
  const SearchListDialogContext* context = nullptr;
  SearchFileListEditor* editor = nullptr;
  std::string* selectName = nullptr;
  bool showing = false;  // the field is being set, not edited
};

ListDialogState* StateOf(HWND dlg) { return reinterpret_cast<ListDialogState*>(GetWindowLongPtrW(dlg, DWLP_USER)); }

void ShowField(HWND dlg, ListDialogState& s) {
  s.showing = true;
  SetItemSjis(dlg, IDC_SFL_MASKS, s.editor->FieldText());
  s.showing = false;
}

void ShowNames(HWND dlg, ListDialogState& s) {
  HWND names = GetDlgItem(dlg, IDC_SFL_NAMES);
  SendMessageW(names, LB_RESETCONTENT, 0, 0);
  for (const SearchFileList& list : s.editor->Lists()) {
    const std::wstring name = SjisToWide(list.name);
    SendMessageW(names, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  const auto selected = s.editor->Selected();
  SendMessageW(names, LB_SETCURSEL, selected ? static_cast<WPARAM>(*selected) : static_cast<WPARAM>(-1), 0);
  ShowField(dlg, s);
}

// Beeps for a refusal; a list without masks keeps the selection and the
// field gets the focus.
void Answer(HWND dlg, ListDialogState& s, ListEdit r) {
  if (r == ListEdit::kOk) return;
  MessageBeep(MB_OK);
  if (r == ListEdit::kListEmpty) {
    const auto selected = s.editor->Selected();
    if (selected) SendDlgItemMessageW(dlg, IDC_SFL_NAMES, LB_SETCURSEL, *selected, 0);
    SetFocus(GetDlgItem(dlg, IDC_SFL_MASKS));
  }
}

void OnCommand(HWND dlg, ListDialogState& s, int id, int code) {
  SearchFileListEditor& e = *s.editor;
  switch (id) {
    case IDC_SFL_NAMES:
      if (code == LBN_SELCHANGE) {
        const auto index = SendDlgItemMessageW(dlg, IDC_SFL_NAMES, LB_GETCURSEL, 0, 0);
        if (index < 0) return;
        const ListEdit r = e.Select(static_cast<std::size_t>(index));
        Answer(dlg, s, r);
        if (r != ListEdit::kListEmpty && r != ListEdit::kRefused) ShowField(dlg, s);
      }
      return;
    case IDC_SFL_MASKS:
      if (code == EN_CHANGE && !s.showing) e.FieldChanged(GetItemSjis(dlg, IDC_SFL_MASKS));
      return;
    case IDC_SFL_NEW: {
      std::string name;
      if (!AskDialogText(dlg, IDD_SEARCH_LIST_NAME, IDC_SFL_NAME, 80, name)) return;
      const ListEdit r = e.AddList(name);
      Answer(dlg, s, r);
      ShowNames(dlg, s);
      return;
    }
    case IDC_SFL_DELETE:
      Answer(dlg, s, e.DeleteSelected());
      ShowNames(dlg, s);
      return;
    case IDC_SFL_ADD_FILE:
      Answer(dlg, s, e.AddFile());
      ShowField(dlg, s);
      return;
    case IDOK: {
      std::string name;
      const ListEdit r = e.Confirm(name);
      if (r == ListEdit::kListEmpty || r == ListEdit::kRefused) {
        Answer(dlg, s, r);
        return;
      }
      if (r == ListEdit::kLinesLeftOver) MessageBeep(MB_OK);
      *s.selectName = name;
      const bool written =
          SaveSearchFileLists(*s.context->files, s.context->listsPath, e.Lists(), *s.context->host);
      EndDialog(dlg, written ? IDOK : IDCANCEL);
      return;
    }
    case IDCANCEL:
      EndDialog(dlg, IDCANCEL);
      return;
    default:
      return;
  }
}

INT_PTR CALLBACK ListProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dlg, DWLP_USER, lp);
      ListDialogState& s = *reinterpret_cast<ListDialogState*>(lp);
      if (!s.editor->CanAddFile()) ShowWindow(GetDlgItem(dlg, IDC_SFL_ADD_FILE), SW_HIDE);
      ShowNames(dlg, s);
      return TRUE;
    }
    case WM_COMMAND:
      if (ListDialogState* s = StateOf(dlg)) OnCommand(dlg, *s, LOWORD(wp), HIWORD(wp));
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

bool RunSearchListDialog(HWND owner, const SearchListDialogContext& context, std::string& selectName) {
  if (!context.files || !context.host) return false;
  SearchFileLists lists;
  LoadSearchFileLists(*context.files, context.listsPath, *context.host, lists);
  SearchFileListEditor editor(std::move(lists), selectName, context.documentPath);
  ListDialogState state{&context, &editor, &selectName};
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_SEARCH_FILE_LISTS), owner, ListProc,
                         reinterpret_cast<LPARAM>(&state)) == IDOK;
}

}  // namespace quelt::win
