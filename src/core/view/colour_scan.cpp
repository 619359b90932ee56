// Text reading helpers of the colouring passes.
#include "view/colour_scan.h"

#include <algorithm>

#include "text/text_store.h"

namespace quelt {

StoreReader::StoreReader(const TextStore& store) : store_(store), length_(store.Length()) {}

std::uint8_t StoreReader::Load(TextOffset p) {
  if (p >= length_) return 0;
  // Keep a few bytes after p too, for looks one byte ahead.
  const TextOffset end = std::min<std::uint64_t>(std::uint64_t{p} + 8, length_);
  const TextOffset start = end > kChunkBytes ? end - kChunkBytes : 0;
  cacheStart_ = start;
  cacheLength_ = end - start;
  store_.CopyOut(start, cacheLength_, cache_);
  return cache_[p - cacheStart_];
}

TextOffset StoreReader::LogicalLineStart(TextOffset p) {
  p = std::min(p, length_);
  for (TextOffset k = p; k >= 2; --k) {
    if (At(k - 1) == kLf && At(k - 2) == kCr) return k;
  }
  return 0;
}

TextOffset StoreReader::CharStartOf(TextOffset p, LeadByteTest lead) {
  p = std::min(p, length_);
  TextOffset safe = 0;
  for (TextOffset j = p; j-- > 0;) {
    if (!lead(At(j))) {
      safe = j + 1;
      break;
    }
  }
  TextOffset at = safe;
  while (true) {
    const TextOffset next = at + ((lead(At(at)) && at + 1 < length_) ? 2 : 1);
    if (next > p) return at;
    at = next;
  }
}

}  // namespace quelt
