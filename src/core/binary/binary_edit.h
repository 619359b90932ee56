// Editing in the binary view without a window: the caret and selection in
// bytes, the two-digit typing of the hexadecimal part, characters typed in
// the text part (a lead byte waits for its second byte), Delete and
// Backspace, and the caret keys. Every change goes through the document's
// undo history, as the edit window's do.
#pragma once

#include <cstdint>
#include <string_view>

#include "text/undo_history.h"

namespace quelt {

struct BinaryCaret {
  TextOffset offset = 0;     // the byte the caret is on (the length at the end)
  bool textPart = false;     // the caret is in the text part (Tab switches)
  bool secondDigit = false;  // on the second hexadecimal digit of the byte
  int pendingLead = -1;      // a lead byte typed in the text part, waiting
  bool selecting = false;    // a selection runs from anchor to offset
  TextOffset anchor = 0;

  bool HasSelection() const { return selecting && anchor != offset; }
  TextOffset SelectionStart() const { return anchor < offset ? anchor : offset; }
  TextOffset SelectionEnd() const { return anchor < offset ? offset : anchor; }
};

// A hexadecimal digit typed in the hexadecimal part: false (nothing done)
// for another character. The first digit at a byte writes a byte of that
// value (inserted, or overwriting in overwrite mode) and moves to the
// second digit; the second shifts the byte four bits left, adds the digit,
// and moves to the next byte. A selection is deleted first.
bool TypeBinaryHexDigit(UndoHistory& history, BinaryCaret& caret, char digit, bool overwrite,
                        EditOutcome* outcome = nullptr);
// A byte typed in the text part: a Shift-JIS lead byte waits for the next
// byte and the pair is written together.
void TypeBinaryTextByte(UndoHistory& history, BinaryCaret& caret, std::uint8_t byte, bool overwrite,
                        EditOutcome* outcome = nullptr);
// Delete: the selection, or the byte at the caret.
void DeleteBinary(UndoHistory& history, BinaryCaret& caret, EditOutcome* outcome = nullptr);
// Backspace: without a selection one byte left first, then as Delete.
void BackspaceBinary(UndoHistory& history, BinaryCaret& caret, EditOutcome* outcome = nullptr);

// Paste: the bytes replace the selection, or go in at the caret, which
// then stands after them.
void PasteBinary(UndoHistory& history, BinaryCaret& caret, std::string_view bytes, EditOutcome* outcome = nullptr);

// The find box: the next occurrence of pattern after the selection's start
// (or from the caret), or the last one before it; the caret's selection
// then covers it. False when there is none.
bool FindBinary(std::string_view data, std::string_view pattern, BinaryCaret& caret, bool down);

enum class BinaryKey { kLeft, kRight, kUp, kDown, kHome, kEnd, kPageUp, kPageDown };
// Moves the caret: a byte, a row (16 bytes), the row's start or end (with
// ctrl the text's start or end), or a page of pageRows rows; shift extends
// the selection, otherwise it goes. length is the text's size.
void MoveBinaryCaret(BinaryCaret& caret, BinaryKey key, bool shift, bool ctrl, TextOffset length, int pageRows);

}  // namespace quelt
