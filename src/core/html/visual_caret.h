// The caret of the visual view and its moves over a layout.
//
// The caret is a text offset. Two places need more than that: the end of a
// wrapped line is the same offset as the next line's start, so a caret put
// there by End (or by a click or an up/down move past the line's end) says
// which of the two it shows at; and with "FreeCursor" the caret may stand
// beyond the end of a line that ends with a line break (or of the last
// line), counted in blanks of the font the line ends in. Typing there pads
// the line with that many blanks first (VisualEditor takes the count).
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

#include "html/visual_layout.h"

namespace quelt {

struct VisualCaret {
  std::size_t offset = 0;
  int virtualBlanks = 0;   // free cursor: blanks beyond the line's end
  bool atWrapEnd = false;  // shown at the end of the wrapped line offset ends
  int rememberedX = -1;    // the x up and down moves keep; -1 none yet
  bool operator==(const VisualCaret&) const = default;
};

// A selection: the anchor stays where it began, the caret moves.
struct VisualSelection {
  std::size_t anchor = 0;
  std::size_t caret = 0;
  bool Empty() const { return anchor == caret; }
  std::size_t Start() const { return anchor < caret ? anchor : caret; }
  std::size_t End() const { return anchor < caret ? caret : anchor; }
};

enum class VisualMove {
  kLeft, kRight, kUp, kDown, kHome, kEnd, kDocumentStart, kDocumentEnd, kPageUp, kPageDown
};

struct VisualMoveResult {
  // Home with the caret already at the line's start: the view scrolls back
  // to its left edge instead.
  bool scrollToLeftEdge = false;
  bool moved = false;
};

// A plain caret at offset (clamped to the laid-out text).
VisualCaret CaretAtOffset(const VisualLayout& layout, std::size_t offset);
// The line the caret shows on, and its place.
std::size_t CaretLine(const VisualLayout& layout, const VisualCaret& caret);
int CaretX(const VisualLayout& layout, const VisualCaret& caret);
VisualPoint CaretPoint(const VisualLayout& layout, const VisualCaret& caret);
// The caret nearest x on a line, beyond its end in free-cursor mode.
VisualCaret CaretInLine(const VisualLayout& layout, std::size_t line, int x, bool freeCursor);
// The caret a click at a point puts.
VisualCaret CaretAtPoint(const VisualLayout& layout, VisualPoint p, bool freeCursor);

// One move. pageHeight is the screen page in pixels for Page Up and Down.
VisualMoveResult MoveCaret(const VisualLayout& layout, std::string_view text, VisualCaret& caret,
                           VisualMove move, bool freeCursor, int pageHeight = 0);

// The part of a line a selection [start, end) covers, as x from and to on
// the line's page; nullopt when it covers nothing there. A selected line
// break shows as a blank's width after the line's characters.
std::optional<std::pair<int, int>> SelectionSpan(const VisualLayout& layout, std::size_t line, std::size_t start,
                                                 std::size_t end);

// The offset of the character before offset (CR LF and two-byte
// characters as one step) and after it.
std::size_t PreviousCharOffset(std::string_view text, std::size_t offset);
std::size_t NextCharOffset(std::string_view text, std::size_t offset);

}  // namespace quelt
