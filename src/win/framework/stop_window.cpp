#include "framework/stop_window.h"

#include "framework/win_app.h"

namespace quelt::win {

StopWindow::StopWindow(HWND owner, int dialogId) : owner_(owner) {
  if (dialogId != 0) {
    dialog_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(dialogId), owner, Proc,
                                 reinterpret_cast<LPARAM>(this));
  }
  if (owner_) EnableWindow(owner_, FALSE);
}

StopWindow::~StopWindow() {
  if (owner_) EnableWindow(owner_, TRUE);
  if (dialog_) DestroyWindow(dialog_);
  if (owner_) SetActiveWindow(owner_);
}

void StopWindow::Show() {
  if (dialog_) ShowWindow(dialog_, SW_SHOW);
}

INT_PTR CALLBACK StopWindow::Proc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    SetWindowLongPtrW(dlg, DWLP_USER, lp);
    return TRUE;
  }
  auto* self = reinterpret_cast<StopWindow*>(GetWindowLongPtrW(dlg, DWLP_USER));
  if (msg == WM_COMMAND && LOWORD(wp) == IDCANCEL && self) {
    self->stopped_ = true;
    return TRUE;
  }
  return FALSE;
}

bool StopWindow::Pump() {
  MSG msg;
  while (!stopped_ && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      stopped_ = true;
      break;
    }
    if (dialog_ && IsDialogMessageW(dialog_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  // The main loop's idle pass does not run meanwhile: the bars, the window
  // bar and the panes are brought up to date here, a few times a second.
  const DWORD now = GetTickCount();
  if (!stopped_ && now - lastIdle_ >= kIdleIntervalMs) {
    lastIdle_ = now;
    if (WinApp* app = WinApp::Instance()) app->IdleNow();
  }
  return !stopped_;
}

}  // namespace quelt::win
