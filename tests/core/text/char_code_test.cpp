#include "text/char_code.h"

#include <gtest/gtest.h>

#include <string>

namespace quelt {
namespace {

const std::uint8_t* U(const std::string& s) { return reinterpret_cast<const std::uint8_t*>(s.data()); }

Detection DetectOf(const std::string& s, bool crlfEqualSjis = false) {
  return Detect(U(s), s.size(), crlfEqualSjis);
}

std::string In(const std::string& s, CharCodeId code, int selector) {
  ConvertResult r = ToInternal(U(s), s.size(), code, selector);
  EXPECT_EQ(r.status, ConvertStatus::kOk);
  return r.bytes;
}

std::string Out(const std::string& s, CharCodeId code, LineEndId lineEnd) {
  ConvertResult r = FromInternal(U(s), s.size(), code, lineEnd);
  EXPECT_EQ(r.status, ConvertStatus::kOk);
  return r.bytes;
}

// "亜" is JIS 0x3021, Shift-JIS 0x889F, EUC 0xB0A1; "あ" is JIS 0x2422,
// Shift-JIS 0x82A0, EUC 0xA4A2; "ｱ" is the half-width katakana 0xB1.
const std::string kA = "\x88\x9F";
const std::string kHiraA = "\x82\xA0";
const std::string kJisA = "\x30\x21";
const std::string kEucA = "\xB0\xA1";
const std::string kKanjiIn = "\x1B$B";
const std::string kKanjiOut = "\x1B(B";

TEST(CharCodeNames, ListStatusAndShortNames) {
  EXPECT_STREQ(CharCodeListName(CharCodeId::kAuto), "自動");
  EXPECT_STREQ(CharCodeListName(CharCodeId::kShiftJis), "ｼﾌﾄJIS");
  EXPECT_STREQ(CharCodeListName(CharCodeId::kEuc), "EUC");
  EXPECT_STREQ(LineEndListName(LineEndId::kAuto), "自動");
  EXPECT_STREQ(LineEndListName(LineEndId::kLf), "LF");
  EXPECT_STREQ(CharCodeStatusName(CharCodeId::kShiftJis), "SJIS");
  EXPECT_STREQ(LineEndStatusName(LineEndId::kCrLf), "CRLF");
  EXPECT_STREQ(LineEndStatusName(LineEndId::kCr), " CR");
  EXPECT_STREQ(LineEndStatusName(LineEndId::kLf), " LF");
  EXPECT_STREQ(LineEndShortName(LineEndId::kCr), "CR");
  EXPECT_STREQ(CharCodeListName(static_cast<CharCodeId>(8)), "");
  EXPECT_STREQ(LineEndStatusName(static_cast<LineEndId>(-1)), "");
}

TEST(CharCodeNames, SelectorIsLineEndMinusOne) {
  EXPECT_EQ(LineEndOfSelector(kSelectorCr), LineEndId::kCr);
  EXPECT_EQ(LineEndOfSelector(kSelectorLf), LineEndId::kLf);
  EXPECT_EQ(SelectorOfLineEnd(LineEndId::kCrLf), kSelectorCrLf);
  EXPECT_EQ(SelectorOfLineEnd(LineEndId::kLf), kSelectorLf);
  EXPECT_EQ(SelectorOfLineEnd(LineEndId::kAuto), kSelectorCrLf);
}

TEST(Detect, LineEnds) {
  EXPECT_EQ(DetectOf("a\nb\nc\n").selector, kSelectorLf);
  EXPECT_EQ(DetectOf("a\rb\r").selector, kSelectorCr);
  // Mixed without CR LF: the last one seen wins.
  EXPECT_EQ(DetectOf("a\rb\nc").selector, kSelectorLf);
  EXPECT_EQ(DetectOf("a\nb\rc").selector, kSelectorCr);
  // A CR LF anywhere decides.
  EXPECT_EQ(DetectOf("a\nb\rc\r\nd\n").selector, kSelectorCrLf);
  EXPECT_EQ(DetectOf("abc").selector, kSelectorCrLf);
  // A CR as the last byte is a lone CR: its LF is not in the sample.
  EXPECT_EQ(DetectOf("a\nb\r").selector, kSelectorCr);
  EXPECT_EQ(DetectOf("a\nb\r").lineEnd(), LineEndId::kCr);
}

TEST(Detect, TinySamplesAreShiftJisCrLf) {
  EXPECT_EQ(DetectOf("").code, CharCodeId::kShiftJis);
  EXPECT_EQ(DetectOf("\n").selector, kSelectorCrLf);
  EXPECT_EQ(DetectOf("\xA4").code, CharCodeId::kShiftJis);
  EXPECT_EQ(Detect(nullptr, 100, false).code, CharCodeId::kShiftJis);
}

TEST(Detect, JisByTheFirstEscapeOnly) {
  EXPECT_EQ(DetectOf("ab\x1B$B" + kJisA + "\x1B(B").code, CharCodeId::kJis);
  EXPECT_EQ(DetectOf("\x1B$@" + kJisA).code, CharCodeId::kJis);
  // The first ESC starts something else: a later ESC $ B does not count.
  EXPECT_EQ(DetectOf("\x1B(Bab\x1B$B" + kJisA).code, CharCodeId::kShiftJis);
  // ESC $ B must lie wholly inside the sample.
  EXPECT_EQ(DetectOf("abc\x1B$").code, CharCodeId::kShiftJis);
  EXPECT_EQ(DetectOf("\x1B$B").code, CharCodeId::kJis);
  // JIS wins over CrlfEqualSjis.
  EXPECT_EQ(DetectOf("\x1B$B" + kJisA + "\x1B(B\r\n", true).code, CharCodeId::kJis);
}

TEST(Detect, EucByTheByteScan) {
  EXPECT_EQ(DetectOf("\xA4\xA2").code, CharCodeId::kEuc);
  EXPECT_EQ(DetectOf("\x82\xA0").code, CharCodeId::kShiftJis);   // 0x82 in 0x80-0x8D
  EXPECT_EQ(DetectOf("\xA4\xA2\x95\x5C").code, CharCodeId::kShiftJis);  // 0x95 in 0x90-0x9F
  EXPECT_EQ(DetectOf("\x8E\xB1\x8F\xB0\xA1").code, CharCodeId::kEuc);  // SS2 and SS3 are EUC
  EXPECT_EQ(DetectOf("plain ascii\r\n").code, CharCodeId::kShiftJis);
  // CrlfEqualSjis only applies to CR LF files.
  EXPECT_EQ(DetectOf("\xA4\xA2\r\n", true).code, CharCodeId::kShiftJis);
  EXPECT_EQ(DetectOf("\xA4\xA2\n", true).code, CharCodeId::kEuc);
  EXPECT_EQ(DetectOf("\xA4\xA2\r\n", false).code, CharCodeId::kEuc);
}

TEST(Detect, LooksAtTheFirst4096BytesOnly) {
  std::string s(kDetectSampleBytes, 'a');
  s += "\x82\xA0\r\n";  // Shift-JIS and CR LF, both past the sample
  s[10] = '\n';
  s[20] = '\xA4';
  s[21] = '\xA2';
  const Detection d = DetectOf(s);
  EXPECT_EQ(d.code, CharCodeId::kEuc);
  EXPECT_EQ(d.selector, kSelectorLf);
}

TEST(ToInternal, ShiftJisLineEnds) {
  EXPECT_EQ(In("a\nb\n", CharCodeId::kShiftJis, kSelectorLf), "a\r\nb\r\n");
  EXPECT_EQ(In("a\rb\r", CharCodeId::kShiftJis, kSelectorCr), "a\r\nb\r\n");
  // A CR LF in a file detected as LF (beyond the sample) stays one line end.
  EXPECT_EQ(In("a\nb\r\nc", CharCodeId::kShiftJis, kSelectorLf), "a\r\nb\r\nc");
  EXPECT_EQ(In("a\n\r", CharCodeId::kShiftJis, kSelectorLf), "a\r\n\r\n");
  EXPECT_EQ(In(kA + "\n", CharCodeId::kShiftJis, kSelectorLf), kA + "\r\n");
  // CR LF files are copied, stray line-end bytes included.
  EXPECT_EQ(In("a\nb\r\n", CharCodeId::kShiftJis, kSelectorCrLf), "a\nb\r\n");
  EXPECT_EQ(In("", CharCodeId::kShiftJis, kSelectorLf), "");
}

TEST(ToInternal, JisEscapes) {
  EXPECT_EQ(In("a" + kKanjiIn + kJisA + kKanjiOut + "b", CharCodeId::kJis, kSelectorCrLf), "a" + kA + "b");
  EXPECT_EQ(In("\x1B$@" + kJisA + "\x1B(J", CharCodeId::kJis, kSelectorCrLf), kA);
  // Line ends in either mode, converted when the selector asks for it.
  EXPECT_EQ(In(kKanjiIn + kJisA + "\n" + kJisA + kKanjiOut + "\n", CharCodeId::kJis, kSelectorLf),
            kA + "\r\n" + kA + "\r\n");
  // Other escapes and shift bytes pass through as characters.
  EXPECT_EQ(In("\x1B(I\x0E\x0F", CharCodeId::kJis, kSelectorCrLf), "\x1B(I\x0E\x0F");
  // An escape cut off by the end of the buffer is copied.
  EXPECT_EQ(In("a\x1B$", CharCodeId::kJis, kSelectorCrLf), "a\x1B$");
  // A file that ends inside a kanji run: the odd last byte is copied.
  EXPECT_EQ(In(kKanjiIn + kJisA + "\x30", CharCodeId::kJis, kSelectorCrLf), kA + "\x30");
  // Half-width katakana as 8-bit bytes.
  EXPECT_EQ(In("\xB1\xB2", CharCodeId::kJis, kSelectorCrLf), "\xB1\xB2");
}

TEST(ToInternal, JisBadPairsBecomeZeroBytes) {
  const std::string zero(2, '\0');
  EXPECT_EQ(In(kKanjiIn + "\x30\x7F" + kKanjiOut, CharCodeId::kJis, kSelectorCrLf), zero);
  EXPECT_EQ(In(kKanjiIn + "\x20\x21" + kKanjiOut, CharCodeId::kJis, kSelectorCrLf), zero);
  EXPECT_EQ(In(kKanjiIn + "\xB0\xA1" + kKanjiOut, CharCodeId::kJis, kSelectorCrLf), zero);
}

TEST(ToInternal, JisRunsStayAlignedOnMalformedInput) {
  // A repeated designation inside a run is skipped, not read as a pair.
  EXPECT_EQ(In(kKanjiIn + kJisA + kKanjiIn + kJisA + kKanjiOut, CharCodeId::kJis, kSelectorCrLf), kA + kA);
  // Outside a run ESC ( B and ESC ( J are ordinary bytes: they stay in the
  // text and are written back as they were.
  EXPECT_EQ(In(kKanjiOut + "ab\x1B(J", CharCodeId::kJis, kSelectorCrLf), kKanjiOut + "ab\x1B(J");
  EXPECT_EQ(Out(kKanjiOut + "ab", CharCodeId::kJis, LineEndId::kCrLf), kKanjiOut + "ab");
  EXPECT_EQ(In(kKanjiIn + kJisA + kKanjiOut + kKanjiOut + "b", CharCodeId::kJis, kSelectorCrLf),
            kA + kKanjiOut + "b");
  // An odd byte before ESC ( B does not swallow the escape.
  EXPECT_EQ(In(kKanjiIn + kJisA + "\x30" + kKanjiOut + "b", CharCodeId::kJis, kSelectorCrLf), kA + "\x30" "b");
  // A line end inside an unclosed run is never part of a pair.
  EXPECT_EQ(In(kKanjiIn + kJisA + "\r\n" + kJisA, CharCodeId::kJis, kSelectorCrLf), kA + "\r\n" + kA);
  EXPECT_EQ(In(kKanjiIn + "\x30\n" + kJisA, CharCodeId::kJis, kSelectorLf), "\x30\r\n" + kA);
}

TEST(ToInternal, Euc) {
  EXPECT_EQ(In("a" + kEucA + "\xA4\xA2" + "b", CharCodeId::kEuc, kSelectorCrLf), "a" + kA + kHiraA + "b");
  EXPECT_EQ(In("\x8E\xB1", CharCodeId::kEuc, kSelectorCrLf), "\xB1");
  EXPECT_EQ(In(kEucA + "\n" + kEucA + "\n", CharCodeId::kEuc, kSelectorLf), kA + "\r\n" + kA + "\r\n");
  EXPECT_EQ(In("a\rb", CharCodeId::kEuc, kSelectorCr), "a\r\nb");
  // SS2 as the last byte ends the conversion; other odd last bytes are dropped.
  EXPECT_EQ(In("a\x8E", CharCodeId::kEuc, kSelectorCrLf), "a");
  EXPECT_EQ(In("a\xB0", CharCodeId::kEuc, kSelectorCrLf), "a");
  // Bytes 0x80-0xA0 (other than SS2) and 0xFF are dropped.
  EXPECT_EQ(In("\x90" + kEucA + "\xA0\xFF" "b", CharCodeId::kEuc, kSelectorCrLf), kA + "b");
  // A pair with a bad second byte maps to two zero bytes.
  EXPECT_EQ(In("\xB0" "A", CharCodeId::kEuc, kSelectorCrLf), std::string(2, '\0'));
  EXPECT_EQ(In("\xB0\xFF", CharCodeId::kEuc, kSelectorCrLf), std::string(2, '\0'));
}

// JIS X 0212 (SS3 and two bytes) has no Shift-JIS form: each character
// becomes the geta mark, never the JIS X 0208 character of its last bytes.
TEST(ToInternal, EucJisX0212BecomesGetaMarks) {
  const std::string geta = "\x81\xAC";
  EXPECT_EQ(In("a\x8F\xB0\xA1" + kEucA + "\x8F\xF3\xF3" "b", CharCodeId::kEuc, kSelectorCrLf),
            "a" + geta + kA + geta + "b");
  // Cut short or broken by a line end, SS3 is dropped like any stray byte.
  EXPECT_EQ(In("\x8F\xB0", CharCodeId::kEuc, kSelectorCrLf), "");
  EXPECT_EQ(In("\x8F\xB0\nb", CharCodeId::kEuc, kSelectorLf), "\r\nb");
  EXPECT_EQ(In("\x8F\n" + kEucA, CharCodeId::kEuc, kSelectorLf), "\r\n" + kA);
}

TEST(ToInternal, EucNeverTakesALineEndIntoAPair) {
  EXPECT_EQ(In("\xB0\nb", CharCodeId::kEuc, kSelectorLf), "\r\nb");
  EXPECT_EQ(In("\x8E\r\nb", CharCodeId::kEuc, kSelectorCrLf), "\r\nb");
}

TEST(FromInternal, ShiftJis) {
  EXPECT_EQ(Out("a\r\nb\r\n", CharCodeId::kShiftJis, LineEndId::kCr), "a\rb\r");
  EXPECT_EQ(Out("a\r\nb\r\n", CharCodeId::kShiftJis, LineEndId::kLf), "a\nb\n");
  EXPECT_EQ(Out("a\r\nb\r", CharCodeId::kShiftJis, LineEndId::kCrLf), "a\r\nb\r");
  EXPECT_EQ(Out(kA + "\r\n\xB1", CharCodeId::kShiftJis, LineEndId::kLf), kA + "\n\xB1");
}

TEST(FromInternal, JisEscapesAndLineEnds) {
  EXPECT_EQ(Out("a" + kA + kA + "b", CharCodeId::kJis, LineEndId::kCrLf),
            "a" + kKanjiIn + kJisA + kJisA + kKanjiOut + "b");
  // A text ending in kanji closes the run.
  EXPECT_EQ(Out(kA, CharCodeId::kJis, LineEndId::kCrLf), kKanjiIn + kJisA + kKanjiOut);
  // The run is closed before the line end.
  EXPECT_EQ(Out(kA + "\r\n" + kA, CharCodeId::kJis, LineEndId::kLf),
            kKanjiIn + kJisA + kKanjiOut + "\n" + kKanjiIn + kJisA + kKanjiOut);
  EXPECT_EQ(Out("a\r\nb\r\n", CharCodeId::kJis, LineEndId::kCr), "a\rb\r");
  EXPECT_EQ(Out("a\r\nb", CharCodeId::kJis, LineEndId::kCrLf), "a\r\nb");
  // Half-width katakana stays 8-bit, without an escape, and ends a run.
  EXPECT_EQ(Out(kA + "\xB1", CharCodeId::kJis, LineEndId::kCrLf), kKanjiIn + kJisA + kKanjiOut + "\xB1");
  // A lead byte with nothing after it is copied, not read past the end.
  EXPECT_EQ(Out("a\x88", CharCodeId::kJis, LineEndId::kCrLf), "a\x88");
  // User-defined characters (lead 0xF0-0xFC) have no JIS code.
  EXPECT_EQ(Out("\xF0\x40", CharCodeId::kJis, LineEndId::kCrLf), kKanjiIn + std::string(2, '\0') + kKanjiOut);
  EXPECT_EQ(Out("", CharCodeId::kJis, LineEndId::kCrLf), "");
}

TEST(FromInternal, Euc) {
  EXPECT_EQ(Out("a" + kA + "\xB1", CharCodeId::kEuc, LineEndId::kCrLf), "a" + kEucA + "\x8E\xB1");
  EXPECT_EQ(Out("a\r\nb\r\n", CharCodeId::kEuc, LineEndId::kLf), "a\nb\n");
  EXPECT_EQ(Out("a\r\nb", CharCodeId::kEuc, LineEndId::kCr), "a\rb");
  EXPECT_EQ(Out("a\r\nb", CharCodeId::kEuc, LineEndId::kCrLf), "a\r\nb");
  EXPECT_EQ(Out("\x88", CharCodeId::kEuc, LineEndId::kCrLf), "\x88");
  // An unmapped character: its zero JIS value plus 0x80, dropped when read back.
  EXPECT_EQ(Out("\xF0\x40", CharCodeId::kEuc, LineEndId::kCrLf), "\x80\x80");
  EXPECT_EQ(In("\x80\x80", CharCodeId::kEuc, kSelectorCrLf), "");
}

// The IBM extension characters (0xFA40-0xFC4B) are written through their
// NEC twins, so "髙" (0xFBFC) and "ⅰ" (0xFA40) survive JIS and EUC; the
// user-defined area stays unmapped.
TEST(FromInternal, IbmExtensionCharactersSurviveJisAndEuc) {
  const std::string taka = "\xFB\xFC", twinTaka = "\xEE\xE0";
  const std::string roman = "\xFA\x40", twinRoman = "\xEE\xEF";
  const std::string numeral = "\xFA\x4A", twinNumeral = "\x87\x54";  // "Ⅰ" in NEC row 13
  const std::string first = "\xFA\x5C", twinFirst = "\xED\x40";      // "纊"
  const std::string last = "\xFC\x4B", twinLast = "\xEE\xEC";        // "黑"
  const std::string text = taka + roman + numeral + first + last + "\r\n";
  const std::string twins = twinTaka + twinRoman + twinNumeral + twinFirst + twinLast + "\r\n";
  for (CharCodeId code : {CharCodeId::kJis, CharCodeId::kEuc}) {
    const std::string file = Out(text, code, LineEndId::kLf);
    EXPECT_EQ(file.find(std::string(2, '\0')), std::string::npos);
    EXPECT_EQ(file.find("\x80\x80"), std::string::npos);
    EXPECT_EQ(In(file, code, kSelectorLf), twins);
    EXPECT_EQ(Out(twins, code, LineEndId::kLf), file);
  }
  EXPECT_EQ(Out(taka, CharCodeId::kEuc, LineEndId::kCrLf), "\xFC\xE2");
  EXPECT_EQ(Out("\xF9\xFC", CharCodeId::kEuc, LineEndId::kCrLf), "\x80\x80");
  // Past 0xFC4B there is no IBM character and nothing to map.
  EXPECT_EQ(Out("\xFC\x4C", CharCodeId::kEuc, LineEndId::kCrLf), "\x80\x80");
}

TEST(Conversion, SizeLimit) {
  std::string big(kMaxConvertBytes, 'a');
  EXPECT_EQ(ToInternal(U(big), big.size(), CharCodeId::kEuc, kSelectorLf).status, ConvertStatus::kOk);
  EXPECT_EQ(FromInternal(U(big), big.size(), CharCodeId::kJis, LineEndId::kLf).status, ConvertStatus::kOk);
  big += 'a';
  for (CharCodeId code : {CharCodeId::kShiftJis, CharCodeId::kJis, CharCodeId::kEuc}) {
    const ConvertResult in = ToInternal(U(big), big.size(), code, kSelectorLf);
    EXPECT_EQ(in.status, ConvertStatus::kTooLarge);
    EXPECT_TRUE(in.bytes.empty());
    EXPECT_EQ(FromInternal(U(big), big.size(), code, LineEndId::kLf).status, ConvertStatus::kTooLarge);
  }
}

TEST(Conversion, WorstCaseOutputFitsItsBuffer) {
  // Alternating kanji and ASCII is the longest JIS output: 3n + 3 at most.
  std::string text;
  for (int i = 0; i < 1000; ++i) text += kA + "a";
  EXPECT_EQ(Out(text, CharCodeId::kJis, LineEndId::kCrLf).size(), 1000u * 9);
  EXPECT_EQ(Out(std::string(1000, '\xB1'), CharCodeId::kEuc, LineEndId::kCrLf).size(), 2000u);
  EXPECT_EQ(In(std::string(1000, '\n'), CharCodeId::kJis, kSelectorLf).size(), 2000u);
}

TEST(Conversion, RoundTripsThroughEveryCodeAndLineEnd) {
  const std::string text = "Quelt " + kA + kHiraA + "\xB1\xDF" + "\r\n\r\n" + kA + "x\t\r\n" + kHiraA;
  for (CharCodeId code : {CharCodeId::kShiftJis, CharCodeId::kJis, CharCodeId::kEuc}) {
    for (LineEndId le : {LineEndId::kCrLf, LineEndId::kCr, LineEndId::kLf}) {
      const std::string file = Out(text, code, le);
      const Detection d = DetectOf(file);
      EXPECT_EQ(d.code, code) << static_cast<int>(code) << "/" << static_cast<int>(le);
      EXPECT_EQ(d.lineEnd(), le);
      EXPECT_EQ(In(file, code, SelectorOfLineEnd(le)), text);
    }
  }
}

TEST(CharToFileCode, ShownAsTheFileHoldsIt) {
  auto show = [](const std::string& c, CharCodeId code, LineEndId le, bool always = false) {
    return FormatFileCode(CharToFileCode(U(c), c.size(), code, le, always));
  };
  EXPECT_EQ(show(kA, CharCodeId::kShiftJis, LineEndId::kCrLf), "889F");
  EXPECT_EQ(show("a", CharCodeId::kShiftJis, LineEndId::kCrLf), "61  ");
  EXPECT_EQ(show(kA, CharCodeId::kJis, LineEndId::kCrLf), "3021");
  EXPECT_EQ(show(kA, CharCodeId::kEuc, LineEndId::kLf), "B0A1");
  EXPECT_EQ(show("\xB1", CharCodeId::kEuc, LineEndId::kCrLf), "8EB1");
  EXPECT_EQ(show("\xB1", CharCodeId::kJis, LineEndId::kCrLf), "B1  ");
  EXPECT_EQ(show("\r\n", CharCodeId::kEuc, LineEndId::kCrLf), "0D0A");
  EXPECT_EQ(show("\r\n", CharCodeId::kJis, LineEndId::kCr), "0D  ");
  EXPECT_EQ(show("\r\n", CharCodeId::kShiftJis, LineEndId::kLf), "0A  ");
  EXPECT_EQ(show(kA, CharCodeId::kShiftJis, LineEndId::kLf), "889F");
  EXPECT_EQ(show(kA, CharCodeId::kEuc, LineEndId::kLf, true), "889F");
  EXPECT_EQ(show("\r\n", CharCodeId::kEuc, LineEndId::kLf, true), "0D0A");
  EXPECT_EQ(show("\xF0\x40", CharCodeId::kJis, LineEndId::kCrLf), "0000");
  EXPECT_EQ(show("\xFB\xFC", CharCodeId::kJis, LineEndId::kCrLf), "7C62");
  EXPECT_EQ(FormatFileCode(CharToFileCode(U(kA), 0, CharCodeId::kJis, LineEndId::kCrLf, false)), "");
}

}  // namespace
}  // namespace quelt
