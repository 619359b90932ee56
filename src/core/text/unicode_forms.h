// The characters that come in two Unicode forms for one Shift-JIS code, and
// what a document remembers of them: which form each pair is written in and
// whether a file held both. The tally of a decoding counts them, and the
// characters the internal form could not hold.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quelt {

// The pairs, each a code page 932 code whose own form is what the code page
// converts it to and whose alternative is the form other converters use.
enum UnicodePair : int {
  kPairTilde = 0,     // 0x8160: U+FF5E FULLWIDTH TILDE / U+301C WAVE DASH
  kPairParallel = 1,  // 0x8161: U+2225 PARALLEL TO / U+2016 DOUBLE VERTICAL LINE
  kPairMinus = 2,     // 0x817C: U+FF0D FULLWIDTH HYPHEN-MINUS / U+2212 MINUS SIGN
  kPairCent = 3,      // 0x8191: U+FFE0 / U+00A2 CENT SIGN
  kPairPound = 4,     // 0x8192: U+FFE1 / U+00A3 POUND SIGN
  kPairNot = 5,       // 0x81CA: U+FFE2 / U+00AC NOT SIGN
  kPairDash = 6,      // 0x815C: U+2015 HORIZONTAL BAR / U+2014 EM DASH
  kPairCount = 7,
};

struct UnicodeForms {
  std::uint8_t alternative = 0;  // bit per pair: written in its alternative form
  std::uint8_t both = 0;         // bit per pair: the file held both forms
  bool operator==(const UnicodeForms&) const = default;
};

// What one decoding met.
struct UnicodeTally {
  // Characters that code page 932 cannot hold and malformed sequences, each
  // written as the geta mark.
  std::uint64_t unmappable = 0;
  std::uint64_t own[kPairCount] = {};          // pair characters in their own form
  std::uint64_t alternative[kPairCount] = {};  // and in the alternative form

  // Each pair is written in the form that came more often (its own form on
  // a tie).
  UnicodeForms Forms() const {
    UnicodeForms f;
    for (int p = 0; p < kPairCount; ++p) {
      if (alternative[p] > own[p]) f.alternative |= static_cast<std::uint8_t>(1u << p);
      if (alternative[p] != 0 && own[p] != 0) f.both |= static_cast<std::uint8_t>(1u << p);
    }
    return f;
  }
  // The characters a save would change: the unmappable ones and, of a pair
  // that came in both forms, those not in the form written.
  std::uint64_t Lost() const {
    std::uint64_t lost = unmappable;
    for (int p = 0; p < kPairCount; ++p) lost += own[p] < alternative[p] ? own[p] : alternative[p];
    return lost;
  }
};

}  // namespace quelt
