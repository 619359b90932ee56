// The pattern search: a parsed pattern compiled to an automaton and run by
// lazily built deterministic automata over character classes, in time linear
// in the text for every pattern.
//
// A downward search runs the forward automaton from the range's start,
// starting the pattern anew at every character: the last match it meets
// before no way is left is the end of the match a greedy backtracking
// matcher gives for the leftmost start; the reversed pattern, run backwards
// from that end, finds the start. An upward search runs the reversed pattern
// backwards from the range's end to find the last start of a match, then the
// forward automaton from there for its end.
//
// While the forward automaton holds nothing but the fresh start it skips
// ahead: to the next line start for "^", to the next place of a literal
// prefix, to a literal the pattern must contain (less what can stand before
// it on its line), or to the next byte a match can start with.
//
// The rules are those of the backtracking reference (regex_backtrack.h):
// greedy repetitions, the leftmost start, a zero-length match counting as
// none, more than ten repetition elements never matching.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "search/byte_scan.h"
#include "search/regex_classes.h"
#include "search/regex_dfa.h"
#include "search/regex_program.h"
#include "search/search_core.h"
#include "search/search_options.h"

namespace quelt {


class PatternSearcher {
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
  enum class Skip : std::uint8_t { kNone, kLines, kPrefix, kInner, kFirstBytes };
  struct Scan;

  void ChooseSkip(const ParsedPattern& parsed, bool matchCase);
  TextOffset SkipTo(Scan& scan, TextOffset p) const;
  TextOffset ForwardEnd(Scan& scan, TextOffset from, TextOffset startTo, TextOffset& origin) const;
  TextOffset ForwardFrom(Scan& scan, TextOffset start) const;
  // The reverse automaton from state s at p back to from: atMatch(p) is
  // called at each place a match can start, and stops the scan by giving
  // true. False when the scan was cancelled.
  template <typename AtMatch>
  bool ScanBack(Scan& scan, TextOffset from, TextOffset p, std::int32_t s, AtMatch atMatch) const;
  TextOffset StartBefore(Scan& scan, TextOffset end, TextOffset from) const;
  TextOffset LastStart(Scan& scan, TextOffset from, TextOffset startTo) const;
  std::uint16_t ClassAt(const Scan& scan, TextOffset p, TextOffset& next) const;

  CharClasses classes_;
  Program forward_;
  Program reverse_;
  mutable LazyDfa forwardDfa_;
  mutable LazyDfa reverseDfa_;
  Skip skip_ = Skip::kNone;
  SearchCore literal_;
  std::uint32_t maxBefore_ = 0;  // kInner: bytes before the literal, or kUnboundedReach
  ByteScanner firstBytes_;  // kFirstBytes: the bytes a match can start with
  std::array<bool, 256> lineFirst_{};  // kLines: the same
  bool anchorStart_ = false;
  bool anchorEnd_ = false;
  bool never_ = true;
  std::uint32_t reach_ = 0;
  LeadByteTest lead_;
};

}  // namespace quelt
