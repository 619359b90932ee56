// The rulers of the visual view: `CHylRulerBar` above the edit window, a
// scale in millimetres (or inches by "MeasureType") from the left edge of
// the text area with the caret's place marked, and `CHylLineBar` to its
// left, numbering the lines of each page with the caret's line marked.
#pragma once

#include <windows.h>

namespace quelt::win {

class CHylEV;

class HylRulerWindow {
 public:
  explicit HylRulerWindow(CHylEV& edit) : edit_(edit) {}
  virtual ~HylRulerWindow();
  bool Create(HWND parent);
  HWND Hwnd() const { return hwnd_; }

 protected:
  virtual void Draw(HDC dc, const RECT& rc) = 0;
  HFONT SmallFont();
  CHylEV& edit_;
  HWND hwnd_ = nullptr;

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HFONT font_ = nullptr;
};

class CHylRulerBar : public HylRulerWindow {
 public:
  using HylRulerWindow::HylRulerWindow;
  int Height() const;
  // The width of the line ruler to its left: the scale starts that much
  // further right.
  void SetLeftOffset(int offset) { leftOffset_ = offset; }

 private:
  void Draw(HDC dc, const RECT& rc) override;
  int leftOffset_ = 0;
};

class CHylLineBar : public HylRulerWindow {
 public:
  using HylRulerWindow::HylRulerWindow;
  int Width() const;

 private:
  void Draw(HDC dc, const RECT& rc) override;
};

}  // namespace quelt::win
