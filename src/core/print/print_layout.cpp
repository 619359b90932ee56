#include "print/print_layout.h"

#include <algorithm>
#include <cstdio>

#include "base/host.h"
#include "base/messages.h"
#include "base/sjis.h"

namespace quelt {

int PrintFontHeight(int logPixelsY, int points) { return -(logPixelsY * points / 72); }

std::optional<PrintLayout> ComputePrintLayout(const PageLayout& page, const PrinterMetrics& printer,
                                              int fontAveWidth, int fontHeight, int wrapColumn, Host& host) {
  PrintLayout l;
  const auto dotsX = [&](int tenths) { return tenths * printer.logPixelsX / 254; };
  const auto dotsY = [&](int tenths) { return tenths * printer.logPixelsY / 254; };
  l.leftMargin = dotsX(page.leftMargin);
  l.topMargin = dotsY(page.topMargin);
  l.printableWidth = printer.horzRes - l.leftMargin - dotsX(page.rightMargin);
  l.printableHeight = printer.vertRes - l.topMargin - dotsY(page.bottomMargin);
  l.cellWidth = std::max(1, fontAveWidth + dotsX(page.charSpacing));
  l.lineHeight = std::max(1, fontHeight + dotsY(page.lineSpacing));
  l.numberAdvance = std::max(1, fontAveWidth);
  // Room for five digits and a blank.
  l.lineNumberCells = page.printLineNumbers ? (6 * fontAveWidth + l.cellWidth - 1) / l.cellWidth : 0;
  if (l.printableWidth > 0 && l.printableHeight > 0) {
    l.columns = std::min(l.printableWidth / l.cellWidth - l.lineNumberCells, std::max(wrapColumn, 1));
    l.linesPerPage = l.printableHeight / l.lineHeight;
  }
  if (l.printableWidth <= 0 || l.printableHeight <= 0 || l.columns < 2 || l.linesPerPage < 1) {
    host.ShowMessage(kMsgPaperTooSmall);
    return std::nullopt;
  }
  return l;
}

bool Paginate(std::string_view text, int columns, int tabWidth, std::vector<PrintedLine>& lines, Host& host) {
  lines.clear();
  const int tab = std::max(tabWidth, 1);
  const auto* b = reinterpret_cast<const std::uint8_t*>(text.data());
  const std::size_t n = text.size();
  std::size_t i = 0;
  bool logicalStart = true;
  std::uint32_t logicalIndex = 0;
  while (i < n || lines.empty()) {
    if (lines.size() >= kMaxPrintedLines) {
      host.ShowMessage(kMsgTooManyPrintLines);
      lines.clear();
      return false;
    }
    PrintedLine line;
    line.start = static_cast<std::uint32_t>(i);
    line.logicalStart = logicalStart;
    if (logicalStart && !lines.empty()) ++logicalIndex;
    line.logicalIndex = logicalIndex;
    int column = 0;
    bool ended = false;
    while (i < n) {
      if (b[i] == kCr && i + 1 < n && b[i + 1] == kLf) {
        line.end = static_cast<std::uint32_t>(i);
        i += 2;
        ended = true;
        break;
      }
      const std::size_t size = SjisCharSize(b, n, i);
      const int width = b[i] == '\t' ? tab - column % tab : static_cast<int>(size);
      if (column > 0 && column + width > columns) break;  // wraps before this character
      column += width;
      i += size;
    }
    if (!ended) line.end = static_cast<std::uint32_t>(i);
    logicalStart = ended;
    lines.push_back(line);
    if (i >= n) break;  // a final CR LF opens no empty printed line
  }
  return true;
}

std::string PrintedLineNumber(const std::vector<PrintedLine>& lines, std::size_t i, int firstNumber,
                              bool logicalCount) {
  if (i >= lines.size()) return {};
  if (logicalCount && !lines[i].logicalStart) return {};
  const std::size_t index = logicalCount ? lines[i].logicalIndex : i;
  char text[24];
  std::snprintf(text, sizeof text, "%.5u ", static_cast<unsigned>(firstNumber + static_cast<int>(index)));
  return text;
}

namespace {

// Where the first "&x" (else the first "&X") of text stands, or npos.
std::size_t FindVariable(std::string_view text, char lower) {
  for (const char letter : {lower, static_cast<char>(lower - 'a' + 'A')}) {
    for (std::size_t i = 0; i + 1 < text.size();) {
      const auto c = static_cast<std::uint8_t>(text[i]);
      if (c == '&' && text[i + 1] == letter) return i;
      i += IsSjisLeadByte(c) ? 2 : 1;
    }
  }
  return std::string_view::npos;
}

}  // namespace

std::string ExpandHeaderFooter(std::string_view text, int page, int firstPageNumber, std::string_view path,
                               std::string_view date, std::string_view time) {
  // Each variable's place is found in the text as typed, so a path or a
  // date that holds "&p" is never expanded again.
  const std::string number = std::to_string(page + firstPageNumber - 1);
  const std::pair<char, std::string_view> values[] = {{'p', number}, {'f', path}, {'d', date}, {'t', time}};
  std::size_t at[4];
  for (int k = 0; k < 4; ++k) at[k] = FindVariable(text, values[k].first);
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    int hit = -1;
    for (int k = 0; k < 4; ++k) {
      if (at[k] == i) hit = k;
    }
    if (hit >= 0) {
      out += values[hit].second;
      i += 2;
    } else {
      out += text[i];
      ++i;
    }
  }
  return out;
}

}  // namespace quelt
