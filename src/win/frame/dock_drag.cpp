#include "frame/dock_drag.h"

#include <cstdlib>

namespace quelt::win {
namespace {

constexpr wchar_t kTrackerClass[] = L"QueltDockTracker";
constexpr int kTrackerBorder = 3;

// A top-level window shaped as the outline of a rectangle: the tracking
// rectangle, drawn over everything without taking the activation.
class Tracker {
 public:
  ~Tracker() {
    if (hwnd_) DestroyWindow(hwnd_);
  }

  void Show(const RECT& rc) {
    if (!hwnd_ && !Make()) return;
    const int width = rc.right - rc.left, height = rc.bottom - rc.top;
    if (width <= 0 || height <= 0) {
      Hide();
      return;
    }
    if (!shown_ || !EqualRect(&rc, &rect_)) {
      HRGN outer = CreateRectRgn(0, 0, width, height);
      HRGN inner = CreateRectRgn(kTrackerBorder, kTrackerBorder, width - kTrackerBorder, height - kTrackerBorder);
      CombineRgn(outer, outer, inner, RGN_DIFF);
      DeleteObject(inner);
      SetWindowRgn(hwnd_, outer, FALSE);  // the window owns the region now
      SetWindowPos(hwnd_, HWND_TOPMOST, rc.left, rc.top, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
      InvalidateRect(hwnd_, nullptr, TRUE);
      UpdateWindow(hwnd_);
    }
    rect_ = rc;
    shown_ = true;
  }

  void Hide() {
    if (hwnd_ && shown_) ShowWindow(hwnd_, SW_HIDE);
    shown_ = false;
  }

 private:
  bool Make() {
    static bool registered = false;
    if (!registered) {
      WNDCLASSEXW wc{};
      wc.cbSize = sizeof wc;
      wc.lpfnWndProc = DefWindowProcW;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
      wc.hbrBackground = GetSysColorBrush(COLOR_HIGHLIGHT);
      wc.lpszClassName = kTrackerClass;
      registered = RegisterClassExW(&wc) != 0;
    }
    hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kTrackerClass, L"", WS_POPUP, 0, 0,
                            0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    return hwnd_ != nullptr;
  }

  HWND hwnd_ = nullptr;
  RECT rect_{};
  bool shown_ = false;
};

bool PastThreshold(POINT start, POINT now) {
  return std::abs(now.x - start.x) > GetSystemMetrics(SM_CXDRAG) ||
         std::abs(now.y - start.y) > GetSystemMetrics(SM_CYDRAG);
}

}  // namespace

std::optional<POINT> TrackDockDrag(HWND bar, POINT start, const DockPreview& preview) {
  SetCapture(bar);
  Tracker tracker;
  bool dragging = false;
  std::optional<POINT> drop;
  // The loop sees every message of the thread, so Escape counts wherever
  // the keyboard focus is.
  MSG msg;
  while (GetCapture() == bar) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.message == WM_MOUSEMOVE) {
      if (!dragging && PastThreshold(start, msg.pt)) dragging = true;
      if (!dragging) continue;
      if (const auto rc = preview(msg.pt)) {
        tracker.Show(*rc);
      } else {
        tracker.Hide();
      }
      continue;
    }
    if (msg.message == WM_LBUTTONUP) {
      if (dragging) drop = msg.pt;
      break;
    }
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
      if (msg.wParam == VK_ESCAPE) break;
      continue;  // no other key acts during a drag
    }
    if (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP || msg.message == WM_CHAR) continue;
    if (msg.message == WM_RBUTTONDOWN || msg.message == WM_MBUTTONDOWN) break;
    DispatchMessageW(&msg);
  }
  if (GetCapture() == bar) ReleaseCapture();
  return drop;
}

}  // namespace quelt::win
