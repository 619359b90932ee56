// Scroll ranges of an edit window and the arithmetic that keeps the caret
// in view: which line and column the window shows first after the caret
// moved, after a scroll-bar action or a wheel notch.
#pragma once

#include <cstdint>

#include "view/cell_position.h"

namespace quelt {

// Columns scrolled at least when the caret leaves the window sideways.
constexpr int kHorizontalScrollStep = 10;
// Wheel units of one notch (WHEEL_DELTA).
constexpr int kWheelDelta = 120;

struct ScrollRanges {
  bool verticalEnabled = false;
  std::uint32_t verticalMax = 1;  // range 0..verticalMax
  bool horizontalEnabled = false;
  int horizontalMax = 0;          // range 0..horizontalMax
};

// Vertical: enabled with the range 0..(lines - rows + 1) while the lines and
// the empty row after them do not fit, else 0..1 and disabled. Horizontal:
// 0..(maxColumn + 1 - columns) while the widest line does not fit.
ScrollRanges ComputeScrollRanges(std::uint32_t lineCount, int visibleRows, int maxColumn,
                                 int visibleColumns);
// Brings a scroll position into the ranges (first column 0 and top line 0
// when the bar is disabled).
ScrollPos ClampScroll(const ScrollPos& pos, const ScrollRanges& ranges);

// What EnsureVisible needs to know about the window.
struct ViewExtent {
  int visibleRows = 0;
  int visibleColumns = 0;
  int scrollStartBase = 0;  // `ScrollStartBase`: rows kept free at the bottom
  ScrollRanges ranges;
};

// How the caret got where it is: page moves scroll by whole pages.
enum class ScrollCause { kOther, kPageUp, kPageDown };

// The scroll position that shows the caret cell (column, line).
ScrollPos EnsureVisible(const ScrollPos& pos, const ViewExtent& view, int column,
                        std::uint32_t line, ScrollCause cause = ScrollCause::kOther);

// Scroll-bar actions (SB_LINEUP ... SB_BOTTOM).
enum class ScrollAction { kLineUp, kLineDown, kPageUp, kPageDown, kThumb, kTop, kBottom };

// The new first line (or first column) after a scroll-bar action on a bar
// with the range 0..max; page = rows (or columns) of one page; thumb is the
// 32-bit tracking position.
std::int64_t ApplyScrollAction(std::int64_t current, ScrollAction action, std::int64_t page,
                               std::int64_t thumb, std::int64_t max);

// Caret keys a disabled vertical bar's actions turn into.
enum class CaretKey : int;
bool CaretKeyForScrollAction(ScrollAction action, CaretKey* key);

// Lines a wheel movement scrolls: `WheelLineCount` per notch (or
// `ScrollLineCount` when that is 0); positive is downwards.
int WheelScrollLines(int wheelDelta, int wheelLineCount, int scrollLineCount);

}  // namespace quelt
