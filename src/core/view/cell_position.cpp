#include "view/cell_position.h"

#include <algorithm>

namespace quelt {

namespace {
int Scale(int pixelsPerInch, int tenthsMm) {
  return static_cast<int>(std::int64_t{pixelsPerInch} * tenthsMm / kTenthMmPerInch);
}
}  // namespace

GridMetrics MakeGridMetrics(const GridInput& in, int tabColumns) {
  GridMetrics m;
  m.charWidth = std::max(1, in.fontAveCharWidth + Scale(in.logPixelsX, in.charSpacing));
  m.lineHeight = std::max(1, in.fontHeight + Scale(in.logPixelsY, in.lineSpacing));
  m.tabWidth = m.charWidth * std::max(1, tabColumns);
  m.leftMargin = Scale(in.logPixelsX, in.leftMarginLM);
  m.topMargin = Scale(in.logPixelsY, in.topMarginLM);
  return m;
}

int VisibleRows(const GridMetrics& m, int clientHeight) {
  return std::max(0, (clientHeight - m.topMargin) / m.lineHeight);
}

int VisibleColumns(const GridMetrics& m, int clientWidth) {
  return std::max(0, (clientWidth - m.leftMargin) / m.charWidth);
}

Point CellToPoint(const GridMetrics& m, const ScrollPos& scroll, int column, std::uint32_t line) {
  Point p;
  p.x = (column - scroll.firstColumn) * m.charWidth + m.leftMargin;
  p.y = static_cast<int>(std::int64_t{line} - std::int64_t{scroll.topLine}) * m.lineHeight +
        m.topMargin;
  return p;
}

GridCell PointToCell(const GridMetrics& m, const ScrollPos& scroll, int x, int y, int maxColumn,
                 std::uint32_t lineCount) {
  GridCell c;
  const std::int64_t px = std::int64_t{x} + std::int64_t{scroll.firstColumn} * m.charWidth - m.leftMargin;
  c.column = px < 0 ? 0 : static_cast<int>(std::min<std::int64_t>(px / m.charWidth, maxColumn));
  // Division truncates: a point just above the text is on the top line.
  const std::int64_t line = (std::int64_t{y} - m.topMargin) / m.lineHeight + scroll.topLine;
  c.line = static_cast<std::uint32_t>(std::clamp<std::int64_t>(line, 0, lineCount));
  return c;
}

}  // namespace quelt
