// The character conversions of a selection: case, width and kana. Each
// takes Shift-JIS text and gives the converted text; double-byte
// characters pass unchanged unless the conversion names them, and bytes
// without a counterpart (controls, CR LF, tabs) stay.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quelt {

enum class CharConversion {
  kInvertCase,          // ASCII lower to upper and upper to lower
  kUpperCase,           // ASCII letters to upper case
  kLowerCase,           // ASCII letters to lower case
  kCapitalize,          // words start upper case, the rest lower case
  kHalfToFull,          // space, printable ASCII and half-width kana to full width
  kFullToHalf,          // the converse, for characters with a half-width form
  kHiraganaToKatakana,  // by the kana order
  kKatakanaToHiragana,
};

// The size the conversion's work buffer is allocated with for a selection
// of length bytes: the length + 1,026, or twice the length + 1,028 where
// one byte can become two.
std::size_t ConversionBufferSize(CharConversion kind, std::size_t length);

// Appends the converted text to out (reserve ConversionBufferSize first).
void ConvertChars(CharConversion kind, std::string_view text, std::string& out);

}  // namespace quelt
