// What the column ruler and the line ruler of a text view show, in numbers
// a window can paint from: the tick of each column or display line (long
// at multiples of 10, medium at multiples of 5, short otherwise), the
// numbers (every tenth column, every fifth line; index 0 shows "1"), where
// the scale starts, and the columns the pointer stands on.
#pragma once

#include <cstdint>
#include <string>

#include "base/types.h"

namespace quelt {

// Tick lengths in pixels at 96 dots per inch, scaled by the window.
constexpr int kRulerLongTick = 8;
constexpr int kRulerMediumTick = 5;
constexpr int kRulerShortTick = 2;

enum class RulerTick { kShort, kMedium, kLong };
RulerTick RulerTickOf(int index);
int RulerTickLength(RulerTick tick);

// The number shown at a column (every tenth) or a line (every fifth), or
// "" where none is shown: index 0 shows "1", the others their index.
std::string ColumnRulerNumber(int column);
std::string LineRulerNumber(int line);

struct RulerGeometry {
  int editLeft = 0;         // the edit window's left edge in the ruler's coordinates
  int leftMargin = 0;       // the text's left margin in pixels
  int lineRulerWidth = 0;   // the line ruler's width; 0 when it is hidden
  int charWidth = 8;        // one column
  int firstColumn = 0;      // the first column the edit window shows

  // Where column 0 of the shown columns starts: the edit window's left
  // edge and margin, shifted by the line ruler when it is shown.
  int OriginX() const { return editLeft + lineRulerWidth + leftMargin; }
  int XOfColumn(int column) const { return OriginX() + (column - firstColumn) * charWidth; }
  // The column under x (columns left of the origin give the first column).
  int ColumnAtX(int x) const;
  bool operator==(const RulerGeometry&) const = default;
};

// A press at x takes the wrap mark: on its tick or one column to its left.
bool OnWrapMark(const RulerGeometry& g, int x, int wrapColumn);

// Wrap columns a drag of the mark can set: the line widths a cabinet takes.
constexpr int kMinDraggedWrapColumn = 10;
constexpr int kMaxDraggedWrapColumn = 250;
// The wrap column a drag of the mark released (or standing) at x sets: the
// column under x, wherever the captured pointer went, held to the widths a
// cabinet takes.
int WrapColumnAtX(const RulerGeometry& g, int x);

// The numbers of both rulers move 2 pixels further left when the ruler
// font flag is off and "50" in the small font is wider than two of its
// average characters (a wide font would run into the tick before it).
int RulerNumberShift(bool rulerFontFlag, int width50, int averageCharWidth);
// Left edge of a column's number textWidth pixels wide: it ends at the
// column's tick, except column 0's "1", which starts just right of it.
int ColumnNumberLeft(const RulerGeometry& g, int column, int textWidth, int shift);

// The line ruler's rows follow the edit window's display lines.
struct LineRulerGeometry {
  int topMargin = 0;          // the text's top margin in pixels
  int lineHeight = 16;
  std::uint32_t topLine = 0;  // the first display line shown
  std::uint32_t lineCount = 1;

  int YOfLine(std::uint32_t line) const;
  // The display line beside y, held to the text's lines (above the first
  // shown line: the first; below the last: the last).
  std::uint32_t LineAtY(int y) const;
  bool operator==(const LineRulerGeometry&) const = default;
};

// What the line ruler shows beside a display line. The scale (FigureRuler
// 0) numbers every fifth display line with its index ("1" for index 0); the
// numbers (FigureRuler 1) give each logical line its 1-based number on the
// display line it begins on, and nothing on its wrapped continuations.
std::string LineRulerLabel(bool numbers, std::uint32_t displayLine, bool beginsLogicalLine,
                           std::uint32_t logicalLine);

// ---- Line selection on the line ruler ----
// The line a press on the line ruler selects from: the pressed line, or
// with Shift and no box selection the line of the selection's anchor (of
// the caret when nothing is selected).
std::uint32_t LineSelectionAnchor(bool shift, bool boxSelection, bool streamSelection,
                                  std::uint32_t selectionAnchorLine, std::uint32_t caretLine,
                                  std::uint32_t pressedLine);
struct WholeLines {
  TextOffset anchor = 0;
  TextOffset caret = 0;
};
// Whole display lines from anchorLine to line, both included. lineStart
// gives a display line's first byte (the text length past the last line).
// Downwards the caret stands at the start of the line after `line`; upwards
// the anchor does, after anchorLine, and the caret at line's start.
template <typename LineStartFn>
WholeLines WholeLineSelection(std::uint32_t anchorLine, std::uint32_t line, LineStartFn lineStart) {
  if (line >= anchorLine) return {lineStart(anchorLine), lineStart(line + 1)};
  return {lineStart(anchorLine + 1), lineStart(line)};
}

}  // namespace quelt
