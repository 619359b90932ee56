#include "view/ruler_bar.h"

#include <string>

#include "app/settings.h"
#include "framework/view.h"
#include "text/text_store.h"
#include "view/norb_doc.h"
#include "view/norb_ev.h"

namespace quelt::win {
namespace {

// The wrap column's mark: red across the whole tick area.
constexpr COLORREF kWrapMarkColour = RGB(0xFF, 0x00, 0x00);
constexpr COLORREF kCandidateColour = RGB(0x00, 0x00, 0x80);  // navy while dragged

}  // namespace

int CRulerBar::TickAreaTop() const { return 2 + NumberHeight(); }

int CRulerBar::Height() const { return TickAreaTop() + LongTick() + 4; }

bool CRulerBar::InTickArea(int y) const { return y >= TickAreaTop(); }

void CRulerBar::SetLineRulerWidth(int width) {
  lineRulerWidth_ = width;
  Refresh(false);
}

CRulerBar::Shown CRulerBar::Current() const {
  Shown s;
  if (!edit_ || !hwnd_) return s;
  const EvMetrics& m = edit_->Metrics();
  // Where the edit window's client area starts, in the ruler's coordinates.
  POINT origin{0, 0};
  MapWindowPoints(edit_->Hwnd(), hwnd_, &origin, 1);
  s.geometry.lineRulerWidth = lineRulerWidth_;
  s.geometry.editLeft = origin.x - lineRulerWidth_;
  s.geometry.leftMargin = m.leftMargin;
  s.geometry.charWidth = std::max(m.charWidth, 1);
  s.geometry.firstColumn = edit_->FirstColumn();
  s.caretColumn = edit_->CaretColumn();
  s.wrapColumn = edit_->TextLayout().Params().wrapColumn;
  return s;
}

void CRulerBar::Refresh(bool) {
  const Shown now = Current();
  if (now == shown_) return;
  shown_ = now;
  Redraw();
}

void CRulerBar::Paint(HDC dc, const RECT& rc) {
  shown_ = Current();
  const RulerGeometry& g = shown_.geometry;
  const int bottom = rc.bottom - 1;
  const int base = bottom - 2;  // the ticks stand on this line
  FillBox(dc, 0, 0, rc.right, rc.bottom, settings_.rulerBackColorref & 0xFFFFFF);
  // The caret's column, from below the numbers to above the bottom line.
  const int caretX = g.XOfColumn(shown_.caretColumn);
  if (shown_.caretColumn >= g.firstColumn) {
    FillBox(dc, caretX + 2, TickAreaTop(), caretX + g.charWidth, bottom, settings_.rulerCursorColorref & 0xFFFFFF);
  }
  Line(dc, 0, 0, rc.right, 0, RGB(0xFF, 0xFF, 0xFF));
  if (lineRulerWidth_ > 0) Line(dc, 0, 0, 0, rc.bottom, RGB(0xFF, 0xFF, 0xFF));
  Line(dc, 0, bottom, rc.right, bottom, RGB(0, 0, 0));
  const int originX = g.OriginX();
  Line(dc, originX, base, rc.right, base, RGB(0x80, 0x80, 0x80));
  Line(dc, originX, base + 1, rc.right, base + 1, RGB(0xFF, 0xFF, 0xFF));
  for (int column = g.firstColumn;; ++column) {
    const int x = g.XOfColumn(column);
    if (x >= rc.right) break;
    if (column == shown_.wrapColumn) {
      Line(dc, x, base, x, TickAreaTop() - 1, kWrapMarkColour);
      Line(dc, x + 1, base, x + 1, TickAreaTop() - 1, kWrapMarkColour);
    } else {
      RaisedTick(dc, x, base, Scaled(RulerTickLength(RulerTickOf(column))), true);
    }
    const std::string number = ColumnRulerNumber(column);
    if (!number.empty()) Number(dc, ColumnNumberLeft(g, column, NumberWidth(dc, number.c_str()), NumberShift()), 1,
                                number.c_str());
  }
  if (dragging_ && dragColumn_ != shown_.wrapColumn) {
    const int x = g.XOfColumn(dragColumn_);
    Line(dc, x, base, x, TickAreaTop() - 1, kCandidateColour);
    Line(dc, x + 1, base, x + 1, TickAreaTop() - 1, kCandidateColour);
  }
}

void CRulerBar::OnLButtonDown(int x, int y, WPARAM) {
  if (!edit_ || !InTickArea(y)) return;
  const Shown s = Current();
  if (!OnWrapMark(s.geometry, x, s.wrapColumn)) return;
  dragging_ = true;
  dragColumn_ = s.wrapColumn;
  SetCapture(hwnd_);
  SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
}

void CRulerBar::OnMouseMove(int x, int, WPARAM) {
  if (!dragging_) return;
  const int column = WrapColumnAtX(Current().geometry, x);
  if (column != dragColumn_) {
    dragColumn_ = column;
    Redraw();
  }
}

void CRulerBar::OnLButtonUp(int x, int) {
  if (!dragging_) return;
  dragging_ = false;
  const Shown s = Current();
  const int column = WrapColumnAtX(s.geometry, x);
  ReleaseCapture();
  Redraw();
  if (!edit_ || column == s.wrapColumn) return;
  // The document's wrap column: every view of it lays its text out again.
  CNorbDoc& doc = edit_->Doc();
  DocLayoutSettings layout = doc.Store().Layout();
  layout.lineWidth = column;
  doc.Store().ReplaceLayout(layout);
  doc.UpdateAllViews(nullptr, kHintLayoutReplaced);
}

void CRulerBar::OnCaptureLost() {
  if (!dragging_) return;
  dragging_ = false;
  Redraw();
}

bool CRulerBar::OnSetCursor() {
  POINT pt;
  GetCursorPos(&pt);
  ScreenToClient(hwnd_, &pt);
  const Shown s = Current();
  const bool onMark = dragging_ || (InTickArea(pt.y) && OnWrapMark(s.geometry, pt.x, s.wrapColumn));
  SetCursor(LoadCursorW(nullptr, onMark ? IDC_SIZEWE : IDC_ARROW));
  return true;
}

}  // namespace quelt::win
