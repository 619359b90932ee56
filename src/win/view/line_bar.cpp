#include "view/line_bar.h"

#include <algorithm>
#include <string>

#include "app/settings.h"
#include "res/rulers_ids.h"
#include "text/text_store.h"
#include "view/norb_doc.h"
#include "view/norb_ev.h"

namespace quelt::win {
int CLineBar::Width() const { return DigitsWidth(6) + TickZone() + Scaled(4); }

CLineBar::Shown CLineBar::Current() const {
  Shown s;
  if (!edit_) return s;
  const EvMetrics& m = edit_->Metrics();
  s.geometry.topMargin = m.topMargin;
  s.geometry.lineHeight = std::max(m.lineHeight, 1);
  s.geometry.topLine = edit_->TopLine();
  s.geometry.lineCount = edit_->TextLayout().LineCount();
  s.caretLine = edit_->CaretLine();
  s.clientHeight = m.clientHeight;
  return s;
}

void CLineBar::Refresh(bool textChanged) {
  const Shown now = Current();
  // The logical lines' numbers move with any edit.
  if (now == shown_ && !(textChanged && settings_.figureRuler)) return;
  shown_ = now;
  Redraw();
}

void CLineBar::Paint(HDC dc, const RECT& rc) {
  shown_ = Current();
  const LineRulerGeometry& g = shown_.geometry;
  const bool numbers = settings_.figureRuler != 0;
  const int right = rc.right - 1;
  const int base = right - 2;  // the ticks start from this line
  const int zoneLeft = rc.right - TickZone();
  FillBox(dc, 0, 0, rc.right, rc.bottom, settings_.lineBackColorref & 0xFFFFFF);
  // The caret's display line, one line high, across the tick zone.
  if (edit_ && shown_.caretLine >= g.topLine) {
    const int y = g.YOfLine(shown_.caretLine);
    FillBox(dc, zoneLeft, y + 2, base, y + g.lineHeight, settings_.lineCursorColorref & 0xFFFFFF);
  }
  Line(dc, 0, 0, 0, rc.bottom, RGB(0xFF, 0xFF, 0xFF));
  Line(dc, right, 0, right, rc.bottom, RGB(0, 0, 0));
  Line(dc, base, g.topMargin, base, rc.bottom, RGB(0x80, 0x80, 0x80));
  Line(dc, base + 1, g.topMargin, base + 1, rc.bottom, RGB(0xFF, 0xFF, 0xFF));
  if (!edit_) return;
  const TextStore& store = edit_->Doc().Store();
  std::uint32_t logical = numbers ? store.LogicalLineOf(g.topLine) : 0;
  const int numberRight = zoneLeft - NumberShift();
  for (std::uint32_t line = g.topLine;; ++line) {
    const int y = g.YOfLine(line);
    if (y >= rc.bottom) break;
    const bool exists = line < g.lineCount;
    if (numbers && !exists) break;
    const bool begins = line == 0 || store.LineFlag(line) != 0;
    if (numbers && begins && line != g.topLine) ++logical;
    if (!numbers) RaisedTick(dc, base, y, Scaled(RulerTickLength(RulerTickOf(static_cast<int>(line % 10)))), false);
    const std::string label = LineRulerLabel(numbers, line, begins, logical);
    if (label.empty()) continue;
    const int top = y + (g.lineHeight - NumberHeight()) / 2;
    Number(dc, numberRight - NumberWidth(dc, label.c_str()), top, label.c_str());
  }
}

void CLineBar::SelectTo(std::uint32_t line) {
  if (!edit_) return;
  // Only the lines shown: the timer scrolls to the others.
  const std::uint32_t lines = edit_->TextLayout().LineCount();
  const std::uint32_t lastShown = edit_->TopLine() + std::max(edit_->Metrics().visibleRows, 1) - 1;
  line = std::min({line, lastShown, lines > 0 ? lines - 1 : 0u});
  edit_->SelectWholeLines(anchorLine_, line);
}

void CLineBar::OnLButtonDown(int, int y, WPARAM keys) {
  if (!edit_) return;
  SetFocus(edit_->Hwnd());
  const Shown s = Current();
  const std::uint32_t pressed = s.geometry.LineAtY(y);
  const bool shift = (keys & MK_SHIFT) != 0;
  const EvSelection& sel = edit_->Selection();
  const bool box = sel.active && sel.box;
  const bool stream = sel.active && !sel.box;
  anchorLine_ = LineSelectionAnchor(shift, box, stream, edit_->TextLayout().LineOfOffset(sel.anchor),
                                    edit_->CaretLine(), pressed);
  if (!shift || box) edit_->CancelSelection();
  lastY_ = y;
  SelectTo(pressed);
  selecting_ = true;
  SetCapture(hwnd_);
  SetTimer(hwnd_, kLineSelectTimer, kLineSelectMs, nullptr);
}

void CLineBar::OnMouseMove(int, int y, WPARAM keys) {
  if (!selecting_ || !(keys & MK_LBUTTON)) return;
  lastY_ = y;
  SelectTo(Current().geometry.LineAtY(y));
}

void CLineBar::OnTimer(UINT_PTR id) {
  if (id != kLineSelectTimer || !selecting_ || !edit_) return;
  const int height = edit_->Metrics().clientHeight;
  if (lastY_ < 0) {
    edit_->ScrollLines(-1);
    SelectTo(edit_->TopLine());
  } else if (lastY_ >= height) {
    edit_->ScrollLines(1);
    SelectTo(edit_->TopLine() + std::max(edit_->Metrics().visibleRows, 1) - 1);
  }
}

void CLineBar::EndSelecting() {
  if (!selecting_) return;
  selecting_ = false;
  KillTimer(hwnd_, kLineSelectTimer);
  if (GetCapture() == hwnd_) ReleaseCapture();
}

void CLineBar::OnLButtonUp(int, int) { EndSelecting(); }

void CLineBar::OnCaptureLost() {
  selecting_ = false;
  KillTimer(hwnd_, kLineSelectTimer);
}

bool CLineBar::OnSetCursor() {
  static HCURSOR cursor = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_LINE_BAR_CURSOR));
  SetCursor(cursor ? cursor : LoadCursorW(nullptr, IDC_ARROW));
  return true;
}

}  // namespace quelt::win
