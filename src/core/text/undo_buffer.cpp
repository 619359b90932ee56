#include "text/undo_buffer.h"

#include <cstring>
#include <new>

#include "text/text_store.h"

namespace quelt {

bool CUndoBuffer::Create(std::uint32_t capacity) {
  data_.reset(new (std::nothrow) std::uint8_t[capacity == 0 ? 1 : capacity]);
  capacity_ = data_ ? capacity : 0;
  count_ = 0;
  used_ = 0;
  return data_ != nullptr;
}

void CUndoBuffer::Clear() {
  count_ = 0;
  used_ = 0;
}

const std::uint8_t* CUndoBuffer::DataOf(int i) const {
  const UndoRecord& r = At(i);
  if (r.dataOffset == kNoUndoData || !data_) return nullptr;
  return data_.get() + r.dataOffset;
}

void CUndoBuffer::DropOldest(int records) {
  if (records <= 0) return;
  if (records > count_) records = count_;
  // The saved bytes lie in record order from offset 0, so the dropped
  // records' bytes end where the first kept record's bytes begin.
  std::uint32_t shift = 0;
  for (int i = 0; i < records; ++i) {
    const UndoRecord& r = records_[static_cast<std::size_t>(i)];
    if (r.dataOffset != kNoUndoData) shift = static_cast<std::uint32_t>(r.dataOffset) + r.length;
  }
  std::memmove(records_.data(), records_.data() + records,
               static_cast<std::size_t>(count_ - records) * sizeof(UndoRecord));
  count_ -= records;
  if (shift == 0) return;
  std::memmove(data_.get(), data_.get() + shift, used_ - shift);
  used_ -= shift;
  for (int i = 0; i < count_; ++i) {
    UndoRecord& r = records_[static_cast<std::size_t>(i)];
    if (r.dataOffset != kNoUndoData) r.dataOffset -= static_cast<std::int32_t>(shift);
  }
}

bool CUndoBuffer::MakeRoom(std::uint32_t needed) {
  if (needed > capacity_) return false;
  if (count_ == kUndoRecordCapacity) DropOldest(1);
  if (capacity_ - used_ < needed) {
    std::uint32_t free = capacity_ - used_;
    int drop = 0;
    while (free < needed && drop < count_) {
      const UndoRecord& r = records_[static_cast<std::size_t>(drop)];
      if (r.dataOffset != kNoUndoData) free += r.length;
      ++drop;
    }
    DropOldest(drop);
  }
  return true;
}

std::uint8_t* CUndoBuffer::Append(UndoType type, TextOffset position, std::uint32_t length) {
  UndoRecord& r = records_[static_cast<std::size_t>(count_++)];
  r.type = type;
  r.position = position;
  r.length = length;
  if (!KeepsBytes(type)) {
    r.dataOffset = kNoUndoData;
    return nullptr;
  }
  r.dataOffset = static_cast<std::int32_t>(used_);
  std::uint8_t* dest = data_.get() + used_;
  used_ += length;
  return dest;
}

namespace {

template <typename CopyFn>
RecordResult RecordWith(CUndoBuffer& buffer, UndoType type, std::uint32_t length, Host& host,
                        CopyFn&& append) {
  if (!buffer.Created()) return RecordResult::kUnrecorded;
  const int t = static_cast<int>(type);
  if (t < 1 || t > 6) return RecordResult::kRecorded;  // nothing to keep for unknown types
  if (!KeepsBytes(type)) {
    buffer.MakeRoom(0);  // only frees a table slot
    append();
    return RecordResult::kRecorded;
  }
  if (!buffer.MakeRoom(length)) {
    buffer.Clear();
    return host.Ask(kMsgUndoBufferOverflow, Question::kOkCancel) == Answer::kOk
               ? RecordResult::kUnrecorded
               : RecordResult::kAbandon;
  }
  append();
  return RecordResult::kRecorded;
}

}  // namespace

RecordResult CUndoBuffer::Record(UndoType type, TextOffset position, std::uint32_t length,
                                 const TextStore& store, Host& host) {
  return RecordWith(*this, type, length, host, [&] {
    if (std::uint8_t* dest = Append(type, position, length)) store.CopyOut(position, length, dest);
  });
}

RecordResult CUndoBuffer::Record(UndoType type, TextOffset position, std::uint32_t length,
                                 const std::uint8_t* bytes, Host& host) {
  return RecordWith(*this, type, length, host, [&] {
    std::uint8_t* dest = Append(type, position, length);
    if (dest && length > 0) std::memcpy(dest, bytes, length);
  });
}

void CUndoBuffer::PopNewest() {
  if (count_ == 0) return;
  const UndoRecord& r = records_[static_cast<std::size_t>(--count_)];
  // The newest record with bytes owns the end of the data area.
  if (r.dataOffset != kNoUndoData) used_ = static_cast<std::uint32_t>(r.dataOffset);
}

void CUndoBuffer::RetypeNewest(UndoType type) {
  if (count_ == 0) return;
  UndoRecord& r = records_[static_cast<std::size_t>(count_ - 1)];
  // Only between types that keep bytes, or between types that keep none.
  if (KeepsBytes(r.type) == KeepsBytes(type)) r.type = type;
}

}  // namespace quelt
