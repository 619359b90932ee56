#include "app/splash.h"

#include "res/resource.h"

namespace quelt::win {

INT_PTR CALLBACK Splash::DialogProc(HWND hwnd, UINT msg, WPARAM, LPARAM) {
  if (msg == WM_INITDIALOG) {
    // Centre over the owner.
    HWND owner = GetWindow(hwnd, GW_OWNER);
    RECT o, d;
    GetWindowRect(owner ? owner : GetDesktopWindow(), &o);
    GetWindowRect(hwnd, &d);
    SetWindowPos(hwnd, nullptr, o.left + ((o.right - o.left) - (d.right - d.left)) / 2,
                 o.top + ((o.bottom - o.top) - (d.bottom - d.top)) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    return TRUE;
  }
  return FALSE;
}

void Splash::Create(HWND owner, bool quiet) {
  active_ = true;
  if (!IsIconic(owner)) {
    hwnd_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_SPLASH), owner, &DialogProc, 0);
  }
  if (quiet) {
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
    active_ = false;
  } else if (hwnd_) {
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
  }
  startTick_ = GetTickCount();
}

bool Splash::OnIdle(HWND mainFrame) {
  if (!hwnd_ || !active_) return false;
  if (GetTickCount() - startTick_ <= kSplashTimeMs) {
    Sleep(10);  // idle time is asked for again; do not spin the processor
    return true;
  }
  ShowWindow(hwnd_, SW_HIDE);
  DestroyWindow(hwnd_);
  hwnd_ = nullptr;
  RedrawWindow(mainFrame, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  active_ = false;
  return false;
}

}  // namespace quelt::win
