// What the colouring of C and C++ asks again and again: where a logical
// line starts, and whether a "//" stands on it before a given offset. In a
// text of long lines (a 10 MB file may be one line) answering from the text
// means scanning megabytes at every paint, so the answers are kept: per
// logical line the first "//" found and how far the line has been scanned.
// The area-comment tables own one and keep it right through every edit.
#pragma once

#include <cstdint>
#include <vector>

#include "base/types.h"

namespace quelt {

class TextStore;

class LineCommentMemo {
 public:
  static constexpr TextOffset kNone = UINT32_MAX;

  // Start of the logical line holding p, from the display-line table (a
  // full table's last line, which may hold further lines, is scanned).
  static TextOffset LogicalLineStart(const TextStore& store, TextOffset p);
  // Start of the logical line after p's, from the same table; UINT32_MAX
  // when p's line is the last, p itself when the table cannot tell (inside
  // a full table's last line).
  static TextOffset NextLogicalLineStart(const TextStore& store, TextOffset p);
  // The first "//" of the logical line starting at lineStart that begins
  // before p (its second '/' may be at p), or kNone.
  TextOffset FirstBefore(const TextStore& store, TextOffset lineStart, TextOffset p);

  void Clear() { lines_.clear(); }
  // Keeps the memo right across an edit of the text.
  void NoteInsert(TextOffset p, std::uint32_t count);
  void NoteDelete(TextOffset p, std::uint32_t count);

 private:
  struct Line {
    TextOffset start = 0;
    TextOffset first = kNone;  // the first "//", when found
    TextOffset scanned = 0;    // no "//" begins in [start, scanned) unless first says so
  };
  Line& Find(TextOffset lineStart);
  // Whether what a line has told stays true across an edit at p within or
  // after it.
  static bool Unaffected(const Line& line, TextOffset p);
  static void Shift(Line& line, std::int64_t delta);
  std::vector<Line> lines_;  // in ascending order of start
  std::vector<std::uint8_t> block_;
};

}  // namespace quelt
