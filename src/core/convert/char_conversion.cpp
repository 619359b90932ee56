#include "convert/char_conversion.h"

#include <cstdint>

#include "base/sjis.h"
#include "convert/char_classes.h"

namespace quelt {
namespace {

constexpr bool IsUpper(std::uint8_t c) { return c >= 'A' && c <= 'Z'; }
constexpr bool IsLower(std::uint8_t c) { return c >= 'a' && c <= 'z'; }
constexpr char ToUpper(std::uint8_t c) { return static_cast<char>(IsLower(c) ? c - 0x20 : c); }
constexpr char ToLower(std::uint8_t c) { return static_cast<char>(IsUpper(c) ? c + 0x20 : c); }

// Walks the text character by character: a lead byte takes its trail byte
// with it (a lead byte at the very end stands alone).
template <typename Single, typename Double>
void Walk(std::string_view text, std::string& out, Single single, Double dbl) {
  const std::size_t n = text.size();
  for (std::size_t i = 0; i < n;) {
    const auto c = static_cast<std::uint8_t>(text[i]);
    if (IsSjisLeadByte(c) && i + 1 < n) {
      dbl(static_cast<std::uint16_t>(c << 8 | static_cast<std::uint8_t>(text[i + 1])), out);
      i += 2;
    } else {
      i += single(text, i, out);
    }
  }
}

void CopyDouble(std::uint16_t code, std::string& out) { AppendCharCode(out, code); }

void Capitalize(std::string_view text, std::string& out) {
  // A letter starts a word at the start of the text, after a double-byte
  // character and after a byte outside 0x21-0x7E.
  bool wordStart = true;
  Walk(
      text, out,
      [&wordStart](std::string_view t, std::size_t i, std::string& o) {
        const auto c = static_cast<std::uint8_t>(t[i]);
        o += wordStart ? ToUpper(c) : ToLower(c);
        wordStart = c < 0x21 || c > 0x7E;
        return std::size_t{1};
      },
      [&wordStart](std::uint16_t code, std::string& o) {
        AppendCharCode(o, code);
        wordStart = true;
      });
}

void HalfToFull(std::string_view text, std::string& out) {
  Walk(
      text, out,
      [](std::string_view t, std::size_t i, std::string& o) -> std::size_t {
        const auto c = static_cast<std::uint8_t>(t[i]);
        if (i + 1 < t.size()) {
          if (const std::uint16_t voiced = VoicedFullWidthOf(c, static_cast<std::uint8_t>(t[i + 1]))) {
            AppendCharCode(o, voiced);
            return 2;
          }
        }
        const std::uint16_t full = FullWidthOf(c);
        if (full) {
          AppendCharCode(o, full);
        } else {
          o += static_cast<char>(c);
        }
        return 1;
      },
      CopyDouble);
}

void FullToHalf(std::string_view text, std::string& out) {
  Walk(
      text, out,
      [](std::string_view t, std::size_t i, std::string& o) {
        o += t[i];
        return std::size_t{1};
      },
      [](std::uint16_t code, std::string& o) {
        const HalfWidthForm h = HalfWidthOf(code);
        if (h.size == 0) {
          AppendCharCode(o, code);
        } else {
          o.append(reinterpret_cast<const char*>(h.bytes), h.size);
        }
      });
}

template <std::uint16_t (*Map)(std::uint16_t)>
void Kana(std::string_view text, std::string& out) {
  Walk(
      text, out,
      [](std::string_view t, std::size_t i, std::string& o) {
        o += t[i];
        return std::size_t{1};
      },
      [](std::uint16_t code, std::string& o) {
        const std::uint16_t to = Map(code);
        AppendCharCode(o, to ? to : code);
      });
}

template <char (*Map)(std::uint8_t)>
void Ascii(std::string_view text, std::string& out) {
  Walk(
      text, out,
      [](std::string_view t, std::size_t i, std::string& o) {
        o += Map(static_cast<std::uint8_t>(t[i]));
        return std::size_t{1};
      },
      CopyDouble);
}

char Invert(std::uint8_t c) { return IsUpper(c) ? ToLower(c) : ToUpper(c); }
char Upper(std::uint8_t c) { return ToUpper(c); }
char Lower(std::uint8_t c) { return ToLower(c); }

}  // namespace

std::size_t ConversionBufferSize(CharConversion kind, std::size_t length) {
  return kind == CharConversion::kHalfToFull ? 2 * length + 1028 : length + 1026;
}

void ConvertChars(CharConversion kind, std::string_view text, std::string& out) {
  switch (kind) {
    case CharConversion::kInvertCase: Ascii<Invert>(text, out); break;
    case CharConversion::kUpperCase: Ascii<Upper>(text, out); break;
    case CharConversion::kLowerCase: Ascii<Lower>(text, out); break;
    case CharConversion::kCapitalize: Capitalize(text, out); break;
    case CharConversion::kHalfToFull: HalfToFull(text, out); break;
    case CharConversion::kFullToHalf: FullToHalf(text, out); break;
    case CharConversion::kHiraganaToKatakana: Kana<KatakanaOf>(text, out); break;
    case CharConversion::kKatakanaToHiragana: Kana<HiraganaOf>(text, out); break;
  }
}

}  // namespace quelt
