#include "view/selection_ranges.h"

#include <algorithm>

namespace quelt {

namespace {

void Add(LineSpans& out, std::uint32_t first, std::uint32_t last) {
  if (out.count > 0) {
    LineSpan& prev = out.spans[out.count - 1];
    if (first <= prev.last + 1 && last + 1 >= prev.first) {
      prev.first = std::min(prev.first, first);
      prev.last = std::max(prev.last, last);
      return;
    }
  }
  if (out.count < 2) out.spans[out.count++] = LineSpan{first, last};
}

void AddOffsets(LineSpans& out, const Layout& layout, TextOffset start, TextOffset end) {
  if (start >= end) return;
  Add(out, layout.LineOfOffset(start), layout.LineOfOffset(end - 1));
}

// Lines of the rows [a1, a2) and [b1, b2) that lie in one of them only.
void AddSymmetricRows(LineSpans& out, std::uint64_t a1, std::uint64_t a2, std::uint64_t b1,
                      std::uint64_t b2) {
  const auto add = [&out](std::uint64_t s, std::uint64_t e) {
    if (s < e) Add(out, static_cast<std::uint32_t>(s), static_cast<std::uint32_t>(e - 1));
  };
  if (a2 <= b1 || b2 <= a1) {
    add(std::min(a1, b1), std::min(a1, b1) == a1 ? a2 : b2);
    add(std::max(a1, b1), std::max(a1, b1) == a1 ? a2 : b2);
    return;
  }
  add(std::min(a1, b1), std::max(a1, b1));
  add(std::min(a2, b2), std::max(a2, b2));
}

}  // namespace

OffsetRange StreamRange(TextOffset anchor, TextOffset caret) {
  return OffsetRange{std::min(anchor, caret), std::max(anchor, caret)};
}

LineSpans StreamRepaintLines(const Layout& layout, const OffsetRange& before, const OffsetRange& after) {
  LineSpans out;
  if (before.Empty() || after.Empty() || before.end <= after.start || after.end <= before.start) {
    const OffsetRange& lo = before.Empty() || (!after.Empty() && after.start < before.start) ? after : before;
    const OffsetRange& hi = &lo == &before ? after : before;
    AddOffsets(out, layout, lo.start, lo.end);
    AddOffsets(out, layout, hi.start, hi.end);
    return out;
  }
  AddOffsets(out, layout, std::min(before.start, after.start), std::max(before.start, after.start));
  AddOffsets(out, layout, std::min(before.end, after.end), std::max(before.end, after.end));
  return out;
}

std::uint32_t BoxCell(std::uint32_t line, int column, int maxColumn) {
  return line * static_cast<std::uint32_t>(maxColumn + 2) + static_cast<std::uint32_t>(std::max(0, column));
}

BoxCorner BoxCornerOf(std::uint32_t cell, int maxColumn) {
  const auto perLine = static_cast<std::uint32_t>(maxColumn + 2);
  return BoxCorner{static_cast<int>(cell % perLine), cell / perLine};
}

BoxRect BoxRectOf(std::uint32_t anchorCell, std::uint32_t farCell, int maxColumn) {
  const BoxCorner a = BoxCornerOf(anchorCell, maxColumn);
  const BoxCorner b = BoxCornerOf(farCell, maxColumn);
  return BoxRect{std::min(a.line, b.line), std::max(a.line, b.line), std::min(a.column, b.column),
                 std::max(a.column, b.column)};
}

OffsetRange BoxLineRange(Layout& layout, const BoxRect& box, std::uint32_t line) {
  const ColumnHit left = layout.OffsetOfColumn(box.leftColumn, line, false);
  if (left.pastEnd) return OffsetRange{left.offset, left.offset};
  const ColumnHit right = layout.OffsetOfColumn(box.rightColumn, line, false);
  return OffsetRange{left.offset, std::max(left.offset, right.offset)};
}

LineSpans BoxRepaintLines(const BoxRect* before, const BoxRect* after) {
  LineSpans out;
  const bool hasBefore = before != nullptr && before->leftColumn < before->rightColumn;
  const bool hasAfter = after != nullptr && after->leftColumn < after->rightColumn;
  if (!hasBefore && !hasAfter) return out;
  if (!hasBefore || !hasAfter) {
    const BoxRect& r = hasBefore ? *before : *after;
    Add(out, r.firstLine, r.lastLine);
    return out;
  }
  if (before->leftColumn == after->leftColumn && before->rightColumn == after->rightColumn) {
    AddSymmetricRows(out, before->firstLine, std::uint64_t{before->lastLine} + 1, after->firstLine,
                     std::uint64_t{after->lastLine} + 1);
    return out;
  }
  // Different columns: every row of either box changes.
  const BoxRect& lo = before->firstLine <= after->firstLine ? *before : *after;
  const BoxRect& hi = &lo == before ? *after : *before;
  Add(out, lo.firstLine, lo.lastLine);
  Add(out, hi.firstLine, hi.lastLine);
  return out;
}

}  // namespace quelt
