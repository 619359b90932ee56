// The parse of a search pattern into a row of elements. Syntax of a regular
// expression:
//   x      a character (one or two bytes) matches itself
//   \x     x taken literally; with escapes on, \t is a tab and \n a CR LF
//   .      any one character except CR and LF
//   [...]  one of the characters in the set; a-b is a range of codes (one
//          byte = its value, two = lead << 8 | trail); "]" right after "["
//          or "[^" and "-" first or last are members; \x quotes x (\t and
//          \n, with escapes on, add a tab, or CR and LF)
//   [^...] one character not in the set, never CR or LF
//   e* e+  the element before, zero or more / one or more times (a "*" or
//          "+" with no element before it, or after a repeated one, is literal)
//   ^ $    at the very start / very end: a line start / a line end
// Characters are read whole, so a second byte 0x5C is never a backslash.
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "base/sjis.h"

namespace quelt {

enum class ElementKind : std::uint8_t { kChar, kAny, kSet, kCrLf };
enum class Repeat : std::uint8_t { kOne, kStar, kPlus };

struct PatternElement {
  ElementKind kind = ElementKind::kChar;
  Repeat repeat = Repeat::kOne;
  std::uint16_t code = 0;  // kChar: the character's code
  std::uint16_t set = 0;   // kSet: index into ParsedPattern::sets
};

struct CharSet {
  bool negated = false;
  std::vector<std::pair<std::uint16_t, std::uint16_t>> ranges;  // inclusive
};

struct ParsedPattern {
  std::vector<PatternElement> elements;
  std::vector<CharSet> sets;
  bool anchorStart = false;
  bool anchorEnd = false;
};

// A pattern holds at most 80 bytes.
constexpr std::size_t kMaxPatternBytes = 80;
// A pattern with more repetition elements than this never matches.
constexpr int kMaxRepeatLevels = 10;

// Parses a regular expression (regex) or takes every character of the text
// literally (!regex). False for an empty or malformed pattern: a regular
// expression over 80 bytes, an unclosed set, a lone trailing backslash, a
// range whose end comes before its start.
bool ParsePattern(std::string_view pattern, bool regex, bool escapes, LeadByteTest lead, ParsedPattern& out);

}  // namespace quelt
