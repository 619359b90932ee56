#include "search/search_engine.h"

namespace quelt {

std::string CutSearchText(std::string_view text) {
  if (text.size() <= kMaxSearchText) return std::string(text);
  std::size_t i = 0;
  while (i < kMaxSearchText) i += IsSjisLeadByte(static_cast<std::uint8_t>(text[i])) ? 2 : 1;
  if (i > kMaxSearchText) i -= 2;
  return std::string(text.substr(0, i));
}

bool Searcher::Prepare(std::string_view text, const SearchOptions& options) {
  path_ = Path::kNone;
  bool ready = false;
  Path path = Path::kPlain;
  if (options.regex) {
    path = Path::kPattern;
    ready = pattern_.Prepare(text, options);
  } else if (!options.distinguishWidth) {
    path = Path::kFolded;
    ready = folded_.Prepare(text, options.matchCase, options.lead);
  } else if (options.multiText) {
    path = Path::kMulti;
    ready = multi_.Prepare(text, options.matchCase, options.lead);
  } else {
    ready = plain_.Prepare(text, options.matchCase, options.wholeWord, options.lead);
  }
  if (ready) path_ = path;
  return ready;
}

SearchHit Searcher::FindStarting(const std::uint8_t* bytes, std::uint32_t length, TextOffset from,
                                 TextOffset startTo, TextOffset to, bool down, const CancelPoll* poll) const {
  switch (path_) {
    case Path::kPlain:
      return plain_.FindStarting(bytes, length, from, startTo, to, down, poll);
    case Path::kMulti:
      return multi_.FindStarting(bytes, length, from, startTo, to, down, poll);
    case Path::kPattern:
      return pattern_.FindStarting(bytes, length, from, startTo, to, down, poll);
    case Path::kFolded:
      return folded_.FindStarting(bytes, length, from, startTo, to, down, poll);
    case Path::kNone:
      break;
  }
  return SearchHit{};
}

std::uint32_t Searcher::Reach() const {
  switch (path_) {
    case Path::kPlain:
      return plain_.size() + 1;
    case Path::kMulti:
      return multi_.Longest() + 1;
    case Path::kPattern:
      return pattern_.Reach();
    case Path::kFolded:
      return folded_.Reach();
    case Path::kNone:
      break;
  }
  return 0;
}

}  // namespace quelt
