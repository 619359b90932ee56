#include "view/ruler_marks.h"

#include <algorithm>

namespace quelt {

RulerTick RulerTickOf(int index) {
  if (index % 10 == 0) return RulerTick::kLong;
  if (index % 5 == 0) return RulerTick::kMedium;
  return RulerTick::kShort;
}

int RulerTickLength(RulerTick tick) {
  switch (tick) {
    case RulerTick::kLong: return kRulerLongTick;
    case RulerTick::kMedium: return kRulerMediumTick;
    case RulerTick::kShort: return kRulerShortTick;
  }
  return kRulerShortTick;
}

namespace {

std::string NumberEvery(int index, int step) {
  if (index < 0 || index % step != 0) return {};
  return std::to_string(index == 0 ? 1 : index);
}

}  // namespace

std::string ColumnRulerNumber(int column) { return NumberEvery(column, 10); }
std::string LineRulerNumber(int line) { return NumberEvery(line, 5); }

int RulerGeometry::ColumnAtX(int x) const {
  const int w = std::max(charWidth, 1);
  const int dx = x - OriginX();
  if (dx < 0) return firstColumn;
  return firstColumn + dx / w;
}

bool OnWrapMark(const RulerGeometry& g, int x, int wrapColumn) {
  const int column = g.ColumnAtX(x);
  return x >= g.OriginX() - g.charWidth && (column == wrapColumn || column == wrapColumn - 1);
}

int WrapColumnAtX(const RulerGeometry& g, int x) {
  return std::clamp(g.ColumnAtX(x), kMinDraggedWrapColumn, kMaxDraggedWrapColumn);
}

int RulerNumberShift(bool rulerFontFlag, int width50, int averageCharWidth) {
  return !rulerFontFlag && width50 > 2 * averageCharWidth ? 2 : 0;
}

int ColumnNumberLeft(const RulerGeometry& g, int column, int textWidth, int shift) {
  const int tick = g.XOfColumn(column);
  if (column == 0) return tick + 2 - shift;
  return tick - textWidth - shift;
}

int LineRulerGeometry::YOfLine(std::uint32_t line) const {
  return topMargin + (static_cast<int>(line) - static_cast<int>(topLine)) * std::max(lineHeight, 1);
}

std::uint32_t LineRulerGeometry::LineAtY(int y) const {
  const std::int64_t dy = static_cast<std::int64_t>(y) - topMargin;
  const std::int64_t rows = dy < 0 ? 0 : dy / std::max(lineHeight, 1);
  const std::int64_t line = static_cast<std::int64_t>(topLine) + rows;
  const std::int64_t last = lineCount > 0 ? lineCount - 1 : 0;
  return static_cast<std::uint32_t>(std::min(line, last));
}

std::string LineRulerLabel(bool numbers, std::uint32_t displayLine, bool beginsLogicalLine,
                           std::uint32_t logicalLine) {
  if (!numbers) return LineRulerNumber(static_cast<int>(std::min<std::uint32_t>(displayLine, 0x7FFFFFFF)));
  if (!beginsLogicalLine) return {};
  return std::to_string(static_cast<std::uint64_t>(logicalLine) + 1);
}

std::uint32_t LineSelectionAnchor(bool shift, bool boxSelection, bool streamSelection,
                                  std::uint32_t selectionAnchorLine, std::uint32_t caretLine,
                                  std::uint32_t pressedLine) {
  if (!shift || boxSelection) return pressedLine;
  return streamSelection ? selectionAnchorLine : caretLine;
}

}  // namespace quelt
