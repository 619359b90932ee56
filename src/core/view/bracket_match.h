// Bracket matching: the one-byte pairs "()", "[]", "{}" and "<>". Quotes and
// comments are not considered; a byte that is the second byte of a
// double-byte character is never a bracket.
#pragma once

#include <cstdint>
#include <optional>

#include "base/sjis.h"
#include "base/types.h"

namespace quelt {

// The offset of the bracket matching the one at p: an opening bracket is
// matched forwards, a closing one backwards, counting nesting of the same
// pair. Nullopt when p holds no bracket or it has no match (a beep).
std::optional<TextOffset> MatchBracket(const std::uint8_t* bytes, std::uint32_t length, TextOffset p,
                                       LeadByteTest lead);

// Whether p is the start of a character, judged from the bytes between
// `from` (a character start) and p: a run of lead-range bytes of even length
// ends right before a character start.
bool IsCharStart(const std::uint8_t* bytes, TextOffset from, TextOffset p, LeadByteTest lead);

}  // namespace quelt
