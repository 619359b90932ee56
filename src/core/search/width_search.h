// The plain search with widths folded: the text's characters compare after
// folding full-width characters to their one-byte counterparts (and ASCII
// case, unless case is matched). The search text is folded once; candidates
// are the places of the bytes that end one of the forms of its rarest
// character (its one-byte forms, and the second bytes of its double-byte
// ones), found by memchr when they are few, and each is checked character
// by character through the folding table, backwards to the match's start
// and forwards to its end.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "search/byte_scan.h"
#include "search/scan_range.h"
#include "search/search_options.h"

namespace quelt {

class FoldedSearcher {
 public:
  // False for an empty text.
  bool Prepare(std::string_view text, bool matchCase, LeadByteTest lead);

  SearchHit Find(const std::uint8_t* bytes, std::uint32_t length, TextOffset from, TextOffset to, bool down,
                 const CancelPoll* poll) const {
    return FindStarting(bytes, length, from, to, to, down, poll);
  }
  // A match starting in [from, startTo) and ending at or before to.
  SearchHit FindStarting(const std::uint8_t* bytes, std::uint32_t length, TextOffset from, TextOffset startTo,
                         TextOffset to, bool down, const CancelPoll* poll) const;

  // As the pattern search reaches: two bytes a character and one after.
  std::uint32_t Reach() const { return static_cast<std::uint32_t>(2 * keys_.size() + 1); }

 private:
  static constexpr std::uint8_t kOneByteForm = 1;
  static constexpr std::uint8_t kSecondByte = 2;

  std::uint16_t Key(std::uint16_t code) const;
  // The start of the match whose anchor character starts at c (ends at
  // cEnd), or kNoStart.
  TextOffset MatchAt(const std::uint8_t* bytes, std::uint32_t length, TextOffset from, TextOffset to,
                     TextOffset c, TextOffset cEnd, TextOffset& end) const;

  std::vector<std::uint16_t> keys_;  // the folded characters of the text
  std::size_t anchor_ = 0;           // the character candidates are found by
  std::array<std::uint8_t, 256> candidates_{};  // kOneByteForm | kSecondByte per byte
  ByteScanner scanner_;                         // the bytes with a candidates_ mark
  std::vector<std::uint8_t> few_;               // the same when at most four: found by memchr each
  bool matchCase_ = false;
  LeadByteTest lead_;
};

}  // namespace quelt
