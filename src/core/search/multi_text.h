// The search for several alternatives at once: the text is split at spaces
// into at most 20 alternatives, each tried in list order at every character.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "search/search_options.h"

namespace quelt {

constexpr std::size_t kMaxAlternatives = 20;
// An alternative this long ends the list (it and the rest are dropped).
constexpr std::size_t kAlternativeTooLong = 256;

// The alternatives of a text: split at one-byte spaces (runs count as one);
// a double quote switches quoting on and off so that an alternative may hold
// spaces, and two double quotes in a row stand for one. Empty alternatives
// are dropped.
std::vector<std::string> SplitAlternatives(std::string_view text, LeadByteTest lead = LeadByteTest());

class MultiTextSearcher {
 public:
  // False when the text holds no alternative.
  bool Prepare(std::string_view text, bool matchCase, LeadByteTest lead);

  SearchHit Find(const std::uint8_t* bytes, std::uint32_t length, TextOffset from, TextOffset to, bool down,
                 const CancelPoll* poll) const {
    return FindStarting(bytes, length, from, to, to, down, poll);
  }
  // A match starting in [from, startTo) and ending at or before to.
  SearchHit FindStarting(const std::uint8_t* bytes, std::uint32_t length, TextOffset from, TextOffset startTo,
                         TextOffset to, bool down, const CancelPoll* poll) const;

  // The longest alternative.
  std::uint32_t Longest() const;

 private:
  struct Alternative {
    std::string bytes;  // one-byte letters in lower case when folding
    std::string folds;  // 1 where a byte is compared without case
    bool endsInLoneLead = false;
  };

  bool MatchesAt(const Alternative& a, const std::uint8_t* bytes, std::uint32_t length, TextOffset at,
                 TextOffset to) const;

  std::vector<Alternative> alternatives_;
  std::array<bool, 256> firstBytes_{};
  LeadByteTest lead_;
};

}  // namespace quelt
