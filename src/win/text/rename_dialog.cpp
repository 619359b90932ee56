#include "text/rename_dialog.h"

#include "framework/win_text.h"
#include "res/text_ids.h"
#include "text/doc_commands.h"

namespace quelt::win {
namespace {

struct RenameState {
  Host* host = nullptr;
  FileSystem* files = nullptr;
  std::string path;
  std::string newPath;
  bool renamed = false;
};

std::wstring ItemText(HWND dlg, int id) {
  HWND item = GetDlgItem(dlg, id);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(item, text.data(), static_cast<int>(text.size()))));
  return text;
}

INT_PTR CALLBACK RenameProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* state = reinterpret_cast<RenameState*>(GetWindowLongPtrW(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG: {
      state = reinterpret_cast<RenameState*>(lp);
      SetWindowLongPtrW(dlg, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
      SetDlgItemTextW(dlg, IDC_RENAME_OLD, SjisToWide(state->path).c_str());
      SendDlgItemMessageW(dlg, IDC_RENAME_NEW, EM_LIMITTEXT, kMaxRenameNameBytes, 0);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wp) == IDCANCEL) {
        EndDialog(dlg, IDCANCEL);
        return TRUE;
      }
      if (LOWORD(wp) == IDOK && state) {
        const std::string name = WideToSjis(ItemText(dlg, IDC_RENAME_NEW));
        std::string newPath;
        switch (RenameDocumentFile(*state->host, *state->files, state->path, name, newPath)) {
          case RenameOutcome::kRenamed:
            state->renamed = true;
            state->newPath = newPath;
            EndDialog(dlg, IDOK);
            break;
          case RenameOutcome::kUnchanged:
            EndDialog(dlg, IDOK);
            break;
          case RenameOutcome::kRefused: {
            HWND edit = GetDlgItem(dlg, IDC_RENAME_NEW);
            SetFocus(edit);
            SendMessageW(edit, EM_SETSEL, 0, -1);
            break;
          }
        }
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

bool RunRenameDialog(HWND owner, Host& host, FileSystem& files, const std::string& path, std::string& newPath) {
  RenameState state;
  state.host = &host;
  state.files = &files;
  state.path = path;
  DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_TEXT_RENAME), owner, RenameProc,
                  reinterpret_cast<LPARAM>(&state));
  if (!state.renamed) return false;
  newPath = state.newPath;
  return true;
}

}  // namespace quelt::win
