// The editing operations of a text window that need no window: typing,
// deleting, pasting, indenting, aligning, tab and space conversion and the
// insertion of dates, times and strings. Each one asks whether the document
// may change (a refusal beeps), makes its change through the document's
// undo history and returns what changed, so the window can lay out again,
// place the caret and set the selection. Where an operation depends on the
// layout (caret columns, box selections, display lines) the window passes
// what it knows as plain values.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "base/clock.h"
#include "text/undo_history.h"
#include "view/text_lines.h"

namespace quelt {

class TextStore;

struct EditOptions {
  int tabWidth = 8;
  bool tabTypesBlanks = false;  // the tab key types spaces (cabinet, or the tab-to-space mode)
  bool autoIndent = false;      // a new line starts with the indentation of the line before
  bool viewMode = false;        // browse mode ("ViewMode")
  bool moveFromLineTop = true;  // "MoveFromLineTop"
  bool padSpaceForMoving = false;  // "PadSpaceForMoving": alignment pads with spaces only
  int wrapColumn = 80;          // the column where lines wrap
};

// Where typed or pasted text goes.
struct CaretPlace {
  TextOffset offset = 0;  // the caret's text position (the line end when in virtual space)
  int column = 0;         // the caret's column on its display line
  int virtualColumns = 0; // free cursor: columns between the line end and the caret
  bool lastDisplayLine = false;  // the caret is on the last display line
};

struct EditResult : EditOutcome {
  bool moveToNextLine = false;  // overwrite-mode Enter: only move to the next display line
  bool hasSelection = false;    // the operation leaves this selection
  TextRange selection;

  // The result of an operation that is just its edit outcome.
  static EditResult Of(const EditOutcome& outcome) {
    EditResult r;
    static_cast<EditOutcome&>(r) = outcome;
    return r;
  }
  // The answer of an operation the document refused (it has beeped).
  static EditResult Refused() {
    EditResult r;
    r.status = EditStatus::kBeeped;
    return r;
  }
};

class EditSession {
 public:
  EditSession(UndoHistory& history, const EditOptions& options)
      : history_(history), options_(options) {}

  UndoHistory& History() { return history_; }
  TextStore& Store() { return history_.Store(); }
  Host& GetHost() { return history_.GetHost(); }
  const EditOptions& Options() const { return options_; }
  // False (after a beep) when the document may not change.
  bool Allowed();
  // The character test of the document's text.
  LeadByteTest Lead();

 private:
  UndoHistory& history_;
  EditOptions options_;
};

// ---- Typing, deleting, pasting (edit_ops.cpp) ----

// Types text at the caret. Insert mode: blanks fill virtual space first,
// after a typed line end the indentation of the caret's line follows (auto
// indent), and all of it is one insertion. Overwrite mode: the characters
// covering the typed width are replaced (a double-byte character partly
// covered goes whole), as one overwrite; Enter only moves to the next line
// unless the caret is on the last display line or at the end. A typed tab
// becomes spaces when the tab key types spaces. A selection is the
// window's to delete (DeleteRange) before typing.
EditResult TypeText(EditSession& s, const CaretPlace& caret, std::string_view text, bool overwrite);
// Delete: the character at the caret (CR LF and double-byte characters are
// one); a count above 1 removes that many bytes, widened to whole
// characters. An empty text beeps.
EditResult DeleteAtCaret(EditSession& s, TextOffset caret, int count = 1);
// Backspace without a selection: the character before the caret.
EditResult DeleteBeforeCaret(EditSession& s, TextOffset caret);
// A stream selection.
EditResult DeleteRange(EditSession& s, TextRange range);
// A box selection: the box's byte range on each of its display lines, top
// to bottom; one deletion per line. The caret goes to the first line's start.
EditResult DeleteBox(EditSession& s, std::span<const TextRange> lines);
// Pastes clipboard text at the caret (cleaned, up to its first zero byte),
// filling virtual space first. asSelection selects the pasted text.
EditResult Paste(EditSession& s, const CaretPlace& caret, std::string_view clip, bool asSelection);

// Moves the text of a stream selection to dropAt (a drag within its own
// window): nothing when dropAt lies inside the selection or at its edges.
// The span between the two places is rewritten in one step, so one undo
// restores it; the moved text is left selected.
EditResult MoveText(EditSession& s, TextRange source, TextOffset dropAt);

// ---- Lines (edit_text_ops.cpp) ----

// Replaces the selection, whose text is before, with after; the selection
// then covers after. Nothing happens when the two are equal. By default the
// removal and the insertion are recorded as a pair that one undo step
// restores (the conversions); kTwoSteps records a plain deletion and
// insertion, undone one at a time (the tab and space conversions).
enum class ReplaceUndo { kOneStep, kTwoSteps };
EditResult ReplaceSelection(EditSession& s, TextRange selection, const std::string& before,
                            const std::string& after, ReplaceUndo undo = ReplaceUndo::kOneStep);

// Indent: a tab (or tab-width spaces) at the start of every logical line the
// selection touches, one insertion each. The selection then covers the
// whole lines.
EditResult IndentBlock(EditSession& s, TextRange selection);
// Unindent: removes leading spaces, full-width spaces and tabs of every
// touched line while the removed width stays below the tab width.
EditResult UnindentBlock(EditSession& s, TextRange selection);

enum class AlignMode : int { kLeft = 0, kCentre = 1, kRight = 2 };
// Aligns the caret's logical line, or every logical line of a selection,
// within the wrap column. Centring and right alignment first left-align; a
// line that is still wider than the wrap column beeps. With
// "MoveFromLineTop" off and no selection the padding goes in at the caret
// instead, which must stand on text. A box selection beeps.
EditResult AlignLine(EditSession& s, AlignMode mode, TextOffset caret, const TextRange* selection,
                     bool boxSelection = false);

// Tab to space over a selection that starts at startColumn. rowStarts are
// the offsets inside it where a wrapped display line continues (columns
// count from 0 again there, as after a line end). One deletion and one
// insertion; the selection then covers the converted text.
EditResult TabsToSpaces(EditSession& s, TextRange selection, int startColumn,
                        std::span<const TextOffset> rowStarts = {});
// Space to tab: runs of at least tab-width spaces become the tabs and
// spaces that reach the same column.
EditResult SpacesToTabs(EditSession& s, TextRange selection, int startColumn,
                        std::span<const TextOffset> rowStarts = {});

// ---- Dates, times and strings (edit_insert_ops.cpp) ----

// Inserts the date or time at the caret, always inserting; nothing while a
// selection exists.
EditResult InsertDate(EditSession& s, const CaretPlace& caret, bool hasSelection, const LocalTime& now);
EditResult InsertTime(EditSession& s, const CaretPlace& caret, bool hasSelection, const LocalTime& now);

// One place of the string insertion command with a selection: the offset
// (a display line's start, or before the CR that ends it) and the line and
// column numbers (1-based) that "$l" and "$c" give there.
struct StringPlace {
  TextOffset offset = 0;
  int line = 1;
  int column = 1;
};
struct StringFormat {
  std::string_view format;
  std::string_view path;
  LocalTime now;
  int line = 1;    // the caret's line + 1
  int column = 1;  // the caret's column + 1
  bool expandPerLine = false;  // "ValiableInsertion": expand again at every place
};
// At the caret (the window moves the caret to the line start or end first
// for those positions).
EditResult InsertString(EditSession& s, const CaretPlace& caret, const StringFormat& f);
// At every place of a selection (given top to bottom), one insertion each.
EditResult InsertStringAtPlaces(EditSession& s, std::span<const StringPlace> places,
                                const StringFormat& f);

// Select all: the whole text, false when it is empty.
bool SelectAllRange(const TextStore& store, TextRange& range);

}  // namespace quelt
