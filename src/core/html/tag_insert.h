// Putting a tag pair into a text window: the opening text before the
// selection and the closing text after it, or both at the caret, and the
// items of the list commands at the start of each selected line.
//
// The window hands over what it knows as a TagWindow. Every change goes
// through the document's undo history and is passed to `apply` at once
// (the window lays the text out again and repaints), so the layout is
// current whenever these operations read display lines. The result says
// where the caret goes; the window does not apply the change again:
//
//   EditSession session(doc.History(), MakeEditOptions());
//   TagWindow w{session, layout, Place(), kind, {from, to},
//               [&](const TextChange& c) { ApplyChange(c); }};
//   const TagEditResult r = InsertTagPair(w, repeat, pair);
//   if (r.cancelSelection) CancelSelection();
//   if (r.Done()) SetCaretOffset(r.caret);
#pragma once

#include <functional>
#include <string_view>

#include "html/tag_pair.h"
#include "html/tag_repeat.h"
#include "view/edit_ops.h"
#include "view/layout.h"

namespace quelt {

enum class TagSelection { kNone, kStream, kBox };

struct TagWindow {
  EditSession& session;
  const Layout& layout;  // the window's layout, current after every apply
  CaretPlace caret;      // where text goes without a selection (free-cursor columns included)
  TagSelection selectionKind = TagSelection::kNone;
  TextRange selection;   // a stream selection: its first byte to just after its last
  // Lays the text out again after one change and repaints.
  std::function<void(const TextChange&)> apply;
};

struct TagEditResult {
  EditStatus status = EditStatus::kNoChange;
  bool cancelSelection = false;  // the window drops its selection
  TextOffset caret = 0;          // where the caret goes when status is kDone
  bool Done() const { return status == EditStatus::kDone; }
};

// The extra room the text must have beyond both texts of a pair.
inline constexpr std::uint32_t kTagRoomMargin = 260;
// The most display lines the list items go on (the range is at most 300
// lines longer than its first).
inline constexpr std::uint32_t kMaxItemLineSpan = 300;

// Inserts a pair. Both texts empty: nothing. A document that refuses
// changes beeps. Otherwise the pair is stored in `last`, the text is
// checked for room (both texts + 260 bytes; a refusal shows its message).
// Without a selection opening and closing go in at the caret as one
// insertion (with the free-cursor fill before them) and the caret ends
// after them. A box selection beeps. A stream selection is cancelled, the
// opening text goes before its first byte and the closing text after its
// last (two insertions); a selection that ends with its line break takes a
// closing text that begins with CR LF without that CR LF.
TagEditResult InsertTagPair(TagWindow& w, TagRepeat& last, const TagPair& pair);

// Puts item A (and item B in turn, when not empty) at the start of every
// logical line shown on the display lines first..last, at firstPos on the
// first one; one insertion each. More than 301 lines sound the default
// beep and insert nothing. A line that wraps anew as its item goes in
// moves the range on, so each logical line gets one item.
TagEditResult InsertLineItems(TagWindow& w, std::uint32_t first, std::uint32_t last,
                              std::string_view itemA, TextOffset firstPos, std::string_view itemB);

// A list command (UL, OL, DL) or the selection box: the pair, then with a
// stream selection the items of every selected line. A box selection beeps.
TagEditResult InsertListTags(TagWindow& w, TagRepeat& last, const TagPair& pair,
                             std::string_view itemA, std::string_view itemB = {});

// The free tag form (33019) with its prefix and suffix: when the document
// accepts changes the pair becomes the form's kept pair and is inserted.
TagEditResult InsertTagForm(TagWindow& w, TagRepeat& last, TagPair& formPair,
                            const TagPair& values);

// The repeat command (32958): the last pair again.
TagEditResult RepeatLastTag(TagWindow& w, TagRepeat& last);

}  // namespace quelt
