// The histories of the search over files (its own: the find dialog keeps 16
// entries, uncut): newest first, no two equal
// entries (exact comparison), at most 20 entries, each cut to a maximum
// length at a character boundary.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quelt {

constexpr std::size_t kHistoryEntries = 20;
constexpr std::size_t kSearchHistoryLength = 79;  // search strings
constexpr std::size_t kMaskHistoryLength = 260;   // mask paths

class GlobalSearchHistory {
 public:
  explicit GlobalSearchHistory(std::size_t maxLength) : maxLength_(maxLength) {}

  // Puts the entry (cut to the maximum length) at the front, removing an
  // equal one; the 21st entry falls off. An empty entry is not added.
  void Add(std::string_view entry);
  // Replaces the entries (oldest last), as a state file holds them; the
  // rules of Add apply.
  void Assign(const std::vector<std::string>& newestFirst);

  const std::vector<std::string>& Entries() const { return entries_; }
  std::size_t MaxLength() const { return maxLength_; }

 private:
  std::size_t maxLength_;
  std::vector<std::string> entries_;
};

// The first `limit` bytes of text, one less when that would split a
// double-byte character.
std::string CutAtCharBoundary(std::string_view text, std::size_t limit);

}  // namespace quelt
