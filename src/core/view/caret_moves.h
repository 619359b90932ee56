// The caret of an edit window as (column, display line) with its virtual
// columns and the desired column, and where each caret key takes it. The
// window owns a Caret, calls MoveCaretByKey for a navigation key, then
// EnsureVisible (scroll_ranges.h) and SetCaret.
#pragma once

#include <cstdint>
#include <functional>

#include "base/types.h"
#include "view/cell_position.h"
#include "view/layout.h"

namespace quelt {

enum class CaretKey : int {
  kLeft,
  kRight,
  kUp,
  kDown,
  kHome,      // start of the display line
  kEnd,       // onto the CR, or after the last character of a wrapped or last line
  kPageUp,
  kPageDown,
  kTextTop,   // Ctrl+Home
  kTextEnd,   // Ctrl+End
  kWordLeft,  // Ctrl+Left: previous word boundary
  kWordRight, // Ctrl+Right: next word boundary
};

// A caret cell. In free cursor mode the caret may stand to the right of a
// line's text, up to the maximum column; virtualColumns counts the columns
// between the line's end (its CR, or the end of its text) and the caret.
struct CaretPos {
  int column = 0;
  std::uint32_t line = 0;
  int virtualColumns = 0;
  bool operator==(const CaretPos&) const = default;
};

struct Caret {
  CaretPos pos;
  int desiredColumn = 0;  // the column Up and Down try to keep
};

struct CaretMoveContext {
  bool freeCursor = false;        // the cabinet's free cursor mode, and Shift not held
  bool autoRepeat = false;        // the key is repeating
  bool oneScrollNotRepeat = true; // `OneScrollNotRepeat`
  int scrollLineCount = 2;        // `ScrollLineCount`
  std::uint32_t topLine = 0;      // first line shown
  int visibleRows = 0;
};

// The caret after a key; moves at the ends of the text stay in place.
Caret MoveCaretByKey(Layout& layout, CaretKey key, const CaretMoveContext& context, const Caret& caret);

// The text offset at the caret (the line's end when it stands in virtual space;
// the end of the text when it stands right of a final CR LF without virtual
// columns).
TextOffset CaretOffset(Layout& layout, const CaretPos& pos);
// The caret on the character at an offset (the line that contains it).
CaretPos CaretAtOffset(Layout& layout, TextOffset offset);
// The caret for a cell, e.g. a click: the line clamped to the table, the
// column moved to a character boundary (after a tab or double-byte character
// it falls in), or kept in virtual space with free cursor.
CaretPos CaretAtCell(Layout& layout, int column, std::uint32_t line, bool freeCursor);
// Where a stream selection starts for a click at pos: the caret's offset, or
// after the CR LF when the click was in virtual space beyond it.
TextOffset AnchorOffset(Layout& layout, const CaretPos& pos);

// Ctrl+Up / Ctrl+Down: scroll the window by `lines` (negative: up) and keep
// the caret on screen at its desired column.
struct ScrollKeepResult {
  std::uint32_t topLine = 0;
  Caret caret;
};
ScrollKeepResult ScrollKeepingCaret(Layout& layout, const CaretMoveContext& context, const Caret& caret,
                                    std::int64_t lines, std::uint32_t maxTopLine);

// Bytes of the character at the caret (1 or 2, CR LF counting 2), or 0 when
// there is none: in virtual space, at the end of the text, and after the
// last character of a wrapped display line (where End puts the caret; the
// character there is the first of the next display line).
int CharSizeAtCaret(Layout& layout, const CaretPos& pos);

// One tick of automatic scrolling: the caret moves `count` lines, one line
// at a time, in `direction` (-1 up, 1 down). The tick ends early at either
// end of the text (stopped), and, when `marked` is given, on reaching a line
// it reports marked ("AutoScrollBreak": stopped with a beep).
struct AutoScrollTick {
  Caret caret;
  int linesMoved = 0;
  bool stopped = false;
  bool beep = false;
};
AutoScrollTick AutoScrollStep(Layout& layout, const CaretMoveContext& context, const Caret& caret,
                              int direction, int count, const std::function<bool(std::uint32_t)>& marked);

// RefreshLayout: takes new parameters (font, format settings) and, with
// `full`, lays the whole text out again. The top line and the caret keep the
// text offsets they showed before; a full refresh also returns the first
// column shown to 0. The caller recreates its caret afterwards.
RelayoutResult RefreshLayout(Layout& layout, const LayoutParams& params, bool full, ScrollPos* scroll,
                             Caret* caret);

}  // namespace quelt
