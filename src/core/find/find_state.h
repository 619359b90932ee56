// What the application remembers of searching: the last direction and case flag, the dialog options that are
// not settings, and the histories the dialogs' combo boxes and the tool bar's
// find box show.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quelt {

// Entries a history keeps, newest first.
constexpr std::size_t kSearchHistorySize = 16;

class SearchHistory {
 public:
  // Puts text at the front; an equal older entry is dropped, the oldest
  // entry falls off a full history. Empty texts are not kept.
  void Add(std::string_view text);
  const std::vector<std::string>& Entries() const { return entries_; }
  // The newest entry, or "" when there is none.
  std::string Newest() const { return entries_.empty() ? std::string() : entries_.front(); }

 private:
  std::vector<std::string> entries_;
};

struct SearchState {
  bool down = true;
  bool matchCase = false;
  bool regex = false;
  bool distinguishWidth = true;
  SearchHistory texts;
  SearchHistory replacements;
};

}  // namespace quelt
