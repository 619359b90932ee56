#include "convert/free_conversion_rules.h"

#include <algorithm>

#include "base/le_words.h"
#include "state/section_text.h"

namespace quelt {
namespace {

void EncodeField(const std::string& text, std::string& out) {
  const std::string stored = StoredText(text, kMaxFreeConversionText);
  AppendLe32(out, static_cast<std::uint32_t>(stored.size()));
  out += stored;
  out += '\0';
}

bool DecodeField(std::string_view& in, std::string& text) {
  std::uint32_t length = 0;
  return TakeLe32(in, length) && TakeText(in, kMaxFreeConversionText, text) && text.size() == length;
}

}  // namespace

void EncodeFreeConversionSection(const FreeConversionRules& rules, std::string& out) {
  const std::size_t count = std::min(rules.rules.size(), kFreeConversionRuleCount);
  AppendLe32(out, static_cast<std::uint32_t>(count));
  AppendLe32(out, rules.options & kFreeConvOptionMask);
  for (std::size_t i = 0; i < count; ++i) {
    EncodeField(rules.rules[i].before, out);
    EncodeField(rules.rules[i].after, out);
  }
}

bool DecodeFreeConversionSection(std::string_view& in, FreeConversionRules& rules) {
  rules = {};
  std::string_view rest = in;
  std::uint32_t count = 0;
  FreeConversionRules r;
  if (!TakeLe32(rest, count) || count > kFreeConversionRuleCount || !TakeLe32(rest, r.options) ||
      (r.options & ~kFreeConvOptionMask) != 0)
    return false;
  r.rules.resize(count);
  for (FreeConversionRule& rule : r.rules) {
    if (!DecodeField(rest, rule.before) || !DecodeField(rest, rule.after)) return false;
  }
  rules = std::move(r);
  in = rest;
  return true;
}

}  // namespace quelt
