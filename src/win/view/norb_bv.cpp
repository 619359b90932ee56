#include "view/norb_bv.h"
#include "view/edit_context.h"

#include <algorithm>
#include <vector>

#include "base/sjis.h"
#include "binary/binary_rows.h"
#include "framework/win_text.h"
#include "framework/window_class.h"
#include "text/text_store.h"
#include "view/display_font.h"
#include "view/norb_doc.h"

namespace quelt::win {
namespace {

constexpr const wchar_t* kClassName = CNorbBV::kWindowClass;
constexpr UINT_PTR kDragTimer = 2;

// The bytes [from, to) of the store.
std::string ReadBytes(TextStore& store, TextOffset from, TextOffset to) {
  std::string out(to > from ? to - from : 0, '\0');
  if (!out.empty()) store.CopyOut(from, static_cast<std::uint32_t>(out.size()), reinterpret_cast<std::uint8_t*>(out.data()));
  return out;
}

// Draws Shift-JIS text one cell per byte: a double-byte character takes
// two cells; a byte the code page has no character for shows as ".".
void DrawCells(HDC dc, int x, int y, std::string_view sjis, int cell) {
  std::wstring wide;
  std::vector<INT> dx;
  for (std::size_t i = 0; i < sjis.size();) {
    const bool pair = IsSjisLeadByte(static_cast<std::uint8_t>(sjis[i])) && i + 1 < sjis.size();
    const std::size_t n = pair ? 2 : 1;
    std::wstring w = SjisToWide(sjis.substr(i, n));
    if (w.size() != 1 || w[0] == 0) w = L".";
    wide += w;
    dx.push_back(static_cast<INT>(cell * n));
    i += n;
  }
  ExtTextOutW(dc, x, y, 0, nullptr, wide.c_str(), static_cast<UINT>(wide.size()), dx.data());
}

}  // namespace

CNorbBV::CNorbBV(CNorbDoc& doc, View* owner)
    : doc_(doc),
      owner_(owner),
      context_(doc.Context()),
      settings_(context_.settings),
      host_(context_.host),
      find_(context_.find) {}

CNorbBV::~CNorbBV() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool CNorbBV::Create(HWND parent) {
  if (!RegisterWindowClass(kClassName, &CNorbBV::WndProc, IDC_IBEAM)) return false;
  hwnd_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0, parent,
                          nullptr, GetModuleHandleW(nullptr), this);
  if (!hwnd_) return false;
  MakeFont();
  UpdateScrollBars();
  return true;
}

LRESULT CALLBACK CNorbBV::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<CNorbBV*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->hwnd_ = hwnd;
  }
  auto* self = reinterpret_cast<CNorbBV*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return self ? self->Handle(msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CNorbBV::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: OnSize(LOWORD(lp), HIWORD(lp)); return 0;
    case WM_VSCROLL: OnVScroll(LOWORD(wp)); return 0;
    case WM_HSCROLL: OnHScroll(LOWORD(wp)); return 0;
    case WM_MOUSEWHEEL: {
      const int notches = GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA;
      ScrollToRow(topRow_ - notches * 3);
      return 0;
    }
    case WM_SETFOCUS:
      CreateCaret(hwnd_, nullptr, 2, lineHeight_);
      ShowCaretAt();
      ShowCaret(hwnd_);
      return 0;
    case WM_KILLFOCUS:
      HideCaret(hwnd_);
      DestroyCaret();
      return 0;
    case WM_KEYDOWN: OnKeyDown(static_cast<UINT>(wp)); return 0;
    case WM_CHAR: OnChar(static_cast<wchar_t>(wp)); return 0;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd_);
      OnLButtonDown(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
      return 0;
    case WM_MOUSEMOVE: OnMouseMove(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))); return 0;
    case WM_LBUTTONUP: OnLButtonUp(); return 0;
    case WM_TIMER:
      if (wp == kDragTimer) OnTimer();
      return 0;
    case kMsgTakeFocus:
      SetFocus(hwnd_);
      return 0;
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(ShownText().size());
    case WM_GETTEXT: {
      // The rows shown, as lines: what a screen reader or a test reads.
      const std::wstring text = ShownText();
      const std::size_t room = static_cast<std::size_t>(wp);
      if (room == 0 || lp == 0) return 0;
      const std::size_t n = std::min(text.size(), room - 1);
      std::copy_n(text.c_str(), n, reinterpret_cast<wchar_t*>(lp));
      reinterpret_cast<wchar_t*>(lp)[n] = L'\0';
      return static_cast<LRESULT>(n);
    }
    default: return DefWindowProcW(hwnd_, msg, wp, lp);
  }
}

void CNorbBV::MakeFont() {
  HDC dc = GetDC(hwnd_);
  LOGFONTW lf = DisplayLogFont(context_.CurrentCabinet(), GetDeviceCaps(dc, LOGPIXELSY));
  font_.Reset(CreateFontIndirectW(&lf));
  HGDIOBJ old = SelectObject(dc, font_.Get());
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  charWidth_ = std::max<int>(1, tm.tmAveCharWidth);
  lineHeight_ = std::max<int>(1, tm.tmHeight);
}

std::uint64_t CNorbBV::RowCount() const { return BinaryRowCount(doc_.Store().Length()); }

int CNorbBV::VisibleRows() const { return std::max(1, clientHeight_ / lineHeight_); }

void CNorbBV::OnSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  UpdateScrollBars();
  ScrollToRow(topRow_);
}

void CNorbBV::UpdateScrollBars() {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMax = static_cast<int>(std::min<std::uint64_t>(RowCount() - 1, INT_MAX));
  si.nPage = static_cast<UINT>(VisibleRows());
  si.nPos = static_cast<int>(topRow_);
  SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
  si.nMax = kBinaryRowColumns;
  si.nPage = static_cast<UINT>(std::max(1, clientWidth_ / charWidth_));
  si.nPos = leftColumn_;
  SetScrollInfo(hwnd_, SB_HORZ, &si, TRUE);
}

void CNorbBV::ScrollToRow(std::int64_t row) {
  const std::int64_t last = std::max<std::int64_t>(0, static_cast<std::int64_t>(RowCount()) - VisibleRows());
  row = std::clamp<std::int64_t>(row, 0, last);
  if (row != topRow_) {
    topRow_ = row;
    Redraw();
  }
  UpdateScrollBars();
  ShowCaretAt();
}

void CNorbBV::OnVScroll(int code) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_TRACKPOS;
  GetScrollInfo(hwnd_, SB_VERT, &si);
  switch (code) {
    case SB_LINEUP: ScrollToRow(topRow_ - 1); break;
    case SB_LINEDOWN: ScrollToRow(topRow_ + 1); break;
    case SB_PAGEUP: ScrollToRow(topRow_ - VisibleRows()); break;
    case SB_PAGEDOWN: ScrollToRow(topRow_ + VisibleRows()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollToRow(si.nTrackPos); break;
    case SB_TOP: ScrollToRow(0); break;
    case SB_BOTTOM: ScrollToRow(static_cast<std::int64_t>(RowCount())); break;
    default: break;
  }
}

void CNorbBV::OnHScroll(int code) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_TRACKPOS;
  GetScrollInfo(hwnd_, SB_HORZ, &si);
  int column = leftColumn_;
  switch (code) {
    case SB_LINELEFT: column -= 1; break;
    case SB_LINERIGHT: column += 1; break;
    case SB_PAGELEFT: column -= 8; break;
    case SB_PAGERIGHT: column += 8; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: column = si.nTrackPos; break;
    default: break;
  }
  column = std::clamp(column, 0, std::max(0, kBinaryRowColumns - clientWidth_ / charWidth_));
  if (column != leftColumn_) {
    leftColumn_ = column;
    Redraw();
  }
  UpdateScrollBars();
  ShowCaretAt();
}

void CNorbBV::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT rc;
  GetClientRect(hwnd_, &rc);
  FillRect(dc, &rc, GetSysColorBrush(COLOR_WINDOW));
  HGDIOBJ old = SelectObject(dc, font_.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  const ShownBytes shown = ReadShownBytes(VisibleRows() + 1);
  for (std::uint64_t row = shown.firstRow; row < shown.endRow; ++row) {
    const int y = static_cast<int>(row - shown.firstRow) * lineHeight_;
    PaintRow(dc, row, y, shown.bytes, shown.RowStart(row));
    InvertSelection(dc, row, y);
  }
  SelectObject(dc, old);
  EndPaint(hwnd_, &ps);
}

CNorbBV::ShownBytes CNorbBV::ReadShownBytes(int rows) {
  TextStore& store = doc_.Store();
  ShownBytes shown;
  shown.firstRow = static_cast<std::uint64_t>(topRow_);
  shown.endRow = std::min<std::uint64_t>(RowCount(), shown.firstRow + rows);
  // One read of the rows, with the lead-byte run before them and the byte
  // after them.
  const TextOffset from =
      static_cast<TextOffset>(std::min<std::uint64_t>(shown.firstRow * kBinaryBytesPerRow, store.Length()));
  shown.start = from > kBinaryLookBehind ? from - kBinaryLookBehind : 0;
  const TextOffset to =
      static_cast<TextOffset>(std::min<std::uint64_t>(shown.endRow * kBinaryBytesPerRow + 1, store.Length()));
  shown.bytes = ReadBytes(store, shown.start, to);
  return shown;
}

std::wstring CNorbBV::ShownText() {
  const ShownBytes shown = ReadShownBytes(VisibleRows());
  std::string lines;
  for (std::uint64_t row = shown.firstRow; row < shown.endRow; ++row) {
    lines += BinaryRowLine(FormatBinaryRowIn(shown.bytes, shown.RowStart(row), row * kBinaryBytesPerRow));
    lines += "\r\n";
  }
  return SjisToWide(lines);
}

void CNorbBV::PaintRow(HDC dc, std::uint64_t row, int y, const std::string& window, std::size_t rowStart) {
  const BinaryRowText t = FormatBinaryRowIn(window, rowStart, row * kBinaryBytesPerRow);
  const int x0 = -leftColumn_ * charWidth_;
  DrawCells(dc, x0, y, t.address, charWidth_);
  if (!t.hex.empty()) DrawCells(dc, x0 + kBinaryHexColumn * charWidth_, y, t.hex, charWidth_);
  if (!t.text.empty()) DrawCells(dc, x0 + kBinaryTextColumn * charWidth_, y, t.text, charWidth_);
}

void CNorbBV::InvertSelection(HDC dc, std::uint64_t row, int y) {
  if (!caret_.HasSelection()) return;
  const std::uint64_t rowStart = row * kBinaryBytesPerRow;
  const std::uint64_t from = std::max<std::uint64_t>(caret_.SelectionStart(), rowStart);
  const std::uint64_t to = std::min<std::uint64_t>(caret_.SelectionEnd(), rowStart + kBinaryBytesPerRow);
  if (from >= to) return;
  const int a = static_cast<int>(from - rowStart), b = static_cast<int>(to - rowStart) - 1;
  const int x0 = -leftColumn_ * charWidth_;
  RECT hex{x0 + BinaryHexColumnOf(a) * charWidth_, y, x0 + (BinaryHexColumnOf(b) + 2) * charWidth_, y + lineHeight_};
  RECT text{x0 + (kBinaryTextColumn + a) * charWidth_, y, x0 + (kBinaryTextColumn + b + 1) * charWidth_,
            y + lineHeight_};
  InvertRect(dc, &hex);
  InvertRect(dc, &text);
}

void CNorbBV::ShowCaretAt() {
  if (GetFocus() != hwnd_) return;
  const std::int64_t row = caret_.offset / kBinaryBytesPerRow;
  const int j = static_cast<int>(caret_.offset % kBinaryBytesPerRow);
  const int column = caret_.textPart ? kBinaryTextColumn + j : BinaryHexColumnOf(j) + (caret_.secondDigit ? 1 : 0);
  SetCaretPos((column - leftColumn_) * charWidth_, static_cast<int>(row - topRow_) * lineHeight_);
}

void CNorbBV::MakeCaretVisible() {
  const std::int64_t row = caret_.offset / kBinaryBytesPerRow;
  if (row < topRow_) {
    ScrollToRow(row);
  } else if (row >= topRow_ + VisibleRows()) {
    ScrollToRow(row - VisibleRows() + 1);
  }
  ShowCaretAt();
}

void CNorbBV::OnTextChanged() {
  caret_.offset = std::min(caret_.offset, doc_.Store().Length());
  caret_.anchor = std::min(caret_.anchor, doc_.Store().Length());
  UpdateScrollBars();
  ScrollToRow(topRow_);
  Redraw();
}

}  // namespace quelt::win
