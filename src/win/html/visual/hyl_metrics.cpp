#include "html/visual/hyl_metrics.h"

#include <cwchar>
#include <string>

#include "framework/win_text.h"

namespace quelt::win {

LOGFONTW LogFontOf(const VisualFont& font, int dpi) {
  LOGFONTW lf{};
  lf.lfHeight = -MulDiv(font.height > 0 ? font.height : 11, dpi, 72);
  lf.lfWeight = font.weight ? font.weight : FW_NORMAL;
  lf.lfItalic = font.italic;
  lf.lfCharSet = font.charSet;
  lf.lfOutPrecision = font.outPrecision;
  lf.lfClipPrecision = font.clipPrecision;
  lf.lfQuality = font.quality;
  lf.lfPitchAndFamily = font.pitchAndFamily;
  const std::string face(font.faceName.data(), strnlen(font.faceName.data(), font.faceName.size()));
  const std::wstring wide = SjisToWide(face);
  wcsncpy(lf.lfFaceName, wide.c_str(), LF_FACESIZE - 1);
  return lf;
}

GdiVisualMetrics::GdiVisualMetrics(HDC dc, const VisualDocument& doc) : dc_(dc), doc_(doc) {
  dpi_ = GetDeviceCaps(dc, LOGPIXELSY);
  if (dpi_ <= 0) dpi_ = 96;
  pixelsPerMm_ = GetDeviceCaps(dc, LOGPIXELSX) / 25.4;
  if (pixelsPerMm_ <= 0) pixelsPerMm_ = 96 / 25.4;
}

GdiVisualMetrics::~GdiVisualMetrics() {
  for (Entry& e : fonts_)
    if (e.font) DeleteObject(e.font);
}

void GdiVisualMetrics::Refresh() {
  for (int i = 0; i < kVisualFontCount; ++i) {
    Entry& e = fonts_[static_cast<std::size_t>(i)];
    if (e.font && !(e.record == doc_.fonts[static_cast<std::size_t>(i)])) {
      DeleteObject(e.font);
      e = Entry{};
    }
  }
}

GdiVisualMetrics::Entry& GdiVisualMetrics::Get(int font) {
  if (font < 0 || font >= kVisualFontCount) font = 0;
  Entry& e = fonts_[static_cast<std::size_t>(font)];
  if (e.font) return e;
  // An entry freed while bytes still pointed at it shows in the base font.
  const VisualFont& record =
      doc_.fonts[static_cast<std::size_t>(font)] == VisualFont{} ? doc_.fonts[0] : doc_.fonts[static_cast<std::size_t>(font)];
  e.record = doc_.fonts[static_cast<std::size_t>(font)];
  const LOGFONTW lf = LogFontOf(record, dpi_);
  e.font = CreateFontIndirectW(&lf);
  HGDIOBJ old = SelectObject(dc_, e.font);
  TEXTMETRICW tm{};
  GetTextMetricsW(dc_, &tm);
  e.height = tm.tmHeight;
  e.ascent = tm.tmAscent;
  e.ascii.fill(-1);
  SelectObject(dc_, old);
  return e;
}

HFONT GdiVisualMetrics::Font(int font) { return Get(font).font; }

int GdiVisualMetrics::CharWidth(int font, std::string_view ch) {
  Entry& e = Get(font);
  const bool ascii = ch.size() == 1 && static_cast<unsigned char>(ch[0]) < 128;
  if (ascii && e.ascii[static_cast<unsigned char>(ch[0])] >= 0) return e.ascii[static_cast<unsigned char>(ch[0])];
  const std::wstring wide = SjisToWide(std::string(ch));
  HGDIOBJ old = SelectObject(dc_, e.font);
  SIZE size{};
  GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
  SelectObject(dc_, old);
  if (ascii) e.ascii[static_cast<unsigned char>(ch[0])] = static_cast<short>(size.cx);
  return size.cx;
}

int GdiVisualMetrics::FontHeight(int font) { return Get(font).height; }
int GdiVisualMetrics::FontAscent(int font) { return Get(font).ascent; }

}  // namespace quelt::win
