#include "text/undo_history.h"

#include <algorithm>

#include "text/text_store.h"

namespace quelt {

void TextChange::Merge(TextOffset p, std::uint32_t r, std::uint32_t i) {
  if (!any) {
    from = p;
    removed = r;
    inserted = i;
    any = true;
    return;
  }
  const std::int64_t to = std::int64_t{from} + inserted;
  const std::int64_t delta = std::int64_t{inserted} - removed + (std::int64_t{i} - r);
  const std::int64_t newFrom = std::min<std::int64_t>(from, p);
  const std::int64_t newTo = to >= std::int64_t{p} + r ? to - r + i : std::int64_t{p} + i;
  from = static_cast<TextOffset>(newFrom);
  inserted = static_cast<std::uint32_t>(newTo - newFrom);
  removed = static_cast<std::uint32_t>(newTo - newFrom - delta);
}

void TextChange::Merge(const TextChange& later) {
  if (later.any) Merge(later.from, later.removed, later.inserted);
}

bool UndoHistory::Create(std::uint32_t capacity) {
  return undo_.Create(capacity) && redo_.Create(capacity);
}

bool UndoHistory::StoreInsert(TextOffset p, std::string_view bytes, EditOutcome& out) {
  const Capacity code = store_.Insert(p, bytes);
  if (ReportCapacityFailure(host_, code, false)) {
    out.status = EditStatus::kFailed;
    return false;
  }
  if (code == Capacity::kGrown) out.storageGrown = true;
  return true;
}

bool UndoHistory::RoomFor(std::uint32_t removed, std::size_t inserted, EditOutcome& out) {
  if (inserted <= removed) return true;
  const std::uint64_t needed = std::uint64_t{store_.Length()} - removed + inserted;
  const Capacity code = needed >= kMaxTextSize
                            ? Capacity::kOverLimit
                            : store_.EnsureTextCapacity(static_cast<std::uint32_t>(needed));
  if (ReportCapacityFailure(host_, code, false)) {
    out.status = EditStatus::kFailed;
    return false;
  }
  if (code == Capacity::kGrown) out.storageGrown = true;
  return true;
}

EditOutcome UndoHistory::Insert(TextOffset p, std::string_view bytes) {
  EditOutcome out;
  if (bytes.empty()) return out;
  const TextOffset q = std::min(p, store_.Length());
  if (!StoreInsert(q, bytes, out)) return out;
  const auto n = static_cast<std::uint32_t>(bytes.size());
  redo_.Clear();
  undo_.Record(UndoType::kInsert, q, n, store_, host_);
  out.status = EditStatus::kDone;
  out.change.Merge(q, 0, n);
  out.caret = q + n;
  return out;
}

EditOutcome UndoHistory::Delete(TextOffset p, std::uint32_t n) {
  EditOutcome out;
  const std::uint32_t length = store_.Length();
  if (p >= length || n == 0) return out;
  n = std::min(n, length - p);
  redo_.Clear();
  if (undo_.Record(UndoType::kDelete, p, n, store_, host_) == RecordResult::kAbandon) {
    out.status = EditStatus::kFailed;
    return out;
  }
  store_.Delete(p, n);
  out.status = EditStatus::kDone;
  out.change.Merge(p, n, 0);
  out.caret = p;
  return out;
}

EditOutcome UndoHistory::Pair(UndoType first, UndoType second, TextOffset p, std::uint32_t n,
                              std::string_view bytes) {
  const std::uint32_t length = store_.Length();
  p = std::min(p, length);
  n = std::min(n, length - p);
  if (n == 0) return Insert(p, bytes);
  if (bytes.empty()) return Delete(p, n);
  EditOutcome out;
  if (!RoomFor(n, bytes.size(), out)) return out;
  redo_.Clear();
  const RecordResult half = undo_.Record(first, p, n, store_, host_);
  if (half == RecordResult::kAbandon) {
    out.status = EditStatus::kFailed;
    return out;
  }
  store_.Delete(p, n);
  out.status = EditStatus::kDone;
  out.change.Merge(p, n, 0);
  out.caret = p;
  if (!StoreInsert(p, bytes, out)) {
    // The room was made above, so this does not happen; should it, the
    // removal alone stays undoable.
    out.status = EditStatus::kDone;
    if (half == RecordResult::kRecorded) undo_.RetypeNewest(UndoType::kDelete);
    return out;
  }
  const auto size = static_cast<std::uint32_t>(bytes.size());
  // Without its first half an insertion could not be undone soundly.
  if (half == RecordResult::kRecorded) undo_.Record(second, p, size, store_, host_);
  out.change.Merge(p, 0, size);
  out.caret = p + size;
  return out;
}

EditOutcome UndoHistory::Overwrite(TextOffset p, std::uint32_t n, std::string_view bytes) {
  return Pair(UndoType::kOverwriteRemoved, UndoType::kOverwriteInserted, p, n, bytes);
}

EditOutcome UndoHistory::Rewrite(TextOffset p, std::uint32_t n, std::string_view bytes) {
  return Pair(UndoType::kRewriteRemoved, UndoType::kRewriteInserted, p, n, bytes);
}

EditOutcome UndoHistory::Replace(TextOffset p, std::uint32_t n, std::string_view bytes) {
  return Pair(UndoType::kDelete, UndoType::kInsert, p, n, bytes);
}

EditOutcome UndoHistory::Undo(bool viewMode) { return Step(undo_, redo_, viewMode); }
EditOutcome UndoHistory::Redo(bool viewMode) { return Step(redo_, undo_, viewMode); }

bool UndoHistory::RestoreNewest(CUndoBuffer& from, CUndoBuffer& to, EditOutcome& out) {
  const int i = from.Count() - 1;
  const UndoRecord r = from.At(i);
  const auto* data = reinterpret_cast<const char*>(from.DataOf(i));
  if (!RoomFor(0, r.length, out)) return false;
  if (!StoreInsert(r.position, std::string_view(data, data ? r.length : 0), out)) return false;
  to.Record(UndoType::kInsert, r.position, r.length, store_, host_);
  from.PopNewest();
  out.change.Merge(r.position, 0, r.length);
  out.caret = r.position + r.length;
  return true;
}

EditOutcome UndoHistory::Step(CUndoBuffer& from, CUndoBuffer& to, bool viewMode) {
  EditOutcome out;
  if (from.Empty()) return out;
  if (!store_.EditAllowed(viewMode)) {
    host_.Beep();
    out.status = EditStatus::kBeeped;
    return out;
  }
  const UndoRecord r = from.Newest();
  const std::uint32_t length = store_.Length();
  // A record that does not fit the text cannot have come from it: the
  // history no longer matches the text and is dropped.
  const bool fits = r.position <= length &&
                    (KeepsBytes(r.type) || r.length <= length - r.position);
  if (!fits) {
    from.Clear();
    return out;
  }
  switch (r.type) {
    case UndoType::kInsert:
      to.Record(UndoType::kDelete, r.position, r.length, store_, host_);
      store_.Delete(r.position, r.length);
      from.PopNewest();
      out.change.Merge(r.position, r.length, 0);
      out.caret = r.position;
      break;
    case UndoType::kDelete:
    case UndoType::kRewriteRemoved:
    case UndoType::kOverwriteRemoved:
      // A first half on top has lost its second half: restoring the removed
      // bytes still takes the text back to where it was.
      if (!RestoreNewest(from, to, out)) return out;
      break;
    case UndoType::kRewriteInserted:
    case UndoType::kOverwriteInserted: {
      const int n = from.Count();
      if (n < 2 || from.At(n - 2).type != FirstHalfOf(r.type)) {
        // Its first half was dropped: the text before it cannot be rebuilt,
        // so nothing older can be taken back either.
        from.Clear();
        return out;
      }
      const UndoRecord first = from.At(n - 2);
      if (!RoomFor(r.length, first.length, out)) return out;
      const RecordResult half =
          to.Record(UndoType::kOverwriteRemoved, r.position, r.length, store_, host_);
      store_.Delete(r.position, r.length);
      from.PopNewest();
      out.change.Merge(r.position, r.length, 0);
      const auto* data = reinterpret_cast<const char*>(from.DataOf(n - 2));
      StoreInsert(first.position, std::string_view(data, data ? first.length : 0), out);
      if (half == RecordResult::kRecorded) {
        to.Record(UndoType::kOverwriteInserted, first.position, first.length, store_, host_);
      }
      from.PopNewest();
      out.change.Merge(first.position, 0, first.length);
      out.caret = first.position + first.length;
      break;
    }
  }
  out.status = EditStatus::kDone;
  return out;
}

}  // namespace quelt
