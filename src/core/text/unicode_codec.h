// UTF-8 and UTF-16 files around the internal form (Shift-JIS with CR LF),
// through code page 932. Decoding writes the geta mark for every character
// the code page cannot hold and for every malformed sequence, and tallies
// them and the forms of the two-form characters; encoding writes each
// two-form character in the form the document remembers. Neither has a size
// limit of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "text/char_code.h"
#include "text/unicode_forms.h"

namespace quelt {

// The signature of a code (EF BB BF, FF FE, FE FF); empty for the others.
std::string_view SignatureOf(CharCodeId code);

// Decodes the positions before `stop` (at most n) of in[0..n) in a Unicode
// code into out, which has room for 2 * n + 2 bytes; a decision at a
// position looks at no more than the three bytes after it, so with stop <=
// n - 3 every decision is the one the whole buffer would give. A signature is
// not skipped here. lineEnds: every CR LF, lone CR and lone LF becomes CR LF;
// otherwise line-end characters are copied. Returns the bytes written;
// `taken` gets the input bytes used.
std::size_t UnicodeToInternal(const std::uint8_t* in, std::size_t n, std::size_t stop, CharCodeId code,
                              bool lineEnds, std::uint8_t* out, std::size_t& taken, UnicodeTally& tally);

struct UnicodeDecoded {
  ConvertStatus status = ConvertStatus::kOk;  // kOk or kOutOfMemory
  std::string bytes;                          // the internal text
  UnicodeTally tally;
};

// A whole file in a Unicode code into the internal form; its signature, if
// it starts with one, is skipped (a UTF-8 signature only for kUtf8Bom).
UnicodeDecoded DecodeUnicode(const std::uint8_t* file, std::size_t n, CharCodeId code, int selector);

// Internal text into a Unicode code, with its signature, every CR LF written
// as lineEnd and each two-form character in the form `forms` names. A byte
// that is no code page 932 character is written as U+30FB.
ConvertResult EncodeUnicode(const std::uint8_t* text, std::size_t n, CharCodeId code, LineEndId lineEnd,
                            UnicodeForms forms);

// True when in[0..n) is UTF-8 throughout: no stray or missing continuation
// byte, overlong form, surrogate or value beyond U+10FFFF. ASCII is.
bool IsWellFormedUtf8(const std::uint8_t* in, std::size_t n);

// The Unicode scalar value of one internal character of k (1 or 2) bytes, in
// its own form; false when it is none.
bool UnicodeOfInternalChar(const std::uint8_t* c, std::size_t k, char32_t& value);

}  // namespace quelt
