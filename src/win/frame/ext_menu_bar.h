// The extended-menu bar `CExtMenuBar`: a tab strip of the extended menus.
// Pressing a tab asks the frame to open that menu's popup below the tab.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tools/extended_menus.h"


namespace quelt::win {

// Control id of the extended-menu bar.
constexpr UINT kExtMenuBarId = 32953;
// Posted to the frame to open an extended menu's popup: wParam holds the
// menu number (1-20), lParam the screen point (x low, y high).
constexpr UINT kExtMenuBarPopupMessage = 1045;

class CExtMenuBar {
 public:
  ~CExtMenuBar();
  bool Create(HWND frame, bool buttons);
  HWND Hwnd() const { return hwnd_; }
  // Height the bar takes (0 when hidden or not made).
  int Height() const;
  void Show(bool show);
  // Brings the tabs up to the menus' titles and "ExtMenuCount"; does
  // nothing when they have not changed.
  void Refresh(const ExtendedMenus& menus, int count);
  // After the bar was moved or sized: the tabs share its width again.
  void FitTabs();
  // A WM_NOTIFY from the bar.
  void OnNotify(const NMHDR& header);

 private:
  int TabHeight() const;

  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  bool buttons_ = false;
  int platformHeight_ = 0;  // the tab control's own tab height for the font
  std::vector<std::string> texts_;
  int width_ = -1;  // the client width the tabs were fitted to
};

}  // namespace quelt::win
