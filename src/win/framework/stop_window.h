// `StopWindow`: a long run inside a command that the user may stop. The
// owner is disabled for the run, as under a modal dialog; a modeless dialog
// (or none) carries the stop button (IDCANCEL); the waiting messages are
// processed on request so the windows repaint and the button can be
// pressed, and the idle pass runs a few times a second. The program's quit
// message stops the run too and goes back to the main loop.
#pragma once

#include <windows.h>

namespace quelt::win {

class StopWindow {
 public:
  // dialogId 0: no window, only the message processing. A dialog without
  // WS_VISIBLE appears on Show().
  StopWindow(HWND owner, int dialogId);
  ~StopWindow();
  StopWindow(const StopWindow&) = delete;
  StopWindow& operator=(const StopWindow&) = delete;

  HWND Dialog() const { return dialog_; }
  void Show();
  // Processes the waiting messages; false once the run is to stop.
  bool Pump();
  bool Stopped() const { return stopped_; }

 private:
  static INT_PTR CALLBACK Proc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp);

  static constexpr DWORD kIdleIntervalMs = 100;

  HWND owner_;
  HWND dialog_ = nullptr;
  bool stopped_ = false;
  DWORD lastIdle_ = GetTickCount();
};

}  // namespace quelt::win
