#include "view/jump_target.h"

#include <algorithm>

#include "text/text_store.h"

namespace quelt {

std::optional<std::uint32_t> ParseJumpNumber(std::string_view text, bool allowHex) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  int base = 10;
  if (allowHex && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0) return std::nullopt;
    value = value * base + static_cast<std::uint64_t>(digit);
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

std::optional<std::uint32_t> JumpTargetLine(const TextStore& store, std::uint32_t number, bool logicalLines) {
  if (number == 0) return std::nullopt;
  // An empty text still has its first line.
  const std::uint32_t lines = std::max<std::uint32_t>(store.LineCount(), 1);
  if (!logicalLines) {
    if (number > lines) return std::nullopt;
    return number - 1;
  }
  if (number == 1) return 0;
  std::uint32_t logical = 1;  // logical lines begun so far, counting line 0
  for (std::uint32_t i = 1; i < store.LineCount(); ++i) {
    if (store.LineFlag(i) && ++logical == number) return i;
  }
  return std::nullopt;
}

}  // namespace quelt
