// Drawing of laid-out visual pages, on the screen and on a printer: the
// paper with its border and number, and the lines of the page with every
// character attribute (fonts, colours, raised and lowered characters,
// underline kinds, shading, links) and the selection.
#pragma once

#include <windows.h>

#include "app/settings.h"
#include "html/visual_caret.h"
#include "html/visual_layout.h"
#include "html/visual/hyl_metrics.h"

namespace quelt::win {

class HylPainter {
 public:
  // screen: the page border and the line-break and tab marks are drawn
  // (on the screen only).
  HylPainter(const VisualDocument& doc, const VisualLayout& layout, GdiVisualMetrics& metrics,
             const HtmlModeSettings& settings, bool marks)
      : doc_(doc), layout_(layout), metrics_(metrics), settings_(settings), marks_(marks) {}
  // Draws page (0-based) with its top left corner at origin; only lines
  // that meet dirty are drawn.
  void PaintPage(HDC dc, int page, POINT origin, const RECT& dirty, VisualSelection sel);

 private:
  void PaintLine(HDC dc, const VisualLine& line, POINT origin, VisualSelection sel);

  const VisualDocument& doc_;
  const VisualLayout& layout_;
  GdiVisualMetrics& metrics_;
  const HtmlModeSettings& settings_;
  bool marks_;
};

}  // namespace quelt::win
