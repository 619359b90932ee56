#include "view/bracket_match.h"

namespace quelt {
namespace {

constexpr char kOpening[] = "([{<";
constexpr char kClosing[] = ")]}>";

int PairOf(std::uint8_t c, bool& opening) {
  for (int i = 0; i < 4; ++i) {
    if (c == static_cast<std::uint8_t>(kOpening[i])) {
      opening = true;
      return i;
    }
    if (c == static_cast<std::uint8_t>(kClosing[i])) {
      opening = false;
      return i;
    }
  }
  return -1;
}

}  // namespace

bool IsCharStart(const std::uint8_t* bytes, TextOffset from, TextOffset p, LeadByteTest lead) {
  if (!lead.enabled()) return true;
  TextOffset q = p;
  while (q > from && lead(bytes[q - 1])) --q;
  return ((p - q) & 1) == 0;
}

std::optional<TextOffset> MatchBracket(const std::uint8_t* bytes, std::uint32_t length, TextOffset p,
                                       LeadByteTest lead) {
  if (p >= length) return std::nullopt;
  bool opening = false;
  const int pair = PairOf(bytes[p], opening);
  if (pair < 0) return std::nullopt;
  const auto open = static_cast<std::uint8_t>(kOpening[pair]);
  const auto close = static_cast<std::uint8_t>(kClosing[pair]);
  int level = 0;
  if (opening) {
    for (TextOffset q = p + 1; q < length;) {
      const std::uint8_t c = bytes[q];
      if (lead(c) && q + 1 < length) {
        q += 2;
        continue;
      }
      if (c == open) {
        ++level;
      } else if (c == close) {
        if (level == 0) return q;
        --level;
      }
      ++q;
    }
    return std::nullopt;
  }
  for (TextOffset q = p; q > 0;) {
    --q;
    const std::uint8_t c = bytes[q];
    if (c != open && c != close) continue;
    // Brackets below 0x40 are never second bytes; "[", "]", "{", "}" may be.
    if (c >= 0x40 && !IsCharStart(bytes, 0, q, lead)) continue;
    if (c == close) {
      ++level;
    } else {
      if (level == 0) return q;
      --level;
    }
  }
  return std::nullopt;
}

}  // namespace quelt
