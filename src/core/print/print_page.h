// One printed page: where its line numbers and characters go on the
// printer's cell grid, where the header and footer bands lie, which pages a
// job prints, and the date and time its header and footer show.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/clock.h"
#include "print/print_layout.h"

namespace quelt {

// A piece of text drawn from (x, y), the top-left corner of its first cell,
// in printer dots. Every byte advances by `advance` dots, so a double-byte
// character takes two.
struct PrintedText {
  int x = 0, y = 0;
  int advance = 1;
  std::string text;  // Shift-JIS, no tabs or line ends
  bool operator==(const PrintedText&) const = default;
};

// The pages of a job: ⌈printed lines ÷ lines per page⌉ (at least one).
int PageCount(std::size_t printedLines, int linesPerPage);

// What page (1-based) of the job holds: the line numbers at the left margin
// (as PrintedLineNumber gives them) and the characters of each printed line
// on the cell grid, tabs expanded to their stops and left out.
std::vector<PrintedText> PlanPage(std::string_view text, const std::vector<PrintedLine>& lines,
                                  const PrintLayout& layout, int page, int tabWidth, int firstLineNumber,
                                  bool logicalCount, bool lineNumbers);

struct BandRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const BandRect&) const = default;
};

// The band of the header (footer false) or the footer: 1.25 heights of the
// band font, between the left and right margins, at the top or the bottom
// edge of the printable area. Margins smaller than the band leave it there,
// over the first or last text line.
BandRect HeaderFooterBand(const PrintLayout& layout, const PrinterMetrics& printer, int fontHeight, bool footer);

// The pages a job asked for.
enum class PrintScope : std::uint32_t { kAll = 0, kSelection = 1, kPages = 2 };
struct PrintRequest {
  PrintScope scope = PrintScope::kAll;
  int fromPage = 1, toPage = 1;  // kPages only
  bool operator==(const PrintRequest&) const = default;
};

// The recorded form of a print command: scope, first and last page as
// three little-endian words (12 bytes).
std::string EncodePrintRequest(const PrintRequest& request);
// False for anything but those 12 bytes with a known scope and, for kPages,
// 1 <= from <= to.
bool DecodePrintRequest(std::string_view bytes, PrintRequest& request);

// The pages [first, last] to print of pageCount: all of them, or the asked
// range cut to the pages there are; first > last when none is left.
std::pair<int, int> PagesToPrint(const PrintRequest& request, int pageCount);

// "&d" and "&t" of a job started at now: "2026/12/09" ("12/09/2026" with the
// English interface) and "13:05:09".
std::string PrintDateText(const LocalTime& now);
std::string PrintTimeText(const LocalTime& now);

}  // namespace quelt
