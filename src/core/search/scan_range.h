// The walk shared by every search path: character boundaries found from the
// bytes before a position, and the loop that asks the cancel poll and keeps
// the last hit for an upward search.
#pragma once

#include <cstdint>

#include "search/search_options.h"

namespace quelt {

// Tells whether positions at or after `from` (a character boundary) start a
// character. A byte outside the lead range always ends a character, so the
// parity of the run of lead-range bytes just before a position decides.
// Cheapest when asked in increasing order.
class CharBoundaries {
 public:
  CharBoundaries(const std::uint8_t* bytes, TextOffset from, LeadByteTest lead)
      : bytes_(bytes), from_(from), known_(from), lead_(lead) {}

  bool At(TextOffset pos) {
    if (!lead_.enabled()) return true;
    if (pos < known_) known_ = from_;
    TextOffset p = pos;
    while (p > known_ && lead_(bytes_[p - 1])) --p;
    const bool start = ((pos - p) & 1) == 0;
    known_ = start ? pos : pos - 1;
    return start;
  }

 private:
  const std::uint8_t* bytes_;
  TextOffset from_;
  TextOffset known_;
  LeadByteTest lead_;
};

// Walks characters backwards from a character boundary down to `from` (a
// boundary): the character ending at p is two bytes when the run of
// lead-range bytes just before p - 1 is odd. A run is measured once, so a
// walk over any text takes time in proportion to its length.
class CharsBefore {
 public:
  CharsBefore(const std::uint8_t* bytes, TextOffset from, LeadByteTest lead)
      : bytes_(bytes), from_(from), lead_(lead) {}

  // The start of the character ending at p (from < p).
  TextOffset Start(TextOffset p) {
    if (!lead_.enabled() || p - from_ < 2) return p - 1;
    const TextOffset i = p - 2;  // the byte that may be this character's lead
    if (!lead_(bytes_[i])) return p - 1;
    if (!(runKnown_ && i >= runLow_ && i <= runHigh_)) {
      TextOffset low = i;
      while (low > from_ && lead_(bytes_[low - 1])) --low;
      runLow_ = low;
      runHigh_ = i;
      runKnown_ = true;
    }
    return ((i - runLow_ + 1) & 1) != 0 ? p - 2 : p - 1;
  }

 private:
  const std::uint8_t* bytes_;
  TextOffset from_;
  LeadByteTest lead_;
  bool runKnown_ = false;
  TextOffset runLow_ = 0;
  TextOffset runHigh_ = 0;
};

// True when the byte at pos - 1 (pos > 0, pos a character start) is the
// second byte of a double-byte character. Reads back over lead-range bytes
// only, possibly before the searched range.
inline bool EndsDoubleByte(const std::uint8_t* bytes, TextOffset pos, LeadByteTest lead) {
  if (pos < 2 || !lead.enabled()) return false;
  TextOffset p = pos - 1;
  while (p > 0 && lead(bytes[p - 1])) --p;
  return ((pos - 1 - p) & 1) == 1;
}

// Runs find(pos, limit, boundaries) -> SearchHit, the first hit starting in
// [pos, limit), over the starts [from, startTo): down returns the first hit,
// up the one starting last. Where a hit may end is find's business. The poll
// is asked each time another kCancelPollInterval bytes have been passed.
template <class Find>
SearchHit ScanRange(const std::uint8_t* bytes, TextOffset from, TextOffset startTo, bool down,
                    const CancelPoll* poll, LeadByteTest lead, Find&& find) {
  const TextOffset to = startTo;
  CharBoundaries boundaries(bytes, from, lead);
  SearchHit last;
  TextOffset pos = from;
  TextOffset nextPoll = from + kCancelPollInterval;
  const bool polled = poll != nullptr && *poll;
  while (pos < to) {
    if (polled && pos >= nextPoll) {
      if ((*poll)()) return SearchHit{};
      nextPoll = pos + kCancelPollInterval;
    }
    const TextOffset limit = polled && nextPoll < to ? nextPoll : to;
    const SearchHit hit = find(pos, limit, boundaries);
    if (!hit.found) {
      pos = limit;
      continue;
    }
    if (down) return hit;
    last = hit;
    pos = hit.start + 1;
  }
  return last;
}

}  // namespace quelt
