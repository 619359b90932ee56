// Printing of the visual view: the document laid out anew for the printer,
// each page on a sheet as the view shows it, and the preview of the same
// pages.
#include <memory>

#include "app/command_ids.h"
#include "html/visual/hyl_doc.h"
#include "html/visual/visual_context.h"
#include "html/visual/hyl_ev.h"
#include "html/visual/hyl_painter.h"
#include "print/print_preview.h"
#include "print/print_service.h"

namespace quelt::win {
namespace {

class HylPrintPages : public PrintPages {
 public:
  HylPrintPages(HDC printer, const VisualDocument& doc, std::string title, const VisualContext& context)
      : doc_(doc), settings_(context.settings.htmlMode), metrics_(printer, doc), title_(std::move(title)) {
    layout_.Build(doc, metrics_, VisualLayoutOptionsOf(settings_), context.host);
    paper_.width = GetDeviceCaps(printer, PHYSICALWIDTH);
    paper_.height = GetDeviceCaps(printer, PHYSICALHEIGHT);
    paper_.offsetX = GetDeviceCaps(printer, PHYSICALOFFSETX);
    paper_.offsetY = GetDeviceCaps(printer, PHYSICALOFFSETY);
    if (paper_.width <= 0) paper_.width = layout_.Page().width;
    if (paper_.height <= 0) paper_.height = layout_.Page().height;
  }
  int PageCount() const override { return layout_.PageCount(); }
  const PaperGeometry& Paper() const override { return paper_; }
  void DrawPage(HDC dc, int page) const override {
    // The page's corner is the sheet's corner; the printer's origin is the
    // corner of its printable area.
    HylPainter painter(doc_, layout_, metrics_, settings_, false);
    const RECT all{-paper_.offsetX, -paper_.offsetY, paper_.width, paper_.height};
    painter.PaintPage(dc, page - 1, {-paper_.offsetX, -paper_.offsetY}, all, {});
  }
  const std::string& Title() const override { return title_; }

 private:
  const VisualDocument& doc_;
  const HtmlModeSettings& settings_;
  mutable GdiVisualMetrics metrics_;
  VisualLayout layout_;
  PaperGeometry paper_;
  std::string title_;
};

}  // namespace

void CHylEV::Print(bool preview) {
  PrintService& printing = context_.printing;
  if (preview) {
    // The preview's pages on the kept printer; its print button goes on to
    // the print dialog as the print command does.
    HDC dc = printing.PrinterDc();
    if (!dc) return;
    bool print = false;
    {
      HylPrintPages pages(dc, doc_.Model(), doc_.Title(), context_);
      print = ShowPrintPreview(context_.owner.MainHwnd(), pages) == PreviewResult::kPrint;
    }
    DeleteDC(dc);
    if (!print) return;
  }
  HDC dc = nullptr;
  PrintRequest request;
  if (!printing.AskPrint(false, request, dc) || !dc) return;
  {
    HylPrintPages pages(dc, doc_.Model(), doc_.Title(), context_);
    const auto [first, last] = PagesToPrint(request, pages.PageCount());
    if (first <= last) printing.RunJob(dc, pages, first, last);
  }
  DeleteDC(dc);
}

}  // namespace quelt::win
