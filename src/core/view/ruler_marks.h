// What the column ruler and the line ruler of a text view show, in numbers
// a window can paint from: the tick of each column or display line (long
// at multiples of 10, medium at multiples of 5, short otherwise), the
// numbers (every tenth column, every fifth line; index 0 shows "1"), where
// the scale starts, and the columns the pointer stands on.
#pragma once

#include <string>

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
};

// A press at x takes the wrap mark: on its tick or one column to its left.
bool OnWrapMark(const RulerGeometry& g, int x, int wrapColumn);

}  // namespace quelt
