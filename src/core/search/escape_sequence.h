// Escape sequences in search and replacement texts. Basic set: \t a tab,
// \n a CR LF, \\ one backslash. The full set adds \xHH, one byte from two
// hex digits. Any other backslash pair stays as it is. The text is read
// character by character, so a second byte 0x5C is never a backslash.
#pragma once

#include <string>
#include <string_view>

#include "base/sjis.h"

namespace quelt {

// False (out unspecified) when a \xHH byte would leave a lead byte without
// its second byte or split a CR LF.
bool DecodeEscapes(std::string_view in, bool full, LeadByteTest lead, std::string& out);

}  // namespace quelt
