// The rules of one search in a text window, without the window: where it
// starts, which part of the text it covers, wrapping around, whether the
// selection is a hit (replace), and replace all as one rebuilt range.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/sjis.h"
#include "base/types.h"
#include "search/search_engine.h"
#include "view/text_lines.h"

namespace quelt {

// The settings a search reads ("WholeWord", "EnableEscapeSequence",
// "FullEscapeSequence", "FindRound", "MultiText").
struct FindSettings {
  bool wholeWord = false;
  bool escapes = false;
  bool fullEscapes = false;
  bool wrap = true;
  bool multiText = false;
};

// The dialog's options for one search.
struct FindFlags {
  bool matchCase = false;
  bool regex = false;
  bool distinguishWidth = true;
};

// Makes the searcher for a search string: the string is cut to 80 bytes and,
// with escape sequences on, decoded (a regular expression reads its escapes
// itself). False when nothing can be searched for (the caller beeps).
bool PrepareSearcher(Searcher& searcher, std::string_view text, const FindFlags& flags,
                     const FindSettings& settings, LeadByteTest lead);
// The replacement as it is inserted: cut to 80 bytes and decoded with escape
// sequences on; false when the decoding fails.
bool PrepareReplacement(std::string_view text, const FindSettings& settings, LeadByteTest lead,
                        std::string& out);

// The bytes a search runs over.
struct SearchText {
  const std::uint8_t* bytes = nullptr;
  std::uint32_t length = 0;
  LeadByteTest lead;
};

struct FindPass {
  TextRange scope;                   // the whole text, or the dialog's scope
  TextOffset caret = 0;              // the caret's text position
  bool caretInVirtualSpace = false;  // the search then starts after the line end
  std::optional<TextRange> lastHit;  // the selection, while it is the last search hit
  bool down = true;
  bool wrap = true;
};

// The start point: the caret (after the line end in virtual space); after a
// hit that is still selected, the character after its first character
// (down) or the hit's start (up).
TextOffset FindStartPoint(const SearchText& text, const FindPass& pass);
// Searches [start, scope end) down, or up the matches that start in
// [scope start, start) and end by the scope's end; a start
// outside the scope is moved to the scope's start. Without a hit and with
// wrapping, the whole scope is searched once more.
SearchHit FindInScope(const Searcher& searcher, const SearchText& text, const FindPass& pass,
                      const CancelPoll* poll = nullptr);
// Whether the range is exactly a match of the searcher.
bool RangeIsHit(const Searcher& searcher, const SearchText& text, TextRange range);

// Replace all as one rebuilt range: [from, from + removed) of the text
// becomes `inserted`, holding every hit of the scope replaced.
struct ReplaceAllPlan {
  std::uint32_t count = 0;
  TextOffset from = 0;
  std::uint32_t removed = 0;
  std::string inserted;
  bool cancelled = false;  // the poll stopped the search; the hits before are replaced
};
ReplaceAllPlan PlanReplaceAll(const Searcher& searcher, const SearchText& text, TextRange scope,
                              std::string_view replacement, const CancelPoll* poll = nullptr);

// The top line that shows a hit on hitLine within the first `rows` rows of
// the window (those above the dialog while one is open): unchanged when the
// line lies there already, otherwise the line stands at half their height.
std::uint32_t TopLineForHit(std::uint32_t top, std::uint32_t rows, std::uint32_t hitLine, std::uint32_t maxTop);

// The scope a dialog takes when it opens: a stream selection longer than 80
// bytes or holding a line end (through its last character); otherwise none.
std::optional<TextRange> DialogScope(const SearchText& text, std::optional<TextRange> selection);

}  // namespace quelt
