// Small helpers the colouring passes share: byte classes and a reader that
// looks at a document's text without disturbing its window cache.
#pragma once

#include <cstdint>

#include "base/sjis.h"
#include "base/types.h"

namespace quelt {

class TextStore;

constexpr bool IsAsciiLetter(std::uint8_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
constexpr bool IsAsciiDigit(std::uint8_t c) { return c >= '0' && c <= '9'; }
constexpr bool IsAsciiAlnum(std::uint8_t c) { return IsAsciiLetter(c) || IsAsciiDigit(c); }
// A byte of a C identifier.
constexpr bool IsIdentByte(std::uint8_t c) { return IsAsciiAlnum(c) || c == '_'; }
constexpr std::uint8_t FoldAscii(std::uint8_t c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<std::uint8_t>(c + ('a' - 'A')) : c;
}

// Reads single bytes of a document's text through a small cache. Reading
// goes through the store's const copy, so painting never writes the window
// cache back (typing near the caret keeps its cheap edits).
class StoreReader {
 public:
  explicit StoreReader(const TextStore& store);
  std::uint32_t Length() const { return length_; }
  // The byte at p; 0 at and past the end of the text.
  std::uint8_t At(TextOffset p) {
    if (p - cacheStart_ < cacheLength_) return cache_[p - cacheStart_];
    return Load(p);
  }

  // Start of the logical line holding p: just after the CR LF before p, or 0.
  TextOffset LogicalLineStart(TextOffset p);
  // Start of the character that holds byte p (p itself when p is at or past
  // the end): found without the line tables, by walking forward from just
  // after the nearest byte before p that can only end a character. CR and LF
  // count as single bytes here.
  TextOffset CharStartOf(TextOffset p, LeadByteTest lead);

 private:
  // Chunks are loaded so that p sits near their end: most scans run
  // backwards from the position asked for.
  static constexpr std::uint32_t kChunkBytes = 256;
  std::uint8_t Load(TextOffset p);

  const TextStore& store_;
  std::uint32_t length_;
  TextOffset cacheStart_ = 0;
  std::uint32_t cacheLength_ = 0;
  std::uint8_t cache_[kChunkBytes];
};

}  // namespace quelt
