// The plain search: the text byte for byte, ASCII letters of one-byte
// characters without regard to case unless case is matched, optionally as a
// whole word. Candidates come from memchr on the rarest byte of the text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "search/scan_range.h"
#include "search/search_options.h"

namespace quelt {

class SearchCore {
 public:
  // False for an empty text.
  bool Prepare(std::string_view text, bool matchCase, bool wholeWord, LeadByteTest lead);

  SearchHit Find(const std::uint8_t* bytes, std::uint32_t length, TextOffset from, TextOffset to, bool down,
                 const CancelPoll* poll) const {
    return FindStarting(bytes, length, from, to, to, down, poll);
  }
  // A match starting in [from, startTo) and ending at or before to.
  SearchHit FindStarting(const std::uint8_t* bytes, std::uint32_t length, TextOffset from, TextOffset startTo,
                         TextOffset to, bool down, const CancelPoll* poll) const;

  // The first position in [pos, limit) where the text's bytes match and end
  // at or before `to`, or `limit`. Character boundaries are not checked.
  TextOffset NextCandidate(const std::uint8_t* bytes, TextOffset pos, TextOffset limit, TextOffset to) const;

  std::uint32_t size() const { return static_cast<std::uint32_t>(text_.size()); }

 private:
  bool MatchesAt(const std::uint8_t* at) const;
  bool Accepted(const std::uint8_t* bytes, std::uint32_t length, TextOffset start) const;

  std::string text_;        // one-byte letters in lower case when folding
  std::string folds_;       // 1 where the byte is a one-byte letter compared without case
  std::uint32_t rare_ = 0;  // index of the byte memchr looks for
  bool wholeWord_ = false;
  bool endsInLoneLead_ = false;
  LeadByteTest lead_;
};

}  // namespace quelt
