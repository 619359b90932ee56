// The window bar `CWindowBar`: a tab control of the open text windows that
// follows the active window; selecting a tab activates its window, and a
// right-button press on a tab activates it and asks the frame for the
// window-bar menu.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/window_bar.h"

namespace quelt::win {

class DocumentList;

class Document;

// Control id of the window bar.
constexpr UINT kWindowBarId = 32952;
// Posted to the frame to open the window-bar menu; lParam holds the screen
// point (x low, y high).
constexpr UINT kWindowBarPopupMessage = 1047;

// The 9-point interface font the tab bars of the frame show their texts in.
HFONT CreateTabBarFont(HWND bar);

class CWindowBar {
 public:
  explicit CWindowBar(DocumentList& documents) : open_(documents) {}
  ~CWindowBar();
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
  void ActivateTab(int index);
  void OnRightClick();

  DocumentList& open_;
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  HIMAGELIST images_ = nullptr;
  int heightAdjust_ = 0;
  std::vector<Document*> documents_;
  std::vector<std::wstring> texts_;
  std::vector<int> imageOf_;
  int selected_ = -1;
};

}  // namespace quelt::win
