// What the program shows while an extraction runs: the small window "行の
//抽出" ("抽出中" with "中断"), or no window when the lines are shown as
// they come. Either way the main window is disabled for the run and the
// waiting messages are processed now and then, so the windows repaint and
// "中断" can be pressed.
#pragma once

#include <windows.h>

#include "framework/stop_window.h"

namespace quelt::win {

class ExtractProgress {
 public:
  // withWindow: show "行の抽出" with "中断" once the run has lasted a
  // moment.
  ExtractProgress(HWND owner, bool withWindow);
  ~ExtractProgress();
  ExtractProgress(const ExtractProgress&) = delete;
  ExtractProgress& operator=(const ExtractProgress&) = delete;

  // Processes the waiting messages when some time has passed since the last
  // time; false once "中断" was pressed or the program is quitting.
  bool KeepGoing();

 private:
  StopWindow window_;
  bool shown_ = false;
  DWORD start_ = 0;
  DWORD lastPump_ = 0;
};

}  // namespace quelt::win
