// The rules of the free conversion dialog, kept in the state file between
// runs.
//
// Section layout (little-endian): a 32-bit rule count (0-10), a 32-bit
// option word (bit 0 write into a new document, bit 1 escape sequences),
// then per rule the 32-bit byte length of the "before" text, that text
// zero-ended, the 32-bit byte length of the "after" text and that text
// zero-ended. Each length must equal its text's.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quelt {

constexpr std::size_t kFreeConversionRuleCount = 10;  // rows of the dialog
constexpr std::size_t kMaxFreeConversionText = 256;   // bytes of a rule's field

constexpr std::uint32_t kFreeConvNewDocument = 1u << 0;      // "新規文書へ出力"
constexpr std::uint32_t kFreeConvEscapeSequences = 1u << 1;  // "ｴｽｹｰﾌﾟｼｰｹﾝｽを使用"
constexpr std::uint32_t kFreeConvOptionMask = kFreeConvNewDocument | kFreeConvEscapeSequences;

// One row: a literal text or a character-class name ("＜全角ひらがな＞")
// before, and what it becomes after.
struct FreeConversionRule {
  std::string before;
  std::string after;
  bool operator==(const FreeConversionRule&) const = default;
};

struct FreeConversionRules {
  std::uint32_t options = 0;  // kFreeConv... bits
  std::vector<FreeConversionRule> rules;  // the dialog's rows, top to bottom; at most 10
  bool operator==(const FreeConversionRules&) const = default;
};

// Appends the section: at most 10 rules, texts cut to 256 bytes, unknown
// option bits dropped.
void EncodeFreeConversionSection(const FreeConversionRules& rules, std::string& out);

// Takes the section from the front of in. False for a count over 10,
// unknown option bits, a text over 256 bytes or not ending within the data,
// or a length that differs from its text's; rules then keep defaults.
bool DecodeFreeConversionSection(std::string_view& in, FreeConversionRules& rules);

}  // namespace quelt
