// Editing the text of a visual document: typing, pasting, deleting, the raw
// tag commands and undo. Every change is one undo step, checks the room
// first and, refused, leaves the document as it was.
//
// New text takes the attributes of the character before the caret (of the
// first character when the caret stands at the start; the base font in an
// empty document), without its line-break kind, and with its link only
// when the character after the caret carries the same link: typing inside
// a link's text extends it, typing at either end of it does not. A line break typed or
// pasted as plain text is a BR line break, so the page shows as it will in
// a browser; the line breaks of the raw tag texts are source line breaks,
// written back as the CR LF they are.
//
// A caret beyond the end of its line (free cursor) hands over its count of
// blanks: the blanks go in before the text, in the same attributes.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_ids.h"
#include "base/host.h"
#include "html/visual_caret.h"
#include "html/visual_document.h"
#include "html/visual_undo.h"

namespace quelt {

// Where an edit left the caret; done is false when nothing changed.
struct VisualEditResult {
  bool done = false;
  std::size_t caret = 0;
};

// The most lines the list commands put items on.
inline constexpr std::size_t kMaxVisualListLines = 101;

// Outside text made fit for the visual text: a zero byte becomes a blank;
// CR LF, a lone CR and a lone LF become CR LF; a lead byte without a valid
// second byte (at the end, or before CR, LF or zero) becomes a blank.
std::string CleanVisualText(std::string_view bytes);

class VisualEditor {
 public:
  VisualEditor(VisualDocument& doc, Host& host) : doc_(doc), host_(host) {}

  VisualDocument& Doc() { return doc_; }
  const VisualDocument& Doc() const { return doc_; }
  Host& GetHost() { return host_; }
  VisualHistory& History() { return history_; }

  // The attributes new text at offset takes.
  VisualAttr AttrsForInsert(std::size_t offset) const;

  // Text typed or pasted: cleaned, then put in place of the selection (at
  // the caret without one).
  VisualEditResult InsertText(VisualSelection sel, std::string_view bytes, int padBlanks = 0);
  // Enter: a BR line break.
  VisualEditResult InsertLineBreak(VisualSelection sel, int padBlanks = 0);
  // Delete: the selection, else the character after the caret.
  VisualEditResult Delete(VisualSelection sel);
  // Backspace: the selection, else the character before the caret.
  VisualEditResult Backspace(VisualSelection sel);
  // Cut's second half: the selection only (nothing without one).
  VisualEditResult DeleteSelection(VisualSelection sel);

  // The raw tag commands (32913-32916): "<CENTER>" and "</CENTER>",
  // "<PRE>" and "</PRE>" round the selection or at the caret; the lists put
  // "<UL>" or "<OL>" and a line break before the selection, "<LI>" at the
  // start of each of its lines and the closing tag after it. More than 101
  // lines sound the default beep and change nothing.
  VisualEditResult InsertRawTag(CommandId id, VisualSelection sel, int padBlanks = 0);

  bool CanUndo() const { return history_.CanUndo(); }
  // Undoes the last action; the selection as it was before it, or nullopt
  // with nothing to undo.
  std::optional<VisualUndoPlace> Undo() { return history_.Undo(doc_); }

  // The frame of one action for the other edit modules (format, clip):
  // Begin, any number of Replace, then Commit or Cancel.
  void Begin(VisualSelection sel) { history_.Begin(doc_, {sel.anchor, sel.caret}); }
  void Replace(std::size_t start, std::size_t end, std::string_view text, std::span<const VisualAttr> attrs) {
    history_.Replace(doc_, start, end, text, attrs);
  }
  bool Commit() { return history_.Commit(doc_); }
  void Cancel() { history_.Cancel(doc_); }

  // Replaces the selection with bytes in one attribute set (line breaks
  // of the given kind), the free-cursor blanks first, as one action.
  VisualEditResult ReplaceWith(VisualSelection sel, std::string_view bytes, LineBreakKind breaks, int padBlanks);

 private:
  VisualDocument& doc_;
  Host& host_;
  VisualHistory history_;
};

// The attributes of bytes as they go in: the given set on every byte, the
// line-break kind on both bytes of each CR LF and none elsewhere.
std::vector<VisualAttr> AttrsOfText(std::string_view bytes, VisualAttr attr, LineBreakKind breaks);

}  // namespace quelt
