// A document's undo and redo buffers, and the edits that go through them.
// Every change the edit window or the binary view makes to the text store
// is made here, so that it is recorded the same way: removals are recorded
// before the store changes (the removed bytes are copied), insertions after.
// Every new edit empties the redo buffer; Undo and Redo move records
// between the two buffers.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/host.h"
#include "base/types.h"
#include "text/undo_buffer.h"

namespace quelt {

class TextStore;

enum class EditStatus : int {
  kDone = 0,      // the text changed
  kNoChange = 1,  // nothing to do
  kBeeped = 2,    // refused with a beep
  kFailed = 3,    // a message was shown, or the user abandoned the edit
};

// The part of the text an edit touched: [from, from + inserted) of the new
// text replaced [from, from + removed) of the old one.
struct TextChange {
  TextOffset from = 0;
  std::uint32_t removed = 0;
  std::uint32_t inserted = 0;
  bool any = false;

  // Widens the change by one more edit that replaced r bytes at p with i
  // bytes, p counted in the text as it was after the earlier edits.
  void Merge(TextOffset p, std::uint32_t r, std::uint32_t i);
  void Merge(const TextChange& later);
};

struct EditOutcome {
  EditStatus status = EditStatus::kNoChange;
  TextChange change;
  TextOffset caret = 0;       // where the caret belongs afterwards
  bool storageGrown = false;  // the text block moved: tell the other views (hint 17)

  bool Done() const { return status == EditStatus::kDone; }
};

class UndoHistory {
 public:
  UndoHistory(TextStore& store, Host& host) : store_(store), host_(host) {}
  UndoHistory(const UndoHistory&) = delete;
  UndoHistory& operator=(const UndoHistory&) = delete;

  // Allocates both data areas; false when that fails.
  bool Create(std::uint32_t capacity = kUndoDataCapacity);

  // Each edit below empties the redo buffer. Capacity failures show their
  // message and leave the text unchanged (kFailed); a Cancel of the
  // undo-buffer question abandons the edit (kFailed).
  // Inserts bytes at p: one insertion record.
  EditOutcome Insert(TextOffset p, std::string_view bytes);
  // Removes n bytes at p: one deletion record.
  EditOutcome Delete(TextOffset p, std::uint32_t n);
  // Typing over text: the n covered bytes at p are replaced by bytes,
  // recorded as the two halves of an overwrite (undone in one step).
  EditOutcome Overwrite(TextOffset p, std::uint32_t n, std::string_view bytes);
  // A range rebuilt in place (box cutting): the halves of a rewrite.
  EditOutcome Rewrite(TextOffset p, std::uint32_t n, std::string_view bytes);
  // A removal followed by an insertion without a pair type (conversions):
  // a deletion and an insertion record, undone in two steps.
  EditOutcome Replace(TextOffset p, std::uint32_t n, std::string_view bytes);

  bool CanUndo() const { return !undo_.Empty(); }
  bool CanRedo() const { return !redo_.Empty(); }
  // Takes the newest step back (an overwrite or rewrite pair at once). In
  // browse mode (viewMode) or with write protection the document refuses
  // with a beep.
  EditOutcome Undo(bool viewMode);
  EditOutcome Redo(bool viewMode);

  CUndoBuffer& UndoBuffer() { return undo_; }
  CUndoBuffer& RedoBuffer() { return redo_; }
  TextStore& Store() { return store_; }
  Host& GetHost() { return host_; }

 private:
  // Inserts and reports a capacity failure.
  bool StoreInsert(TextOffset p, std::string_view bytes, EditOutcome& out);
  // Checks that the text may grow by `grow` bytes; reports when not.
  bool RoomFor(std::uint32_t removed, std::size_t inserted, EditOutcome& out);
  EditOutcome Pair(UndoType first, UndoType second, TextOffset p, std::uint32_t n,
                   std::string_view bytes);
  // One undo (from = undo, to = redo) or redo step.
  EditOutcome Step(CUndoBuffer& from, CUndoBuffer& to, bool viewMode);
  // Restores the saved bytes of `from`'s newest record and files an
  // insertion in `to`.
  bool RestoreNewest(CUndoBuffer& from, CUndoBuffer& to, EditOutcome& out);

  TextStore& store_;
  Host& host_;
  CUndoBuffer undo_;
  CUndoBuffer redo_;
};

}  // namespace quelt
