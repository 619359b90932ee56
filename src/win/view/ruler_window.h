// What the column ruler and the line ruler of a text view share: a child
// window painted through a memory bitmap (no flicker while the caret runs),
// the small font of the numbers, the raised ticks, and the state each
// compares before it repaints.
#pragma once

#include <windows.h>

#include "framework/handles.h"

namespace quelt {
struct AppSettings;
}

namespace quelt::win {

class CNorbEV;

class RulerWindow {
 public:
  explicit RulerWindow(const AppSettings& settings) : settings_(settings) {}
  virtual ~RulerWindow();
  RulerWindow(const RulerWindow&) = delete;
  RulerWindow& operator=(const RulerWindow&) = delete;

  bool Create(HWND parent, const wchar_t* windowClass);
  HWND Hwnd() const { return hwnd_; }
  // The edit window the ruler follows (null before it exists).
  void Follow(CNorbEV* edit) { edit_ = edit; }
  // The edit window's caret, scrolling or layout may have changed: the
  // ruler repaints when what it shows did.
  virtual void Refresh(bool textChanged) = 0;
  // The ruler font, the colours or the type changed.
  void SettingsChanged();

  // The small font's metrics, for the view's layout of its bars.
  int NumberHeight() const { return numberHeight_; }
  int DigitsWidth(int digits) const { return digitWidth_ * digits; }
  // Pixels at the window's resolution for a length at 96 dots per inch.
  int Scaled(int pixels96) const { return MulDiv(pixels96, dpi_, 96); }

 protected:
  virtual void Paint(HDC dc, const RECT& rc) = 0;
  virtual void OnLButtonDown(int, int, WPARAM) {}
  virtual void OnMouseMove(int, int, WPARAM) {}
  virtual void OnLButtonUp(int, int) {}
  virtual void OnTimer(UINT_PTR) {}
  virtual bool OnSetCursor() { return false; }
  virtual void OnCaptureLost() {}

  void Redraw() { InvalidateRect(hwnd_, nullptr, FALSE); }
  static void FillBox(HDC dc, int left, int top, int right, int bottom, COLORREF colour);
  static void Line(HDC dc, int x0, int y0, int x1, int y1, COLORREF colour);
  // A tick from (x, y) along the length, drawn dark and then white one
  // pixel beside it (to the right of a vertical tick, below a horizontal).
  void RaisedTick(HDC dc, int x, int y, int length, bool vertical);
  // The number text, in the small font, with its left edge at x.
  void Number(HDC dc, int x, int y, const char* text) const;
  int NumberWidth(HDC dc, const char* text) const;
  // The 2 pixels the numbers move left under the ruler font rule.
  int NumberShift() const { return numberShift_; }

  const AppSettings& settings_;
  CNorbEV* edit_ = nullptr;
  HWND hwnd_ = nullptr;

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void MakeFont();
  void OnPaint();

  FontHandle font_;
  int dpi_ = 96;
  int numberHeight_ = 10;
  int digitWidth_ = 6;
  int numberShift_ = 0;
};

}  // namespace quelt::win
