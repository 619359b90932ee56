// Fast byte reads of a document's text for the layout. Bytes are copied out
// of the store in chunks that grow while one operation keeps reading, so a
// full layout of 10 MB makes a few hundred copies and a single look-up copies
// a few hundred bytes. Reading never moves the store's window cache.
//
// The cached bytes go stale when the text changes: call Reset() before each
// operation.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "base/types.h"
#include "text/text_store.h"

namespace quelt {

// First and largest chunk copied by one fill.
constexpr std::uint32_t kReaderFirstChunk = 512;
constexpr std::uint32_t kReaderMaxChunk = 65536;

class TextReader {
 public:
  explicit TextReader(const TextStore& store) : store_(&store) {}

  void Reset() {
    length_ = 0;
    next_ = kReaderFirstChunk;
  }
  // The byte at p; 0 at and past the end of the text.
  std::uint8_t At(TextOffset p) {
    const std::uint32_t i = p - start_;
    return i < length_ ? buffer_[i] : Fill(p);
  }
  std::uint32_t TextLength() const { return store_->Length(); }

 private:
  std::uint8_t Fill(TextOffset p) {
    const std::uint32_t n = store_->Length();
    if (p >= n) return 0;
    const std::uint32_t size = next_;
    next_ = std::min(next_ * 2, kReaderMaxChunk);
    // Keep a quarter of the chunk behind p: the layout looks back a little.
    const std::uint32_t back = std::min(p, size / 4);
    start_ = p - back;
    length_ = std::min(size, n - start_);
    if (buffer_.size() < length_) buffer_.resize(kReaderMaxChunk);
    store_->CopyOut(start_, length_, buffer_.data());
    return buffer_[p - start_];
  }

  const TextStore* store_;
  std::vector<std::uint8_t> buffer_;
  TextOffset start_ = 0;
  std::uint32_t length_ = 0;
  std::uint32_t next_ = kReaderFirstChunk;
};

}  // namespace quelt
