#include "view/scroll_ranges.h"

#include <algorithm>

#include "view/caret_moves.h"

namespace quelt {

ScrollRanges ComputeScrollRanges(std::uint32_t lineCount, int visibleRows, int maxColumn,
                                 int visibleColumns) {
  ScrollRanges r;
  const std::int64_t rows = std::max(0, visibleRows);
  if (rows < std::int64_t{lineCount} + 1) {
    r.verticalEnabled = true;
    r.verticalMax = static_cast<std::uint32_t>(std::int64_t{lineCount} - rows + 1);
  }
  if (visibleColumns < maxColumn + 1) {
    r.horizontalEnabled = true;
    r.horizontalMax = maxColumn + 1 - std::max(0, visibleColumns);
  }
  return r;
}

ScrollPos ClampScroll(const ScrollPos& pos, const ScrollRanges& ranges) {
  ScrollPos p = pos;
  p.topLine = ranges.verticalEnabled ? std::min(p.topLine, ranges.verticalMax) : 0;
  p.firstColumn = ranges.horizontalEnabled ? std::clamp(p.firstColumn, 0, ranges.horizontalMax) : 0;
  return p;
}

ScrollPos EnsureVisible(const ScrollPos& pos, const ViewExtent& view, int column,
                        std::uint32_t line, ScrollCause cause) {
  ScrollPos p = pos;
  const std::int64_t vmax = view.ranges.verticalEnabled ? view.ranges.verticalMax : 0;
  const std::int64_t rows = std::max(0, view.visibleRows);
  std::int64_t top = p.topLine;
  if (cause == ScrollCause::kPageUp || cause == ScrollCause::kPageDown) {
    // Page moves scroll by a page, as the bar's page actions do.
    const std::int64_t page = std::max<std::int64_t>(1, rows);
    top = std::clamp<std::int64_t>(cause == ScrollCause::kPageUp ? top - page : top + page, 0, vmax);
  }
  std::int64_t usable = rows - view.scrollStartBase;
  if (usable < 1) usable = std::max<std::int64_t>(1, rows);
  if (line < top) {
    top = line;
  } else if (line >= top + usable) {
    top = std::int64_t{line} - usable + 1;
  }
  p.topLine = static_cast<std::uint32_t>(std::clamp<std::int64_t>(top, 0, vmax));

  const int hmax = view.ranges.horizontalEnabled ? view.ranges.horizontalMax : 0;
  if (column < p.firstColumn) {
    p.firstColumn = std::max(0, p.firstColumn - (p.firstColumn - column + kHorizontalScrollStep));
  } else if (column > p.firstColumn + view.visibleColumns) {
    const int by = std::max(kHorizontalScrollStep, column - (p.firstColumn + view.visibleColumns) + 2);
    p.firstColumn = std::min(hmax, p.firstColumn + by);
  }
  p.firstColumn = std::clamp(p.firstColumn, 0, std::max(0, hmax));
  return p;
}

std::int64_t ApplyScrollAction(std::int64_t current, ScrollAction action, std::int64_t page,
                               std::int64_t thumb, std::int64_t max) {
  std::int64_t v = current;
  switch (action) {
    case ScrollAction::kLineUp: v -= 1; break;
    case ScrollAction::kLineDown: v += 1; break;
    case ScrollAction::kPageUp: v -= std::max<std::int64_t>(1, page); break;
    case ScrollAction::kPageDown: v += std::max<std::int64_t>(1, page); break;
    case ScrollAction::kThumb: v = thumb; break;
    case ScrollAction::kTop: v = 0; break;
    case ScrollAction::kBottom: v = max; break;
  }
  return std::clamp<std::int64_t>(v, 0, std::max<std::int64_t>(0, max));
}

bool CaretKeyForScrollAction(ScrollAction action, CaretKey* key) {
  switch (action) {
    case ScrollAction::kLineUp: *key = CaretKey::kUp; return true;
    case ScrollAction::kLineDown: *key = CaretKey::kDown; return true;
    case ScrollAction::kPageUp: *key = CaretKey::kPageUp; return true;
    case ScrollAction::kPageDown: *key = CaretKey::kPageDown; return true;
    case ScrollAction::kTop: *key = CaretKey::kHome; return true;
    case ScrollAction::kBottom: *key = CaretKey::kEnd; return true;
    case ScrollAction::kThumb: return false;
  }
  return false;
}

int WheelScrollLines(int wheelDelta, int wheelLineCount, int scrollLineCount) {
  const int perNotch = wheelLineCount > 0 ? wheelLineCount : scrollLineCount;
  // A positive delta turns the wheel away from the user: scroll up.
  return -(wheelDelta / kWheelDelta) * perNotch;
}

}  // namespace quelt
