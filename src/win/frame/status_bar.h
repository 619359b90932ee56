// The status bar of the main frame: the prompt pane, then the caret's line,
// the two column panes, the character-code pane and the code and line-end
// names of the active document.
#pragma once

#include <windows.h>

#include <string>

namespace quelt::win {

enum class StatusPane : int {
  kPrompt = 0,
  kLine = 1,
  kColumnHigh = 2,
  kColumnLow = 3,
  kCharCode = 4,
  kCodeName = 5,
  kLineEndName = 6,
};

class CStatusBar {
 public:
  bool Create(HWND frame);
  HWND Hwnd() const { return hwnd_; }
  // Height the bar takes from the bottom of the frame (0 when hidden).
  int Height() const;
  void Resize();
  void SetText(StatusPane pane, const std::wstring& text);
  void Show(bool show);

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace quelt::win
