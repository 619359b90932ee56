#include "state/section_text.h"

#include <cstdint>

#include "base/le_words.h"
#include "base/sjis.h"

namespace quelt {

std::string StoredText(std::string_view text, std::size_t maxBytes) {
  text = text.substr(0, text.find('\0'));
  if (text.size() <= maxBytes) return std::string(text);
  // Cut before the character that would pass the limit.
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t step = IsSjisLeadByte(static_cast<std::uint8_t>(text[end])) && end + 1 < text.size() ? 2 : 1;
    if (end + step > maxBytes) break;
    end += step;
  }
  return std::string(text.substr(0, end));
}

void AppendText(std::string& out, std::string_view text, std::size_t maxBytes) {
  out += StoredText(text, maxBytes);
  out += '\0';
}

bool TakeText(std::string_view& in, std::size_t maxBytes, std::string& text) {
  const std::size_t zero = in.find('\0');
  if (zero == std::string_view::npos || zero > maxBytes) return false;
  text.assign(in.substr(0, zero));
  in.remove_prefix(zero + 1);
  return true;
}

bool TakeFlag(std::string_view& in, bool& flag) {
  std::string_view rest = in;
  std::uint32_t v = 0;
  if (!TakeLe32(rest, v) || v > 1) return false;
  flag = v == 1;
  in = rest;
  return true;
}

}  // namespace quelt
