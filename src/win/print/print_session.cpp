#include "print/print_session.h"

#include <utility>

#include "cabinet/cabinet_settings.h"
#include "framework/document.h"
#include "framework/text_window.h"
#include "base/sjis.h"
#include "framework/sjis_glyphs.h"
#include "framework/win_text.h"
#include "print/print_font.h"
#include "print/print_page.h"

namespace quelt::win {
namespace {

// The height and average width of a font on a device context.
TEXTMETRICW MetricsOf(HDC dc, HGDIOBJ font) {
  TEXTMETRICW tm{};
  HGDIOBJ old = SelectObject(dc, font);
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  return tm;
}

}  // namespace

PrintSource SourceOf(TextWindow& edit, const CabinetSettings& cabinet, bool selection) {
  PrintSource s;
  Document& doc = edit.OwnerDocument();
  s.text = edit.Store().Text();
  TextOffset from = 0, to = 0;
  if (selection && !edit.HasBoxSelection() && edit.SelectionRange(from, to) && from < to && to <= s.text.size()) {
    s.text = s.text.substr(from, to - from);
  }
  s.path = doc.PathName().empty() ? doc.Title() : doc.PathName();
  s.title = doc.Title();
  s.wrapColumn = edit.Store().Layout().lineWidth;
  const FormatBlock& block = cabinet.block;
  s.tabWidth = static_cast<int>(block[kWordTabWidth]);
  s.logicalCount = block[kWordLineCounting] == 1;
  return s;
}

PrintSession::PrintSession(const PageLayout& page, PrintSource source, const LocalTime& start)
    : page_(page), source_(std::move(source)), date_(PrintDateText(start)), time_(PrintTimeText(start)) {}

bool PrintSession::Prepare(HDC dc, Host& host) {
  printer_.logPixelsX = GetDeviceCaps(dc, LOGPIXELSX);
  printer_.logPixelsY = GetDeviceCaps(dc, LOGPIXELSY);
  printer_.horzRes = GetDeviceCaps(dc, HORZRES);
  printer_.vertRes = GetDeviceCaps(dc, VERTRES);
  // A device without the physical page (a plotter, say) shows its printable area.
  paper_.width = GetDeviceCaps(dc, PHYSICALWIDTH);
  paper_.height = GetDeviceCaps(dc, PHYSICALHEIGHT);
  paper_.offsetX = GetDeviceCaps(dc, PHYSICALOFFSETX);
  paper_.offsetY = GetDeviceCaps(dc, PHYSICALOFFSETY);
  if (paper_.width < printer_.horzRes || paper_.height < printer_.vertRes) {
    paper_ = PaperGeometry{printer_.horzRes, printer_.vertRes, 0, 0};
  }
  const LOGFONTW lf = PrintLogFont(page_.printFont, printer_.logPixelsY);
  font_ = FontHandle(CreateFontIndirectW(&lf));
  const LOGFONTW band = BandLogFont(printer_.logPixelsY);
  bandFont_ = FontHandle(CreateFontIndirectW(&band));
  if (!font_ || !bandFont_) {
    host.Beep();
    return false;
  }
  const TEXTMETRICW tm = MetricsOf(dc, font_.Get());
  bandFontHeight_ = MetricsOf(dc, bandFont_.Get()).tmHeight;
  const auto layout = ComputePrintLayout(page_, printer_, tm.tmAveCharWidth, tm.tmHeight, source_.wrapColumn, host);
  if (!layout) return false;
  layout_ = *layout;
  return Paginate(source_.text, layout_.columns, source_.tabWidth, lines_, host);
}

int PrintSession::PageCount() const { return quelt::PageCount(lines_.size(), layout_.linesPerPage); }

void PrintSession::DrawPage(HDC dc, int page) const {
  const int saved = SaveDC(dc);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  SelectObject(dc, font_.Get());
  const std::vector<PrintedText> items = PlanPage(source_.text, lines_, layout_, page, source_.tabWidth,
                                                  page_.firstLineNumber, source_.logicalCount, page_.printLineNumbers);
  std::wstring glyphs;
  std::vector<INT> advances;
  for (const PrintedText& item : items) {
    glyphs.clear();
    advances.clear();
    const auto* b = reinterpret_cast<const std::uint8_t*>(item.text.data());
    const std::size_t n = item.text.size();
    for (std::size_t i = 0; i < n;) {
      const std::size_t size = SjisCharSize(b, n, i);
      glyphs += size == 2 ? SjisPairGlyph(b[i], b[i + 1]) : SjisSingleGlyph(b[i]);
      advances.push_back(static_cast<INT>(size) * item.advance);
      i += size;
    }
    ExtTextOutW(dc, item.x, item.y, 0, nullptr, glyphs.data(), static_cast<UINT>(glyphs.size()), advances.data());
  }
  DrawBand(dc, page, page_.header, false);
  DrawBand(dc, page, page_.footer, true);
  RestoreDC(dc, saved);
}

void PrintSession::DrawBand(HDC dc, int page, const HeaderFooter& band, bool footer) const {
  if (!band.printed) return;
  const std::string text = ExpandHeaderFooter(band.text, page, page_.firstPageNumber, source_.path, date_, time_);
  if (text.empty()) return;
  const BandRect r = HeaderFooterBand(layout_, printer_, bandFontHeight_, footer);
  RECT rect{r.left, r.top, r.right, r.bottom};
  const UINT align = band.position == kAlignCentre ? DT_CENTER : band.position == kAlignRight ? DT_RIGHT : DT_LEFT;
  SelectObject(dc, bandFont_.Get());
  const std::wstring wide = SjisToWide(text);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rect, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace quelt::win
