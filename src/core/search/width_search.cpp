#include "search/width_search.h"

#include <cstring>

#include "search/width_fold.h"

namespace quelt {
namespace {

constexpr TextOffset kNoStart = 0xFFFFFFFFu;

// A rough weight of how often a byte turns up in Japanese text with ASCII
// words in it: lower is rarer. Lead bytes of kana and kanji are common, the
// other double-byte lead bytes and most second bytes are not.
int Weight(std::uint8_t c) {
  static constexpr char kLetters[] = "etaoinsrhldcumfpgwybvkxjqz";
  if (c == ' ' || c == kCr || c == kLf) return 250;
  if (c >= 'a' && c <= 'z') {
    int i = 0;
    while (kLetters[i] != static_cast<char>(c)) ++i;
    return 180 - 5 * i;
  }
  if (c == 0x82 || c == 0x83) return 220;
  if (c == 0x81 || (c >= 0x88 && c <= 0x9F)) return 150;
  if (c >= 'A' && c <= 'Z') return 70;
  if (c >= '0' && c <= '9') return 80;
  if (c >= 0x40 && c <= 0xFC) return 60;
  return 40;
}

}  // namespace

std::uint16_t FoldedSearcher::Key(std::uint16_t code) const {
  if (code > 0xFF) code = FoldWidth(code);
  if (!matchCase_ && code >= 'A' && code <= 'Z') code = static_cast<std::uint16_t>(code | 0x20);
  return code;
}

bool FoldedSearcher::Prepare(std::string_view text, bool matchCase, LeadByteTest lead) {
  keys_.clear();
  if (text.empty()) return false;
  matchCase_ = matchCase;
  lead_ = lead;
  for (std::size_t i = 0; i < text.size();) {
    std::uint16_t code = static_cast<std::uint8_t>(text[i]);
    if (lead(static_cast<std::uint8_t>(code)) && i + 1 < text.size()) {
      code = static_cast<std::uint16_t>(code << 8 | static_cast<std::uint8_t>(text[i + 1]));
      i += 2;
    } else {
      ++i;
    }
    keys_.push_back(Key(code));
  }
  // The character whose forms end in the rarest bytes.
  int best = 1 << 30;
  for (std::size_t k = 0; k < keys_.size(); ++k) {
    std::array<std::uint8_t, 256> marks{};
    for (int b = 0; b < 256; ++b) {
      if (Key(static_cast<std::uint16_t>(b)) == keys_[k]) marks[b] |= kOneByteForm;
    }
    if (lead.enabled()) {
      if (keys_[k] > 0xFF) marks[keys_[k] & 0xFF] |= kSecondByte;
      for (std::uint32_t c = 0x8140; c <= 0x83FF; ++c) {
        if (Key(static_cast<std::uint16_t>(c)) == keys_[k]) marks[c & 0xFF] |= kSecondByte;
      }
    }
    int score = 0;
    for (int b = 0; b < 256; ++b) score += marks[b] != 0 ? Weight(static_cast<std::uint8_t>(b)) : 0;
    if (score < best) {
      best = score;
      anchor_ = k;
      candidates_ = marks;
    }
  }
  std::array<bool, 256> set{};
  few_.clear();
  for (int b = 0; b < 256; ++b) {
    set[b] = candidates_[b] != 0;
    if (set[b]) few_.push_back(static_cast<std::uint8_t>(b));
  }
  if (few_.size() > 4) few_.clear();
  scanner_.Build(set);
  return true;
}

TextOffset FoldedSearcher::MatchAt(const std::uint8_t* bytes, std::uint32_t length, TextOffset from, TextOffset to,
                                   TextOffset c, TextOffset cEnd, TextOffset& end) const {
  // Forwards over the characters after the anchor.
  TextOffset p = cEnd;
  for (std::size_t k = anchor_ + 1; k < keys_.size(); ++k) {
    if (p >= to) return kNoStart;
    std::uint16_t code = bytes[p];
    TextOffset next = p + 1;
    if (lead_(bytes[p]) && p + 1 < length) {
      code = static_cast<std::uint16_t>(code << 8 | bytes[p + 1]);
      next = p + 2;
    }
    if (next > to || Key(code) != keys_[k]) return kNoStart;
    p = next;
  }
  // Backwards over the characters before it.
  TextOffset s = c;
  if (anchor_ > 0) {
    CharsBefore chars(bytes, from, lead_);
    for (std::size_t k = anchor_; k-- > 0;) {
      if (s <= from) return kNoStart;
      const TextOffset q = chars.Start(s);
      const std::uint16_t code = s - q == 2 ? static_cast<std::uint16_t>(bytes[q] << 8 | bytes[q + 1])
                                            : static_cast<std::uint16_t>(bytes[q]);
      if (Key(code) != keys_[k]) return kNoStart;
      s = q;
    }
  }
  end = p;
  return s;
}

SearchHit FoldedSearcher::FindStarting(const std::uint8_t* bytes, std::uint32_t length, TextOffset from,
                                       TextOffset startTo, TextOffset to, bool down, const CancelPoll* poll) const {
  if (keys_.empty() || to > length || startTo > to || from >= startTo) return SearchHit{};
  // The anchor's last byte lies this far past a match's start at most.
  const auto ahead = static_cast<TextOffset>(2 * anchor_ + 2);
  return ScanRange(bytes, from, startTo, down, poll, lead_,
                   [&](TextOffset pos, TextOffset limit, CharBoundaries& boundaries) {
                     const TextOffset stop = to - limit > ahead ? limit + ahead : to;
                     // The next place of each of few_, by memchr over a
                     // stretch at a time (a rare byte is not looked for far
                     // past a match that ends the search).
                     constexpr TextOffset kStretch = 4096;
                     std::array<TextOffset, 4> next{};
                     std::array<bool, 4> real{};
                     auto find = [&](std::size_t i, TextOffset at) {
                       const TextOffset end = stop - at > kStretch ? at + kStretch : stop;
                       const void* f = at < end ? std::memchr(bytes + at, few_[i], end - at) : nullptr;
                       real[i] = f != nullptr;
                       next[i] = real[i] ? static_cast<TextOffset>(static_cast<const std::uint8_t*>(f) - bytes) : end;
                     };
                     for (std::size_t i = 0; i < few_.size(); ++i) find(i, pos);
                     TextOffset x = pos;
                     while (true) {
                       if (few_.empty()) {
                         x = scanner_.Next(bytes, x, stop);
                       } else {
                         x = stop;
                         for (std::size_t i = 0; i < few_.size(); ++i) x = next[i] < x ? next[i] : x;
                         bool candidate = false;
                         for (std::size_t i = 0; i < few_.size(); ++i) {
                           if (next[i] != x) continue;
                           candidate = candidate || real[i];
                           find(i, real[i] ? x + 1 : x);
                         }
                         if (x < stop && !candidate) continue;
                       }
                       if (x >= stop) return SearchHit{};
                       const std::uint8_t kind = candidates_[bytes[x]];
                       TextOffset end = 0;
                       // The anchor as a one-byte character at x.
                       if ((kind & kOneByteForm) && (!lead_(bytes[x]) || x + 1 == length) && boundaries.At(x)) {
                         const TextOffset s = MatchAt(bytes, length, from, to, x, x + 1, end);
                         if (s != kNoStart && s >= pos && s < limit) return SearchHit{true, s, end - s};
                       }
                       // The anchor as a double-byte character ending at x.
                       if ((kind & kSecondByte) && x > from && lead_(bytes[x - 1]) &&
                           Key(static_cast<std::uint16_t>(bytes[x - 1] << 8 | bytes[x])) == keys_[anchor_] &&
                           boundaries.At(x - 1)) {
                         const TextOffset s = MatchAt(bytes, length, from, to, x - 1, x + 1, end);
                         if (s != kNoStart && s >= pos && s < limit) return SearchHit{true, s, end - s};
                       }
                       ++x;
                     }
                   });
}

}  // namespace quelt
