#include <gtest/gtest.h>

#include <string>

#include "base/cp932.h"
#include "convert/char_classes.h"
#include "convert/char_conversion.h"

namespace quelt {
namespace {

std::string S(std::u16string_view text) { return Utf16ToSjis(text); }

std::string Convert(CharConversion kind, std::string_view text) {
  std::string out;
  ConvertChars(kind, text, out);
  return out;
}

TEST(CharConversion, CaseConversionsTouchAsciiLettersOnly) {
  const std::string text = "aZ1" + S(u"ａＺあ") + "\xB1q";  // ｱ is a half-width katakana
  EXPECT_EQ(Convert(CharConversion::kInvertCase, text), "Az1" + S(u"ａＺあ") + "\xB1Q");
  EXPECT_EQ(Convert(CharConversion::kUpperCase, text), "AZ1" + S(u"ａＺあ") + "\xB1Q");
  EXPECT_EQ(Convert(CharConversion::kLowerCase, text), "az1" + S(u"ａＺあ") + "\xB1q");
  // A trail byte that looks like a letter stays: ア is 0x83 0x41.
  EXPECT_EQ(Convert(CharConversion::kLowerCase, "\x83\x41"), "\x83\x41");
  EXPECT_EQ(Convert(CharConversion::kInvertCase, "\x83\x61"), "\x83\x61");
}

TEST(CharConversion, CapitalizeStartsWordsAfterBlanksAndDoubleByteCharacters) {
  EXPECT_EQ(Convert(CharConversion::kCapitalize, "hello world"), "Hello World");
  EXPECT_EQ(Convert(CharConversion::kCapitalize, "don't"), "Don't");
  EXPECT_EQ(Convert(CharConversion::kCapitalize, "HELLO wORLD"), "Hello World");
  EXPECT_EQ(Convert(CharConversion::kCapitalize, "a-b\tc\r\nd"), "A-b\tC\r\nD");
  EXPECT_EQ(Convert(CharConversion::kCapitalize, S(u"あabc") + "\xB1xy"), S(u"あAbc") + "\xB1Xy");
  EXPECT_EQ(Convert(CharConversion::kCapitalize, "(abc)"), "(abc)");
}

TEST(CharConversion, HalfToFullJoinsSoundMarks) {
  EXPECT_EQ(Convert(CharConversion::kHalfToFull, S(u"ｶﾞ")), S(u"ガ"));
  EXPECT_EQ(Convert(CharConversion::kHalfToFull, S(u"ﾊﾟ")), S(u"パ"));
  EXPECT_EQ(Convert(CharConversion::kHalfToFull, S(u"ｳﾞ")), S(u"ヴ"));
  EXPECT_EQ(Convert(CharConversion::kHalfToFull, S(u"ﾞ")), S(u"゛"));
  EXPECT_EQ(Convert(CharConversion::kHalfToFull, S(u"ｱﾞ")), S(u"ア゛"));  // no voiced ア
  EXPECT_EQ(Convert(CharConversion::kHalfToFull, S(u"ｶﾟ")), S(u"カ゜"));  // no semi-voiced カ
  EXPECT_EQ(Convert(CharConversion::kHalfToFull, S(u"ﾊﾞﾋﾟﾌ")), S(u"バピフ"));
  EXPECT_EQ(Convert(CharConversion::kHalfToFull, S(u"ﾃﾞｰﾀ｡")), S(u"データ。"));
}

TEST(CharConversion, HalfToFullLeavesControlsAndDoubleByteCharacters) {
  EXPECT_EQ(Convert(CharConversion::kHalfToFull, "a b\t\r\n\x7F"), S(u"ａ　ｂ") + "\t\r\n\x7F");
  EXPECT_EQ(Convert(CharConversion::kHalfToFull, S(u"漢字")), S(u"漢字"));
  EXPECT_EQ(Convert(CharConversion::kHalfToFull, "~\\`;:"), S(u"￣￥｀；："));
  // A lead byte at the very end stays as it is.
  EXPECT_EQ(Convert(CharConversion::kHalfToFull, "a\x82"), S(u"ａ") + "\x82");
}

TEST(CharConversion, FullToHalfSplitsVoicedKatakana) {
  EXPECT_EQ(Convert(CharConversion::kFullToHalf, S(u"ガパヴ")), S(u"ｶﾞﾊﾟｳﾞ"));
  EXPECT_EQ(Convert(CharConversion::kFullToHalf, S(u"データ。「」")), S(u"ﾃﾞｰﾀ｡｢｣"));
  EXPECT_EQ(Convert(CharConversion::kFullToHalf, S(u"ＡＢＣ１２３　！")), "ABC123 !");
  // Katakana without a half-width form and hiragana stay.
  EXPECT_EQ(Convert(CharConversion::kFullToHalf, S(u"ヮヰヱヵヶあ漢")), S(u"ヮヰヱヵヶあ漢"));
}

TEST(CharConversion, KanaOrderSkipsTheInvalidSecondByte) {
  // み (0x82DD) is katakana 0x837E, む (0x82DE) goes past 0x7F to 0x8380.
  EXPECT_EQ(Convert(CharConversion::kHiraganaToKatakana, S(u"みむぁん")), S(u"ミムァン"));
  EXPECT_EQ(Convert(CharConversion::kKatakanaToHiragana, S(u"ミムァン")), S(u"みむぁん"));
  EXPECT_EQ(S(u"ム"), "\x83\x80");
  // ヴ has no hiragana and stays; half-width katakana are not full-width katakana.
  EXPECT_EQ(Convert(CharConversion::kKatakanaToHiragana, S(u"ヴｱ")), S(u"ヴｱ"));
  EXPECT_EQ(Convert(CharConversion::kHiraganaToKatakana, "abc" + S(u"漢")), "abc" + S(u"漢"));
}

TEST(CharConversion, BufferSizes) {
  EXPECT_EQ(ConversionBufferSize(CharConversion::kHalfToFull, 100), 1228u);
  EXPECT_EQ(ConversionBufferSize(CharConversion::kFullToHalf, 100), 1126u);
  EXPECT_EQ(ConversionBufferSize(CharConversion::kCapitalize, 0), 1026u);
}

// Every character of every class, converted both ways, checked against the
// class table's counterpart and brought back where the conversions are
// each other's inverse.
TEST(CharConversion, EveryClassCharacterConvertsBothWays) {
  struct Pair {
    CharClass half, full;
  };
  const Pair pairs[] = {{CharClass::kHalfSpace, CharClass::kFullSpace},
                        {CharClass::kHalfDigit, CharClass::kFullDigit},
                        {CharClass::kHalfUpper, CharClass::kFullUpper},
                        {CharClass::kHalfLower, CharClass::kFullLower},
                        {CharClass::kHalfSymbol, CharClass::kFullSymbol},
                        {CharClass::kHalfKanaSymbol, CharClass::kFullKanaSymbol}};
  for (const Pair& p : pairs) {
    const auto half = ClassCharacters(p.half);
    const auto full = ClassCharacters(p.full);
    ASSERT_EQ(half.size(), full.size());
    for (std::size_t i = 0; i < half.size(); ++i) {
      std::string h, f;
      AppendCharCode(h, half[i]);
      AppendCharCode(f, full[i]);
      EXPECT_EQ(Convert(CharConversion::kHalfToFull, h), f) << std::hex << half[i];
      EXPECT_EQ(Convert(CharConversion::kFullToHalf, f), h) << std::hex << full[i];
      EXPECT_EQ(ClassCounterpart(p.half, p.full, half[i]), f);
      EXPECT_EQ(ClassCounterpart(p.full, p.half, full[i]), h);
    }
  }
  // Every half-width katakana goes to full width and back, alone and with
  // each sound mark.
  for (std::uint16_t c : ClassCharacters(CharClass::kHalfKatakana)) {
    std::string h;
    AppendCharCode(h, c);
    EXPECT_EQ(Convert(CharConversion::kFullToHalf, Convert(CharConversion::kHalfToFull, h)), h);
    for (const char* mark : {"\xDE", "\xDF"}) {
      const std::string marked = h + mark;
      EXPECT_EQ(Convert(CharConversion::kFullToHalf, Convert(CharConversion::kHalfToFull, marked)), marked);
    }
  }
  // Hiragana and katakana, place by place; ヴ, the last katakana, has no
  // hiragana.
  const auto hira = ClassCharacters(CharClass::kFullHiragana);
  const auto kata = ClassCharacters(CharClass::kFullKatakana);
  ASSERT_EQ(hira.size(), 83u);
  ASSERT_EQ(kata.size(), 84u);
  for (std::size_t i = 0; i < hira.size(); ++i) {
    EXPECT_EQ(KatakanaOf(hira[i]), kata[i]);
    EXPECT_EQ(HiraganaOf(kata[i]), hira[i]);
    std::string h;
    AppendCharCode(h, hira[i]);
    EXPECT_EQ(Convert(CharConversion::kKatakanaToHiragana, Convert(CharConversion::kHiraganaToKatakana, h)), h);
  }
  EXPECT_EQ(HiraganaOf(kata.back()), 0);
  // Full-width katakana with a half-width form come back from half width.
  for (std::uint16_t c : kata) {
    std::string f;
    AppendCharCode(f, c);
    const std::string h = Convert(CharConversion::kFullToHalf, f);
    if (h != f) EXPECT_EQ(Convert(CharConversion::kHalfToFull, h), f) << std::hex << c;
  }
}

TEST(CharClasses, NamesListAndMembership) {
  ASSERT_EQ(CharClassListOrder().size(), kCharClassCount);
  for (CharClass c : CharClassListOrder()) {
    EXPECT_EQ(CharClassByName(CharClassName(c)), c);
    for (std::uint16_t code : ClassCharacters(c)) EXPECT_EQ(ClassOfCode(code), c);
  }
  EXPECT_EQ(CharClassListOrder().front(), CharClass::kFullSpace);
  EXPECT_EQ(CharClassByName(S(u"＜全角ひらがな＞")), CharClass::kFullHiragana);
  EXPECT_FALSE(CharClassByName(S(u"＜全角ひらがな")));
  EXPECT_FALSE(ClassOfCode(0x837F));
  EXPECT_FALSE(ClassOfCode('\r'));
  EXPECT_EQ(ClassOfCode(0x60), CharClass::kHalfSymbol);  // the backquote
}

TEST(CharClasses, CounterpartsAcrossKanaAndWidth) {
  const auto code = [](std::u16string_view ch) {
    const std::string s = S(ch);
    std::size_t n = 0;
    return CharCodeAt(s, 0, n);
  };
  EXPECT_EQ(ClassCounterpart(CharClass::kHalfKatakana, CharClass::kFullHiragana, code(u"ｶ")), S(u"か"));
  EXPECT_EQ(ClassCounterpart(CharClass::kFullHiragana, CharClass::kHalfKatakana, code(u"が")), S(u"ｶﾞ"));
  EXPECT_EQ(ClassCounterpart(CharClass::kFullKatakana, CharClass::kHalfKatakana, code(u"ヮ")), "");
  EXPECT_EQ(ClassCounterpart(CharClass::kFullKatakana, CharClass::kFullHiragana, code(u"ヴ")), "");
  EXPECT_EQ(ClassCounterpart(CharClass::kHalfUpper, CharClass::kFullLower, 'C'), S(u"ｃ"));
  EXPECT_EQ(ClassCounterpart(CharClass::kHalfDigit, CharClass::kFullDigit, '7'), S(u"７"));
  // Not a character of the class it is said to be.
  EXPECT_EQ(ClassCounterpart(CharClass::kHalfDigit, CharClass::kFullDigit, 'x'), "");
  // Past the end of a shorter class.
  EXPECT_EQ(ClassCounterpart(CharClass::kHalfUpper, CharClass::kHalfDigit, 'K'), "");
}

}  // namespace
}  // namespace quelt
