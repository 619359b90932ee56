#include "find/find_state.h"

#include <algorithm>

namespace quelt {

void SearchHistory::Add(std::string_view text) {
  if (text.empty()) return;
  const auto same = std::find(entries_.begin(), entries_.end(), text);
  if (same != entries_.end()) entries_.erase(same);
  entries_.insert(entries_.begin(), std::string(text));
  if (entries_.size() > kSearchHistorySize) entries_.resize(kSearchHistorySize);
}

}  // namespace quelt
