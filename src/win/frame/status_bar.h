// The status bar of the main frame: the prompt pane, then the caret's line,
// the two column panes, the character-code pane, the code and line-end
// names of the active document, the overwrite and protection indicators and
// the recording indicator.
#pragma once

#include <windows.h>

#include <array>
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
  kOverwrite = 7,
  kProtect = 8,
  kRecord = 9,
};

// Texts of the indicator panes.
inline constexpr wchar_t kOverwriteIndicator[] = L"上書";
inline constexpr wchar_t kProtectIndicator[] = L"書禁";

class CStatusBar {
 public:
  ~CStatusBar();
  // english: the interface language chooses the bar's 10-point font.
  bool Create(HWND frame, bool english);
  HWND Hwnd() const { return hwnd_; }
  // Height the bar takes from the bottom of the frame (0 when hidden).
  int Height() const;
  void Resize();
  void SetText(StatusPane pane, const std::wstring& text);
  // Empties a pane whatever it is known to show: some windows write the
  // caret panes directly.
  void Clear(StatusPane pane);
  void Show(bool show);

 private:
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  std::array<std::wstring, 10> shown_;
};

}  // namespace quelt::win
