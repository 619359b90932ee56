#include "html/tag_insert.h"

#include <algorithm>
#include <utility>

#include "text/text_buffer.h"
#include "text/text_store.h"
#include "view/clipboard_text.h"
#include "view/text_lines.h"

namespace quelt {
namespace {

// The room check of the text store for `extra` more bytes; a refusal
// shows its message.
bool HasRoom(EditSession& s, std::uint64_t extra) {
  TextStore& store = s.Store();
  const std::uint64_t needed = store.Length() + extra;
  const Capacity code = needed >= kMaxTextSize
                            ? Capacity::kOverLimit
                            : store.EnsureTextCapacity(static_cast<std::uint32_t>(needed));
  return !ReportCapacityFailure(s.GetHost(), code, false);
}

// The pair as it may enter the document: texts typed in a dialog or read
// from an operation file are cleaned the way pasted text is.
TagPair Cleaned(EditSession& s, const TagPair& pair) {
  return {CleanIncomingText(pair.opening, s.Lead()), CleanIncomingText(pair.closing, s.Lead())};
}

// One insertion, applied to the window at once.
EditOutcome InsertApplied(TagWindow& w, TextOffset at, std::string_view bytes) {
  const EditOutcome o = w.session.History().Insert(at, bytes);
  if (o.Done() && w.apply) w.apply(o.change);
  return o;
}

TagEditResult Beeped(TagWindow& w) {
  w.session.GetHost().Beep();
  TagEditResult r;
  r.status = EditStatus::kBeeped;
  return r;
}

TagEditResult Failed() {
  TagEditResult r;
  r.status = EditStatus::kFailed;
  return r;
}

// The fill of a caret in free-cursor space up to its column.
std::string VirtualFill(TagWindow& w) {
  const CaretPlace& c = w.caret;
  if (c.virtualColumns <= 0) return {};
  const EditOptions& o = w.session.Options();
  return Blanks(c.column - c.virtualColumns, c.column, o.tabWidth, o.tabTypesBlanks);
}

bool HasStreamSelection(const TagWindow& w) {
  return w.selectionKind == TagSelection::kStream && w.selection.start != w.selection.end;
}

// The selection cut to the text.
TextRange ClampedSelection(TagWindow& w) {
  const TextOffset length = w.session.Store().Length();
  TextRange r = w.selection;
  if (r.start > r.end) std::swap(r.start, r.end);
  r.end = std::min(r.end, length);
  r.start = std::min(r.start, r.end);
  return r;
}

bool EndsWithLineBreak(const TextStore& store, TextRange r) {
  return r.Length() >= 2 && ReadByte(store, r.end - 2) == kCr && ReadByte(store, r.end - 1) == kLf;
}

TagEditResult AtCaret(TagWindow& w, const TagPair& pair) {
  TextStore& store = w.session.Store();
  const TextOffset at = std::min(w.caret.offset, store.Length());
  const EditOutcome o = InsertApplied(w, at, VirtualFill(w) + pair.opening + pair.closing);
  TagEditResult r;
  r.status = o.status;
  r.caret = o.caret;
  return r;
}

TagEditResult AroundSelection(TagWindow& w, TagPair pair) {
  TextStore& store = w.session.Store();
  const TextRange sel = ClampedSelection(w);
  if (EndsWithLineBreak(store, sel) && pair.closing.size() > 1 &&
      pair.closing.compare(0, 2, kCrLf) == 0) {
    pair.closing.erase(0, 2);
  }
  TagEditResult r;
  r.cancelSelection = true;
  const EditOutcome open = InsertApplied(w, sel.start, pair.opening);
  if (open.status == EditStatus::kFailed) {
    r.status = EditStatus::kFailed;
    return r;
  }
  r.status = open.status;
  r.caret = open.Done() ? open.caret : sel.start;
  if (pair.closing.empty()) return r;
  const auto k = static_cast<TextOffset>(open.Done() ? pair.opening.size() : 0);
  const EditOutcome close = InsertApplied(w, sel.end + k, pair.closing);
  if (close.Done()) {
    r.status = EditStatus::kDone;
    r.caret = close.caret;
  } else if (!r.Done()) {
    r.status = close.status;
  }
  return r;
}

}  // namespace

TagEditResult InsertTagPair(TagWindow& w, TagRepeat& last, const TagPair& given) {
  const TagPair pair = Cleaned(w.session, given);
  if (pair.Empty()) return {};
  if (!w.session.Allowed()) return {EditStatus::kBeeped, false, 0};
  last.Store(pair);
  if (!HasRoom(w.session, std::uint64_t{pair.opening.size()} + pair.closing.size() + kTagRoomMargin)) {
    return Failed();
  }
  if (w.selectionKind == TagSelection::kBox) return Beeped(w);
  if (!HasStreamSelection(w)) return AtCaret(w, pair);
  return AroundSelection(w, pair);
}

TagEditResult InsertLineItems(TagWindow& w, std::uint32_t first, std::uint32_t last,
                              std::string_view itemA, TextOffset firstPos, std::string_view itemB) {
  TextStore& store = w.session.Store();
  const Layout& layout = w.layout;
  if (layout.LineCount() == 0 || !store.EditAllowed(w.session.Options().viewMode)) return {};
  last = std::min(last, layout.LineCount() - 1);
  first = std::min(first, last);
  if (last - first > kMaxItemLineSpan) {
    w.session.GetHost().DefaultBeep();
    return {EditStatus::kBeeped, false, 0};
  }
  const std::size_t longest = std::max(itemA.size(), itemB.size());
  if (!HasRoom(w.session, std::uint64_t{longest} * kMaxItemLineSpan)) return Failed();
  TagEditResult r;
  std::uint32_t items = 0;
  for (std::uint32_t line = first; line <= last; ++line) {
    // Only the first display line of each logical line, and the range's
    // first line wherever it starts, takes an item.
    if (line != first && store.LineFlag(line) == 0) continue;
    const std::string_view item = (!itemB.empty() && items % 2 == 1) ? itemB : itemA;
    const TextOffset at = line == first ? firstPos : layout.LineStart(line);
    const std::uint32_t linesBefore = layout.LineCount();
    const EditOutcome o = InsertApplied(w, at, item);
    if (o.status == EditStatus::kFailed) {
      if (!r.Done()) r.status = EditStatus::kFailed;
      break;
    }
    if (!o.Done()) continue;
    ++items;
    r.status = EditStatus::kDone;
    r.caret = o.caret;
    // The line wrapped anew: the lines it gained still show this one.
    if (layout.LineCount() > linesBefore) {
      const std::uint32_t added = layout.LineCount() - linesBefore;
      line += added;
      last += added;
    }
    last = std::min(last, layout.LineCount() - 1);
  }
  return r;
}

TagEditResult InsertListTags(TagWindow& w, TagRepeat& last, const TagPair& given,
                             std::string_view itemA, std::string_view itemB) {
  if (w.selectionKind == TagSelection::kBox) return Beeped(w);
  if (!HasStreamSelection(w)) return InsertTagPair(w, last, given);
  const TagPair pair = Cleaned(w.session, given);
  TextStore& store = w.session.Store();
  const TextRange sel = ClampedSelection(w);
  const TextOffset start = sel.start;
  const TextOffset end = EndsWithLineBreak(store, sel) ? sel.end - 2 : sel.end;
  TagEditResult r = InsertTagPair(w, last, pair);
  if (!r.Done()) return r;
  const auto k = static_cast<TextOffset>(pair.opening.size());
  const std::uint32_t lengthBefore = store.Length();
  const TagEditResult items = InsertLineItems(w, w.layout.LineOfOffset(start + k),
                                              w.layout.LineOfOffset(end + k), itemA, start + k, itemB);
  // The items all stand before the closing text.
  if (items.Done()) r.caret += store.Length() - lengthBefore;
  return r;
}

TagEditResult InsertTagForm(TagWindow& w, TagRepeat& last, TagPair& formPair,
                            const TagPair& values) {
  if (!w.session.Allowed()) return {EditStatus::kBeeped, false, 0};
  formPair = values;
  return InsertTagPair(w, last, values);
}

TagEditResult RepeatLastTag(TagWindow& w, TagRepeat& last) {
  const TagPair pair = last.Last();
  return InsertTagPair(w, last, pair);
}

}  // namespace quelt
