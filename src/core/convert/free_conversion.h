// The free conversion: the ten rules of the "自由変換" dialog run over a
// Shift-JIS text.
//
// The text is walked from its start. At each character the rules are tried
// top to bottom and the first that matches decides; a character no rule
// matches is copied (a double-byte character and a CR LF pair are never
// split, neither by a copy nor by a match).
//
// - A rule whose "before" field is exactly one class name ("＜全角数字＞") is a
//   class rule: it matches one character of that class. When its "after"
//   field is exactly one class name too, the character becomes its
//   counterpart there (same place in the class's order, or the kana and
//   width tables); a character without a counterpart is written unchanged.
//   Any other "after" text is written for every character of the class (an
//   empty one deletes them).
// - Any other "before" text is a literal rule: it matches those bytes and
//   writes the "after" text as it stands. A class name mixed with other text
//   ("＜全角数字＞円") is literal text, and so is a class name in "after" of a
//   literal rule.
// - A rule with an empty "before" field is passed over.
//
// With escape sequences on, the literal fields are decoded as the search
// decodes its texts (\t, \n, \\ and, with the full set, \xHH); a field whose
// \xHH bytes would split a character or a CR LF refuses the whole run.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/sjis.h"
#include "convert/char_classes.h"
#include "convert/free_conversion_rules.h"

namespace quelt {

// A larger source is refused.
constexpr std::size_t kFreeConversionSourceLimit = 0x100000;
// The output never grows past the buffer's size...
constexpr std::size_t kFreeConversionBufferSize = 0x100000;
// ... and the walk stops once it holds this much (1,048,416 bytes).
constexpr std::size_t kFreeConversionOutputLimit = 0xFFF60;

enum class FreeConversionStatus {
  kDone,            // the whole source was converted
  kOutputFull,      // the output reached its limit first: the converted start is used
  kSourceTooLarge,  // over 1 MiB: nothing was converted
  kBadEscape,       // a field's escape sequence makes no valid text
  kRefused,         // the document may not change, or there is nothing to convert
};

// The index (row * 2, + 1 for "after") of the first field longer than the
// 256 bytes a rule's field keeps, or -1.
int FirstOverlongField(const FreeConversionRules& rules);

class FreeConverter {
 public:
  // Takes the rules; false when a field's escape sequence is malformed.
  bool Prepare(const FreeConversionRules& rules, bool fullEscapes, LeadByteTest lead = LeadByteTest());

  struct Result {
    FreeConversionStatus status = FreeConversionStatus::kDone;
    std::string text;           // the converted text
    std::size_t converted = 0;  // how many source bytes it stands for
  };
  // Converts source (up to kFreeConversionSourceLimit bytes; a larger one
  // gives kSourceTooLarge and nothing else).
  Result Convert(std::string_view source) const;

 private:
  struct Rule {
    bool isClass = false;
    CharClass from = CharClass::kHalfSpace;
    std::string before;                // a literal rule's bytes
    std::string after;                 // a literal rule's output
    bool checkEnd = false;             // before ends with a lone lead byte or a CR
    std::vector<std::string> outputs;  // a class rule's output, by place in its class
  };

  std::size_t UnitSize(const std::uint8_t* s, std::size_t n, std::size_t i) const;

  std::vector<Rule> rules_;
  // The rules that can match at a byte, in their order.
  std::array<std::vector<std::uint8_t>, 256> candidates_{};
  LeadByteTest lead_;
};

}  // namespace quelt
