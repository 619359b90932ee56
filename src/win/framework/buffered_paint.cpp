#include "framework/buffered_paint.h"

namespace quelt::win {

void PaintBuffered(HWND hwnd, const std::function<void(HDC dc, const RECT& client, const RECT& dirty)>& paint) {
  PAINTSTRUCT ps;
  HDC target = BeginPaint(hwnd, &ps);
  RECT rc;
  GetClientRect(hwnd, &rc);
  if (rc.right > 0 && rc.bottom > 0) {
    HDC memory = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, rc.right, rc.bottom);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    paint(memory, rc, ps.rcPaint);
    BitBlt(target, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
           ps.rcPaint.bottom - ps.rcPaint.top, memory, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
  }
  EndPaint(hwnd, &ps);
}

}  // namespace quelt::win
