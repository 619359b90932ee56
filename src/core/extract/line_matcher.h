// Which logical lines contain which entry strings of line extraction. Each
// entry is searched for once over the whole text with the editor's search
// engine (the plain search when neither regular expressions nor width
// folding apply), so a list of five strings costs five passes, not five
// searches per line.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "extract/extract_lines.h"
#include "extract/extract_settings.h"
#include "search/search_options.h"

namespace quelt {

// No entry of the list matches the line.
constexpr std::int8_t kNoEntry = -1;

// The search options of the settings' three matching options.
SearchOptions ExtractSearchOptions(const ExtractSettings& settings, LeadByteTest lead);

// For each line, the index of the first entry (in list order) whose string
// the line's text (without its CR LF) contains, or kNoEntry. An entry the
// engine cannot search for (a malformed regular expression) matches no
// line. False when the poll stopped the search; first is then incomplete.
// Throws std::bad_alloc when the table cannot be had.
bool MatchLines(std::string_view text, const ExtractLines& lines, const std::vector<ExtractEntry>& entries,
                const SearchOptions& options, const CancelPoll* poll, std::vector<std::int8_t>& first);

}  // namespace quelt
