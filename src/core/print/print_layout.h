// A print job's layout: the page layout record turned into printer pixels
// for one printer, the printed lines of the text (wrapped at the columns
// that fit, tabs at their stops, double-byte characters whole), the line
// numbers in the left columns and the header and footer texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "print/page_layout.h"

namespace quelt {

class Host;

// A job holds at most this many printed lines.
constexpr std::size_t kMaxPrintedLines = 100000;

struct PrinterMetrics {
  int logPixelsX = 600, logPixelsY = 600;  // dots per inch
  int horzRes = 4960, vertRes = 7015;      // the printable area in dots
};

// The print font's height for CreateFont: −(dots per inch × points ÷ 72).
int PrintFontHeight(int logPixelsY, int points);

struct PrintLayout {
  int leftMargin = 0, topMargin = 0;  // dots
  int printableWidth = 0, printableHeight = 0;
  int cellWidth = 1, lineHeight = 1;
  int lineNumberCells = 0;  // cells of the line numbers; 0 when not printed
  int numberAdvance = 1;    // the font's average width: the advance of a line number's digit
  int columns = 0;          // text columns of a printed line
  int linesPerPage = 0;
};

// From the record, the printer and the print font's average character width
// and height (dots). The columns never pass wrapColumn. Nothing: the page
// holds fewer than 2 columns or no line (message 59417 shown).
std::optional<PrintLayout> ComputePrintLayout(const PageLayout& page, const PrinterMetrics& printer,
                                              int fontAveWidth, int fontHeight, int wrapColumn, Host& host);

struct PrintedLine {
  std::uint32_t start = 0;      // offset in the printed text
  std::uint32_t end = 0;        // end of its characters (before a CR LF)
  bool logicalStart = false;    // the first printed line of a logical line
  std::uint32_t logicalIndex = 0;  // the logical line it belongs to, from 0
};

// The printed lines of text at `columns` columns with tabs of tabWidth.
// False (message 59418 shown) past 100,000 lines.
bool Paginate(std::string_view text, int columns, int tabWidth, std::vector<PrintedLine>& lines, Host& host);

// The line number printed before line i ("%.5u " text), or "" where none is
// printed: numbers count printed lines, or logical lines with logicalCount,
// from firstNumber, and a number is printed only when it changes.
std::string PrintedLineNumber(const std::vector<PrintedLine>& lines, std::size_t i, int firstNumber,
                              bool logicalCount);

// The header or footer text of a page: the first "&p" (else "&P") becomes
// the page number (page in the job, from 1, + firstPageNumber − 1), the
// first "&f"/"&F" the path, "&d"/"&D" the date and "&t"/"&T" the time.
std::string ExpandHeaderFooter(std::string_view text, int page, int firstPageNumber, std::string_view path,
                               std::string_view date, std::string_view time);

}  // namespace quelt
