#include "record/operation_dialogs.h"

#include "framework/win_text.h"
#include "keys/key_binding.h"
#include "res/record_ids.h"

namespace quelt::win {
namespace {

struct SaveState {
  SaveOperationChoice* choice;
  const std::function<bool(const SaveOperationChoice&)>* accept;
};

INT_PTR CALLBACK SaveProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* s = reinterpret_cast<SaveState*>(GetWindowLongPtrW(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dlg, DWLP_USER, lp);
      s = reinterpret_cast<SaveState*>(lp);
      SetDlgItemTextW(dlg, IDC_OPERATION_NAME, SjisToWide(s->choice->name).c_str());
      SetDlgItemTextW(dlg, IDC_OPERATION_COMMENT, SjisToWide(s->choice->comment).c_str());
      SendDlgItemMessageW(dlg, IDC_OPERATION_COMMENT, EM_LIMITTEXT, 100, 0);
      HWND keys = GetDlgItem(dlg, IDC_OPERATION_KEY);
      SendMessageW(keys, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L""));
      for (const BindableKey& key : BindableKeys()) {
        const std::wstring name = SjisToWide(key.name);
        SendMessageW(keys, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
      }
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK) {
        SaveOperationChoice c;
        c.name = WideToSjis(WindowTextOf(GetDlgItem(dlg, IDC_OPERATION_NAME)));
        c.comment = WideToSjis(WindowTextOf(GetDlgItem(dlg, IDC_OPERATION_COMMENT)));
        c.ctrl = IsDlgButtonChecked(dlg, IDC_OPERATION_CTRL) == BST_CHECKED;
        c.shift = IsDlgButtonChecked(dlg, IDC_OPERATION_SHIFT) == BST_CHECKED;
        c.keyText = WideToSjis(WindowTextOf(GetDlgItem(dlg, IDC_OPERATION_KEY)));
        if (!(*s->accept)(c)) {
          HWND name = GetDlgItem(dlg, IDC_OPERATION_NAME);
          SetFocus(name);
          SendMessageW(name, EM_SETSEL, 0, -1);
          return TRUE;
        }
        *s->choice = c;
        EndDialog(dlg, IDOK);
        return TRUE;
      }
      if (LOWORD(wp) == IDCANCEL) {
        EndDialog(dlg, IDCANCEL);
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

struct LoadState {
  std::vector<OperationListEntry> entries;
  std::string* chosen;
  const std::function<bool(const std::string&)>* remove;
};

void ShowEntry(HWND dlg, const LoadState& s) {
  const LRESULT i = SendDlgItemMessageW(dlg, IDC_OPERATION_LIST, CB_GETCURSEL, 0, 0);
  const bool valid = i != CB_ERR && static_cast<std::size_t>(i) < s.entries.size();
  SetDlgItemTextW(dlg, IDC_OPERATION_LIST_KEY, valid ? SjisToWide(s.entries[i].keys).c_str() : L"");
  SetDlgItemTextW(dlg, IDC_OPERATION_LIST_COMMENT, valid ? SjisToWide(s.entries[i].comment).c_str() : L"");
  for (int id : {IDOK, IDC_OPERATION_PLAY, IDC_OPERATION_DELETE}) EnableWindow(GetDlgItem(dlg, id), valid);
}

void FillList(HWND dlg, const LoadState& s, int select) {
  HWND list = GetDlgItem(dlg, IDC_OPERATION_LIST);
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (const OperationListEntry& e : s.entries) {
    const std::wstring name = SjisToWide(e.name);
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  if (!s.entries.empty()) SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(select), 0);
  ShowEntry(dlg, s);
}

INT_PTR CALLBACK LoadProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* s = reinterpret_cast<LoadState*>(GetWindowLongPtrW(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dlg, DWLP_USER, lp);
      FillList(dlg, *reinterpret_cast<LoadState*>(lp), 0);
      return TRUE;
    case WM_COMMAND: {
      const LRESULT i = SendDlgItemMessageW(dlg, IDC_OPERATION_LIST, CB_GETCURSEL, 0, 0);
      const bool valid = s && i != CB_ERR && static_cast<std::size_t>(i) < s->entries.size();
      switch (LOWORD(wp)) {
        case IDC_OPERATION_LIST:
          if (HIWORD(wp) == CBN_SELCHANGE) ShowEntry(dlg, *s);
          return TRUE;
        case IDOK:
        case IDC_OPERATION_PLAY:
          if (!valid) return TRUE;
          *s->chosen = s->entries[static_cast<std::size_t>(i)].name;
          EndDialog(dlg, LOWORD(wp) == IDOK ? IDOK : IDC_OPERATION_PLAY);
          return TRUE;
        case IDC_OPERATION_DELETE:
          if (valid && (*s->remove)(s->entries[static_cast<std::size_t>(i)].name)) {
            s->entries.erase(s->entries.begin() + i);
            FillList(dlg, *s, 0);
          }
          return TRUE;
        case IDCANCEL:
          EndDialog(dlg, IDCANCEL);
          return TRUE;
        default:
          break;
      }
      break;
    }
    default:
      break;
  }
  return FALSE;
}

}  // namespace

bool AskSaveOperation(HWND owner, SaveOperationChoice& choice,
                      const std::function<bool(const SaveOperationChoice&)>& accept) {
  SaveState state{&choice, &accept};
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_SAVE_OPERATION), owner, &SaveProc,
                         reinterpret_cast<LPARAM>(&state)) == IDOK;
}

LoadChoice AskLoadOperation(HWND owner, std::vector<OperationListEntry> entries, std::string& chosen,
                            const std::function<bool(const std::string&)>& remove) {
  LoadState state{std::move(entries), &chosen, &remove};
  const INT_PTR r = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_LOAD_OPERATION), owner,
                                    &LoadProc, reinterpret_cast<LPARAM>(&state));
  return r == IDOK ? LoadChoice::kLoad : r == IDC_OPERATION_PLAY ? LoadChoice::kPlay : LoadChoice::kCancel;
}

}  // namespace quelt::win
