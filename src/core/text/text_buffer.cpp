#include "text/text_buffer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace quelt {

CTextBuffer::~CTextBuffer() { Destroy(); }

bool CTextBuffer::Create() {
  Destroy();
  if (kTextGrowthStep > ceiling_ || kWindowBufferSize + 1 > ceiling_) return false;
  base_ = static_cast<std::uint8_t*>(std::malloc(kTextGrowthStep));
  window_ = static_cast<std::uint8_t*>(std::malloc(kWindowBufferSize + 1));
  if (base_ == nullptr || window_ == nullptr) {
    Destroy();
    return false;
  }
  std::memset(base_, 0, kTextGrowthStep);
  std::memset(window_, 0, kWindowBufferSize + 1);
  capacity_ = kTextGrowthStep;
  windowStart_ = 0;
  windowLength_ = loadedLength_ = kWindowSize;
  dirty_ = false;
  direct_ = false;
  return true;
}

void CTextBuffer::Destroy() {
  std::free(base_);
  std::free(window_);
  base_ = nullptr;
  window_ = nullptr;
  capacity_ = 0;
  windowStart_ = 0;
  windowLength_ = loadedLength_ = 0;
  dirty_ = false;
  direct_ = false;
}

Capacity CTextBuffer::EnsureCapacity(std::uint32_t needed) {
  const std::uint64_t m = std::uint64_t{needed} + 2;
  if (m < capacity_) return m < kMaxTextSize ? Capacity::kFits : Capacity::kOverLimit;
  if (m >= kMaxTextSize) return Capacity::kOverLimit;
  if (!Created()) return Capacity::kOutOfMemory;
  const std::uint64_t newCapacity = std::uint64_t{kTextGrowthStep} * (m / kTextGrowthStep + 1);
  if (newCapacity > ceiling_) return Capacity::kOutOfMemory;
  void* grown = std::realloc(base_, static_cast<std::size_t>(newCapacity));
  if (grown == nullptr) return Capacity::kOutOfMemory;  // the old block is intact
  base_ = static_cast<std::uint8_t*>(grown);
  // Keep the new tail defined: write-back moves bytes up to the capacity.
  std::memset(base_ + capacity_, 0, static_cast<std::size_t>(newCapacity - capacity_));
  capacity_ = static_cast<std::uint32_t>(newCapacity);
  return Capacity::kGrown;
}

bool CTextBuffer::InWindow(TextOffset p) const {
  return p >= windowStart_ && p - windowStart_ < windowLength_;
}

bool CTextBuffer::RangeInWindow(TextOffset p, std::uint32_t count) const {
  if (p < windowStart_) return false;
  const std::uint64_t last = std::uint64_t{p} + std::max<std::uint32_t>(count, 1) - 1;
  return last < std::uint64_t{windowStart_} + windowLength_;
}

void CTextBuffer::WriteBack() {
  if (!dirty_) return;
  const std::int64_t cap = capacity_;
  const std::int64_t start = windowStart_;
  const std::int64_t winEnd = start + windowLength_;
  const std::int64_t loadedEnd = start + loadedLength_;
  // Shift the block behind the window by the window's change in length.
  if (windowLength_ > loadedLength_) {
    const std::int64_t count = cap - winEnd;
    if (count > 0) std::memmove(base_ + winEnd, base_ + loadedEnd, static_cast<std::size_t>(count));
  } else if (windowLength_ < loadedLength_) {
    const std::int64_t count = cap - loadedEnd;
    if (count > 0) std::memmove(base_ + winEnd, base_ + loadedEnd, static_cast<std::size_t>(count));
  }
  // Bytes of the window that lie past the block are past the text as well.
  const std::int64_t copy = std::min<std::int64_t>(windowLength_, cap - start);
  if (copy > 0) std::memcpy(base_ + start, window_, static_cast<std::size_t>(copy));
  windowLength_ = loadedLength_ = static_cast<std::uint32_t>(std::max<std::int64_t>(copy, 0));
  dirty_ = false;
}

void CTextBuffer::Reload(TextOffset p) {
  constexpr TextOffset kHalf = kWindowSize / 2;  // 10922
  windowStart_ = p < kHalf ? 0 : p - kHalf;
  windowLength_ = windowStart_ < capacity_ ? std::min(kWindowSize, capacity_ - windowStart_) : 0;
  if (windowLength_ > 0) std::memcpy(window_, base_ + windowStart_, windowLength_);
  loadedLength_ = windowLength_;
  dirty_ = false;
}

bool CTextBuffer::BringIntoWindow(TextOffset p) {
  if (InWindow(p)) return true;
  if (p >= capacity_) return false;
  WriteBack();
  Reload(p);
  return InWindow(p);
}

std::uint8_t CTextBuffer::ByteAt(TextOffset p) {
  if (direct_) return p < capacity_ ? base_[p] : 0;
  if (!BringIntoWindow(p)) return 0;
  return window_[p - windowStart_];
}

void CTextBuffer::SetByte(TextOffset p, std::uint8_t value) {
  if (direct_) {
    if (p < capacity_) base_[p] = value;
    return;
  }
  if (!BringIntoWindow(p)) return;
  window_[p - windowStart_] = value;
  dirty_ = true;
}

void CTextBuffer::CopyOut(TextOffset p, std::uint32_t count, std::uint8_t* dest) {
  if (direct_) {
    Peek(p, count, dest);
    return;
  }
  while (count > 0) {
    if (!BringIntoWindow(p)) {
      std::memset(dest, 0, count);  // past the block
      return;
    }
    const std::uint32_t n = std::min(windowStart_ + windowLength_ - p, count);
    std::memcpy(dest, window_ + (p - windowStart_), n);
    dest += n;
    p += n;
    count -= n;
  }
}

void CTextBuffer::Write(TextOffset p, const std::uint8_t* src, std::uint32_t count) {
  if (direct_) {
    if (p >= capacity_) return;
    std::memcpy(base_ + p, src, std::min(count, capacity_ - p));
    return;
  }
  while (count > 0) {
    if (!BringIntoWindow(p)) return;  // past the block: nothing to keep
    const std::uint32_t n = std::min(windowStart_ + windowLength_ - p, count);
    std::memcpy(window_ + (p - windowStart_), src, n);
    dirty_ = true;
    src += n;
    p += n;
    count -= n;
  }
}

void CTextBuffer::OpenGap(TextOffset from, TextOffset to, std::uint32_t count) {
  if (to <= from || count == 0) return;
  const std::uint32_t gap = to - from;
  if (!direct_ && windowLength_ + std::uint64_t{gap} <= kWindowBufferSize && InWindow(from) &&
      InWindow(to)) {
    const std::uint32_t offset = from - windowStart_;
    std::memmove(window_ + offset + gap, window_ + offset, windowLength_ - offset);
    windowLength_ += gap;
    dirty_ = true;
    return;
  }
  if (!direct_) WriteBack();
  if (to < capacity_) std::memmove(base_ + to, base_ + from, std::min(count, capacity_ - to));
  if (!direct_) Reload(from);
}

void CTextBuffer::CloseGap(TextOffset to, TextOffset from, std::uint32_t count) {
  if (from <= to || count == 0) return;
  const std::uint32_t gap = from - to;
  if (!direct_ && InWindow(to) && InWindow(from)) {
    const std::uint32_t offset = from - windowStart_;
    std::memmove(window_ + (to - windowStart_), window_ + offset, windowLength_ - offset);
    windowLength_ -= gap;
    dirty_ = true;
    return;
  }
  if (!direct_) WriteBack();
  if (from < capacity_) std::memmove(base_ + to, base_ + from, std::min(count, capacity_ - from));
  if (!direct_) Reload(to);
}

const std::uint8_t* CTextBuffer::PointerToRange(TextOffset p, std::uint32_t count) {
  if (!direct_ && RangeInWindow(p, count)) return window_ + (p - windowStart_);
  if (std::uint64_t{p} + count > capacity_) return nullptr;
  if (!direct_) {
    WriteBack();
    Reload(p);
  }
  return base_ + p;
}

std::uint8_t* CTextBuffer::PointerAt(TextOffset p) {
  if (p >= capacity_) return nullptr;
  if (!direct_) {
    WriteBack();
    // The caller may write into the block: let the next access reload.
    windowLength_ = loadedLength_ = 0;
  }
  return base_ + p;
}

void CTextBuffer::BeginDirectAccess(TextOffset) {
  if (direct_) return;
  WriteBack();
  direct_ = true;
}

void CTextBuffer::EndDirectAccess(TextOffset p) {
  if (!direct_) return;
  direct_ = false;
  Reload(p);
}

void CTextBuffer::Peek(TextOffset p, std::uint32_t count, std::uint8_t* dest) const {
  // Logical offsets map onto the window, the block before it, or the block
  // behind it shifted by the window's unwritten change in length.
  const bool useWindow = !direct_ && dirty_;
  const std::uint64_t winStart = windowStart_;
  const std::uint64_t winEnd = winStart + windowLength_;
  std::uint64_t at = p;
  const std::uint64_t end = at + count;
  while (at < end) {
    std::uint64_t segEnd = end;
    const std::uint8_t* src = nullptr;
    std::uint64_t srcOffset = 0;
    std::uint64_t limit = capacity_;
    if (useWindow && at >= winStart && at < winEnd) {
      segEnd = std::min(end, winEnd);
      src = window_;
      srcOffset = at - winStart;
      limit = kWindowBufferSize + 1;
    } else if (useWindow && at < winStart) {
      segEnd = std::min(end, winStart);
      src = base_;
      srcOffset = at;
    } else {
      src = base_;
      srcOffset = useWindow ? at - windowLength_ + loadedLength_ : at;
    }
    const std::uint64_t n = segEnd - at;
    const std::uint64_t avail = srcOffset < limit && src != nullptr ? limit - srcOffset : 0;
    const std::uint64_t copy = std::min(n, avail);
    if (copy > 0) std::memcpy(dest, src + srcOffset, static_cast<std::size_t>(copy));
    if (copy < n) std::memset(dest + copy, 0, static_cast<std::size_t>(n - copy));
    dest += n;
    at = segEnd;
  }
}

}  // namespace quelt
