#include "html/visual_caret.h"

#include <algorithm>

namespace quelt {
namespace {

// A line a caret may stand beyond the end of: one that ends with its line
// break, or the last one.
bool HasOpenEnd(const VisualLayout& layout, std::size_t line) {
  return layout.Line(line).endsWithBreak || line + 1 == layout.LineCount();
}

// The line ending at offset when that line is wrapped, or npos.
std::size_t WrappedLineEndingAt(const VisualLayout& layout, std::size_t offset) {
  const std::size_t line = layout.LineOf(offset);
  if (line == 0 || layout.Line(line).start != offset) return static_cast<std::size_t>(-1);
  const VisualLine& before = layout.Line(line - 1);
  return before.endsWithBreak ? static_cast<std::size_t>(-1) : line - 1;
}

long long GlobalY(const VisualLayout& layout, std::size_t line) {
  const VisualLine& l = layout.Line(line);
  return static_cast<long long>(l.page) * layout.Page().height + l.y;
}

std::size_t LineAtGlobalY(const VisualLayout& layout, long long y) {
  const int h = std::max(1, layout.Page().height);
  if (y < 0) y = 0;
  VisualPoint p;
  p.page = static_cast<int>(y / h);
  p.y = static_cast<int>(y % h);
  return layout.LineAt(p);
}

}  // namespace

std::size_t NextCharOffset(std::string_view text, std::size_t offset) {
  if (offset >= text.size()) return text.size();
  return offset + VisualCharBytes(text, offset);
}

std::size_t PreviousCharOffset(std::string_view text, std::size_t offset) {
  if (offset == 0) return 0;
  offset = std::min(offset, text.size());
  if (offset >= 2 && IsLineBreakAt(text, offset - 2)) return offset - 2;
  std::size_t i = ParagraphStart(std::string(text.substr(0, offset)), offset);
  std::size_t previous = i;
  while (i < offset) {
    previous = i;
    i += VisualCharBytes(text, i);
  }
  return previous;
}

std::optional<std::pair<int, int>> SelectionSpan(const VisualLayout& layout, std::size_t line, std::size_t start,
                                                 std::size_t end) {
  const VisualLine& l = layout.Line(line);
  const std::size_t from = std::max(start, l.start);
  const std::size_t to = std::min(end, l.End());
  if (from >= to) return std::nullopt;
  const int left = layout.XOf(std::min(from, l.ContentEnd()));
  int right = layout.Page().textLeft + l.width;
  if (to < l.ContentEnd()) right = layout.XOf(to);
  if (l.endsWithBreak && to > l.ContentEnd()) right += l.blankWidth;
  return std::make_pair(left, right);
}

VisualCaret CaretAtOffset(const VisualLayout& layout, std::size_t offset) {
  VisualCaret c;
  c.offset = layout.Clamp(offset);
  return c;
}

std::size_t CaretLine(const VisualLayout& layout, const VisualCaret& caret) {
  if (caret.atWrapEnd) {
    const std::size_t line = WrappedLineEndingAt(layout, caret.offset);
    if (line != static_cast<std::size_t>(-1)) return line;
  }
  return layout.LineOf(caret.offset);
}

int CaretX(const VisualLayout& layout, const VisualCaret& caret) {
  const std::size_t line = CaretLine(layout, caret);
  const VisualLine& l = layout.Line(line);
  if (caret.atWrapEnd && l.End() == caret.offset && !l.endsWithBreak)
    return layout.Page().textLeft + l.width;
  return layout.XOf(caret.offset) + caret.virtualBlanks * l.blankWidth;
}

VisualPoint CaretPoint(const VisualLayout& layout, const VisualCaret& caret) {
  const VisualLine& l = layout.Line(CaretLine(layout, caret));
  return {l.page, CaretX(layout, caret), l.y};
}

VisualCaret CaretInLine(const VisualLayout& layout, std::size_t line, int x, bool freeCursor) {
  VisualCaret c;
  const VisualLine& l = layout.Line(line);
  c.offset = layout.OffsetInLine(line, x);
  const std::size_t last = layout.LastCaretOffset(line);
  if (c.offset != last) return c;
  const int endX = layout.Page().textLeft + l.width;
  if (!HasOpenEnd(layout, line)) {
    // Past the middle of a wrapped line's last character: its end.
    if (x >= (layout.XOf(last) + endX) / 2 && l.End() <= layout.LaidEnd()) {
      c.offset = l.End();
      c.atWrapEnd = true;
    }
    return c;
  }
  if (freeCursor && x > endX && last == l.ContentEnd()) {
    const int right = layout.Page().textLeft + layout.Page().textWidth;
    const int room = std::max(0, right - endX) / l.blankWidth;
    c.virtualBlanks = std::min(room, (x - endX + l.blankWidth / 2) / l.blankWidth);
  }
  return c;
}

VisualCaret CaretAtPoint(const VisualLayout& layout, VisualPoint p, bool freeCursor) {
  return CaretInLine(layout, layout.LineAt(p), p.x, freeCursor);
}

VisualMoveResult MoveCaret(const VisualLayout& layout, std::string_view text, VisualCaret& caret,
                           VisualMove move, bool freeCursor, int pageHeight) {
  const VisualCaret before = caret;
  caret.offset = layout.Clamp(caret.offset);
  if (!freeCursor) caret.virtualBlanks = 0;
  const std::size_t line = CaretLine(layout, caret);
  const VisualLine& l = layout.Line(line);
  VisualMoveResult r;
  const bool vertical = move == VisualMove::kUp || move == VisualMove::kDown ||
                        move == VisualMove::kPageUp || move == VisualMove::kPageDown;
  const int x = caret.rememberedX >= 0 ? caret.rememberedX : CaretX(layout, caret);
  auto placeAt = [&](std::size_t offset) {
    caret = CaretAtOffset(layout, offset);
  };
  auto toLine = [&](std::size_t target) {
    caret = CaretInLine(layout, target, x, freeCursor);
    caret.rememberedX = x;
  };
  switch (move) {
    case VisualMove::kLeft:
      if (caret.virtualBlanks > 0) {
        --caret.virtualBlanks;
        caret.atWrapEnd = false;
      } else {
        placeAt(PreviousCharOffset(text, caret.offset));
      }
      break;
    case VisualMove::kRight: {
      const bool atEnd = caret.offset == layout.LastCaretOffset(line) && HasOpenEnd(layout, line);
      if (caret.atWrapEnd) {
        placeAt(caret.offset);  // the same offset, shown at the next line's start
      } else if (atEnd && freeCursor && caret.offset == l.ContentEnd()) {
        const int right = layout.Page().textLeft + layout.Page().textWidth;
        if (CaretX(layout, caret) + l.blankWidth <= right) {
          ++caret.virtualBlanks;
        } else if (line + 1 < layout.LineCount()) {
          placeAt(layout.Line(line + 1).start);
        }
      } else if (caret.offset < layout.LaidEnd()) {
        placeAt(NextCharOffset(text, caret.offset));
      }
      break;
    }
    case VisualMove::kUp:
      if (line > 0) toLine(line - 1);
      break;
    case VisualMove::kDown:
      if (line + 1 < layout.LineCount()) toLine(line + 1);
      break;
    case VisualMove::kHome:
      r.scrollToLeftEdge = caret.offset == l.start && caret.virtualBlanks == 0 && !caret.atWrapEnd;
      placeAt(l.start);
      break;
    case VisualMove::kEnd:
      if (HasOpenEnd(layout, line)) {
        placeAt(layout.LastCaretOffset(line));
      } else {
        caret = CaretAtOffset(layout, l.End());
        caret.atWrapEnd = true;
      }
      break;
    case VisualMove::kDocumentStart: placeAt(0); break;
    case VisualMove::kDocumentEnd: placeAt(layout.LaidEnd()); break;
    case VisualMove::kPageUp:
    case VisualMove::kPageDown: {
      const long long step = std::max(1, pageHeight);
      const long long y = GlobalY(layout, line) + (move == VisualMove::kPageUp ? -step : step);
      std::size_t target = LineAtGlobalY(layout, y);
      // A step that ends in a page's margin still moves one line.
      if (move == VisualMove::kPageDown && target <= line) target = std::min(line + 1, layout.LineCount() - 1);
      if (move == VisualMove::kPageUp && target >= line) target = line > 0 ? line - 1 : 0;
      toLine(target);
      break;
    }
  }
  if (!vertical) caret.rememberedX = -1;
  r.moved = caret.offset != before.offset || caret.virtualBlanks != before.virtualBlanks ||
            caret.atWrapEnd != before.atWrapEnd;
  return r;
}

}  // namespace quelt
