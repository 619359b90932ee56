#include "extract/extract_progress.h"

#include "res/extract_ids.h"

namespace quelt::win {
namespace {

// The messages are looked at this often; a line costs far less.
constexpr DWORD kPumpIntervalMs = 50;
// The window shows only for a run that lasts longer than this, so that a
// short one does not flash it.
constexpr DWORD kShowDelayMs = 300;

}  // namespace

ExtractProgress::ExtractProgress(HWND owner, bool withWindow) : owner_(owner) {
  if (withWindow) {
    dialog_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_EXTRACT_PROGRESS), owner, Proc,
                                 reinterpret_cast<LPARAM>(this));
  }
  // The run keeps the program to itself, as a modal dialog would.
  if (owner_) EnableWindow(owner_, FALSE);
  start_ = lastPump_ = GetTickCount();
  Pump();
}

ExtractProgress::~ExtractProgress() {
  if (owner_) EnableWindow(owner_, TRUE);
  if (dialog_) DestroyWindow(dialog_);
  if (owner_) SetActiveWindow(owner_);
}

INT_PTR CALLBACK ExtractProgress::Proc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    SetWindowLongPtrW(dlg, DWLP_USER, lp);
    return TRUE;
  }
  auto* self = reinterpret_cast<ExtractProgress*>(GetWindowLongPtrW(dlg, DWLP_USER));
  if (msg == WM_COMMAND && LOWORD(wp) == IDCANCEL && self) {
    self->stopped_ = true;
    return TRUE;
  }
  return FALSE;
}

bool ExtractProgress::KeepGoing() {
  const DWORD now = GetTickCount();
  if (now - lastPump_ >= kPumpIntervalMs) {
    lastPump_ = now;
    if (dialog_ && !shown_ && now - start_ >= kShowDelayMs) {
      ShowWindow(dialog_, SW_SHOW);
      shown_ = true;
    }
    Pump();
  }
  return !stopped_;
}

void ExtractProgress::Pump() {
  MSG msg;
  while (!stopped_ && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // The program is ending: the message goes back for the main loop.
      PostQuitMessage(static_cast<int>(msg.wParam));
      stopped_ = true;
      break;
    }
    if (dialog_ && IsDialogMessageW(dialog_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace quelt::win
