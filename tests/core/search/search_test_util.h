// Helpers of the search tests: texts in heap buffers of their exact size (so
// the address sanitizer catches any read outside) and one-call searches.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "search/search_engine.h"

namespace quelt::testing {

class ExactText {
 public:
  explicit ExactText(std::string_view s)
      : size_(static_cast<std::uint32_t>(s.size())), data_(new std::uint8_t[s.empty() ? 1 : s.size()]) {
    if (!s.empty()) std::memcpy(data_.get(), s.data(), s.size());
  }
  const std::uint8_t* data() const { return data_.get(); }
  std::uint32_t size() const { return size_; }

 private:
  std::uint32_t size_;
  std::unique_ptr<std::uint8_t[]> data_;
};

constexpr TextOffset kToEnd = 0xFFFFFFFFu;

inline SearchHit FindIn(std::string_view text, std::string_view pattern, const SearchOptions& options,
                        bool down = true, TextOffset from = 0, TextOffset to = kToEnd) {
  Searcher searcher;
  if (!searcher.Prepare(pattern, options)) return SearchHit{};
  const ExactText buffer(text);
  return searcher.Find(buffer.data(), buffer.size(), from, to == kToEnd ? buffer.size() : to, down);
}

// The start of a hit, or -1.
inline long StartOf(const SearchHit& hit) { return hit.found ? static_cast<long>(hit.start) : -1; }

inline SearchOptions Options(bool matchCase = false) {
  SearchOptions o;
  o.matchCase = matchCase;
  return o;
}

inline SearchOptions RegexOptions(bool matchCase = false, bool distinguishWidth = true) {
  SearchOptions o;
  o.regex = true;
  o.matchCase = matchCase;
  o.distinguishWidth = distinguishWidth;
  return o;
}

}  // namespace quelt::testing
