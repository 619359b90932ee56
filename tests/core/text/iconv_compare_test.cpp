// Our conversions against glibc's iconv, an implementation written
// elsewhere, on a corpus that holds every assigned character of JIS X 0208.
// iconv is used here only; the editor itself never depends on it.
#include <gtest/gtest.h>
#include <iconv.h>

#include <string>
#include <vector>

#include "base/sjis.h"
#include "text/char_code.h"
#include "text/jis_mapping.h"

namespace quelt {
namespace {

const std::uint8_t* U(const std::string& s) { return reinterpret_cast<const std::uint8_t*>(s.data()); }

std::string Pair(std::uint16_t code) {
  return std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

// Converts with iconv; false when iconv rejects any of the input.
bool Iconv(const char* to, const char* from, const std::string& in, std::string& out) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    ADD_FAILURE() << "iconv cannot convert " << from << " to " << to;
    return false;
  }
  std::string buffer(in.size() * 4 + 16, '\0');
  char* inp = const_cast<char*>(in.data());
  std::size_t inLeft = in.size();
  char* outp = buffer.data();
  std::size_t outLeft = buffer.size();
  bool ok = iconv(cd, &inp, &inLeft, &outp, &outLeft) != static_cast<std::size_t>(-1) &&
            iconv(cd, nullptr, nullptr, &outp, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  out.assign(buffer.data(), static_cast<std::size_t>(outp - buffer.data()));
  return ok;
}


// The characters of one JIS X 0208 row, in Shift-JIS, that iconv's from-code
// accepts. iconv rejects the unassigned codes of the standard, which the
// arithmetic maps all the same.
std::string RowCorpus(int row, const char* from, const char* to) {
  std::string corpus;
  const int j1 = row + 0x20;
  for (int j2 = kJisByteMin; j2 <= kJisByteMax; ++j2) {
    const std::string c = Pair(JisToSjis(j1, j2));
    std::string ignored;
    if (Iconv(to, from, c, ignored)) corpus += c;
  }
  return corpus;
}

std::string WithLineEnds(const std::string& s, const std::string& lineEnd) {
  std::string out;
  for (char c : s) {
    if (c == '\n') {
      out += lineEnd;
    } else {
      out += c;
    }
  }
  return out;
}

// glibc's SHIFT_JIS, EUC-JP and ISO-2022-JP hold exactly the 6,879
// characters of JIS X 0208 (rows 1-8 and 16-84); the rows in between and
// after have no assigned characters there. Every assigned character must
// convert as iconv converts it, in both directions.
TEST(JisMappingAgainstIconv, JisX0208RowsThroughEucAndIso2022Jp) {
  int characters = 0, rowsWithCharacters = 0;
  for (int row = 1; row <= 94; ++row) {
    const std::string sjis = RowCorpus(row, "SHIFT_JIS", "EUC-JP");
    characters += static_cast<int>(sjis.size() / 2);
    if (sjis.empty()) {
      EXPECT_TRUE((row >= 9 && row <= 15) || row >= 85) << "row " << row;
      continue;
    }
    ++rowsWithCharacters;
    // A row, a line end, and the row again after a few ASCII bytes, so the
    // escapes around line ends and ASCII are compared too; in each of the
    // three line ends (iconv passes line-end bytes through unchanged).
    const std::string text = sjis + "\nab" + sjis + "\n";
    const std::string internal = WithLineEnds(text, "\r\n");
    for (LineEndId le : {LineEndId::kCrLf, LineEndId::kCr, LineEndId::kLf}) {
      const std::string file = WithLineEnds(text, le == LineEndId::kCrLf ? "\r\n" : le == LineEndId::kCr ? "\r" : "\n");
      const int selector = SelectorOfLineEnd(le);
      std::string eucByIconv, jisByIconv, back;
      ASSERT_TRUE(Iconv("EUC-JP", "SHIFT_JIS", file, eucByIconv)) << "row " << row;
      ASSERT_TRUE(Iconv("ISO-2022-JP", "SHIFT_JIS", file, jisByIconv)) << "row " << row;
      EXPECT_EQ(FromInternal(U(internal), internal.size(), CharCodeId::kEuc, le).bytes, eucByIconv) << "row " << row;
      EXPECT_EQ(FromInternal(U(internal), internal.size(), CharCodeId::kJis, le).bytes, jisByIconv) << "row " << row;
      EXPECT_EQ(FromInternal(U(internal), internal.size(), CharCodeId::kShiftJis, le).bytes, file) << "row " << row;
      EXPECT_EQ(ToInternal(U(eucByIconv), eucByIconv.size(), CharCodeId::kEuc, selector).bytes, internal)
          << "row " << row;
      EXPECT_EQ(ToInternal(U(jisByIconv), jisByIconv.size(), CharCodeId::kJis, selector).bytes, internal)
          << "row " << row;
      const Detection d = Detect(U(jisByIconv), jisByIconv.size(), false);
      EXPECT_EQ(d.code, CharCodeId::kJis);
      EXPECT_EQ(d.lineEnd(), le);
      EXPECT_EQ(Detect(U(eucByIconv), eucByIconv.size(), false).code, CharCodeId::kEuc) << "row " << row;
      ASSERT_TRUE(Iconv("SHIFT_JIS", "EUC-JP", eucByIconv, back));
      EXPECT_EQ(back, file);
    }
  }
  EXPECT_EQ(characters, 6879);
  EXPECT_EQ(rowsWithCharacters, 77);
}

// Code page 932 adds the NEC special characters in row 13; glibc's CP932 and
// EUC-JP-MS agree with the arithmetic there except for the nine characters
// that duplicate row 2 symbols (≒ ≡ ∫ √ ⊥ ∠ ∵ ∩ ∪), which iconv sends
// through Unicode to their row 2 codes. Those nine, and only those, are left
// out. The NEC-selected IBM rows 89-92 go to JIS X 0212 (three bytes) in
// glibc's EUC-JP-MS, so no iconv table speaks for them; their mapping is
// checked by the round trips above.
TEST(JisMappingAgainstIconv, NecRow13ThroughEucJpMs) {
  const std::vector<std::uint16_t> duplicatesOfRow2 = {0x8790, 0x8791, 0x8792, 0x8795, 0x8796,
                                                       0x8797, 0x879A, 0x879B, 0x879C};
  int compared = 0, skipped = 0;
  for (int j2 = kJisByteMin; j2 <= kJisByteMax; ++j2) {
    const std::uint16_t s = JisToSjis(0x2D, static_cast<std::uint8_t>(j2));
    std::string eucByIconv;
    if (!Iconv("EUC-JP-MS", "CP932", Pair(s), eucByIconv)) continue;  // unassigned cell
    const ConvertResult ours = FromInternal(U(Pair(s)), 2, CharCodeId::kEuc, LineEndId::kCrLf);
    bool duplicate = false;
    for (std::uint16_t d : duplicatesOfRow2) duplicate = duplicate || d == s;
    if (duplicate) {
      EXPECT_NE(ours.bytes, eucByIconv) << std::hex << s;
      ++skipped;
      continue;
    }
    EXPECT_EQ(ours.bytes, eucByIconv) << std::hex << s;
    EXPECT_EQ(ToInternal(U(eucByIconv), eucByIconv.size(), CharCodeId::kEuc, kSelectorCrLf).bytes, Pair(s));
    ++compared;
  }
  EXPECT_EQ(skipped, 9);
  EXPECT_EQ(compared, 74);
}

// Half-width katakana: 8E-prefixed in EUC-JP as iconv writes it. glibc's
// ISO-2022-JP has no half-width katakana at all, so the 8-bit bytes we
// write in JIS files are not compared with it.
TEST(JisMappingAgainstIconv, HalfWidthKatakanaInEuc) {
  std::string kana;
  for (int c = 0xA1; c <= 0xDF; ++c) kana += static_cast<char>(c);
  std::string eucByIconv;
  ASSERT_TRUE(Iconv("EUC-JP", "SHIFT_JIS", kana, eucByIconv));
  EXPECT_EQ(FromInternal(U(kana), kana.size(), CharCodeId::kEuc, LineEndId::kCrLf).bytes, eucByIconv);
  EXPECT_EQ(ToInternal(U(eucByIconv), eucByIconv.size(), CharCodeId::kEuc, kSelectorCrLf).bytes, kana);
  std::string ignored;
  EXPECT_FALSE(Iconv("ISO-2022-JP", "SHIFT_JIS", kana.substr(0, 1), ignored));
}

// ASCII passes through every code unchanged. glibc's SHIFT_JIS reads 0x5C
// and 0x7E as the JIS X 0201 yen sign and overline (and ISO-2022-JP then
// writes them after ESC ( J), so those two bytes are left out of the
// ISO-2022-JP comparison only.
TEST(JisMappingAgainstIconv, Ascii) {
  std::string ascii;
  for (int c = 0x20; c < 0x7F; ++c) {
    if (c != 0x5C && c != 0x7E) ascii += static_cast<char>(c);
  }
  std::string jisByIconv, eucByIconv;
  ASSERT_TRUE(Iconv("ISO-2022-JP", "SHIFT_JIS", ascii, jisByIconv));
  ASSERT_TRUE(Iconv("EUC-JP", "CP932", ascii + "\\~", eucByIconv));
  EXPECT_EQ(FromInternal(U(ascii), ascii.size(), CharCodeId::kJis, LineEndId::kCrLf).bytes, jisByIconv);
  EXPECT_EQ(FromInternal(U(ascii + "\\~"), ascii.size() + 2, CharCodeId::kEuc, LineEndId::kCrLf).bytes,
            eucByIconv);
}

// A text that ends inside a kanji run: iconv closes the run with ESC ( B when
// it is flushed, and so do we.
TEST(JisMappingAgainstIconv, TextEndingInKanjiClosesTheRun) {
  const std::string sjis = "ab\x88\x9F\x82\xA0";  // "ab亜あ"
  std::string jisByIconv;
  ASSERT_TRUE(Iconv("ISO-2022-JP", "SHIFT_JIS", sjis, jisByIconv));
  ASSERT_EQ(jisByIconv.substr(jisByIconv.size() - 3), "\x1B(B");
  EXPECT_EQ(FromInternal(U(sjis), sjis.size(), CharCodeId::kJis, LineEndId::kCrLf).bytes, jisByIconv);
  EXPECT_EQ(ToInternal(U(jisByIconv), jisByIconv.size(), CharCodeId::kJis, kSelectorCrLf).bytes, sjis);
}

// Half-width katakana between kanji and at line ends in EUC, both ways.
TEST(JisMappingAgainstIconv, KatakanaMixedWithKanjiInEuc) {
  const std::string sjis = "\x88\x9F\xB1\xDF\x88\x9F\n\xB1\n\x82\xA0";
  std::string eucByIconv;
  ASSERT_TRUE(Iconv("EUC-JP", "SHIFT_JIS", sjis, eucByIconv));
  const std::string internal = WithLineEnds(sjis, "\r\n");
  EXPECT_EQ(FromInternal(U(internal), internal.size(), CharCodeId::kEuc, LineEndId::kLf).bytes, eucByIconv);
  EXPECT_EQ(ToInternal(U(eucByIconv), eucByIconv.size(), CharCodeId::kEuc, kSelectorLf).bytes, internal);
}

}  // namespace
}  // namespace quelt
