// Stream and box selections as the edit window keeps them: which text a
// selection covers and which display lines need repainting when it changes.
// A stream selection is a range of text offsets; a box selection is the
// rectangle between two cells, stored as cell numbers
// line * (maximum column + 2) + column, and may lie in virtual space.
#pragma once

#include <cstdint>

#include "base/types.h"
#include "view/layout.h"

namespace quelt {

struct OffsetRange {
  TextOffset start = 0, end = 0;  // [start, end)
  bool Empty() const { return start >= end; }
  bool Contains(TextOffset p) const { return p >= start && p < end; }
  bool operator==(const OffsetRange&) const = default;
};

// The range between the anchor and the caret, whichever comes first.
OffsetRange StreamRange(TextOffset anchor, TextOffset caret);

// A run of display lines [first, last], both included.
struct LineSpan {
  std::uint32_t first = 0, last = 0;
  bool operator==(const LineSpan&) const = default;
};
// Up to two runs of lines.
struct LineSpans {
  LineSpan spans[2];
  int count = 0;
};

// Lines whose selected part differs between the old and the new stream
// selection (empty ranges select nothing).
LineSpans StreamRepaintLines(const Layout& layout, const OffsetRange& before, const OffsetRange& after);

std::uint32_t BoxCell(std::uint32_t line, int column, int maxColumn);
struct BoxCorner {
  int column = 0;
  std::uint32_t line = 0;
};
BoxCorner BoxCornerOf(std::uint32_t cell, int maxColumn);

// The rectangle of a box selection: lines [firstLine, lastLine] and columns
// [leftColumn, rightColumn) between the two corner cells.
struct BoxRect {
  std::uint32_t firstLine = 0, lastLine = 0;
  int leftColumn = 0, rightColumn = 0;
  bool operator==(const BoxRect&) const = default;
};
BoxRect BoxRectOf(std::uint32_t anchorCell, std::uint32_t farCell, int maxColumn);

// The text a box covers on one of its lines: from its left column to its
// right column, each moved to a character boundary (a character the edge
// falls in is taken whole). Empty where the line ends left of the box.
OffsetRange BoxLineRange(Layout& layout, const BoxRect& box, std::uint32_t line);

// Lines to repaint when a box changes (before or after null: no box).
LineSpans BoxRepaintLines(const BoxRect* before, const BoxRect* after);

}  // namespace quelt
