// Detection of UTF-8 and UTF-16 beside Shift-JIS, JIS and EUC, on small cases
// and on real Japanese text: a sample written here, and the dictionaries of
// the kakasi-dic and skkdic packages (EUC-JP) when they are installed,
// converted with glibc's iconv into each code. iconv is used here only.
#include <gtest/gtest.h>
#include <iconv.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "text/char_code.h"
#include "text/unicode_codec.h"

namespace quelt {
namespace {

const std::uint8_t* U(const std::string& s) { return reinterpret_cast<const std::uint8_t*>(s.data()); }

Detection D(const std::string& s, bool crlfEqualSjis = false) { return Detect(U(s), s.size(), crlfEqualSjis); }

TEST(UtfDetectTest, SignaturesDecideFirstAndUtf16CountsLineEndsInUnits) {
  EXPECT_EQ(D("\xEF\xBB\xBF" "abc\n").code, CharCodeId::kUtf8Bom);
  EXPECT_EQ(D("\xEF\xBB\xBF" "abc\n").selector, kSelectorLf);
  EXPECT_EQ(D("\xEF\xBB\xBF\x1B$B").code, CharCodeId::kUtf8Bom);  // over JIS too
  const Detection le = D(std::string("\xFF\xFE" "a\0\r\0\n\0", 8));
  EXPECT_EQ(le.code, CharCodeId::kUtf16Le);
  EXPECT_EQ(le.selector, kSelectorCrLf);  // byte-wise this would be LF
  const Detection be = D(std::string("\xFE\xFF\0a\0\r\0b", 8));
  EXPECT_EQ(be.code, CharCodeId::kUtf16Be);
  EXPECT_EQ(be.selector, kSelectorCr);
  EXPECT_EQ(D(std::string("\xFF\xFE\x0A\x0D", 4)).selector, kSelectorCrLf);  // U+0D0A is no line end
}

TEST(UtfDetectTest, ValidUtf8WithAMultiByteSequenceAndNoEscapeIsUtf8) {
  EXPECT_EQ(D("あ\r\n").code, CharCodeId::kUtf8);
  EXPECT_EQ(D("あ\r\n", true).code, CharCodeId::kUtf8);  // before the CR LF setting
  EXPECT_EQ(D("plain ascii\n").code, CharCodeId::kShiftJis);
  EXPECT_EQ(D("あ\x1B(B").code, CharCodeId::kShiftJis);   // an ESC: the old rules (not EUC: 0x81)
  EXPECT_EQ(D("\xC0\xAF" "a").code, CharCodeId::kEuc);       // overlong; EUC by the old rule
  EXPECT_EQ(D("\xED\xA0\x80").code, CharCodeId::kShiftJis);  // a surrogate
  EXPECT_EQ(D("a\xE3\x81").code, CharCodeId::kShiftJis);    // cut by the end of a short file
  // Cut by the 4,096-byte edge of a longer file: valid.
  std::string edge(kDetectSampleBytes - 2, 'a');
  edge += "あいう";
  EXPECT_EQ(D(edge).code, CharCodeId::kUtf8);
  EXPECT_EQ(D(edge.substr(0, kDetectSampleBytes)).code, CharCodeId::kUtf8);
  // A fault after the sample is not looked at; one inside it is.
  std::string late(kDetectSampleBytes - 3, 'a');
  EXPECT_EQ(D(late + "あ\x80").code, CharCodeId::kUtf8);
  EXPECT_EQ(D(late + "\x80" "あ").code, CharCodeId::kShiftJis);
}

TEST(UtfDetectTest, ForcedCodesKeepTheSignatureAndTheirLineEnds) {
  const auto forced = [](const std::string& s, CharCodeId code) { return DetectForced(U(s), s.size(), code, false); };
  EXPECT_EQ(forced("\xEF\xBB\xBF" "a", CharCodeId::kUtf8).code, CharCodeId::kUtf8Bom);
  EXPECT_EQ(forced("a", CharCodeId::kUtf8Bom).code, CharCodeId::kUtf8Bom);
  const Detection le = forced(std::string("a\0\r\0\n\0", 6), CharCodeId::kUtf16Le);
  EXPECT_EQ(le.code, CharCodeId::kUtf16Le);
  EXPECT_EQ(le.selector, kSelectorCrLf);
  const Detection sjis = forced(std::string("\xFF\xFE" "a\0\n\0", 6), CharCodeId::kShiftJis);
  EXPECT_EQ(sjis.code, CharCodeId::kShiftJis);
  EXPECT_EQ(sjis.selector, kSelectorLf);
  EXPECT_EQ(forced("あ", CharCodeId::kAuto).code, CharCodeId::kUtf8);
}

// ---- Real text ----

// Converts with iconv; false when iconv rejects any of the input.
bool Iconv(iconv_t cd, const std::string& in, std::string& out) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  std::string buffer(in.size() * 4 + 16, '\0');
  char* inp = const_cast<char*>(in.data());
  std::size_t inLeft = in.size();
  char* outp = buffer.data();
  std::size_t outLeft = buffer.size();
  const bool ok = iconv(cd, &inp, &inLeft, &outp, &outLeft) != static_cast<std::size_t>(-1) &&
                  iconv(cd, nullptr, nullptr, &outp, &outLeft) != static_cast<std::size_t>(-1);
  out.assign(buffer.data(), static_cast<std::size_t>(outp - buffer.data()));
  return ok;
}

// One text in the four codes, line by line: lines any code cannot take are
// left out.
struct Corpus {
  std::vector<std::string> sjis, euc, jis, utf8;
};

Corpus FromEuc(const std::string& euc) {
  Corpus c;
  iconv_t toUtf8 = iconv_open("UTF-8", "EUC-JP");
  iconv_t toSjis = iconv_open("CP932", "UTF-8");
  iconv_t toJis = iconv_open("ISO-2022-JP", "EUC-JP");
  EXPECT_NE(toUtf8, reinterpret_cast<iconv_t>(-1));
  EXPECT_NE(toSjis, reinterpret_cast<iconv_t>(-1));
  EXPECT_NE(toJis, reinterpret_cast<iconv_t>(-1));
  std::istringstream lines(euc);
  for (std::string line; std::getline(lines, line);) {
    std::string u, s, j;
    if (!Iconv(toUtf8, line, u) || !Iconv(toSjis, u, s) || !Iconv(toJis, line, j)) continue;
    c.euc.push_back(line);
    c.utf8.push_back(u);
    c.sjis.push_back(s);
    c.jis.push_back(j);
  }
  iconv_close(toUtf8);
  iconv_close(toSjis);
  iconv_close(toJis);
  return c;
}

// Every 4,096-byte window that starts at one of every `step` lines: none of
// the legacy codes may be taken for UTF-8, every UTF-8 window must be.
void CheckWindows(const Corpus& c, std::size_t step) {
  const std::vector<std::string>* legacy[] = {&c.sjis, &c.euc, &c.jis};
  std::size_t utf8Windows = 0;
  for (std::size_t first = 0; first < c.utf8.size(); first += step) {
    auto window = [&](const std::vector<std::string>& lines) {
      std::string w;
      for (std::size_t i = first; i < lines.size() && w.size() < kDetectSampleBytes; ++i) w += lines[i] + "\n";
      return w;
    };
    for (const auto* code : legacy) {
      const std::string w = window(*code);
      ASSERT_NE(D(w).code, CharCodeId::kUtf8) << "line " << first;
      ASSERT_NE(D(w, true).code, CharCodeId::kUtf8) << "line " << first;
    }
    const std::string u = window(c.utf8);
    const std::string sample = u.substr(0, kDetectSampleBytes);
    if (sample.find_first_of("\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8D\x8E\x8F"
                             "\x90\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9D\x9E\x9F"
                             "\xA0\xA1\xA2\xA3\xA4\xA5\xA6\xA7\xA8\xA9\xAA\xAB\xAC\xAD\xAE\xAF"
                             "\xB0\xB1\xB2\xB3\xB4\xB5\xB6\xB7\xB8\xB9\xBA\xBB\xBC\xBD\xBE\xBF") ==
        std::string::npos)
      continue;  // ASCII only: Shift-JIS by the rule
    ASSERT_EQ(D(u).code, CharCodeId::kUtf8) << "line " << first;
    ++utf8Windows;
  }
  EXPECT_GT(utf8Windows, 0u);
}

// The UTF-8 lines decode to what iconv gives for code page 932 and, when
// nothing was lost, encode back to the same bytes.
void CheckConversions(const Corpus& c) {
  std::size_t lossless = 0;
  for (std::size_t i = 0; i < c.utf8.size(); ++i) {
    const UnicodeDecoded d = DecodeUnicode(U(c.utf8[i]), c.utf8[i].size(), CharCodeId::kUtf8, kSelectorCrLf);
    ASSERT_EQ(d.bytes, c.sjis[i]) << "line " << i;
    if (d.tally.Lost() != 0) continue;
    ++lossless;
    const ConvertResult e = EncodeUnicode(U(d.bytes), d.bytes.size(), CharCodeId::kUtf8, LineEndId::kCrLf,
                                          d.tally.Forms());
    ASSERT_EQ(e.bytes, c.utf8[i]) << "line " << i;
  }
  EXPECT_GT(lossless, c.utf8.size() / 2);
}

Corpus Load(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return FromEuc(s.str());
}

// Written for this test: kana, kanji, full-width
// signs, the wave dash and the minus sign that EUC-JP converters give as
// U+301C and U+2212.
const char* const kSampleUtf8 =
    "吾輩はテキストエディタである。名前はまだ無い。\n"
    "どこで生まれたかとんと見当がつかぬ。何でも薄暗いじめじめした所で、\n"
    "「ＡＢＣ」と『１２３』、〜と−、※印や◎、カタカナも交じる。\n"
    "漢字：亜唖娃阿哀愛挨姶逢葵茜穐悪握渥旭葦芦鯵梓圧斡扱宛姐虻飴絢綾鮎或粟袷安庵按暗案闇鞍杏\n"
    "記号：☆★○●◎◇◆□■△▲▽▼※〒→←↑↓〓∈∋⊆⊇⊂⊃∪∩∧∨¬⇒⇔∀∃∠⊥⌒∂∇≡≒≪≫√∽∝∵∫∬\n";

TEST(UtfDetectTest, WrittenSampleInEveryCode) {
  std::string euc;
  iconv_t toEuc = iconv_open("EUC-JP", "UTF-8");
  ASSERT_TRUE(Iconv(toEuc, kSampleUtf8, euc));
  iconv_close(toEuc);
  const Corpus c = FromEuc(euc);
  ASSERT_EQ(c.utf8.size(), 5u);
  CheckWindows(c, 1);
  CheckConversions(c);
}

TEST(UtfDetectTest, DictionariesOfTheDebianPackages) {
  int found = 0;
  for (const char* path : {"/usr/share/skk/SKK-JISYO.L", "/usr/share/kakasi/itaijidict"}) {
    std::ifstream probe(path);
    if (!probe) continue;
    ++found;
    SCOPED_TRACE(path);
    const Corpus c = Load(path);
    ASSERT_GT(c.utf8.size(), 50u);
    CheckWindows(c, 97);
    CheckConversions(c);
  }
  if (found == 0) GTEST_SKIP() << "kakasi-dic and skkdic are not installed";
}

}  // namespace
}  // namespace quelt
