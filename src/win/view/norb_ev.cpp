#include "view/norb_ev.h"
#include "view/edit_context.h"

#include "record/operation_recorder.h"

#include <imm.h>

#include <algorithm>

#include "cabinet/cabinet_settings.h"
#include "framework/win_text.h"
#include "view/display_font.h"
#include "view/edit_modes.h"
#include "view/layout_params.h"
#include "view/norb_doc.h"
#include "view/scroll_ranges.h"

namespace quelt::win {
namespace {

constexpr const wchar_t* kClassName = CNorbEV::kWindowClass;
// Width of the caret in insert mode and of the thin overwrite caret.
constexpr int kInsertCaretWidth = 2;
constexpr int kOverwriteCaretWidth = 8;

}  // namespace

bool CNorbEV::RegisterClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &CNorbEV::WndProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_IBEAM);
  wc.lpszClassName = kClassName;
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool CNorbEV::Create(HWND parent) {
  RegisterClass(GetModuleHandleW(nullptr));
  // The store already reads its text with the display font's lead-byte
  // test; the layout starts with the same one.
  LayoutParams params;
  params.lead = doc_.Store().Lead();
  layout_ = std::make_unique<Layout>(doc_.Store(), params, &context_.host);
  hwnd_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0,
                          parent, nullptr, GetModuleHandleW(nullptr), this);
  if (!hwnd_) return false;
  RefreshLayout(true);
  SetCaret(CaretPos{}, false, true);
  RegisterDropTarget();
  return true;
}

bool CNorbEV::FreeCursor() const { return layout_->Params().freeCursor; }

void CNorbEV::MakeFont() {
  const CabinetSettings& cabinet = context_.CurrentCabinet();
  HDC dc = GetDC(hwnd_);
  const LOGFONTW lf = DisplayLogFont(cabinet, GetDeviceCaps(dc, LOGPIXELSY));
  ReleaseDC(hwnd_, dc);
  font_.Reset(CreateFontIndirectW(&lf));
  // The input method composes in the display font when asked to.
  if (settings_.setCompositionFont) {
    if (HIMC imc = ImmGetContext(hwnd_)) {
      LOGFONTW composition = lf;
      composition.lfWidth = 0;
      ImmSetCompositionFontW(imc, &composition);
      ImmReleaseContext(hwnd_, imc);
    }
  }
}

void CNorbEV::ComputeMetrics() {
  const AppSettings& settings = settings_;
  HDC dc = GetDC(hwnd_);
  HGDIOBJ old = SelectObject(dc, font_.Get());
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  fontCharSet_ = tm.tmCharSet;
  GridInput in;
  in.logPixelsX = GetDeviceCaps(dc, LOGPIXELSX);
  in.logPixelsY = GetDeviceCaps(dc, LOGPIXELSY);
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  const LayoutParams& p = layout_->Params();
  in.fontAveCharWidth = tm.tmAveCharWidth;
  in.fontHeight = tm.tmHeight;
  in.charSpacing = p.charSpacing;
  in.lineSpacing = p.lineSpacing;
  in.leftMarginLM = settings.leftMarginLM;
  in.topMarginLM = settings.topMarginLM;
  const GridMetrics grid = MakeGridMetrics(in, p.tabWidth);
  metrics_.fontHeight = std::max<int>(1, tm.tmHeight);
  metrics_.charWidth = grid.charWidth;
  metrics_.lineHeight = grid.lineHeight;
  metrics_.leftMargin = grid.leftMargin;
  metrics_.topMargin = grid.topMargin;
  metrics_.visibleRows = VisibleRows(grid, metrics_.clientHeight);
  metrics_.visibleColumns = VisibleColumns(grid, metrics_.clientWidth);
}

GridMetrics CNorbEV::Grid() const {
  GridMetrics g;
  g.charWidth = metrics_.charWidth;
  g.lineHeight = metrics_.lineHeight;
  g.tabWidth = metrics_.charWidth * layout_->Params().tabWidth;
  g.leftMargin = metrics_.leftMargin;
  g.topMargin = metrics_.topMargin;
  return g;
}

void CNorbEV::RefreshLayout(bool full) {
  // Note the top line's and the caret's offsets to come back to them.
  const bool hadLayout = layout_->LineCount() > 0;
  const TextOffset topOffset = hadLayout ? layout_->LineStart(topLine_) : 0;
  const TextOffset caretOffset = hadLayout ? CaretOffset() : 0;
  MakeFont();
  ComputeMetrics();  // reads the font's character set for the lead-byte test
  const CabinetSettings& cabinet = context_.CurrentCabinet();
  const std::uint32_t replaced =
      layout_->SetParams(MakeLayoutParams(cabinet, context_.settings, doc_.Store().Layout().lineWidth, fontCharSet_));
  if (replaced > 0) {
    doc_.SetModified(true);
    doc_.UpdateAllViews(owner_, kHintTextLoaded);
  }
  ComputeMetrics();
  if (full || !hadLayout || replaced > 0) {
    layout_->FullLayout();
    doc_.RescanAreaComments();
    firstColumn_ = 0;
  }
  topLine_ = std::min(layout_->LineOfOffset(topOffset), MaxTopLine());
  UpdateScrollRanges();
  if (hadLayout) SetCaretOffset(caretOffset, true);
  if (focused_) PlaceSystemCaret(true);
  InvalidateRect(hwnd_, nullptr, FALSE);
  NotifyObserver(true);
}

void CNorbEV::OnTextChanged() {
  const std::uint32_t lines = layout_->LineCount();
  caret_.pos.line = std::min(caret_.pos.line, lines > 0 ? lines - 1 : 0u);
  UpdateScrollRanges();
  topLine_ = std::min(topLine_, MaxTopLine());
  InvalidateRect(hwnd_, nullptr, FALSE);
  PlaceSystemCaret(false);
  NotifyObserver(true);
}

ViewExtent CNorbEV::Extent() const {
  ViewExtent v;
  v.visibleRows = metrics_.visibleRows;
  v.visibleColumns = metrics_.visibleColumns;
  v.scrollStartBase = settings_.scrollStartBase;
  v.ranges = ComputeScrollRanges(layout_->LineCount(), metrics_.visibleRows, layout_->MaxColumn(),
                                 metrics_.visibleColumns);
  return v;
}

std::uint32_t CNorbEV::MaxTopLine() const {
  const ScrollRanges r = Extent().ranges;
  return r.verticalEnabled ? r.verticalMax : 0;
}

void CNorbEV::UpdateScrollRanges() {
  const ScrollRanges r = Extent().ranges;
  vScrollEnabled_ = r.verticalEnabled;
  hScrollEnabled_ = r.horizontalEnabled;
  if (!vScrollEnabled_) topLine_ = 0;
  if (!hScrollEnabled_) firstColumn_ = 0;
  // The bar's range includes a page of visible rows, so that its thumb can
  // reach verticalMax.
  SCROLLINFO si{sizeof si};
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  si.nMin = 0;
  si.nMax = vScrollEnabled_ ? static_cast<int>(r.verticalMax) + std::max(metrics_.visibleRows, 1) - 1 : 0;
  si.nPage = vScrollEnabled_ ? static_cast<UINT>(std::max(metrics_.visibleRows, 1)) : 1;
  si.nPos = static_cast<int>(topLine_);
  ApplyScrollInfo(SB_VERT, si, appliedV_);
  SCROLLINFO hi{sizeof hi};
  hi.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  hi.nMin = 0;
  hi.nMax = hScrollEnabled_ ? r.horizontalMax + std::max(metrics_.visibleColumns, 1) - 1 : 0;
  hi.nPage = hScrollEnabled_ ? static_cast<UINT>(std::max(metrics_.visibleColumns, 1)) : 1;
  hi.nPos = firstColumn_;
  ApplyScrollInfo(SB_HORZ, hi, appliedH_);
}

void CNorbEV::ApplyScrollInfo(int bar, const SCROLLINFO& si, SCROLLINFO& applied) {
  // Most edits leave the bars as they are; setting them anyway repaints
  // them on every key.
  if (applied.cbSize == sizeof applied && applied.nMin == si.nMin && applied.nMax == si.nMax &&
      applied.nPage == si.nPage && applied.nPos == si.nPos) {
    return;
  }
  SetScrollInfo(hwnd_, bar, &si, TRUE);
  applied = si;
}

void CNorbEV::ScrollTo(std::uint32_t topLine, int firstColumn) {
  const ScrollPos pos = ClampScroll(ScrollPos{topLine, firstColumn}, Extent().ranges);
  if (pos.topLine == topLine_ && pos.firstColumn == firstColumn_) return;
  const int dy = (static_cast<int>(topLine_) - static_cast<int>(pos.topLine)) * metrics_.lineHeight;
  const bool horizontal = pos.firstColumn != firstColumn_;
  topLine_ = pos.topLine;
  firstColumn_ = pos.firstColumn;
  RECT text{0, metrics_.topMargin, metrics_.clientWidth, metrics_.clientHeight};
  if (!horizontal && std::abs(dy) < metrics_.clientHeight) {
    ScrollWindowEx(hwnd_, 0, dy, &text, &text, nullptr, nullptr, SW_INVALIDATE);
  } else {
    InvalidateRect(hwnd_, nullptr, FALSE);
  }
  if (appliedV_.nPos != static_cast<int>(topLine_)) SetScrollPos(hwnd_, SB_VERT, static_cast<int>(topLine_), TRUE);
  if (appliedH_.nPos != firstColumn_) SetScrollPos(hwnd_, SB_HORZ, firstColumn_, TRUE);
  appliedV_.nPos = static_cast<int>(topLine_);
  appliedH_.nPos = firstColumn_;
  PlaceSystemCaret(false);
  NotifyObserver();
}

void CNorbEV::EnsureCaretVisible(int column, std::uint32_t line, CaretKey key) {
  const ScrollCause cause = key == CaretKey::kPageUp     ? ScrollCause::kPageUp
                            : key == CaretKey::kPageDown ? ScrollCause::kPageDown
                                                         : ScrollCause::kOther;
  const ScrollPos pos = EnsureVisible(ScrollPos{topLine_, firstColumn_}, Extent(), column, line, cause);
  ScrollTo(pos.topLine, pos.firstColumn);
}

POINT CNorbEV::CellPoint(int column, std::uint32_t line) const {
  const Point p = CellToPoint(Grid(), ScrollPos{topLine_, firstColumn_}, column, line);
  return {p.x, p.y};
}

void CNorbEV::CellAt(int x, int y, int& column, std::uint32_t& line) const {
  const auto c = PointToCell(Grid(), ScrollPos{topLine_, firstColumn_}, x, y, layout_->MaxColumn(),
                                 layout_->LineCount());
  column = c.column;
  const std::uint32_t lines = layout_->LineCount();
  line = std::min(c.line, lines > 0 ? lines - 1 : 0u);
}

void CNorbEV::SetCaretOffset(TextOffset p, bool noScroll) {
  const CaretPos pos = CaretAtOffset(*layout_, p);
  caret_.desiredColumn = pos.column;
  SetCaret(pos, false, noScroll);
}

bool CNorbEV::JumpTo(std::uint32_t line, int column) {
  const std::uint32_t lines = layout_->LineCount();
  if (line >= std::max<std::uint32_t>(lines, 1)) return false;
  if (column > layout_->LineWidth(line)) column = 0;
  CancelSelection();
  SetCaretOffset(layout_->OffsetOfColumn(column, line, false).offset);
  return true;
}

void CNorbEV::RestorePositions(std::uint32_t topLine, std::uint32_t caretLine, std::uint32_t caretColumn) {
  if (topLine >= std::max<std::uint32_t>(layout_->LineCount(), 1)) return;
  ScrollTo(topLine, firstColumn_);
  const CaretPos pos = CaretAtCell(*layout_, static_cast<int>(std::min<std::uint32_t>(caretColumn, 1000)), caretLine,
                                   FreeCursor());
  caret_.desiredColumn = pos.column;
  SetCaret(pos, false, true);
}

void CNorbEV::SetCaret(const CaretPos& target, bool recreate, bool noScroll) {
  CaretPos pos = target;
  const std::uint32_t lines = layout_->LineCount();
  pos.line = lines == 0 ? 0 : std::min(pos.line, lines - 1);
  if (!noScroll) EnsureCaretVisible(pos.column, pos.line, CaretKey::kRight);
  if (pos.line != caret_.pos.line && settings_.drawUnderLine) {
    InvalidateLines(caret_.pos.line, caret_.pos.line);
    InvalidateLines(pos.line, pos.line);
  }
  caret_.pos = pos;
  PlaceSystemCaret(recreate);
  context_.status.OnCaretMoved(this);
  NotifyObserver();
}

void CNorbEV::PlaceSystemCaret(bool recreate) {
  if (!focused_) return;
  if (recreate) {
    DestroyCaret();
    const EditModes& modes = GlobalEditModes();
    const int width = modes.insert ? kInsertCaretWidth
                                   : (modes.thickCaret ? 2 * metrics_.charWidth : kOverwriteCaretWidth);
    CreateCaret(hwnd_, nullptr, width, metrics_.fontHeight);
    ShowCaret(hwnd_);
  }
  const POINT pt = CellPoint(caret_.pos.column, caret_.pos.line);
  SetCaretPos(pt.x, pt.y);
  // The composition window follows the caret while a composition is open
  // (after playback, once); a composition that starts is placed then. Asking
  // the input method at every caret move would cost each move a round trip
  // to it.
  if (composing_ && !recorder_.IsPlaying()) PlaceCompositionWindow(pt);
}

void CNorbEV::PlaceCompositionWindow(POINT pt) {
  if (IsEnglishInterface()) return;
  if (HIMC imc = ImmGetContext(hwnd_)) {
    COMPOSITIONFORM cf{};
    cf.dwStyle = settings_.spotConversionIME ? CFS_POINT : CFS_DEFAULT;
    cf.ptCurrentPos = pt;
    ImmSetCompositionWindow(imc, &cf);
    ImmReleaseContext(hwnd_, imc);
  }
}

void CNorbEV::HideSystemCaret() {
  if (focused_) DestroyCaret();
}

void CNorbEV::ShowSystemCaret() {
  if (focused_) SetCaret(caret_.pos, true);
}

void CNorbEV::OnSize(int width, int height) {
  metrics_.clientWidth = width;
  metrics_.clientHeight = height;
  metrics_.visibleRows = VisibleRows(Grid(), height);
  metrics_.visibleColumns = VisibleColumns(Grid(), width);
  UpdateScrollRanges();
  topLine_ = std::min(topLine_, MaxTopLine());
  SetCaret(caret_.pos, false, !settings_.scrollOnSize);
}

void CNorbEV::OnScrollBar(int bar, int code) {
  ScrollAction action;
  switch (code) {
    case SB_LINEUP: action = ScrollAction::kLineUp; break;
    case SB_LINEDOWN: action = ScrollAction::kLineDown; break;
    case SB_PAGEUP: action = ScrollAction::kPageUp; break;
    case SB_PAGEDOWN: action = ScrollAction::kPageDown; break;
    case SB_TOP: action = ScrollAction::kTop; break;
    case SB_BOTTOM: action = ScrollAction::kBottom; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: action = ScrollAction::kThumb; break;
    default: return;
  }
  const bool vertical = bar == SB_VERT;
  if (vertical && !vScrollEnabled_) {
    // Everything fits: the bar moves the caret instead.
    CaretKey key;
    if (CaretKeyForScrollAction(action, &key)) CaretKeyPress(key, false);
    return;
  }
  SCROLLINFO si{sizeof si, SIF_TRACKPOS};
  GetScrollInfo(hwnd_, bar, &si);
  const ScrollRanges r = Extent().ranges;
  if (vertical) {
    const int page = std::max(1, (metrics_.clientHeight - metrics_.topMargin) / metrics_.lineHeight);
    const std::int64_t top = ApplyScrollAction(topLine_, action, page, si.nTrackPos, r.verticalMax);
    ScrollTo(static_cast<std::uint32_t>(top), firstColumn_);
  } else {
    const std::int64_t first =
        ApplyScrollAction(firstColumn_, action, std::max(1, metrics_.visibleColumns), si.nTrackPos, r.horizontalMax);
    ScrollTo(topLine_, static_cast<int>(first));
  }
}

LRESULT CALLBACK CNorbEV::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    auto* self = static_cast<CNorbEV*>(cs->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<CNorbEV*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return self ? self->Handle(msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CNorbEV::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  const int x = static_cast<short>(LOWORD(lp)), y = static_cast<short>(HIWORD(lp));
  switch (msg) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;  // painting fills every pixel
    case WM_SIZE: OnSize(LOWORD(lp), HIWORD(lp)); return 0;
    case WM_VSCROLL: OnScrollBar(SB_VERT, LOWORD(wp)); return 0;
    case WM_HSCROLL: OnScrollBar(SB_HORZ, LOWORD(wp)); return 0;
    case WM_IME_STARTCOMPOSITION:
      composing_ = true;
      PlaceCompositionWindow(CellPoint(caret_.pos.column, caret_.pos.line));
      return DefWindowProcW(hwnd_, msg, wp, lp);
    case WM_IME_ENDCOMPOSITION:
      composing_ = false;
      return DefWindowProcW(hwnd_, msg, wp, lp);
    case WM_SETFOCUS:
      focused_ = true;
      SetCaret(caret_.pos, true, true);
      return 0;
    case WM_KILLFOCUS:
      focused_ = false;
      DestroyCaret();
      return 0;
    case WM_KEYDOWN: OnKeyDown(static_cast<UINT>(wp), lp); return 0;
    case WM_CHAR: OnChar(static_cast<wchar_t>(wp)); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(x, y, wp); return 0;
    case WM_MOUSEMOVE: OnMouseMove(x, y, wp); return 0;
    case WM_LBUTTONUP: OnLButtonUp(x, y); return 0;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(x, y, wp); return 0;
    case WM_MBUTTONDOWN: OnMButtonDown(x, y); return 0;
    case WM_CONTEXTMENU: OnContextMenu(lp); return 0;
    case WM_MOUSEWHEEL: OnMouseWheel(static_cast<short>(HIWORD(wp))); return 0;
    case WM_TIMER:
      if (wp == kDropScrollTimer) {
        OnDropScrollTimer();
      } else {
        OnTimer(wp);
      }
      return 0;
    case WM_DESTROY: RevokeDropTarget(); break;
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT && !panning_ && OnSetCursor()) return TRUE;
      break;
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTARROWS;
    default: break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace quelt::win
