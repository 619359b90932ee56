#include "search/multi_text.h"

#include <algorithm>

#include "search/scan_range.h"

namespace quelt {

std::vector<std::string> SplitAlternatives(std::string_view text, LeadByteTest lead) {
  std::vector<std::string> list;
  std::string current;
  bool quoting = false;
  auto finish = [&]() {
    if (current.size() >= kAlternativeTooLong) return false;
    if (!current.empty()) list.push_back(std::move(current));
    current.clear();
    return list.size() < kMaxAlternatives;
  };
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (lead(static_cast<std::uint8_t>(c)) && i + 1 < text.size()) {
      current.append(text.substr(i, 2));
      i += 2;
    } else if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
      current += '"';
      i += 2;
    } else if (c == '"') {
      quoting = !quoting;
      ++i;
    } else if (c == ' ' && !quoting) {
      if (!finish()) return list;
      ++i;
    } else {
      current += c;
      ++i;
    }
    if (current.size() >= kAlternativeTooLong) return list;
  }
  finish();
  return list;
}

bool MultiTextSearcher::Prepare(std::string_view text, bool matchCase, LeadByteTest lead) {
  lead_ = lead;
  alternatives_.clear();
  firstBytes_.fill(false);
  for (std::string& s : SplitAlternatives(text, lead)) {
    Alternative a;
    a.folds.assign(s.size(), 0);
    for (std::size_t i = 0; i < s.size();) {
      const auto c = static_cast<std::uint8_t>(s[i]);
      if (lead(c)) {
        a.endsInLoneLead = i + 1 == s.size();
        i += 2;
        continue;
      }
      if (!matchCase && static_cast<std::uint8_t>((c | 0x20) - 'a') < 26) {
        s[i] = static_cast<char>(c | 0x20);
        a.folds[i] = 1;
      }
      ++i;
    }
    const auto first = static_cast<std::uint8_t>(s[0]);
    firstBytes_[first] = true;
    if (a.folds[0]) firstBytes_[first & 0xDF] = true;
    a.bytes = std::move(s);
    alternatives_.push_back(std::move(a));
  }
  return !alternatives_.empty();
}

bool MultiTextSearcher::MatchesAt(const Alternative& a, const std::uint8_t* bytes, std::uint32_t length,
                                  TextOffset at, TextOffset to) const {
  const std::size_t n = a.bytes.size();
  if (to - at < n) return false;
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint8_t c = a.folds[i] ? static_cast<std::uint8_t>(bytes[at + i] | 0x20) : bytes[at + i];
    if (c != static_cast<std::uint8_t>(a.bytes[i])) return false;
  }
  // An alternative ending in a lone lead byte would end inside a character.
  return !a.endsInLoneLead || at + n == length;
}

std::uint32_t MultiTextSearcher::Longest() const {
  std::size_t n = 0;
  for (const Alternative& a : alternatives_) n = std::max(n, a.bytes.size());
  return static_cast<std::uint32_t>(n);
}

SearchHit MultiTextSearcher::FindStarting(const std::uint8_t* bytes, std::uint32_t length, TextOffset from,
                                          TextOffset startTo, TextOffset to, bool down,
                                          const CancelPoll* poll) const {
  if (alternatives_.empty() || to > length || startTo > to || from >= startTo) return SearchHit{};
  return ScanRange(bytes, from, startTo, down, poll, lead_,
                   [&](TextOffset pos, TextOffset limit, CharBoundaries& boundaries) {
                     for (; pos < limit; ++pos) {
                       if (!firstBytes_[bytes[pos]] || !boundaries.At(pos)) continue;
                       for (const Alternative& a : alternatives_) {
                         if (MatchesAt(a, bytes, length, pos, to)) {
                           return SearchHit{true, pos, static_cast<std::uint32_t>(a.bytes.size())};
                         }
                       }
                     }
                     return SearchHit{};
                   });
}

}  // namespace quelt
