#include "view/ruler_window.h"

#include <algorithm>
#include <cstring>

#include "app/settings.h"
#include "framework/buffered_paint.h"
#include "view/ruler_marks.h"

namespace quelt::win {
namespace {

// The numbers' font: 10 pixels high at 96 dots per inch, in the face of the
// interface's font.
constexpr int kNumberFontHeight96 = 10;

}  // namespace

RulerWindow::~RulerWindow() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool RulerWindow::Create(HWND parent, const wchar_t* windowClass) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExW(GetModuleHandleW(nullptr), windowClass, &wc)) {
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &RulerWindow::WndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = windowClass;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  }
  hwnd_ = CreateWindowExW(0, windowClass, L"", WS_CHILD, 0, 0, 0, 0, parent, nullptr, GetModuleHandleW(nullptr),
                          this);
  if (!hwnd_) return false;
  MakeFont();
  return true;
}

void RulerWindow::SettingsChanged() {
  MakeFont();
  Refresh(true);
  Redraw();
}

void RulerWindow::MakeFont() {
  HDC screen = GetDC(hwnd_);
  dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
  LOGFONTW lf{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
  lf.lfHeight = -Scaled(kNumberFontHeight96);
  lf.lfWidth = 0;
  lf.lfWeight = FW_NORMAL;
  font_.Reset(CreateFontIndirectW(&lf));
  HGDIOBJ old = SelectObject(screen, font_.Get());
  TEXTMETRICW tm{};
  GetTextMetricsW(screen, &tm);
  SIZE fifty{};
  GetTextExtentPoint32W(screen, L"50", 2, &fifty);
  SIZE zero{};
  GetTextExtentPoint32W(screen, L"0", 1, &zero);
  SelectObject(screen, old);
  ReleaseDC(hwnd_, screen);
  numberHeight_ = std::max<int>(1, tm.tmHeight);
  digitWidth_ = std::max<int>(1, zero.cx);
  numberShift_ = RulerNumberShift(settings_.rulerFontFlag != 0, fifty.cx, tm.tmAveCharWidth);
}

void RulerWindow::FillBox(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
  if (right <= left || bottom <= top) return;
  SetDCBrushColor(dc, colour);
  const RECT r{left, top, right, bottom};
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void RulerWindow::Line(HDC dc, int x0, int y0, int x1, int y1, COLORREF colour) {
  HGDIOBJ old = SelectObject(dc, GetStockObject(DC_PEN));
  SetDCPenColor(dc, colour);
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
  SelectObject(dc, old);
}

void RulerWindow::RaisedTick(HDC dc, int x, int y, int length, bool vertical) {
  HGDIOBJ old = SelectObject(dc, GetStockObject(DC_PEN));
  SetDCPenColor(dc, RGB(0x80, 0x80, 0x80));
  if (vertical) {
    MoveToEx(dc, x, y, nullptr);
    LineTo(dc, x, y - length);
    SetDCPenColor(dc, RGB(0xFF, 0xFF, 0xFF));
    MoveToEx(dc, x + 1, y, nullptr);
    LineTo(dc, x + 1, y - length);
  } else {
    MoveToEx(dc, x, y, nullptr);
    LineTo(dc, x - length, y);
    SetDCPenColor(dc, RGB(0xFF, 0xFF, 0xFF));
    MoveToEx(dc, x, y + 1, nullptr);
    LineTo(dc, x - length, y + 1);
  }
  SelectObject(dc, old);
}

void RulerWindow::Number(HDC dc, int x, int y, const char* text) const {
  HGDIOBJ old = SelectObject(dc, font_.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
  SelectObject(dc, old);
}

int RulerWindow::NumberWidth(HDC dc, const char* text) const {
  HGDIOBJ old = SelectObject(dc, font_.Get());
  SIZE size{};
  GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
  SelectObject(dc, old);
  return size.cx;
}

void RulerWindow::OnPaint() {
  PaintBuffered(hwnd_, [this](HDC dc, const RECT& client, const RECT&) { Paint(dc, client); });
}

LRESULT CALLBACK RulerWindow::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<RulerWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->hwnd_ = hwnd;
  }
  auto* self = reinterpret_cast<RulerWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  return self->Handle(msg, wp, lp);
}

LRESULT RulerWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  const int x = static_cast<short>(LOWORD(lp));
  const int y = static_cast<short>(HIWORD(lp));
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnLButtonDown(x, y, wp);
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(x, y, wp);
      return 0;
    case WM_LBUTTONUP:
      OnLButtonUp(x, y);
      return 0;
    case WM_TIMER:
      OnTimer(wp);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lp) != hwnd_) OnCaptureLost();
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT && OnSetCursor()) return TRUE;
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace quelt::win
