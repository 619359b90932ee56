#include "search/search_core.h"

#include <cstring>

namespace quelt {
namespace {

bool IsAsciiLetter(std::uint8_t c) { return static_cast<std::uint8_t>((c | 0x20) - 'a') < 26; }
bool IsWordByte(std::uint8_t c) { return IsAsciiLetter(c) || c == '_'; }

// A rough rank of how common a byte is in Japanese text mixed with English:
// lower is rarer.
int Commonness(std::uint8_t c) {
  static constexpr char kLetters[] = "etaoinsrhldcumfpgwybvkxjqz";
  if (c == ' ' || c == kCr || c == kLf) return 250;
  if (c >= 0x81 && c <= 0x83) return 240;
  if (c >= 0x88 && c <= 0x9F) return 200;
  if (c >= 'a' && c <= 'z') return 180 - 5 * static_cast<int>(std::strchr(kLetters, c) - kLetters);
  if (c >= 0xA0 && c <= 0xF1) return 150;
  if (c >= 'A' && c <= 'Z') return 70;
  if (c >= '0' && c <= '9') return 80;
  if (c >= 0x40) return 100;
  return 40;
}

// The whole-word rule applies to texts of ASCII letters, '_' and '\'' with
// at least one letter.
bool IsWordText(std::string_view text) {
  bool letter = false;
  for (char ch : text) {
    const auto c = static_cast<std::uint8_t>(ch);
    if (IsAsciiLetter(c)) {
      letter = true;
    } else if (c != '_' && c != '\'') {
      return false;
    }
  }
  return letter;
}

}  // namespace

bool SearchCore::Prepare(std::string_view text, bool matchCase, bool wholeWord, LeadByteTest lead) {
  if (text.empty()) return false;
  lead_ = lead;
  text_.assign(text);
  folds_.assign(text.size(), 0);
  endsInLoneLead_ = false;
  for (std::size_t i = 0; i < text_.size();) {
    const auto c = static_cast<std::uint8_t>(text_[i]);
    if (lead(c)) {
      if (i + 1 == text_.size()) endsInLoneLead_ = true;
      i += 2;
      continue;
    }
    if (!matchCase && IsAsciiLetter(c)) {
      text_[i] = static_cast<char>(c | 0x20);
      folds_[i] = 1;
    }
    ++i;
  }
  wholeWord_ = wholeWord && IsWordText(text);
  // The rarest byte, a byte compared exactly winning over a folded letter.
  int best = 1 << 30;
  for (std::uint32_t i = 0; i < text_.size(); ++i) {
    const int score = Commonness(static_cast<std::uint8_t>(text_[i])) + (folds_[i] ? 100 : 0);
    if (score < best) {
      best = score;
      rare_ = i;
    }
  }
  return true;
}

bool SearchCore::MatchesAt(const std::uint8_t* at) const {
  const auto* p = reinterpret_cast<const std::uint8_t*>(text_.data());
  const std::size_t n = text_.size();
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint8_t c = folds_[i] ? static_cast<std::uint8_t>(at[i] | 0x20) : at[i];
    if (c != p[i]) return false;
  }
  return true;
}

TextOffset SearchCore::NextCandidate(const std::uint8_t* bytes, TextOffset pos, TextOffset limit,
                                     TextOffset to) const {
  const std::uint32_t n = size();
  if (to < n) return limit;
  // Starts past to - n cannot fit.
  const TextOffset last = to - n;
  const TextOffset end = limit <= last ? limit : last + 1;
  if (pos >= end) return limit;
  const auto target = static_cast<std::uint8_t>(text_[rare_]);
  const std::uint8_t* const base = bytes + rare_;
  if (!folds_[rare_]) {
    const std::uint8_t* at = base + pos;
    const std::uint8_t* const stop = base + end;
    while (at < stop) {
      const void* found = std::memchr(at, target, static_cast<std::size_t>(stop - at));
      if (found == nullptr) break;
      const auto* hit = static_cast<const std::uint8_t*>(found);
      if (MatchesAt(hit - rare_)) return static_cast<TextOffset>(hit - base);
      at = hit + 1;
    }
    return limit;
  }
  // A folded letter: the nearer of its two cases, each found by memchr.
  const std::uint8_t upper = target & 0xDF;
  const std::uint8_t* const stop = base + end;
  const std::uint8_t* at = base + pos;
  auto next = [stop](const std::uint8_t* from, std::uint8_t c) {
    const void* f = from < stop ? std::memchr(from, c, static_cast<std::size_t>(stop - from)) : nullptr;
    return f != nullptr ? static_cast<const std::uint8_t*>(f) : stop;
  };
  const std::uint8_t* lowerAt = next(at, target);
  const std::uint8_t* upperAt = next(at, upper);
  while (true) {
    const std::uint8_t* hit = lowerAt < upperAt ? lowerAt : upperAt;
    if (hit >= stop) return limit;
    if (MatchesAt(hit - rare_)) return static_cast<TextOffset>(hit - base);
    if (hit == lowerAt) lowerAt = next(hit + 1, target);
    if (hit == upperAt) upperAt = next(hit + 1, upper);
  }
}

bool SearchCore::Accepted(const std::uint8_t* bytes, std::uint32_t length, TextOffset start) const {
  const TextOffset end = start + size();
  // A text ending in a lone lead byte would otherwise end inside a character.
  if (endsInLoneLead_ && end < length) return false;
  if (!wholeWord_) return true;
  if (start > 0 && IsWordByte(bytes[start - 1]) && !EndsDoubleByte(bytes, start, lead_)) return false;
  return end >= length || !IsWordByte(bytes[end]);
}

SearchHit SearchCore::FindStarting(const std::uint8_t* bytes, std::uint32_t length, TextOffset from,
                                   TextOffset startTo, TextOffset to, bool down, const CancelPoll* poll) const {
  if (text_.empty() || to > length || startTo > to || from >= startTo) return SearchHit{};
  return ScanRange(bytes, from, startTo, down, poll, lead_,
                   [&](TextOffset pos, TextOffset limit, CharBoundaries& boundaries) {
                     while (pos < limit) {
                       const TextOffset at = NextCandidate(bytes, pos, limit, to);
                       if (at >= limit) break;
                       if (boundaries.At(at) && Accepted(bytes, length, at)) return SearchHit{true, at, size()};
                       pos = at + 1;
                     }
                     return SearchHit{};
                   });
}

}  // namespace quelt
