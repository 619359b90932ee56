// `PrintSession`: one print job or preview of a text. It takes a copy of
// the text with what the page layout and the cabinet say about it, lays
// it out for one printer and draws its pages, on the printer or scaled
// into the preview.
#pragma once

#include "print/print_preview.h"

#include <windows.h>

#include <string>
#include <vector>

#include "base/clock.h"
#include "framework/handles.h"
#include "print/page_layout.h"
#include "print/print_layout.h"

namespace quelt {
struct CabinetSettings;
class Host;
}

namespace quelt::win {

class TextWindow;

// What is printed: the text (the document or its stream selection) and the
// settings it is printed with.
struct PrintSource {
  std::string text;  // Shift-JIS with CR LF
  std::string path;  // "&f"
  std::string title;  // the job's name
  int wrapColumn = 80;
  int tabWidth = 8;
  bool logicalCount = false;
};

// The source of an edit window: the whole text, or with selection its
// stream selection.
PrintSource SourceOf(TextWindow& edit, const CabinetSettings& cabinet, bool selection);

class PrintSession : public PrintPages {
 public:
  PrintSession(const PageLayout& page, PrintSource source, const LocalTime& start);
  PrintSession(const PrintSession&) = delete;
  PrintSession& operator=(const PrintSession&) = delete;

  // Lays the text out for the printer of dc: false (after 59417 or 59418)
  // when nothing can be printed.
  bool Prepare(HDC printer, Host& host);
  int PageCount() const override;
  const PrinterMetrics& Printer() const { return printer_; }
  const PaperGeometry& Paper() const override { return paper_; }
  void DrawPage(HDC dc, int page) const override;
  const std::string& Title() const override { return source_.title; }

 private:
  void DrawBand(HDC dc, int page, const HeaderFooter& band, bool footer) const;

  PageLayout page_;
  PrintSource source_;
  std::string date_, time_;
  PrinterMetrics printer_;
  PaperGeometry paper_;
  PrintLayout layout_;
  std::vector<PrintedLine> lines_;
  FontHandle font_, bandFont_;
  int bandFontHeight_ = 0;
};

}  // namespace quelt::win
