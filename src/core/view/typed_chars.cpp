#include "view/typed_chars.h"

namespace quelt {

std::string PendingLeadByte::Feed(std::uint8_t byte, LeadByteTest lead) {
  if (waiting_) {
    waiting_ = false;
    return std::string{static_cast<char>(lead_), static_cast<char>(byte)};
  }
  if (lead(byte)) {
    waiting_ = true;
    lead_ = byte;
    return {};
  }
  return std::string(1, static_cast<char>(byte));
}

std::string TypedText(const std::string& character, int repeat) {
  if (character.empty()) return {};
  const auto c = static_cast<std::uint8_t>(character[0]);
  if (character.size() == 1 && (c < 0x20 || c == 0x7F)) {
    if (c == '\t') return "\t";
    if (c != kCr) return {};
  }
  const std::string unit = (character.size() == 1 && c == kCr) ? std::string("\r\n") : character;
  const int times = repeat < 1 ? 1 : (repeat > kMaxTypedRepeat ? kMaxTypedRepeat : repeat);
  std::string out;
  for (int i = 0; i < times; ++i) out += unit;
  return out;
}

}  // namespace quelt
