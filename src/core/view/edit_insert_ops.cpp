// Insertion of dates, times and strings with format variables.
#include <algorithm>
#include <vector>

#include "text/text_store.h"
#include "view/clipboard_text.h"
#include "view/edit_ops.h"
#include "view/expand_format.h"

namespace quelt {
namespace {

EditResult InsertExpanded(EditSession& s, const CaretPlace& caret, bool hasSelection,
                          std::string_view format, const LocalTime& now) {
  if (hasSelection) return {};
  // The same path as pasting: virtual space is filled, the text inserted.
  return Paste(s, caret, ExpandFormat(format, {}, 0, 0, now), false);
}

}  // namespace

EditResult InsertDate(EditSession& s, const CaretPlace& caret, bool hasSelection, const LocalTime& now) {
  return InsertExpanded(s, caret, hasSelection, DateInsertionFormat(), now);
}

EditResult InsertTime(EditSession& s, const CaretPlace& caret, bool hasSelection, const LocalTime& now) {
  return InsertExpanded(s, caret, hasSelection, TimeInsertionFormat(), now);
}

EditResult InsertString(EditSession& s, const CaretPlace& caret, const StringFormat& f) {
  return Paste(s, caret, ExpandFormat(f.format, f.path, f.line, f.column, f.now), false);
}

EditResult InsertStringAtPlaces(EditSession& s, std::span<const StringPlace> places,
                                const StringFormat& f) {
  if (places.empty()) return {};
  if (!s.Allowed()) return EditResult::Refused();
  const LeadByteTest lead = s.Lead();
  const std::string fixed =
      CleanIncomingText(ExpandFormat(f.format, f.path, f.line, f.column, f.now), lead);
  // From the last place up, so the places above stay where they were.
  std::vector<StringPlace> order(places.begin(), places.end());
  std::stable_sort(order.begin(), order.end(),
                   [](const StringPlace& a, const StringPlace& b) { return a.offset > b.offset; });
  EditResult r;
  for (const StringPlace& place : order) {
    const std::string text =
        f.expandPerLine
            ? CleanIncomingText(ExpandFormat(f.format, f.path, place.line, place.column, f.now), lead)
            : fixed;
    const EditOutcome one = s.History().Insert(place.offset, text);
    if (one.storageGrown) r.storageGrown = true;
    if (one.status == EditStatus::kFailed) {
      if (!r.Done()) r.status = EditStatus::kFailed;
      break;
    }
    if (!one.Done()) continue;
    r.status = EditStatus::kDone;
    r.change.Merge(one.change);
  }
  r.caret = order.empty() ? 0 : order.back().offset;
  return r;
}

}  // namespace quelt
