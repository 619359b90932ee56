// The character classes of the width, kana and free conversions (code page
// 932), each an ordered list of characters, and the counterpart of a
// character of one class in another.
//
// A character is handled as a 16-bit code: a single byte b as b, a
// double-byte character as lead << 8 | trail.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quelt {

enum class CharClass : std::uint8_t {
  kHalfSpace,        // 0x20
  kHalfDigit,        // 0-9
  kHalfUpper,        // A-Z
  kHalfLower,        // a-z
  kHalfSymbol,       // the other printable ASCII bytes
  kHalfKanaSymbol,   // ｡｢｣､･ﾞﾟ
  kHalfKatakana,     // ｦ-ﾝ (0xA6-0xDD)
  kFullSpace,        // 0x8140
  kFullDigit,        // ０-９
  kFullUpper,        // Ａ-Ｚ
  kFullLower,        // ａ-ｚ
  kFullSymbol,       // the full-width forms of the half-width symbols, in their order
  kFullKanaSymbol,   // 。「」、・゛゜
  kFullKatakana,     // 0x8340-0x8394 (0x7F is no second byte)
  kFullHiragana,     // 0x829F-0x82F1
};
constexpr std::size_t kCharClassCount = 15;

// The character code of the character at text[i] (1 or 2 bytes); size is
// set to its byte count. A lead byte at the end counts alone.
std::uint16_t CharCodeAt(std::string_view text, std::size_t i, std::size_t& size);
// Appends a character code as its bytes.
void AppendCharCode(std::string& out, std::uint16_t code);

// The class's name as the free conversion lists it ("＜全角ひらがな＞"),
// Shift-JIS.
std::string_view CharClassName(CharClass c);
// The class a name stands for, or none.
std::optional<CharClass> CharClassByName(std::string_view name);
// The fifteen classes in the order of the free conversion's list
// "ｺｰﾄﾞ種別".
std::span<const CharClass> CharClassListOrder();

// The characters of a class, in their order.
std::span<const std::uint16_t> ClassCharacters(CharClass c);
// The class of a character, or none.
std::optional<CharClass> ClassOfCode(std::uint16_t code);
// The character's place in its class's order, or -1 when it is not in it.
int PositionInClass(CharClass c, std::uint16_t code);

// The counterpart of code (a character of class from) in class to, as
// bytes: the same place in the class's order (digits, letters, symbols and
// the kana order of hiragana and katakana line up by place), the
// correspondence table between half-width and full-width katakana (a
// full-width voiced katakana gives two half-width characters, ｶﾞ), or
// through katakana between half-width katakana and hiragana. Empty when the
// character has no counterpart there.
std::string ClassCounterpart(CharClass from, CharClass to, std::uint16_t code);

// ---- The width correspondences ----

// The full-width form of a half-width character (space, printable ASCII,
// half-width katakana and kana symbols), or 0.
std::uint16_t FullWidthOf(std::uint8_t half);
// The full-width character a half-width katakana and a following ﾞ (0xDE)
// or ﾟ (0xDF) make together, or 0 when they make none.
std::uint16_t VoicedFullWidthOf(std::uint8_t half, std::uint8_t mark);
// The half-width form of a full-width character: one byte, or a katakana
// and its sound mark for the voiced and semi-voiced katakana (ガ gives ｶﾞ,
// パ gives ﾊﾟ, ヴ gives ｳﾞ). Zero bytes when it has none.
struct HalfWidthForm {
  std::uint8_t bytes[2] = {0, 0};
  std::uint8_t size = 0;
};
HalfWidthForm HalfWidthOf(std::uint16_t full);

// The katakana of a hiragana by the kana order, or 0.
std::uint16_t KatakanaOf(std::uint16_t hiragana);
// The hiragana of a katakana, or 0 (ヴ has none).
std::uint16_t HiraganaOf(std::uint16_t katakana);

}  // namespace quelt
