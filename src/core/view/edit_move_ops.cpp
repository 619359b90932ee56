// Moving a stream selection inside one text, as a drag of the selection
// within its own window does.
#include <algorithm>

#include "text/text_store.h"
#include "view/edit_ops.h"
#include "view/text_lines.h"

namespace quelt {

EditResult MoveText(EditSession& s, TextRange source, TextOffset dropAt) {
  TextStore& store = s.Store();
  source.end = std::min(source.end, store.Length());
  dropAt = std::min(dropAt, store.Length());
  if (source.Length() == 0 || (dropAt >= source.start && dropAt <= source.end)) return {};
  if (!s.Allowed()) return EditResult::Refused();
  // The span from the first to the last byte that moves is written anew in
  // one rewrite, so a single undo puts the text back.
  const TextOffset from = std::min(source.start, dropAt);
  const TextOffset to = std::max(source.end, dropAt);
  const std::string moved = ReadText(store, source.start, source.Length());
  std::string span;
  if (dropAt < source.start) {
    span = moved + ReadText(store, dropAt, source.start - dropAt);
  } else {
    span = ReadText(store, source.end, dropAt - source.end) + moved;
  }
  EditResult r = EditResult::Of(s.History().Rewrite(from, to - from, span));
  if (!r.Done()) return r;
  const TextOffset movedStart = dropAt < source.start ? dropAt : static_cast<TextOffset>(to - moved.size());
  r.caret = static_cast<TextOffset>(movedStart + moved.size());
  r.hasSelection = true;
  r.selection = {movedStart, r.caret};
  return r;
}

}  // namespace quelt
