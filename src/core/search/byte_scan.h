// The first byte of a set in a run of text, eight bytes at a time where the
// set allows: up to four values are compared against a whole word at once,
// an ASCII range is tested with a word's arithmetic; any other set goes
// through a table four bytes at a time. A word that may hold a member is
// then looked at byte by byte, so the answer is always exact.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

#include "base/types.h"

namespace quelt {

class ByteScanner {
 public:
  void Build(const std::array<bool, 256>& set) {
    in_ = set;
    int count = 0, low = -1, high = -1;
    bool contiguous = true;
    for (int b = 0; b < 256; ++b) {
      if (!set[b]) continue;
      if (count < 4) few_[count] = static_cast<std::uint8_t>(b);
      if (high >= 0 && b != high + 1) contiguous = false;
      if (low < 0) low = b;
      high = b;
      ++count;
    }
    if (count == 0) {
      kind_ = Kind::kNone;
    } else if (count <= 4) {
      kind_ = Kind::kFew;
      for (int i = count; i < 4; ++i) few_[i] = few_[0];
      for (int i = 0; i < 4; ++i) spread_[i] = kOnes * few_[i];
    } else if (contiguous && low > 0 && high < 0x80) {
      kind_ = Kind::kRange;
      // Bytes strictly between low - 1 and high + 1.
      below_ = kOnes * static_cast<std::uint64_t>(127 + high + 1);
      above_ = kOnes * static_cast<std::uint64_t>(127 - (low - 1));
    } else {
      kind_ = Kind::kTable;
    }
  }

  bool Has(std::uint8_t b) const { return in_[b]; }
  // Whether Next goes faster than a byte at a time.
  bool Fast() const { return kind_ != Kind::kTable; }

  // The first position in [pos, end) whose byte is in the set, or end.
  TextOffset Next(const std::uint8_t* bytes, TextOffset pos, TextOffset end) const {
    switch (kind_) {
      case Kind::kNone:
        return end;
      case Kind::kFew:
        while (pos + 8 <= end && !FewIn(Word(bytes + pos))) pos += 8;
        break;
      case Kind::kRange:
        while (pos + 8 <= end && !RangeIn(Word(bytes + pos))) pos += 8;
        break;
      case Kind::kTable:
        while (pos + 4 <= end && !(in_[bytes[pos]] | in_[bytes[pos + 1]] | in_[bytes[pos + 2]] | in_[bytes[pos + 3]])) {
          pos += 4;
        }
        break;
    }
    while (pos < end && !in_[bytes[pos]]) ++pos;
    return pos;
  }

 private:
  enum class Kind : std::uint8_t { kNone, kFew, kRange, kTable };
  static constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  static constexpr std::uint64_t kHighs = 0x8080808080808080ull;
  static constexpr std::uint64_t kLows = 0x7F7F7F7F7F7F7F7Full;

  static std::uint64_t Word(const std::uint8_t* at) {
    std::uint64_t w;
    std::memcpy(&w, at, sizeof w);
    return w;
  }
  static std::uint64_t HasZero(std::uint64_t v) { return (v - kOnes) & ~v & kHighs; }
  bool FewIn(std::uint64_t w) const {
    return (HasZero(w ^ spread_[0]) | HasZero(w ^ spread_[1]) | HasZero(w ^ spread_[2]) | HasZero(w ^ spread_[3])) != 0;
  }
  bool RangeIn(std::uint64_t w) const {
    const std::uint64_t low7 = w & kLows;
    return ((below_ - low7) & ~w & (low7 + above_) & kHighs) != 0;
  }

  Kind kind_ = Kind::kNone;
  std::array<bool, 256> in_{};
  std::array<std::uint8_t, 4> few_{};
  std::array<std::uint64_t, 4> spread_{};
  std::uint64_t below_ = 0;
  std::uint64_t above_ = 0;
};

}  // namespace quelt
