// The start-up splash (dialog 502): shown over the main frame and closed by
// the idle step once its time has passed.
#pragma once

#include <windows.h>

namespace quelt::win {

// How long the splash stays up.
constexpr DWORD kSplashTimeMs = 1500;

class Splash {
 public:
  // Creates the splash over owner; hidden at once when quiet.
  void Create(HWND owner, bool quiet);
  // From the idle step: true while the splash still wants idle time.
  bool OnIdle(HWND mainFrame);
  bool Active() const { return active_; }

 private:
  static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);
  HWND hwnd_ = nullptr;
  bool active_ = false;
  DWORD startTick_ = 0;
};

}  // namespace quelt::win
