#include "html/visual/hyl_ev.h"
#include "html/visual/visual_context.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/window_class.h"
#include "html/visual/hyl_doc.h"
#include "html/visual/hyl_painter.h"
#include "framework/buffered_paint.h"
#include "framework/mdi_child.h"
#include "text/file_dialog_util.h"

namespace quelt::win {

CHylEV::CHylEV(CHylDoc& doc, View* view, const VisualContext& context) : doc_(doc), view_(view), context_(context) {}

CHylEV::~CHylEV() {
  metrics_.reset();
  if (screenDc_) DeleteDC(screenDc_);
  if (hwnd_) SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
}

bool CHylEV::Create(HWND parent) {
  if (!RegisterWindowClass(kClassName, &CHylEV::WndProc, IDC_IBEAM, CS_DBLCLKS)) return false;
  hwnd_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0, parent,
                          nullptr, GetModuleHandleW(nullptr), this);
  if (!hwnd_) return false;
  // Measures come from a memory DC of the screen, so they do not depend on
  // what is selected into the window's own DC.
  HDC screen = GetDC(nullptr);
  screenDc_ = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  metrics_ = std::make_unique<GdiVisualMetrics>(screenDc_, doc_.Model());
  Relayout();
  return true;
}

LRESULT CALLBACK CHylEV::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<CHylEV*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<CHylEV*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return self ? self->Handle(msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CHylEV::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      // Through a memory bitmap, so typing does not flicker.
      PaintBuffered(hwnd_, [this](HDC dc, const RECT& client, const RECT& dirty) { Paint(dc, client, dirty); });
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case WM_SIZE:
      UpdateScrollBars();
      ScrollTo(scrollX_, scrollY_);
      return 0;
    case WM_VSCROLL:
      OnScroll(SB_VERT, LOWORD(wp));
      return 0;
    case WM_HSCROLL:
      OnScroll(SB_HORZ, LOWORD(wp));
      return 0;
    case WM_MOUSEWHEEL: {
      const int notches = GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA;
      ScrollTo(scrollX_, scrollY_ - notches * 3 * 20);
      return 0;
    }
    case WM_SETFOCUS:
      ShowCaret();
      return 0;
    case WM_KILLFOCUS:
      DestroyCaret();
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
      if (OnKeyDown(static_cast<UINT>(wp))) return 0;
      break;
    case WM_CHAR:
      OnChar(static_cast<wchar_t>(wp));
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd_);
      OnMouseDown({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}, (wp & MK_SHIFT) != 0);
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      return 0;
    case WM_CONTEXTMENU:
      OnContextMenu({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      return 0;
    case WM_LBUTTONUP:
      if (dragging_) {
        dragging_ = false;
        ReleaseCapture();
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

void CHylEV::OnDocumentChanged(bool loaded) {
  if (loaded) {
    caret_ = {};
    anchor_ = 0;
    scrollX_ = scrollY_ = 0;
  }
  Relayout();
  if (!loaded) {
    caret_ = CaretAtOffset(layout_, std::min(caret_.offset, doc_.Model().text.size()));
    anchor_ = layout_.Clamp(std::min(anchor_, doc_.Model().text.size()));
  }
  InvalidateRect(hwnd_, nullptr, FALSE);
  ShowCaret();
  Notify();
}

void CHylEV::Relayout() {
  if (!metrics_) return;
  metrics_->Refresh();
  layout_.Build(doc_.Model(), *metrics_, VisualLayoutOptionsOf(context_.settings.htmlMode), context_.host);
  UpdateScrollBars();
}

int CHylEV::DocumentHeight() const {
  return kPageGap + layout_.PageCount() * (layout_.Page().height + kPageGap);
}

POINT CHylEV::PageOrigin(int page) const {
  RECT rc{};
  GetClientRect(hwnd_, &rc);
  // A window wider than the page shows it in the middle.
  const int left = std::max(kPageGap, (static_cast<int>(rc.right) - layout_.Page().width) / 2);
  return {left - scrollX_, kPageGap + page * (layout_.Page().height + kPageGap) - scrollY_};
}

VisualPoint CHylEV::PagePointAt(POINT p) const {
  const int pitch = layout_.Page().height + kPageGap;
  int page = (p.y + scrollY_ - kPageGap / 2) / std::max(1, pitch);
  page = std::clamp(page, 0, std::max(0, layout_.PageCount() - 1));
  const POINT origin = PageOrigin(page);
  return {page, p.x - origin.x, p.y - origin.y};
}

void CHylEV::UpdateScrollBars() {
  RECT rc{};
  GetClientRect(hwnd_, &rc);
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL};
  si.nMax = DocumentHeight() - 1;
  si.nPage = static_cast<UINT>(std::max<LONG>(rc.bottom, 1));
  si.nPos = scrollY_;
  SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
  si.nMax = layout_.Page().width + 2 * kPageGap - 1;
  si.nPage = static_cast<UINT>(std::max<LONG>(rc.right, 1));
  si.nPos = scrollX_;
  SetScrollInfo(hwnd_, SB_HORZ, &si, TRUE);
}

void CHylEV::ScrollTo(int x, int y) {
  RECT rc{};
  GetClientRect(hwnd_, &rc);
  x = std::clamp(x, 0, std::max(0, layout_.Page().width + 2 * kPageGap - static_cast<int>(rc.right)));
  y = std::clamp(y, 0, std::max(0, DocumentHeight() - static_cast<int>(rc.bottom)));
  if (x == scrollX_ && y == scrollY_) return;
  scrollX_ = x;
  scrollY_ = y;
  UpdateScrollBars();
  InvalidateRect(hwnd_, nullptr, FALSE);
  ShowCaret();
  Notify();
}

void CHylEV::OnScroll(int bar, int code) {
  SCROLLINFO si{sizeof si, SIF_ALL};
  GetScrollInfo(hwnd_, bar, &si);
  const int line = bar == SB_VERT ? 20 : context_.settings.htmlMode.hScrollUnit;
  int pos = si.nPos;
  switch (code) {
    case SB_LINEUP: pos -= line; break;
    case SB_LINEDOWN: pos += line; break;
    case SB_PAGEUP: pos -= static_cast<int>(si.nPage); break;
    case SB_PAGEDOWN: pos += static_cast<int>(si.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = si.nTrackPos; break;
    case SB_TOP: pos = 0; break;
    case SB_BOTTOM: pos = si.nMax; break;
    default: return;
  }
  if (bar == SB_VERT) ScrollTo(scrollX_, pos);
  else ScrollTo(pos, scrollY_);
}

void CHylEV::ShowCaret() {
  if (GetFocus() != hwnd_) return;
  const VisualPoint p = CaretPoint(layout_, caret_);
  int height = 16;
  if (layout_.LineCount() > 0) height = layout_.Line(CaretLine(layout_, caret_)).height;
  const POINT origin = PageOrigin(p.page);
  DestroyCaret();
  CreateCaret(hwnd_, nullptr, 2, std::max(height, 4));
  SetCaretPos(origin.x + p.x, origin.y + p.y);
  ::ShowCaret(hwnd_);
}

void CHylEV::EnsureCaretVisible() {
  RECT rc{};
  GetClientRect(hwnd_, &rc);
  const VisualPoint p = CaretPoint(layout_, caret_);
  const int height = layout_.LineCount() > 0 ? layout_.Line(CaretLine(layout_, caret_)).height : 16;
  const POINT origin = PageOrigin(p.page);
  int x = scrollX_, y = scrollY_;
  const int top = origin.y + p.y, left = origin.x + p.x;
  if (top < 0) y += top;
  else if (top + height > rc.bottom) y += top + height - rc.bottom;
  if (left < 0) x += left - 20;
  else if (left + 4 > rc.right) x += left + 24 - rc.right;
  ScrollTo(x, y);
}

void CHylEV::SetCaret(const VisualCaret& caret, bool extend) {
  const bool hadSelection = anchor_ != caret_.offset;
  if (caret.offset != caret_.offset) {
    pending_.reset();
    typing_ = false;
  }
  caret_ = caret;
  if (!extend) anchor_ = caret_.offset;
  if (extend || hadSelection) InvalidateRect(hwnd_, nullptr, FALSE);
  EnsureCaretVisible();
  ShowCaret();
  Notify();
}

void CHylEV::Paint(HDC dc, const RECT& client, const RECT& dirty) {
  HBRUSH ground = CreateSolidBrush(RGB(128, 128, 128));
  FillRect(dc, &client, ground);
  DeleteObject(ground);
  HylPainter painter(doc_.Model(), layout_, *metrics_, context_.settings.htmlMode, true);
  for (int page = 0; page < layout_.PageCount(); ++page) painter.PaintPage(dc, page, PageOrigin(page), dirty, Selection());
}

void CHylEV::Notify() {
  if (observer_) observer_->HylChanged();
  ShowPosition();
}

void CHylEV::ShowPosition() {
  MdiChild* child = context_.documents.ActiveChild();
  if (!child || child->GetView() != view_) return;
  // "DisplayCursorPosition": the caret's line and column (in characters),
  // counted from 1.
  std::wstring line, column;
  if (context_.settings.htmlMode.displayCursorPosition && layout_.LineCount() > 0) {
    const std::size_t index = CaretLine(layout_, caret_);
    const std::string& text = doc_.Model().text;
    std::size_t chars = 0;
    for (std::size_t i = layout_.Line(index).start; i < caret_.offset && i < text.size(); i = NextCharOffset(text, i))
      ++chars;
    chars += static_cast<std::size_t>(std::max(0, caret_.virtualBlanks));
    wchar_t buffer[32];
    swprintf(buffer, 32, L"%05u", static_cast<unsigned>(index + 1));
    line = buffer;
    swprintf(buffer, 32, L"%03u", static_cast<unsigned>(chars + 1));
    column = buffer;
  }
  HWND frame = context_.owner.MainHwnd();
  SetStatusPane(frame, 1, line);
  SetStatusPane(frame, 2, column);
  SetStatusPane(frame, 3, L"");
}

}  // namespace quelt::win
