// `CRulerBar`: the column ruler above a text view's edit window. It shows
// the column scale from the edit window's first shown column, the wrap
// column's mark and the caret's column, and sets the document's wrap column
// when the mark is dragged.
#pragma once

#include "view/ruler_marks.h"
#include "view/ruler_window.h"

namespace quelt::win {

class CRulerBar : public RulerWindow {
 public:
  static constexpr wchar_t kWindowClass[] = L"QueltRulerBar";
  using RulerWindow::RulerWindow;

  bool Create(HWND parent) { return RulerWindow::Create(parent, kWindowClass); }
  // The ruler's height for its font and ticks.
  int Height() const;
  // The line ruler's width to the left of the edit window (0 when hidden).
  void SetLineRulerWidth(int width);
  void Refresh(bool textChanged) override;

 private:
  // What the ruler shows; it repaints only when this changes.
  struct Shown {
    RulerGeometry geometry;
    int caretColumn = 0;
    int wrapColumn = 0;
    bool operator==(const Shown&) const = default;
  };
  Shown Current() const;
  void Paint(HDC dc, const RECT& rc) override;
  void OnLButtonDown(int x, int y, WPARAM keys) override;
  void OnMouseMove(int x, int y, WPARAM keys) override;
  void OnLButtonUp(int x, int y) override;
  bool OnSetCursor() override;
  void OnCaptureLost() override;
  // Whether y lies in the tick area below the numbers.
  bool InTickArea(int y) const;
  int TickAreaTop() const;
  int LongTick() const { return Scaled(kRulerLongTick); }

  Shown shown_;
  int lineRulerWidth_ = 0;
  bool dragging_ = false;
  int dragColumn_ = 0;  // the candidate wrap column while the mark is dragged
};

}  // namespace quelt::win
