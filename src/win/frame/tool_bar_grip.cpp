// The gripper of a tool bar: a strip of the bar's non-client area before its
// buttons (at the left of a horizontal bar, at the top of a vertical one),
// drawn as two raised lines. A press on it, or on a place of the bar that
// holds no button, starts a drag of the bar.
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>

#include <algorithm>

#include "frame/tool_bar.h"

namespace quelt::win {
namespace {

constexpr UINT_PTR kGripSubclass = 2;

}  // namespace

void CToolBar::InstallGrip() {
  SetWindowSubclass(hwnd_, GripProc, kGripSubclass, reinterpret_cast<DWORD_PTR>(this));
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

RECT CToolBar::GripRect() const {
  RECT rc{};
  GetWindowRect(hwnd_, &rc);
  const int width = rc.right - rc.left, height = rc.bottom - rc.top;
  return vertical_ ? RECT{0, 0, width, std::min(height, kGripSize)} : RECT{0, 0, std::min(width, kGripSize), height};
}

void CToolBar::PaintGrip() {
  HDC dc = GetWindowDC(hwnd_);
  if (!dc) return;
  RECT grip = GripRect();
  FillRect(dc, &grip, GetSysColorBrush(COLOR_BTNFACE));
  // Two lines of 3 pixels across the strip, inset from the bar's ends.
  for (int line = 0; line < 2; ++line) {
    RECT r = grip;
    if (vertical_) {
      r.top = 1 + line * 3;
      r.bottom = r.top + 3;
      r.left += 2;
      r.right -= 2;
    } else {
      r.left = 1 + line * 3;
      r.right = r.left + 3;
      r.top += 2;
      r.bottom -= 2;
    }
    DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
  }
  ReleaseDC(hwnd_, dc);
}

void CToolBar::StartDrag(POINT screen) {
  if (dragHandler_) dragHandler_(*this, screen);
}

LRESULT CALLBACK CToolBar::GripProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
  auto* bar = reinterpret_cast<CToolBar*>(self);
  switch (msg) {
    case WM_NCCALCSIZE: {
      const LRESULT result = DefSubclassProc(hwnd, msg, wp, lp);
      RECT& rc = wp ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)->rgrc[0] : *reinterpret_cast<RECT*>(lp);
      if (bar->vertical_) {
        rc.top = std::min(rc.bottom, rc.top + kGripSize);
      } else {
        rc.left = std::min(rc.right, rc.left + kGripSize);
      }
      return result;
    }
    case WM_NCPAINT:
      DefSubclassProc(hwnd, msg, wp, lp);
      bar->PaintGrip();
      return 0;
    case WM_NCHITTEST: {
      RECT window{};
      GetWindowRect(hwnd, &window);
      RECT grip = bar->GripRect();
      OffsetRect(&grip, window.left, window.top);
      const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      if (PtInRect(&grip, p)) return HTCAPTION;
      break;
    }
    case WM_NCLBUTTONDOWN:
      if (wp == HTCAPTION) {
        bar->StartDrag({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        return 0;
      }
      break;
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
      if (wp == HTCAPTION) return 0;  // no window menu, no maximising
      break;
    case WM_LBUTTONDOWN: {
      // A negative hit is a separator or a place between the buttons.
      POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      if (SendMessageW(hwnd, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&p)) < 0) {
        ClientToScreen(hwnd, &p);
        bar->StartDrag(p);
        return 0;
      }
      break;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, GripProc, kGripSubclass);
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace quelt::win
