// The backtracking pattern search, kept as the reference the automaton
// (regex_search.h) is tested against: a parsed pattern run by a backtracking
// matcher over the candidates of a prefilter (a literal prefix found like a plain search, the
// line starts of an anchored pattern, or a table of the bytes a match can
// start with). Characters compare after folding widths (when widths are not
// distinguished) and ASCII case (when case is not matched).
//
// Repetitions are greedy and give back one character at a time. Each
// repetition element a match attempt enters opens one level of backtracking,
// and an attempt that would need an eleventh level fails: a pattern with more
// than ten repetition elements never matches. A zero-length match counts as
// none. Failed states are remembered for the rest of a Find, which keeps
// patterns such as "a*a*a*b" from taking exponential time, but the time is
// still quadratic in a line's length: only tests and fuzz targets use it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "search/regex_pattern.h"
#include "search/search_core.h"
#include "search/search_options.h"

namespace quelt {


class BacktrackSearcher {
 public:
  // options.regex chooses the syntax; with it off every character is literal.
  bool Prepare(std::string_view text, const SearchOptions& options);

  SearchHit Find(const std::uint8_t* bytes, std::uint32_t length, TextOffset from, TextOffset to, bool down,
                 const CancelPoll* poll) const {
    return FindStarting(bytes, length, from, to, to, down, poll);
  }
  // A match starting in [from, startTo) and ending at or before to.
  SearchHit FindStarting(const std::uint8_t* bytes, std::uint32_t length, TextOffset from, TextOffset startTo,
                         TextOffset to, bool down, const CancelPoll* poll) const;

  // The most bytes a match and the look at the byte after it reach from the
  // match's start; kUnboundedReach when a repetition can run on.
  std::uint32_t Reach() const { return reach_; }

 private:
  struct Step {
    ElementKind kind;
    Repeat repeat;
    std::uint16_t key;  // kChar: the folded code
    std::uint16_t set;  // kSet: index into sets_
  };
  struct Context {
    const std::uint8_t* bytes;
    std::uint32_t length;
    TextOffset to;
    std::vector<TextOffset>* stack;
    // (element, position) pairs known to fail: a failure does not depend on
    // where the attempt started, so no state is explored twice.
    std::unordered_set<std::uint64_t>* failed;
  };
  static constexpr TextOffset kNoMatch = 0xFFFFFFFFu;

  std::uint16_t Key(std::uint16_t code) const;
  bool Matches(const Step& step, std::uint16_t code) const;
  std::uint32_t MatchOne(const Step& step, const Context& c, TextOffset pos) const;
  TextOffset MatchFrom(const Context& c, std::size_t index, TextOffset pos) const;
  TextOffset NextCandidate(const std::uint8_t* bytes, TextOffset pos, TextOffset limit, TextOffset to) const;
  void BuildSet(const CharSet& set, std::vector<std::uint64_t>& bits) const;
  void BuildFirstBytes();

  std::vector<Step> steps_;
  std::vector<std::vector<std::uint64_t>> sets_;  // one bit per code
  std::array<bool, 256> firstBytes_{};
  int firstByteCount_ = 0;
  std::uint8_t onlyFirstByte_ = 0;
  SearchCore prefix_;
  bool hasPrefix_ = false;
  bool anchorStart_ = false;
  bool anchorEnd_ = false;
  bool never_ = true;
  std::uint32_t reach_ = 0;
  bool matchCase_ = false;
  bool foldWidth_ = false;
  LeadByteTest lead_;
};

}  // namespace quelt
