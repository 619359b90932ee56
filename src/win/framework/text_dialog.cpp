#include "framework/text_dialog.h"

#include "framework/win_text.h"

namespace quelt::win {
namespace {

struct TextDialogState {
  int fieldId;
  int limit;
  std::string* text;
};

INT_PTR CALLBACK TextDialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* state = reinterpret_cast<TextDialogState*>(GetWindowLongPtrW(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dlg, DWLP_USER, lp);
      state = reinterpret_cast<TextDialogState*>(lp);
      HWND field = GetDlgItem(dlg, state->fieldId);
      SetWindowTextW(field, SjisToWide(*state->text).c_str());
      SendMessageW(field, EM_LIMITTEXT, static_cast<WPARAM>(state->limit), 0);
      SendMessageW(field, EM_SETSEL, 0, -1);
      SetFocus(field);
      return FALSE;
    }
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK && state) {
        *state->text = WideToSjis(WindowTextOf(GetDlgItem(dlg, state->fieldId)));
        EndDialog(dlg, IDOK);
        return TRUE;
      }
      if (LOWORD(wp) == IDCANCEL) {
        EndDialog(dlg, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

bool AskDialogText(HWND owner, int dialogId, int fieldId, int limit, std::string& text) {
  TextDialogState state{fieldId, limit, &text};
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(dialogId), owner, &TextDialogProc,
                         reinterpret_cast<LPARAM>(&state)) == IDOK;
}

}  // namespace quelt::win
