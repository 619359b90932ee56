#include "global_search/tag_jump.h"

#include "text/text_store.h"
#include "view/text_lines.h"

namespace quelt {
namespace {

constexpr std::size_t kMinTagLine = 7;   // longer than 6 bytes
constexpr std::size_t kMaxLineDigits = 5;  // fewer than 6 characters between the parentheses

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The line number after the "(" at open: digits, then ")". Zero when the
// text there is no such number.
std::uint32_t NumberAfter(std::string_view line, std::size_t open) {
  std::uint32_t n = 0;
  std::size_t i = open + 1;
  for (; i < line.size() && IsDigit(line[i]); ++i) {
    if (i - open > kMaxLineDigits) return 0;
    n = n * 10 + static_cast<std::uint32_t>(line[i] - '0');
  }
  if (i == open + 1 || i >= line.size() || line[i] != ')') return 0;
  return n;
}

}  // namespace

std::optional<TagJumpTarget> ParseTagJumpLine(std::string_view line) {
  if (line.size() > kTagLineBytes) line = line.substr(0, kTagLineBytes);
  if (line.size() < kMinTagLine || line[1] != ':' || line[2] != '\\') return std::nullopt;
  // "(" and ")" are never the second byte of a double-byte character, so
  // the bytes can be looked at one by one.
  for (std::size_t open = line.find('('); open != std::string_view::npos; open = line.find('(', open + 1)) {
    if (open > kMaxTagPath) break;
    if (open < kMinTagPath) continue;
    if (const std::uint32_t n = NumberAfter(line, open); n != 0) {
      return TagJumpTarget{std::string(line.substr(0, open)), n};
    }
  }
  return std::nullopt;
}

std::string TagLineAt(const TextStore& store, TextOffset p) {
  const TextOffset start = LogicalLineStart(store, p);
  const TextOffset end = LogicalLineEnd(store, p);
  const std::uint32_t length = end - start;
  return ReadText(store, start, length < kTagLineBytes ? length : static_cast<std::uint32_t>(kTagLineBytes));
}

std::optional<TextOffset> StepTagLine(const TextStore& store, TextOffset p, bool down, bool& wrapPending) {
  const TextOffset start = LogicalLineStart(store, p);
  if (down) {
    // The empty line after a final CR LF does not count as a line.
    const TextOffset next = NextLogicalLine(store, p);
    if (next > start && next < store.Length()) return next;
    if (!wrapPending) {
      wrapPending = true;
      return std::nullopt;
    }
    return 0;
  }
  if (start > 0) return LogicalLineStart(store, start - 1);
  if (!wrapPending) {
    wrapPending = true;
    return std::nullopt;
  }
  const TextOffset end = store.Length();
  const TextOffset last = LogicalLineStart(store, end);
  return last == end && end > 0 ? LogicalLineStart(store, end - 1) : last;
}

}  // namespace quelt
