#include "framework/info_dialog.h"

namespace quelt::win {
namespace {

INT_PTR CALLBACK InfoProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      const auto* fill = reinterpret_cast<const std::function<void(HWND)>*>(lp);
      if (fill && *fill) (*fill)(dlg);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
        EndDialog(dlg, LOWORD(wp));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

void ShowInfoDialog(HWND owner, int dialogId, const std::function<void(HWND)>& fill) {
  DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(dialogId), owner, InfoProc,
                  reinterpret_cast<LPARAM>(&fill));
}

}  // namespace quelt::win
