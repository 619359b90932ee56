#include "html/visual/hyl_rulers.h"
#include "html/visual/visual_context.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "framework/buffered_paint.h"
#include "framework/window_class.h"
#include "html/visual/hyl_ev.h"

namespace quelt::win {
namespace {

constexpr wchar_t kRulerClass[] = L"QueltHylRuler";
constexpr double kMmPerInch = 25.4;

}  // namespace

HylRulerWindow::~HylRulerWindow() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  if (font_) DeleteObject(font_);
}

bool HylRulerWindow::Create(HWND parent) {
  if (!RegisterWindowClass(kRulerClass, &HylRulerWindow::WndProc, IDC_ARROW)) return false;
  hwnd_ = CreateWindowExW(0, kRulerClass, L"", WS_CHILD, 0, 0, 0, 0, parent, nullptr, GetModuleHandleW(nullptr), this);
  return hwnd_ != nullptr;
}

HFONT HylRulerWindow::SmallFont() {
  if (!font_) {
    HDC dc = GetDC(hwnd_);
    const int height = -MulDiv(7, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(hwnd_, dc);
    font_ = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS UI Gothic");
  }
  return font_;
}

LRESULT CALLBACK HylRulerWindow::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<HylRulerWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<HylRulerWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self && msg == WM_PAINT) {
    // Through a memory bitmap, so the ruler does not flicker as the caret runs.
    PaintBuffered(hwnd, [self](HDC dc, const RECT& client, const RECT&) { self->Draw(dc, client); });
    return 0;
  }
  if (msg == WM_ERASEBKGND) return 1;
  return DefWindowProcW(hwnd, msg, wp, lp);
}

int CHylRulerBar::Height() const { return 22; }

void CHylRulerBar::Draw(HDC dc, const RECT& rc) {
  const AppSettings& s = edit_.Context().settings;
  HBRUSH back = CreateSolidBrush(s.rulerBackColorref & 0xFFFFFF);
  FillRect(dc, &rc, back);
  DeleteObject(back);
  const VisualPoint caret = edit_.CaretPagePoint();
  const VisualPageGeometry& page = edit_.Layout().Page();
  const int origin = leftOffset_ + edit_.PageOrigin(caret.page).x + page.textLeft;
  const bool inches = s.htmlMode.measureType == 1;
  // Ticks: millimetres (long every 10, middle every 5) or tenths of an
  // inch (long every inch, middle every half).
  const double step = inches ? edit_.PixelsPerMm() * kMmPerInch / 10 : edit_.PixelsPerMm();
  const int count = static_cast<int>(page.textWidth / std::max(step, 0.1));
  // The caret's column.
  RECT mark{leftOffset_ + edit_.PageOrigin(caret.page).x + caret.x - 2, 2,
            leftOffset_ + edit_.PageOrigin(caret.page).x + caret.x + 3, rc.bottom - 1};
  HBRUSH cursor = CreateSolidBrush(s.rulerCursorColorref & 0xFFFFFF);
  FillRect(dc, &mark, cursor);
  DeleteObject(cursor);
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldFont = SelectObject(dc, SmallFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  for (int i = 0; i <= count; ++i) {
    const int x = origin + static_cast<int>(std::lround(i * step));
    if (x < leftOffset_ || x > rc.right) continue;
    const int length = i % 10 == 0 ? 8 : i % 5 == 0 ? 5 : 2;
    MoveToEx(dc, x, rc.bottom - 1, nullptr);
    LineTo(dc, x, rc.bottom - 1 - length);
    if (i % 10 == 0 && i > 0) {
      const std::wstring n = std::to_wstring(i / 10);
      TextOutW(dc, x + 2, 1, n.c_str(), static_cast<int>(n.size()));
    }
  }
  MoveToEx(dc, 0, rc.bottom - 1, nullptr);
  LineTo(dc, rc.right, rc.bottom - 1);
  SelectObject(dc, oldFont);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
}

int CHylLineBar::Width() const { return 32; }

void CHylLineBar::Draw(HDC dc, const RECT& rc) {
  const AppSettings& s = edit_.Context().settings;
  HBRUSH back = CreateSolidBrush(s.lineBackColorref & 0xFFFFFF);
  FillRect(dc, &rc, back);
  DeleteObject(back);
  const VisualLayout& layout = edit_.Layout();
  const std::size_t caretLine = edit_.CaretLineIndex();
  HGDIOBJ oldFont = SelectObject(dc, SmallFont());
  SetBkMode(dc, TRANSPARENT);
  int number = 0, page = -1;
  for (std::size_t i = 0; i < layout.LineCount(); ++i) {
    const VisualLine& line = layout.Line(i);
    // Lines count from 1 on each page.
    number = line.page == page ? number + 1 : 1;
    page = line.page;
    const int top = edit_.PageOrigin(line.page).y + line.y;
    if (top > rc.bottom || top + line.height < 0) continue;
    RECT cell{0, top, rc.right - 2, top + line.height};
    if (i == caretLine) {
      HBRUSH cursor = CreateSolidBrush(s.lineCursorColorref & 0xFFFFFF);
      FillRect(dc, &cell, cursor);
      DeleteObject(cursor);
    }
    const std::wstring n = std::to_wstring(number);
    SetTextColor(dc, RGB(0, 0, 0));
    DrawTextW(dc, n.c_str(), -1, &cell, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
  }
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  MoveToEx(dc, rc.right - 1, 0, nullptr);
  LineTo(dc, rc.right - 1, rc.bottom);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  SelectObject(dc, oldFont);
}

}  // namespace quelt::win
