// Zero-ended Shift-JIS texts inside the state file's sections.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quelt {

// The text as it is stored: cut at its first zero byte and to at most
// maxBytes bytes, never inside a two-byte character.
std::string StoredText(std::string_view text, std::size_t maxBytes);

// Appends StoredText(text, maxBytes) and its terminating zero.
void AppendText(std::string& out, std::string_view text, std::size_t maxBytes);

// Takes a zero-ended text from the front of in. False (in unchanged) when no
// zero byte follows within the data or the text is longer than maxBytes.
bool TakeText(std::string_view& in, std::size_t maxBytes, std::string& text);

// Takes a 32-bit word that must be 0 or 1.
bool TakeFlag(std::string_view& in, bool& flag);

}  // namespace quelt
