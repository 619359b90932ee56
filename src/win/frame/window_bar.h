// The window bar `CWindowBar`: a tab control of the open text windows that
// follows the active window; selecting a tab activates its window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/window_bar.h"

namespace quelt::win {

class Document;

// Control id of the window bar.
constexpr UINT kWindowBarId = 32952;

class CWindowBar {
 public:
  bool Create(HWND frame, bool buttons, int heightAdjust);
  HWND Hwnd() const { return hwnd_; }
  // Height the bar takes (0 when hidden or not made).
  int Height() const;
  // Brings the tabs up to the open text documents and the active one; does
  // nothing when they have not changed.
  void Refresh(const WindowBarOptions& options);
  // A WM_NOTIFY from the bar: activates the chosen window.
  void OnNotify(const NMHDR& header);

 private:
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  int heightAdjust_ = 0;
  std::vector<Document*> documents_;
  std::vector<std::wstring> texts_;
  int selected_ = -1;
};

}  // namespace quelt::win
