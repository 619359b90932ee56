#include "text/unicode_codec.h"

#include <gtest/gtest.h>

#include <string>

#include "text/char_code.h"
#include "text/utf16_bytes.h"

namespace quelt {
namespace {

const std::uint8_t* U(const std::string& s) { return reinterpret_cast<const std::uint8_t*>(s.data()); }

const std::string kGeta = "\x81\xAC";
const std::string kSjisA = "\x82\xA0";   // あ
const std::string kSjisAa = "\x88\x9F";  // 亜

UnicodeDecoded Decode(const std::string& file, CharCodeId code, int selector = kSelectorCrLf) {
  return DecodeUnicode(U(file), file.size(), code, selector);
}
std::string Encode(const std::string& text, CharCodeId code, LineEndId lineEnd = LineEndId::kCrLf,
                   UnicodeForms forms = {}) {
  const ConvertResult r = EncodeUnicode(U(text), text.size(), code, lineEnd, forms);
  EXPECT_EQ(r.status, ConvertStatus::kOk);
  return r.bytes;
}
using test::Utf16;

TEST(UnicodeCodecTest, DecodesEachCodeAndSkipsOnlyItsOwnSignature) {
  const std::string internal = "a" + kSjisA + kSjisAa + "\xB1" + "\r\n";  // a, あ, 亜, half-width ｱ
  EXPECT_EQ(Decode("aあ亜ｱ\r\n", CharCodeId::kUtf8).bytes, internal);
  EXPECT_EQ(Decode("\xEF\xBB\xBF" "aあ亜ｱ\r\n", CharCodeId::kUtf8Bom).bytes, internal);
  EXPECT_EQ(Decode("aあ亜ｱ\r\n", CharCodeId::kUtf8Bom).bytes, internal);
  EXPECT_EQ(Decode(Utf16(u"\uFEFFaあ亜ｱ\r\n", false), CharCodeId::kUtf16Le).bytes, internal);
  EXPECT_EQ(Decode(Utf16(u"\uFEFFaあ亜ｱ\r\n", true), CharCodeId::kUtf16Be).bytes, internal);
  // Without the signature code, a UTF-8 signature is a character the code
  // page has no code for.
  const UnicodeDecoded plain = Decode("\xEF\xBB\xBF" "a", CharCodeId::kUtf8);
  EXPECT_EQ(plain.bytes, kGeta + "a");
  EXPECT_EQ(plain.tally.Lost(), 1u);
  // Encoding writes the signature, and each character back.
  EXPECT_EQ(Encode(internal, CharCodeId::kUtf8), "aあ亜ｱ\r\n");
  EXPECT_EQ(Encode(internal, CharCodeId::kUtf8Bom), "\xEF\xBB\xBF" "aあ亜ｱ\r\n");
  EXPECT_EQ(Encode(internal, CharCodeId::kUtf16Le), Utf16(u"\uFEFFaあ亜ｱ\r\n", false));
  EXPECT_EQ(Encode(internal, CharCodeId::kUtf16Be), Utf16(u"\uFEFFaあ亜ｱ\r\n", true));
  EXPECT_EQ(Encode("", CharCodeId::kUtf16Le), "\xFF\xFE");
}

TEST(UnicodeCodecTest, LineEndsAreCharactersNotBytes) {
  // With a selector every line end becomes CR LF; without, each is kept.
  EXPECT_EQ(Decode("a\nb\r\nc\rd", CharCodeId::kUtf8, kSelectorLf).bytes, "a\r\nb\r\nc\r\nd");
  EXPECT_EQ(Decode("a\nb\r\nc\rd", CharCodeId::kUtf8, kSelectorCrLf).bytes, "a\nb\r\nc\rd");
  for (bool be : {false, true}) {
    const CharCodeId code = be ? CharCodeId::kUtf16Be : CharCodeId::kUtf16Le;
    EXPECT_EQ(Decode(Utf16(u"a\nb\r\nc\r", be), code, kSelectorCr).bytes, "a\r\nb\r\nc\r\n");
    // A 0x0D or 0x0A byte inside a unit is no line end: U+0D0A is a Malayalam
    // letter the code page lacks.
    EXPECT_EQ(Decode(Utf16(u"\u0D0A", be), code, kSelectorLf).bytes, kGeta);
    EXPECT_EQ(Encode("a\r\nb\rc", code, LineEndId::kLf), Utf16(u"\uFEFFa\nb\rc", be));
  }
  EXPECT_EQ(Encode("a\r\nb\nc", CharCodeId::kUtf8, LineEndId::kCr), "a\rb\nc");
}

struct PairCase {
  const char* own;
  const char* alternative;
  const char* sjis;
};

TEST(UnicodeCodecTest, TwoFormCharactersRememberTheirFormAndFlagBoth) {
  const PairCase cases[] = {
      {"～", "〜", "\x81\x60"}, {"∥", "‖", "\x81\x61"}, {"－", "−", "\x81\x7C"}, {"￠", "¢", "\x81\x91"},
      {"￡", "£", "\x81\x92"}, {"￢", "¬", "\x81\xCA"}, {"―", "—", "\x81\x5C"},
  };
  for (int p = 0; p < kPairCount; ++p) {
    const PairCase& c = cases[p];
    SCOPED_TRACE(c.alternative);
    const std::string alt = std::string("x") + c.alternative + c.alternative;
    const UnicodeDecoded a = Decode(alt, CharCodeId::kUtf8);
    EXPECT_EQ(a.bytes, std::string("x") + c.sjis + c.sjis);
    EXPECT_EQ(a.tally.Forms(), (UnicodeForms{static_cast<std::uint8_t>(1 << p), 0}));
    EXPECT_EQ(a.tally.Lost(), 0u);
    EXPECT_EQ(Encode(a.bytes, CharCodeId::kUtf8, LineEndId::kCrLf, a.tally.Forms()), alt);
    EXPECT_EQ(Encode(a.bytes, CharCodeId::kUtf8), std::string("x") + c.own + c.own);

    // Both forms: the more frequent is written, the other counts as lost.
    const UnicodeDecoded both = Decode(std::string(c.own) + c.alternative + c.alternative, CharCodeId::kUtf8);
    EXPECT_EQ(both.tally.Forms().both, 1 << p);
    EXPECT_EQ(both.tally.Forms().alternative, 1 << p);
    EXPECT_EQ(both.tally.Lost(), 1u);
  }
}

TEST(UnicodeCodecTest, MalformedAndUnmappableBecomeOneGetaEach) {
  struct Case {
    const char* name;
    std::string file;
    std::string internal;
  };
  const Case utf8[] = {
      {"stray continuation", "a\x80" "b", "a" + kGeta + "b"},
      {"overlong slash", "\xC0\xAF", kGeta + kGeta},
      {"overlong three bytes", "\xE0\x80\xAF", kGeta + kGeta + kGeta},
      {"surrogate", "\xED\xA0\x80", kGeta + kGeta + kGeta},
      {"cut three-byte sequence at the end", "a\xE3\x81", "a" + kGeta},
      {"cut sequence before ASCII", "\xE3\x81" "a", kGeta + "a"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", kGeta + kGeta + kGeta + kGeta},
      {"beyond the plane", "😀", kGeta},
      {"yen sign (best fit only)", "¥", kGeta},
      {"overline (best fit only)", "‾", kGeta},
      {"e acute", "é", kGeta},
      {"C1 control", "\xC2\x85", kGeta},
  };
  for (const Case& c : utf8) {
    SCOPED_TRACE(c.name);
    const UnicodeDecoded d = Decode(c.file, CharCodeId::kUtf8, kSelectorLf);
    EXPECT_EQ(d.bytes, c.internal);
    std::uint64_t getas = 0;
    for (std::size_t at = c.internal.find(kGeta); at != std::string::npos; at = c.internal.find(kGeta, at + 2)) ++getas;
    EXPECT_EQ(d.tally.unmappable, getas);
  }
  for (bool be : {false, true}) {
    const CharCodeId code = be ? CharCodeId::kUtf16Be : CharCodeId::kUtf16Le;
    const UnicodeDecoded d = Decode(Utf16(u"\xD83D" "a\xDE00" "b\xD83D\xDE00", be) + "x", code);
    EXPECT_EQ(d.bytes, kGeta + "a" + kGeta + "b" + kGeta + kGeta);  // lone high, lone low, pair, odd byte
    EXPECT_EQ(d.tally.unmappable, 4u);
  }
}

TEST(UnicodeCodecTest, BytesThatAreNoCharacterEncodeAsMiddleDot) {
  // 0x80 and 0xA0 undefined, 0x85 0x40 an undefined code, a lead byte before
  // a CR and a lead byte at the end.
  EXPECT_EQ(Encode("\x80\xA0\x85\x40\x82\r\n\x82", CharCodeId::kUtf8), "・・・・\r\n・");
  // The NEC-selected duplicate of ⅰ writes the same character as the IBM code.
  EXPECT_EQ(Encode("\xEE\xEF\xFA\x40", CharCodeId::kUtf8), "ⅰⅰ");
}

TEST(UnicodeCodecTest, StreamGivesTheWholeBufferResultAtEveryCut) {
  const std::string utf8 = "\xEF\xBB\xBF" "a\r\nあ😀\r\r\n\xE3\x81\n亜\x80\r\n";
  const std::string utf16 = Utf16(u"\uFEFFa\r\nあ\xD83D\xDE00\r\r\n\xDE00\n亜", false) + "\r";
  struct Case {
    CharCodeId code;
    const std::string& file;
  };
  for (const Case& c : {Case{CharCodeId::kUtf8, utf8}, Case{CharCodeId::kUtf8Bom, utf8},
                        Case{CharCodeId::kUtf16Le, utf16}, Case{CharCodeId::kUtf16Be, utf16}}) {
    for (int selector : {kSelectorCrLf, kSelectorLf}) {
      const UnicodeDecoded whole = Decode(c.file, c.code, selector);
      for (std::size_t piece = 1; piece <= 9; ++piece) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.code) << " selector " << selector << " piece "
                                        << piece);
        InternalStream stream(c.code, selector);
        std::string out, rest;
        for (std::size_t at = 0; at < c.file.size() || !rest.empty();) {
          const std::size_t n = std::min(piece, c.file.size() - at);
          rest += c.file.substr(at, n);
          at += n;
          const bool last = at == c.file.size();
          rest.erase(0, stream.Convert(U(rest), rest.size(), last, out));
          if (last) {
            EXPECT_TRUE(rest.empty());
            break;
          }
        }
        EXPECT_EQ(out, whole.bytes);
        EXPECT_EQ(stream.Tally().Lost(), whole.tally.Lost());
      }
    }
  }
}

TEST(UnicodeCodecTest, ToAndFromInternalTakeTheUnicodeCodesWithoutTheSizeLimit) {
  std::string big;
  while (big.size() <= kMaxConvertBytes) big += "日本語のテキスト\n";
  const ConvertResult in = ToInternal(U(big), big.size(), CharCodeId::kUtf8, kSelectorLf);
  ASSERT_EQ(in.status, ConvertStatus::kOk);
  const ConvertResult out = FromInternal(U(in.bytes), in.bytes.size(), CharCodeId::kUtf8, LineEndId::kLf);
  ASSERT_EQ(out.status, ConvertStatus::kOk);
  EXPECT_TRUE(out.bytes == big);
}

TEST(UnicodeCodecTest, CaretCodeOfAUnicodeDocumentIsTheCharactersValue) {
  const auto code = [](const std::string& c) {
    return FormatFileCode(CharToFileCode(U(c), c.size(), CharCodeId::kUtf8, LineEndId::kLf, false));
  };
  EXPECT_EQ(code(kSjisA), "3042");
  EXPECT_EQ(code("\xB1"), "FF71");
  EXPECT_EQ(code("A"), "41  ");
  EXPECT_EQ(code("\r\n"), "0A  ");
}

// UTF-8 of UTF-16 little-endian bytes without surrogates: the reference the
// UTF-8 quick paths are held to, since the UTF-16 codec walks every
// character one by one.
std::string Utf8OfUtf16Le(const std::string& bytes) {
  std::string out;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const unsigned u = static_cast<std::uint8_t>(bytes[i]) | static_cast<std::uint8_t>(bytes[i + 1]) << 8;
    if (u < 0x80) {
      out += static_cast<char>(u);
    } else if (u < 0x800) {
      out += static_cast<char>(0xC0 | u >> 6);
      out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | u >> 12);
      out += static_cast<char>(0x80 | (u >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  return out;
}

// Every byte and byte pair, alone and between ASCII, kana, a lone CR and
// a cut lead byte, so that each lands at every place of the two-character
// and one-character quick steps and of their ends: UTF-8 both ways agrees
// with UTF-16, character by character.
TEST(UnicodeCodecTest, QuickPathsAgreeWithTheCharacterWalkForEveryCode) {
  const std::string contexts[][2] = {{"", ""}, {"a", "b"}, {"ab", "\x82\xA0c"}, {"\x82\xA0", "\r"},
                                     {"\r\n", "\x88"}, {"\x81\x60", "xy"}};
  std::string all;
  for (unsigned code = 0; code < 0x10000; ++code) {
    std::string c;
    if (code < 0x100) {
      c = std::string(1, static_cast<char>(code));
    } else {
      c = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    }
    if (code >= 0x100 && (code >> 8) < 0x81) continue;
    all += c;
    for (const auto& context : contexts) {
      const std::string text = context[0] + c + context[1];
      for (UnicodeForms forms : {UnicodeForms{}, UnicodeForms{0x7F, 0}}) {
        const std::string utf8 = Encode(text, CharCodeId::kUtf8, LineEndId::kLf, forms);
        const std::string utf16 = Encode(text, CharCodeId::kUtf16Le, LineEndId::kLf, forms).substr(2);
        ASSERT_EQ(utf8, Utf8OfUtf16Le(utf16)) << std::hex << code;
        const UnicodeDecoded fromUtf8 = Decode(utf8, CharCodeId::kUtf8, kSelectorLf);
        const UnicodeDecoded fromUtf16 = Decode(utf16, CharCodeId::kUtf16Le, kSelectorLf);
        ASSERT_EQ(fromUtf8.bytes, fromUtf16.bytes) << std::hex << code;
        ASSERT_EQ(fromUtf8.tally.unmappable, fromUtf16.tally.unmappable) << std::hex << code;
        ASSERT_EQ(fromUtf8.tally.Forms(), fromUtf16.tally.Forms()) << std::hex << code;
      }
    }
  }
  // Line ends and non-ASCII bytes at every place of the eight-byte ASCII
  // words, with every line end and every way of reading line ends.
  for (std::size_t k = 0; k < 17; ++k) {
    const std::string text = std::string(k, 'a') + "\r\n" + std::string(11, 'b') + "\r\r\n\n" +
                             std::string(k % 9, 'c') + "\x82\xA0" + std::string(9, 'd') + "\r";
    for (LineEndId lineEnd : {LineEndId::kCrLf, LineEndId::kLf, LineEndId::kCr}) {
      const std::string utf8 = Encode(text, CharCodeId::kUtf8, lineEnd);
      const std::string utf16 = Encode(text, CharCodeId::kUtf16Le, lineEnd).substr(2);
      ASSERT_EQ(utf8, Utf8OfUtf16Le(utf16)) << k;
      for (int selector : {kSelectorCrLf, kSelectorLf, kSelectorCr})
        ASSERT_EQ(Decode(utf8, CharCodeId::kUtf8, selector).bytes, Decode(utf16, CharCodeId::kUtf16Le, selector).bytes)
            << k << " " << selector;
    }
  }
  // And all of them in one text, where the quick steps run long.
  const std::string utf16 = Encode(all, CharCodeId::kUtf16Le, LineEndId::kCrLf).substr(2);
  const std::string utf8 = Encode(all, CharCodeId::kUtf8, LineEndId::kCrLf);
  EXPECT_EQ(utf8, Utf8OfUtf16Le(utf16));
  EXPECT_EQ(Decode(utf8, CharCodeId::kUtf8).bytes, Decode(utf16, CharCodeId::kUtf16Le).bytes);
}

TEST(UnicodeCodecTest, NamesOfTheUnicodeCodes) {
  EXPECT_STREQ(CharCodeListName(CharCodeId::kUtf8), "UTF-8");
  EXPECT_STREQ(CharCodeListName(CharCodeId::kUtf8Bom), "UTF-8 (BOM)");
  EXPECT_STREQ(CharCodeListName(CharCodeId::kUtf16Le), "UTF-16LE");
  EXPECT_STREQ(CharCodeListName(CharCodeId::kUtf16Be), "UTF-16BE");
  EXPECT_STREQ(CharCodeStatusName(CharCodeId::kUtf8Bom), "U8BM");
  EXPECT_STREQ(CharCodeStatusName(CharCodeId::kUtf16Be), "U16B");
  EXPECT_STREQ(CharCodeShortName(CharCodeId::kUtf16Le), "UTF-16LE");
  EXPECT_STREQ(CharCodeShortName(CharCodeId::kEuc), "EUC");
  EXPECT_STREQ(CharCodeListName(static_cast<CharCodeId>(8)), "");
}

}  // namespace
}  // namespace quelt
