// The search engine: a search text prepared once and run over many ranges
// (the edit window, replace all, a search over the blocks of many files).
//   regex on                        -> the pattern search
//   otherwise widths not distinguished -> the plain search with widths folded
//   otherwise multiText on          -> several alternatives
//   otherwise                       -> the plain search
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "search/multi_text.h"
#include "search/regex_search.h"
#include "search/search_core.h"
#include "search/search_options.h"
#include "search/width_search.h"

namespace quelt {

// The first 80 bytes of a text, one less when the 80th byte would split a
// double-byte character.
std::string CutSearchText(std::string_view text);

class Searcher {
 public:
  // False when the text cannot be searched for: empty, or a regular
  // expression over 80 bytes or malformed. The text is used as given
  // (already cut and escape-decoded by the caller).
  bool Prepare(std::string_view text, const SearchOptions& options);

  // The first (down) or last (up) match lying wholly inside [from, to) of
  // bytes[0..length). from and to are character boundaries. The byte before
  // and the byte after the range may be read for whole words and anchors.
  SearchHit Find(const std::uint8_t* bytes, std::uint32_t length, TextOffset from, TextOffset to, bool down,
                 const CancelPoll* poll = nullptr) const {
    return FindStarting(bytes, length, from, to, to, down, poll);
  }

  // The first (down) or last (up) match that starts in [from, startTo) and
  // ends at or before to (startTo <= to): an upward search takes a match
  // that starts before its start point and runs past it.
  SearchHit FindStarting(const std::uint8_t* bytes, std::uint32_t length, TextOffset from, TextOffset startTo,
                         TextOffset to, bool down, const CancelPoll* poll = nullptr) const;

  // The most bytes a match starting at a position, with the bytes looked at
  // after it (whole words, "$"), can reach from there; kUnboundedReach when a
  // repetition can run on.
  std::uint32_t Reach() const;

 private:
  enum class Path { kNone, kPlain, kMulti, kPattern, kFolded };
  Path path_ = Path::kNone;
  SearchCore plain_;
  FoldedSearcher folded_;
  MultiTextSearcher multi_;
  PatternSearcher pattern_;
};

}  // namespace quelt
