#include "search/jump_dialog.h"

#include "framework/win_text.h"
#include "res/search_ids.h"

namespace quelt::win {
namespace {

INT_PTR CALLBACK JumpProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* text = reinterpret_cast<std::string*>(GetWindowLongPtrW(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dlg, DWLP_USER, lp);
      text = reinterpret_cast<std::string*>(lp);
      SetDlgItemTextW(dlg, IDC_JUMP_LINE, SjisToWide(*text).c_str());
      SendDlgItemMessageW(dlg, IDC_JUMP_LINE, EM_LIMITTEXT, 16, 0);
      SendDlgItemMessageW(dlg, IDC_JUMP_LINE, EM_SETSEL, 0, -1);
      SetFocus(GetDlgItem(dlg, IDC_JUMP_LINE));
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK) {
        *text = WideToSjis(WindowTextOf(GetDlgItem(dlg, IDC_JUMP_LINE)));
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

}  // namespace

bool AskJumpLine(HWND owner, std::string& text) {
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_JUMP), owner, &JumpProc,
                         reinterpret_cast<LPARAM>(&text)) == IDOK;
}

}  // namespace quelt::win
