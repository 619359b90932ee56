// The conversion commands of a stream selection: the character
// conversions, split lines and join lines. Like the other edit operations
// each asks whether the document may change (a refusal beeps), makes its
// change through the undo history and returns what changed and the
// selection to show; the window passes what it knows of the layout.
#pragma once

#include <optional>
#include <span>

#include "app/command_ids.h"
#include "convert/char_conversion.h"
#include "view/edit_ops.h"

namespace quelt {

// The character conversion a command carries out (32816-32822, 32825).
std::optional<CharConversion> CharConversionOfCommand(CommandId id);
// The commands that rewrite a stream selection: the character conversions,
// split lines (32823) and join lines (32824).
bool IsSelectionConversionCommand(CommandId id);

// The largest selection "行の連結" takes with JoinLinesTightly on.
constexpr std::uint32_t kMaxTightJoinBytes = 30720;

// Converts the selection: one removal and one insertion that one undo
// step restores; the converted text is left selected. A memory failure
// shows "メモリ不足です。" and leaves the text as it was.
EditResult ConvertSelection(EditSession& s, TextRange selection, CharConversion kind);

// The end of one display line of the selection, as the layout knows it.
struct DisplayLineEnd {
  TextOffset end = 0;  // just after the line's last character: its CR when it ends with CR LF
  bool crLf = false;   // the line ends with CR LF
  bool wraps = false;  // the line ends by wrapping and goes on on the next display line
  int endColumn = 0;   // the column of end (where the CR stands)
};

// Split: a CR LF after the last character of every display line that
// ends by wrapping, one insertion each. covered runs from the first
// display line's start to the last one's end; the selection then covers
// the changed lines.
EditResult SplitLines(EditSession& s, TextRange covered, std::span<const DisplayLineEnd> lines);

// Join: the CR LF of every display line whose CR stands at wrap column − 1
// or beyond (a line filled to the width) goes, one deletion each; shorter
// lines keep their ends.
EditResult JoinLines(EditSession& s, TextRange covered, std::span<const DisplayLineEnd> lines);

// Join with JoinLinesTightly: every CR and LF byte of the selection goes,
// as one removal and one insertion. A selection over 30,720 bytes shows
// message 59493 and changes nothing.
EditResult JoinLinesTightly(EditSession& s, TextRange selection);

}  // namespace quelt
