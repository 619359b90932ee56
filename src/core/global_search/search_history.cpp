#include "global_search/search_history.h"

#include <algorithm>

#include "base/sjis.h"

namespace quelt {

std::string CutAtCharBoundary(std::string_view text, std::size_t limit) {
  const auto* b = reinterpret_cast<const std::uint8_t*>(text.data());
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t n = SjisCharSize(b, text.size(), i);
    if (i + n > limit) break;
    i += n;
  }
  return std::string(text.substr(0, i));
}

void GlobalSearchHistory::Add(std::string_view entry) {
  std::string e = CutAtCharBoundary(entry, maxLength_);
  if (e.empty()) return;
  entries_.erase(std::remove(entries_.begin(), entries_.end(), e), entries_.end());
  entries_.insert(entries_.begin(), std::move(e));
  if (entries_.size() > kHistoryEntries) entries_.resize(kHistoryEntries);
}

void GlobalSearchHistory::Assign(const std::vector<std::string>& newestFirst) {
  entries_.clear();
  for (auto it = newestFirst.rbegin(); it != newestFirst.rend(); ++it) Add(*it);
}

}  // namespace quelt
