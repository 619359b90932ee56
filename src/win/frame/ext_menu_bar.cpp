#include "frame/ext_menu_bar.h"

#include <commctrl.h>

#include "frame/window_bar.h"
#include "framework/win_text.h"
#include "tools/extended_menu_bar.h"

namespace quelt::win {
namespace {

// The room each tab leaves for the control's spacing: buttons stand 3
// pixels apart and the row starts a little in from the left.
constexpr int kButtonGap = 4;
constexpr int kTabGap = 1;

}  // namespace

CExtMenuBar::~CExtMenuBar() {
  if (font_) DeleteObject(font_);
}

bool CExtMenuBar::Create(HWND frame, bool buttons) {
  buttons_ = buttons;
  hwnd_ = CreateWindowExW(0, WC_TABCONTROLW, L"",
                          WS_CHILD | WS_CLIPSIBLINGS | TCS_FOCUSNEVER | TCS_FIXEDWIDTH |
                              (buttons ? TCS_BUTTONS : 0),
                          0, 0, 0, 0, frame, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kExtMenuBarId)),
                          GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  font_ = CreateTabBarFont(hwnd_);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  // The control's own tab height for this font, from a trial tab.
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<wchar_t*>(L"X");
  SendMessageW(hwnd_, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  RECT rc{};
  if (TabCtrl_GetItemRect(hwnd_, 0, &rc)) platformHeight_ = rc.bottom - rc.top;
  TabCtrl_DeleteAllItems(hwnd_);
  return true;
}

int CExtMenuBar::TabHeight() const { return ExtBarTabHeight(platformHeight_); }

int CExtMenuBar::Height() const {
  if (!hwnd_ || !(GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE)) return 0;
  return TabHeight() + 4;
}

void CExtMenuBar::Show(bool show) {
  if (hwnd_) ShowWindow(hwnd_, show ? SW_SHOWNA : SW_HIDE);
}

void CExtMenuBar::Refresh(const ExtendedMenus& menus, int count) {
  if (!hwnd_) return;
  std::vector<std::string> texts = ExtBarTabTexts(menus, count);
  if (texts == texts_) return;
  TabCtrl_DeleteAllItems(hwnd_);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    std::wstring text = SjisToWide(texts[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(hwnd_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  // No tab stays selected: every press is a new choice.
  TabCtrl_SetCurSel(hwnd_, -1);
  texts_ = std::move(texts);
  width_ = -1;
  FitTabs();
}

void CExtMenuBar::FitTabs() {
  if (!hwnd_ || texts_.empty()) return;
  RECT rc{};
  GetClientRect(hwnd_, &rc);
  if (rc.right == width_) return;
  width_ = rc.right;
  const int width = ExtBarTabWidth(rc.right, static_cast<int>(texts_.size()), buttons_ ? kButtonGap : kTabGap);
  TabCtrl_SetItemSize(hwnd_, width, TabHeight());
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void CExtMenuBar::OnNotify(const NMHDR& header) {
  if (header.hwndFrom != hwnd_ || header.code != TCN_SELCHANGE) return;
  const int index = TabCtrl_GetCurSel(hwnd_);
  TabCtrl_SetCurSel(hwnd_, -1);
  RECT tab{};
  if (index < 0 || !TabCtrl_GetItemRect(hwnd_, index, &tab)) return;
  MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&tab), 2);
  const ExtBarPoint p = ExtBarPopupPoint(tab.left, tab.right, tab.bottom);
  // The popup opens once the press has been handled.
  PostMessageW(GetParent(hwnd_), kExtMenuBarPopupMessage, static_cast<WPARAM>(index + 1), MAKELPARAM(p.x, p.y));
}

}  // namespace quelt::win
