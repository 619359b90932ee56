#include "html/tag_erase.h"

#include <algorithm>
#include <string>
#include <utility>

#include "base/messages.h"
#include "text/text_store.h"
#include "view/text_lines.h"

namespace quelt {

TagEditResult EraseTags(TagWindow& w) {
  TextRange sel = w.selection;
  if (sel.start > sel.end) std::swap(sel.start, sel.end);
  if (!CanEraseTags(w.selectionKind, sel.Length() > 0)) return {};
  if (!w.session.Allowed()) return {EditStatus::kBeeped, false, 0};
  TextStore& store = w.session.Store();
  TagEditResult r;
  r.cancelSelection = true;
  const TextOffset start = std::min(sel.start, store.Length());
  const TextOffset end = std::min(sel.end, store.Length());
  if (end <= start) return r;
  if (end - start > kMaxTagEraseBytes) {
    w.session.GetHost().ShowMessage(kMsgRangeTooLarge);
    r.status = EditStatus::kFailed;
    return r;
  }
  // The scan reads a copy of the range: removing a tag leaves the bytes
  // after it as they were, only `removed` places earlier in the store.
  const std::string text = ReadText(store, start, end - start);
  std::uint32_t removed = 0;
  TextChange change;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] != '<') {
      ++i;  // trail bytes are never '<' or '>', so bytes can be passed one by one
      continue;
    }
    const std::size_t close = text.find_first_of("<>", i + 1);
    if (close == std::string::npos || text[close] != '>') break;
    const auto count = static_cast<std::uint32_t>(close + 1 - i);
    const TextOffset at = start + static_cast<TextOffset>(i) - removed;
    const EditOutcome o = w.session.History().Delete(at, count);
    if (!o.Done()) {
      if (!change.any) r.status = o.status;
      break;
    }
    change.Merge(o.change);
    removed += count;
    i = close + 1;
  }
  if (change.any) {
    r.status = EditStatus::kDone;
    if (w.apply) w.apply(change);
  }
  r.caret = end - removed;
  return r;
}

}  // namespace quelt
