// The visual layout's measures taken with GDI: the document's font table as
// fonts of a device (the screen or a printer), and their advances.
#pragma once

#include <windows.h>

#include <array>
#include <string_view>

#include "html/visual_layout.h"

namespace quelt::win {

class GdiVisualMetrics : public VisualMetrics {
 public:
  // dc is borrowed; dpi is the device's vertical resolution the point sizes
  // are made for.
  GdiVisualMetrics(HDC dc, const VisualDocument& doc);
  ~GdiVisualMetrics() override;
  GdiVisualMetrics(const GdiVisualMetrics&) = delete;
  GdiVisualMetrics& operator=(const GdiVisualMetrics&) = delete;

  int CharWidth(int font, std::string_view ch) override;
  int FontHeight(int font) override;
  int FontAscent(int font) override;
  double PixelsPerMm() override { return pixelsPerMm_; }

  // The font to draw a byte of font index `font` in (selected into no DC).
  HFONT Font(int font);
  // Fonts made for records that have changed since are made again.
  void Refresh();

 private:
  struct Entry {
    HFONT font = nullptr;
    VisualFont record{};
    int height = 0, ascent = 0;
    std::array<short, 128> ascii{};  // advances of the one-byte characters, -1 unknown
  };
  Entry& Get(int font);

  HDC dc_;
  const VisualDocument& doc_;
  double pixelsPerMm_ = 0;
  int dpi_ = 96;
  std::array<Entry, kVisualFontCount> fonts_{};
};

// The Windows logical font of a record (its height holds points) at a
// device's resolution.
LOGFONTW LogFontOf(const VisualFont& font, int dpi);

}  // namespace quelt::win
