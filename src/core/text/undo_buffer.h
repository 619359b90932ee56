// One of a document's two edit histories (undo or redo). Each record says
// where the text changed; a record of removed text keeps the removed bytes
// in a fixed data area. When the table or the data area is full the oldest
// records are dropped, so how far back undo reaches depends on how much text
// was removed.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "base/host.h"
#include "base/types.h"

namespace quelt {

class TextStore;

// The record table holds at most this many records.
constexpr int kUndoRecordCapacity = 512;
// Bytes of removed text a buffer keeps at most.
constexpr std::uint32_t kUndoDataCapacity = 32768;
// Data offset of a record that keeps no bytes.
constexpr std::int32_t kNoUndoData = -1;

enum class UndoType : int {
  kInsert = 1,             // bytes were inserted at position
  kDelete = 2,             // bytes were removed at position (kept)
  kRewriteRemoved = 3,     // first half of a rewrite: a range removed (kept)
  kRewriteInserted = 4,    // second half of a rewrite: the rebuilt text inserted
  kOverwriteRemoved = 5,   // first half of an overwrite: the covered text removed (kept)
  kOverwriteInserted = 6,  // second half of an overwrite: the typed text inserted
};

// The first half that belongs before a second half (3 before 4, 5 before 6).
constexpr bool IsSecondHalf(UndoType t) {
  return t == UndoType::kRewriteInserted || t == UndoType::kOverwriteInserted;
}
constexpr UndoType FirstHalfOf(UndoType second) {
  return second == UndoType::kRewriteInserted ? UndoType::kRewriteRemoved
                                              : UndoType::kOverwriteRemoved;
}
// Types whose record keeps the removed bytes.
constexpr bool KeepsBytes(UndoType t) {
  return t == UndoType::kDelete || t == UndoType::kRewriteRemoved ||
         t == UndoType::kOverwriteRemoved;
}

struct UndoRecord {
  UndoType type = UndoType::kInsert;
  TextOffset position = 0;
  std::uint32_t length = 0;
  std::int32_t dataOffset = kNoUndoData;
};

// Answer of Record.
enum class RecordResult : int {
  kAbandon = 0,     // the user cancelled: the edit must not be made
  kUnrecorded = 1,  // not recorded, but the edit may go ahead
  kRecorded = 2,
};

class CUndoBuffer {
 public:
  CUndoBuffer() = default;
  CUndoBuffer(const CUndoBuffer&) = delete;
  CUndoBuffer& operator=(const CUndoBuffer&) = delete;

  // Allocates the data area; false when that fails.
  bool Create(std::uint32_t capacity = kUndoDataCapacity);
  bool Created() const { return data_ != nullptr; }

  // Records a change. Types that keep bytes copy them from the store, so
  // they are recorded before the store changes; insertions after it. When
  // the removed bytes cannot fit the whole data area, the buffer is emptied
  // and the user asked whether to go on without undo (OK: kUnrecorded,
  // Cancel: kAbandon).
  RecordResult Record(UndoType type, TextOffset position, std::uint32_t length,
                      const TextStore& store, Host& host);
  // The same with the removed bytes given directly.
  RecordResult Record(UndoType type, TextOffset position, std::uint32_t length,
                      const std::uint8_t* bytes, Host& host);

  // Makes room for a record of `needed` saved bytes by dropping the oldest
  // records; false when needed exceeds the whole data area.
  bool MakeRoom(std::uint32_t needed);

  void Clear();
  bool Empty() const { return count_ == 0; }
  int Count() const { return count_; }
  std::uint32_t UsedBytes() const { return used_; }
  std::uint32_t CapacityBytes() const { return capacity_; }
  // Record i, 0 the oldest.
  const UndoRecord& At(int i) const { return records_[static_cast<std::size_t>(i)]; }
  const UndoRecord& Newest() const { return At(count_ - 1); }
  // The saved bytes of record i (nullptr when it keeps none).
  const std::uint8_t* DataOf(int i) const;
  // Removes the newest record and releases its bytes.
  void PopNewest();
  // Changes the type of the newest record (a first half whose second half
  // never came becomes a plain deletion).
  void RetypeNewest(UndoType type);

 private:
  // Appends a record and reserves its bytes; the room must have been made.
  std::uint8_t* Append(UndoType type, TextOffset position, std::uint32_t length);
  void DropOldest(int records);

  std::array<UndoRecord, kUndoRecordCapacity> records_{};
  int count_ = 0;
  std::unique_ptr<std::uint8_t[]> data_;
  std::uint32_t used_ = 0;
  std::uint32_t capacity_ = 0;
};

}  // namespace quelt
