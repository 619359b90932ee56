#include "convert/free_conversion.h"

#include <cstring>

#include "search/escape_sequence.h"

namespace quelt {
namespace {

bool Decoded(const std::string& field, bool escapes, bool fullEscapes, LeadByteTest lead, std::string& out) {
  if (!escapes) {
    out = field;
    return true;
  }
  return DecodeEscapes(field, fullEscapes, lead, out);
}

}  // namespace

int FirstOverlongField(const FreeConversionRules& rules) {
  for (std::size_t i = 0; i < rules.rules.size(); ++i) {
    if (rules.rules[i].before.size() > kMaxFreeConversionText) return static_cast<int>(i * 2);
    if (rules.rules[i].after.size() > kMaxFreeConversionText) return static_cast<int>(i * 2 + 1);
  }
  return -1;
}

std::size_t FreeConverter::UnitSize(const std::uint8_t* s, std::size_t n, std::size_t i) const {
  if (i + 1 >= n) return 1;
  if (lead_(s[i])) return 2;
  return s[i] == kCr && s[i + 1] == kLf ? 2 : 1;
}

bool FreeConverter::Prepare(const FreeConversionRules& rules, bool fullEscapes, LeadByteTest lead) {
  lead_ = lead;
  rules_.clear();
  for (auto& c : candidates_) c.clear();
  const bool escapes = (rules.options & kFreeConvEscapeSequences) != 0;
  for (std::size_t row = 0; row < rules.rules.size() && row < kFreeConversionRuleCount; ++row) {
    const FreeConversionRule& field = rules.rules[row];
    if (field.before.empty()) continue;
    Rule rule;
    if (const auto from = CharClassByName(field.before)) {
      rule.isClass = true;
      rule.from = *from;
      const auto to = CharClassByName(field.after);
      std::string literal;
      if (!to && !Decoded(field.after, escapes, fullEscapes, lead, literal)) return false;
      for (const std::uint16_t code : ClassCharacters(*from)) {
        std::string out;
        if (to) {
          out = ClassCounterpart(*from, *to, code);
          if (out.empty()) AppendCharCode(out, code);
        } else {
          out = literal;
        }
        rule.outputs.push_back(std::move(out));
      }
    } else {
      if (!Decoded(field.before, escapes, fullEscapes, lead, rule.before) ||
          !Decoded(field.after, escapes, fullEscapes, lead, rule.after))
        return false;
      if (rule.before.empty()) continue;
      // The text's last character: a lone lead byte or CR there may only
      // match where the source has it alone as well.
      const auto* b = reinterpret_cast<const std::uint8_t*>(rule.before.data());
      const std::size_t n = rule.before.size();
      std::size_t last = 0;
      for (std::size_t i = 0; i < n; i += UnitSize(b, n, i)) last = i;
      rule.checkEnd = last == n - 1 && (lead_(b[last]) || b[last] == kCr);
    }
    rules_.push_back(std::move(rule));
  }
  // Per first byte, the rules that can start there, in their order.
  for (std::size_t r = 0; r < rules_.size(); ++r) {
    const auto index = static_cast<std::uint8_t>(r);
    auto add = [&](std::uint8_t first) {
      auto& list = candidates_[first];
      if (list.empty() || list.back() != index) list.push_back(index);
    };
    if (rules_[r].isClass) {
      for (const std::uint16_t code : ClassCharacters(rules_[r].from)) {
        add(static_cast<std::uint8_t>(code > 0xFF ? code >> 8 : code));
      }
    } else {
      add(static_cast<std::uint8_t>(rules_[r].before[0]));
    }
  }
  return true;
}

FreeConverter::Result FreeConverter::Convert(std::string_view source) const {
  Result result;
  if (source.size() > kFreeConversionSourceLimit) {
    result.status = FreeConversionStatus::kSourceTooLarge;
    return result;
  }
  const auto* s = reinterpret_cast<const std::uint8_t*>(source.data());
  const std::size_t n = source.size();
  std::string& out = result.text;
  out.reserve(n + n / 8 + 16);
  std::size_t i = 0;
  std::size_t run = 0;  // where the bytes copied unchanged since the last match begin
  while (i < n) {
    if (out.size() + (i - run) >= kFreeConversionOutputLimit) {
      result.status = FreeConversionStatus::kOutputFull;
      break;
    }
    const std::size_t unit = UnitSize(s, n, i);
    const std::string* piece = nullptr;
    std::size_t used = 0;
    for (const std::uint8_t r : candidates_[s[i]]) {
      const Rule& rule = rules_[r];
      if (rule.isClass) {
        const std::uint16_t code =
            unit == 2 && lead_(s[i]) ? static_cast<std::uint16_t>(s[i] << 8 | s[i + 1]) : s[i];
        const int place = PositionInClass(rule.from, code);
        if (place < 0) continue;
        piece = &rule.outputs[static_cast<std::size_t>(place)];
        used = unit;
        break;
      }
      const std::size_t len = rule.before.size();
      if (n - i < len || std::memcmp(s + i, rule.before.data(), len) != 0) continue;
      if (rule.checkEnd && UnitSize(s, n, i + len - 1) != 1) continue;
      piece = &rule.after;
      used = len;
      break;
    }
    if (!piece) {
      i += unit;
      continue;
    }
    out.append(source.substr(run, i - run));
    if (out.size() + piece->size() > kFreeConversionBufferSize) {
      run = i;
      result.status = FreeConversionStatus::kOutputFull;
      break;
    }
    out += *piece;
    i += used;
    run = i;
  }
  out.append(source.substr(run, i - run));
  result.converted = i;
  return result;
}

}  // namespace quelt
