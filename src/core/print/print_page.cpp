#include "print/print_page.h"

#include <algorithm>
#include <cstdio>

#include "base/le_words.h"
#include "base/messages.h"
#include "base/sjis.h"

namespace quelt {

int PageCount(std::size_t printedLines, int linesPerPage) {
  const std::size_t per = static_cast<std::size_t>(std::max(linesPerPage, 1));
  return static_cast<int>(std::max<std::size_t>(1, (printedLines + per - 1) / per));
}

std::vector<PrintedText> PlanPage(std::string_view text, const std::vector<PrintedLine>& lines,
                                  const PrintLayout& layout, int page, int tabWidth, int firstLineNumber,
                                  bool logicalCount, bool lineNumbers) {
  std::vector<PrintedText> out;
  if (page < 1 || layout.linesPerPage < 1) return out;
  const std::size_t first = static_cast<std::size_t>(page - 1) * static_cast<std::size_t>(layout.linesPerPage);
  const std::size_t last = std::min(lines.size(), first + static_cast<std::size_t>(layout.linesPerPage));
  const int tab = std::max(tabWidth, 1);
  const auto* b = reinterpret_cast<const std::uint8_t*>(text.data());
  const int textLeft = layout.leftMargin + layout.lineNumberCells * layout.cellWidth;
  for (std::size_t i = first; i < last; ++i) {
    const int y = layout.topMargin + static_cast<int>(i - first) * layout.lineHeight;
    if (lineNumbers) {
      std::string number = PrintedLineNumber(lines, i, firstLineNumber, logicalCount);
      if (!number.empty()) out.push_back({layout.leftMargin, y, layout.numberAdvance, std::move(number)});
    }
    const PrintedLine& line = lines[i];
    const std::size_t end = std::min<std::size_t>(line.end, text.size());
    int column = 0;
    std::size_t p = line.start;
    while (p < end) {
      if (b[p] == '\t') {
        column += tab - column % tab;
        ++p;
        continue;
      }
      // A run up to the next tab, whole characters only.
      const std::size_t from = p;
      while (p < end && b[p] != '\t') p += SjisCharSize(b, end, p);
      p = std::min(p, end);
      out.push_back({textLeft + column * layout.cellWidth, y, layout.cellWidth, std::string(text.substr(from, p - from))});
      column += static_cast<int>(p - from);
    }
  }
  return out;
}

BandRect HeaderFooterBand(const PrintLayout& layout, const PrinterMetrics& printer, int fontHeight, bool footer) {
  BandRect r;
  const int height = std::max(1, fontHeight * 5 / 4);
  r.left = layout.leftMargin;
  r.right = layout.leftMargin + layout.printableWidth;
  r.top = footer ? printer.vertRes - height : 0;
  r.bottom = r.top + height;
  return r;
}

std::string EncodePrintRequest(const PrintRequest& request) {
  std::string out;
  AppendLe32(out, static_cast<std::uint32_t>(request.scope));
  AppendLe32(out, static_cast<std::uint32_t>(request.fromPage));
  AppendLe32(out, static_cast<std::uint32_t>(request.toPage));
  return out;
}

bool DecodePrintRequest(std::string_view bytes, PrintRequest& request) {
  if (bytes.size() != 12) return false;
  std::uint32_t scope = 0, from = 0, to = 0;
  TakeLe32(bytes, scope);
  TakeLe32(bytes, from);
  TakeLe32(bytes, to);
  if (scope > static_cast<std::uint32_t>(PrintScope::kPages)) return false;
  PrintRequest r;
  r.scope = static_cast<PrintScope>(scope);
  if (r.scope == PrintScope::kPages) {
    if (from < 1 || from > to || to > 0x7FFFFFFFu) return false;
    r.fromPage = static_cast<int>(from);
    r.toPage = static_cast<int>(to);
  }
  request = r;
  return true;
}

std::pair<int, int> PagesToPrint(const PrintRequest& request, int pageCount) {
  if (request.scope != PrintScope::kPages) return {1, pageCount};
  return {std::max(request.fromPage, 1), std::min(request.toPage, pageCount)};
}

std::string PrintDateText(const LocalTime& now) {
  char text[32];
  if (IsEnglishInterface()) {
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", now.month, now.day, now.year);
  } else {
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", now.year, now.month, now.day);
  }
  return text;
}

std::string PrintTimeText(const LocalTime& now) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", now.hour, now.minute, now.second);
  return text;
}

}  // namespace quelt
