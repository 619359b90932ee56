#include "extract/line_matcher.h"

#include "search/search_engine.h"

namespace quelt {

SearchOptions ExtractSearchOptions(const ExtractSettings& settings, LeadByteTest lead) {
  SearchOptions o;
  o.matchCase = settings.caseSensitive;
  o.regex = settings.regularExpression;
  o.distinguishWidth = settings.distinguishWidth;
  o.lead = lead;
  return o;
}

bool MatchLines(std::string_view text, const ExtractLines& lines, const std::vector<ExtractEntry>& entries,
                const SearchOptions& options, const CancelPoll* poll, std::vector<std::int8_t>& first) {
  first.assign(lines.Count(), kNoEntry);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  const auto length = static_cast<std::uint32_t>(text.size());
  bool stopped = false;
  CancelPoll watched;
  if (poll != nullptr && *poll) {
    watched = [&] { return stopped = stopped || (*poll)(); };
  }
  const CancelPoll* const asked = watched ? &watched : nullptr;
  const std::size_t count = entries.size() < kMaxExtractEntries ? entries.size() : kMaxExtractEntries;
  for (std::size_t e = 0; e < count; ++e) {
    Searcher searcher;
    if (!searcher.Prepare(entries[e].text, options)) continue;
    std::uint32_t line = 0;
    TextOffset pos = 0;
    while (pos < length && line < lines.Count()) {
      const SearchHit hit = searcher.Find(bytes, length, pos, length, true, asked);
      if (stopped) return false;
      if (!hit.found) break;
      while (lines.End(line) <= hit.start) ++line;
      // A hit over the line's CR LF (a string that holds a line end, or a
      // character read across it) is no hit of this line, which may still
      // hold one of its own.
      bool inLine = hit.start + hit.length <= lines.TextEnd(line);
      if (!inLine && first[line] == kNoEntry && lines.Start(line) < lines.TextEnd(line)) {
        inLine = searcher.Find(bytes, length, lines.Start(line), lines.TextEnd(line), true, asked).found;
        if (stopped) return false;
      }
      if (inLine && first[line] == kNoEntry) first[line] = static_cast<std::int8_t>(e);
      pos = lines.End(line);
      ++line;
    }
  }
  return true;
}

}  // namespace quelt
