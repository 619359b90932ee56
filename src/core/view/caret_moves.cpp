#include "view/caret_moves.h"

#include <algorithm>

#include "view/word_bounds.h"

namespace quelt {

namespace {
constexpr std::uint8_t kTab = 0x09;

// Lines a vertical move goes: ScrollLineCount at once when it leaves the
// window and the key repeats (or single presses may scroll further too).
std::uint32_t VerticalStep(const CaretMoveContext& ctx, std::uint32_t line, bool up) {
  const std::int64_t target = up ? std::int64_t{line} - 1 : std::int64_t{line} + 1;
  const bool leaves = target < std::int64_t{ctx.topLine} ||
                      target >= std::int64_t{ctx.topLine} + std::max(0, ctx.visibleRows);
  if (leaves && (ctx.autoRepeat || !ctx.oneScrollNotRepeat)) {
    return static_cast<std::uint32_t>(std::max(1, ctx.scrollLineCount));
  }
  return 1;
}

CaretPos TextEndPos(Layout& layout) { return CaretAtOffset(layout, layout.TextLength()); }

CaretPos MoveLeft(Layout& layout, const CaretMoveContext& ctx, const CaretPos& pos) {
  if (!ctx.freeCursor || (pos.virtualColumns == 0 && pos.column != 0)) {
    const TextOffset o = CaretOffset(layout, pos);
    if (o == 0) return pos;
    return CaretAtOffset(layout, layout.CharStartBefore(o));
  }
  if (pos.virtualColumns > 0) {
    // Right of a CR: straight back onto it; otherwise one column.
    const bool ontoCr = layout.EndsWithCrLf(pos.line) && pos.virtualColumns == 2;
    const int step = ontoCr ? 2 : 1;
    CaretPos p = pos;
    p.column -= step;
    p.virtualColumns -= step;
    return p;
  }
  if (pos.line == 0) return pos;
  return CaretAtCell(layout, layout.MaxColumn(), pos.line - 1, true);
}

CaretPos MoveRight(Layout& layout, const CaretMoveContext& ctx, const CaretPos& pos) {
  // The last character of a wrapped line is followed by the next line's
  // first one: Right goes there at once, and from after the last character
  // (where End stands) it only changes lines. Free cursor too: the space
  // right of a wrapped line is no place to type into.
  if (pos.virtualColumns == 0 && pos.line + 1 < layout.LineCount() && !layout.EndsWithCrLf(pos.line)) {
    const TextOffset o = CaretOffset(layout, pos);
    const TextOffset next = layout.LineStart(pos.line + 1);
    if (o < layout.TextLength() && (o >= next || o + layout.CharSize(o) >= next)) return CaretPos{0, pos.line + 1, 0};
  }
  if (!ctx.freeCursor) {
    const TextOffset o = CaretOffset(layout, pos);
    if (o >= layout.TextLength()) return pos;
    return CaretAtOffset(layout, o + layout.CharSize(o));
  }
  if (pos.column >= layout.MaxColumn()) {
    if (pos.line + 1 >= layout.LineCount()) return pos;
    return CaretPos{0, pos.line + 1, 0};
  }
  int width = 1;  // in virtual space and at the end of a wrapped or last line
  if (pos.virtualColumns == 0) {
    const TextOffset o = CaretOffset(layout, pos);
    if (o < layout.LineTextEnd(pos.line)) {
      const int t = layout.Params().tabWidth;
      width = layout.ByteAt(o) == kTab ? t - pos.column % t : layout.CharColumns(o);
    } else if (layout.EndsWithCrLf(pos.line)) {
      width = 2;  // over the CR LF
    }
  }
  return CaretAtCell(layout, std::min(pos.column + width, layout.MaxColumn()), pos.line, true);
}

}  // namespace

TextOffset CaretOffset(Layout& layout, const CaretPos& pos) {
  const ColumnHit hit = layout.OffsetOfColumn(pos.column - pos.virtualColumns, pos.line, false);
  // The position after a final CR LF is shown on the last line, right of it.
  if (hit.pastEnd && pos.virtualColumns == 0 && pos.line + 1 >= layout.LineCount() &&
      layout.EndsWithCrLf(pos.line)) {
    return layout.TextLength();
  }
  return hit.offset;
}

CaretPos CaretAtOffset(Layout& layout, TextOffset offset) {
  CaretPos p;
  offset = std::min(offset, layout.TextLength());
  p.line = layout.LineOfOffset(offset);
  p.column = layout.ColumnInLine(p.line, offset);
  return p;
}

CaretPos CaretAtCell(Layout& layout, int column, std::uint32_t line, bool freeCursor) {
  CaretPos p;
  const std::uint32_t count = layout.LineCount();
  p.line = count == 0 ? 0 : std::min(line, count - 1);
  const ColumnHit hit = layout.OffsetOfColumn(column, p.line, freeCursor);
  p.virtualColumns = freeCursor ? hit.virtualColumns : 0;
  p.column = hit.column + p.virtualColumns;
  return p;
}

TextOffset AnchorOffset(Layout& layout, const CaretPos& pos) {
  const TextOffset o = CaretOffset(layout, pos);
  if (pos.virtualColumns > 0 && layout.EndsWithCrLf(pos.line) && o == layout.LineTextEnd(pos.line)) {
    return o + 2;
  }
  return o;
}

Caret MoveCaretByKey(Layout& layout, CaretKey key, const CaretMoveContext& ctx, const Caret& caret) {
  Caret out = caret;
  const CaretPos& pos = caret.pos;
  const std::uint32_t count = layout.LineCount();
  bool keepDesired = false;
  switch (key) {
    case CaretKey::kLeft: out.pos = MoveLeft(layout, ctx, pos); break;
    case CaretKey::kRight: out.pos = MoveRight(layout, ctx, pos); break;
    case CaretKey::kHome: out.pos = CaretPos{0, pos.line, 0}; break;
    case CaretKey::kEnd:
      out.pos = CaretPos{count == 0 ? 0 : layout.LineWidth(pos.line), pos.line, 0};
      break;
    case CaretKey::kUp: {
      keepDesired = true;
      if (pos.line == 0) break;
      const std::uint32_t step = VerticalStep(ctx, pos.line, true);
      const std::uint32_t line = pos.line > step ? pos.line - step : 0;
      out.pos = CaretAtCell(layout, caret.desiredColumn, line, ctx.freeCursor);
      break;
    }
    case CaretKey::kDown: {
      keepDesired = true;
      if (count == 0) break;
      if (pos.line + 1 >= count) {
        out.pos = TextEndPos(layout);  // past the last line: the end of the text
        break;
      }
      const std::uint32_t step = VerticalStep(ctx, pos.line, false);
      const std::uint32_t line = std::min<std::uint64_t>(std::uint64_t{pos.line} + step, count - 1);
      out.pos = CaretAtCell(layout, caret.desiredColumn, line, ctx.freeCursor);
      break;
    }
    case CaretKey::kPageUp:
    case CaretKey::kPageDown: {
      const std::int64_t rows = std::max(1, ctx.visibleRows);
      const std::int64_t last = count == 0 ? 0 : count - 1;
      const std::int64_t line = std::clamp<std::int64_t>(
          key == CaretKey::kPageUp ? pos.line - rows : pos.line + rows, 0, last);
      out.pos = CaretAtCell(layout, pos.column, static_cast<std::uint32_t>(line), ctx.freeCursor);
      // The column kept is the one wanted, so repeated pages do not drift.
      out.desiredColumn = pos.column;
      keepDesired = true;
      break;
    }
    case CaretKey::kTextTop: out.pos = CaretPos{}; break;
    case CaretKey::kTextEnd: out.pos = TextEndPos(layout); break;
    case CaretKey::kWordLeft:
      out.pos = CaretAtOffset(layout, PreviousWordBoundary(layout, CaretOffset(layout, pos)));
      break;
    case CaretKey::kWordRight:
      out.pos = CaretAtOffset(layout, NextWordBoundary(layout, CaretOffset(layout, pos)));
      break;
  }
  if (!keepDesired) out.desiredColumn = out.pos.column;
  return out;
}

ScrollKeepResult ScrollKeepingCaret(Layout& layout, const CaretMoveContext& ctx, const Caret& caret,
                                    std::int64_t lines, std::uint32_t maxTopLine) {
  ScrollKeepResult r;
  r.caret = caret;
  const std::int64_t top = std::clamp<std::int64_t>(std::int64_t{ctx.topLine} + lines, 0, maxTopLine);
  r.topLine = static_cast<std::uint32_t>(top);
  const std::int64_t rows = std::max(1, ctx.visibleRows);
  const std::int64_t line = caret.pos.line;
  std::int64_t wanted = std::clamp(line, top, top + rows - 1);
  const std::uint32_t count = layout.LineCount();
  wanted = std::min<std::int64_t>(wanted, count == 0 ? 0 : count - 1);
  if (wanted != line) {
    r.caret.pos = CaretAtCell(layout, caret.desiredColumn, static_cast<std::uint32_t>(wanted),
                              ctx.freeCursor);
  }
  return r;
}

RelayoutResult RefreshLayout(Layout& layout, const LayoutParams& params, bool full, ScrollPos* scroll,
                             Caret* caret) {
  const TextOffset topOffset = layout.LineStart(scroll->topLine);
  const TextOffset caretOffset = CaretOffset(layout, caret->pos);
  layout.SetParams(params);
  RelayoutResult result;
  result.oldLineCount = result.newLineCount = layout.LineCount();
  if (full) {
    result = layout.FullLayout();
    scroll->firstColumn = 0;
  }
  scroll->topLine = layout.LineOfOffset(topOffset);
  caret->pos = CaretAtOffset(layout, caretOffset);
  caret->desiredColumn = caret->pos.column;
  return result;
}

int CharSizeAtCaret(Layout& layout, const CaretPos& pos) {
  if (pos.virtualColumns > 0 || layout.LineCount() == 0) return 0;
  const TextOffset p = CaretOffset(layout, pos);
  if (pos.line + 1 < layout.LineCount() && p >= layout.LineStart(pos.line + 1)) return 0;
  return static_cast<int>(layout.CharSize(p));
}

AutoScrollTick AutoScrollStep(Layout& layout, const CaretMoveContext& context, const Caret& caret,
                              int direction, int count, const std::function<bool(std::uint32_t)>& marked) {
  // Each step is a single line, whatever "ScrollLineCount" makes of a key
  // that leaves the window.
  CaretMoveContext one = context;
  one.autoRepeat = false;
  one.oneScrollNotRepeat = true;
  AutoScrollTick tick;
  tick.caret = caret;
  const CaretKey key = direction < 0 ? CaretKey::kUp : CaretKey::kDown;
  for (int i = 0; i < count; ++i) {
    const Caret next = MoveCaretByKey(layout, key, one, tick.caret);
    if (next.pos.line == tick.caret.pos.line) {
      tick.stopped = true;
      break;
    }
    tick.caret = next;
    ++tick.linesMoved;
    if (marked && marked(next.pos.line)) {
      tick.stopped = true;
      tick.beep = true;
      break;
    }
  }
  return tick;
}

}  // namespace quelt
