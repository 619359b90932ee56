// Code page 932 (Shift-JIS with the Microsoft extensions) <-> UTF-16, in
// portable code, for the files the program reads and writes in UTF-16. The
// conversions follow the platform's: a unit that code page 932 cannot hold
// becomes '?', a code it leaves undefined becomes U+30FB.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quelt {

// What an undefined code of code page 932 converts to ("・").
constexpr char16_t kCp932DefaultUnit = u'\u30FB';
// What a character code page 932 cannot hold converts to.
constexpr char kCp932DefaultChar = '?';

// The UTF-16 unit of one code: a single byte (0x00-0xFF) or a double-byte
// character as lead << 8 | trail. False when the code is undefined.
bool Cp932ToUnicode(std::uint16_t code, char16_t& unit);
// The code of one UTF-16 unit, as above; false when code page 932 has none
// (surrogates never have one). Where several codes convert to one unit, the
// platform's choice (e.g. U+FFE2 -> 0x81CA, U+2170 -> 0xFA40).
bool UnicodeToCp932(char16_t unit, std::uint16_t& code);

// A Shift-JIS text as UTF-16. A lead byte takes the next byte as its trail
// when that is a trail byte (0x40-0x7E, 0x80-0xFC); a lead byte without one
// stands alone. Undefined characters give kCp932DefaultUnit.
std::u16string SjisToUtf16(std::string_view sjis);
// A UTF-16 text as Shift-JIS; each character without a code (a surrogate
// pair counts as one) gives kCp932DefaultChar.
std::string Utf16ToSjis(std::u16string_view utf16);

}  // namespace quelt
