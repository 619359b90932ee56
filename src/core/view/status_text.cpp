#include "view/status_text.h"

#include <algorithm>
#include <cstdio>

namespace quelt {

std::string FormatLinePane(std::uint32_t number) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%.5u", static_cast<unsigned>(number));
  return buf;
}

void FormatColumnPanes(std::uint32_t number, std::string* first, std::string* second) {
  char buf[16];
  if (number < 1000) {
    std::snprintf(buf, sizeof buf, "%.3u", static_cast<unsigned>(number));
    *first = buf;
    *second = " ";
    return;
  }
  std::snprintf(buf, sizeof buf, "%.3u", static_cast<unsigned>(number / 1000));
  *first = buf;
  std::snprintf(buf, sizeof buf, "%.3u", static_cast<unsigned>(number % 1000));
  *second = buf;
}

CaretStatusTexts CaretStatus(Layout& layout, const CaretPos& caret, const StatusOptions& options) {
  CaretStatusTexts t;
  const std::uint32_t count = layout.LineCount();
  const std::uint32_t line = count == 0 ? 0 : std::min(caret.line, count - 1);
  std::uint64_t column = static_cast<std::uint64_t>(std::max(0, caret.column));
  std::uint32_t lineNumber = line + 1;
  if (options.countLogicalLines && count > 0) {
    const std::uint8_t* flags = layout.Store().LineFlags();
    lineNumber = 1;
    for (std::uint32_t i = 0; i <= line; ++i) lineNumber += flags[i];
    // Add the widths of the wrapped display lines before it in the same
    // logical line.
    for (std::uint32_t i = line; i > 0 && flags[i] == 0; --i) {
      column += static_cast<std::uint64_t>(layout.LineWidth(i - 1));
    }
  }
  t.line = FormatLinePane(lineNumber);
  FormatColumnPanes(static_cast<std::uint32_t>(column + 1), &t.column1, &t.column2);

  if (options.displayCharCode && caret.virtualColumns == 0 && count > 0) {
    const ColumnHit hit = layout.OffsetOfColumn(caret.column, line, false);
    const TextOffset o = hit.offset;
    const bool onLine = !hit.pastEnd && (o < layout.LineTextEnd(line) ||
                                         (layout.EndsWithCrLf(line) && o == layout.LineTextEnd(line)));
    if (o < layout.TextLength() && onLine) {
      std::uint8_t bytes[2] = {layout.ByteAt(o), 0};
      const std::uint32_t size = layout.CharSize(o);
      if (size == 2) bytes[1] = layout.ByteAt(o + 1);
      const FileCode fc =
          CharToFileCode(bytes, size, options.code, options.lineEnd, options.displayAlwaysShiftJis);
      t.charCode = FormatFileCode(fc);
    }
  }
  return t;
}

}  // namespace quelt
