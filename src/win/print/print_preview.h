// Print preview: a window of its own over the main frame that shows the
// pages of a print session, drawn by the same page routine as the printer
// gets, scaled to the screen. Next and previous page, zoom in and out,
// print and close; the frame waits while it is open.
#pragma once

#include <windows.h>

#include <string>

namespace quelt::win {

// The whole sheet in printer dots and where the printable area lies on it.
struct PaperGeometry {
  int width = 0, height = 0;
  int offsetX = 0, offsetY = 0;
};

// Pages laid out for a printer, as the preview and the print job take them.
class PrintPages {
 public:
  virtual ~PrintPages() = default;
  virtual int PageCount() const = 0;
  virtual const PaperGeometry& Paper() const = 0;
  // Draws page (1-based) in printer dots: on the printer itself, or on a
  // device context mapped to them.
  virtual void DrawPage(HDC dc, int page) const = 0;
  virtual const std::string& Title() const = 0;
};

enum class PreviewResult { kClosed, kPrint };

// Shows the preview until it is closed; kPrint when its print button closed it.
PreviewResult ShowPrintPreview(HWND frame, const PrintPages& pages);

}  // namespace quelt::win
