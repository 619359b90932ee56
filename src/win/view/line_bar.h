// `CLineBar`: the line ruler left of a text view's edit window. It shows a
// tick for each display line (or the logical lines' numbers), the caret's
// line, and selects whole lines with the mouse.
#pragma once

#include <cstdint>

#include "view/ruler_marks.h"
#include "view/ruler_window.h"

namespace quelt::win {

// Scrolls while a line selection's pointer is above or below the window.
constexpr UINT_PTR kLineSelectTimer = 2;
constexpr UINT kLineSelectMs = 50;

class CLineBar : public RulerWindow {
 public:
  static constexpr wchar_t kWindowClass[] = L"QueltLineBar";
  using RulerWindow::RulerWindow;

  bool Create(HWND parent) { return RulerWindow::Create(parent, kWindowClass); }
  // The ruler's width: six digits and the tick zone.
  int Width() const;
  void Refresh(bool textChanged) override;

 private:
  struct Shown {
    LineRulerGeometry geometry;
    std::uint32_t caretLine = 0;
    int clientHeight = 0;
    bool operator==(const Shown&) const = default;
  };
  Shown Current() const;
  void Paint(HDC dc, const RECT& rc) override;
  void OnLButtonDown(int x, int y, WPARAM keys) override;
  void OnMouseMove(int x, int y, WPARAM keys) override;
  void OnLButtonUp(int x, int y) override;
  void OnTimer(UINT_PTR id) override;
  bool OnSetCursor() override;
  void OnCaptureLost() override;
  void EndSelecting();
  void SelectTo(std::uint32_t line);
  int TickZone() const { return Scaled(kRulerLongTick) + 4; }

  Shown shown_;
  bool selecting_ = false;
  std::uint32_t anchorLine_ = 0;
  int lastY_ = 0;
};

}  // namespace quelt::win
