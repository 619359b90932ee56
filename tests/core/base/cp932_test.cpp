// The code page 932 conversion against glibc's iconv ("CP932"), code by code
// in both directions, and the text conversions on their edge cases. iconv is
// used here only; the editor itself never depends on it.
#include "base/cp932.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace quelt {
namespace {

// One conversion with iconv; false when iconv rejects the input.
class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (ok()) iconv_close(cd_);
  }
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  bool operator()(const std::string& in, std::string& out) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char buffer[16];
    char* inp = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char* outp = buffer;
    std::size_t outLeft = sizeof buffer;
    const bool done = iconv(cd_, &inp, &inLeft, &outp, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
    out.assign(buffer, static_cast<std::size_t>(outp - buffer));
    return done;
  }

 private:
  iconv_t cd_;
};

std::string Code(std::uint16_t code) {
  if (code <= 0xFF) return std::string(1, static_cast<char>(code));
  return std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

std::string Unit(char16_t u) { return std::string{static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)}; }

TEST(Cp932, EveryCodeConvertsAsIconvDoes) {
  Iconv toUtf16("UTF-16LE", "CP932");
  ASSERT_TRUE(toUtf16.ok());
  int defined = 0;
  for (unsigned code = 0; code <= 0xFFFF; ++code) {
    if (code > 0xFF && code < 0x8100) continue;
    std::string expected;
    const bool iconvDefined = toUtf16(Code(static_cast<std::uint16_t>(code)), expected) && expected.size() == 2;
    char16_t unit = 0;
    const bool ours = Cp932ToUnicode(static_cast<std::uint16_t>(code), unit);
    ASSERT_EQ(ours, iconvDefined) << std::hex << code;
    if (!ours) continue;
    ++defined;
    ASSERT_EQ(Unit(unit), expected) << std::hex << code;
  }
  // ASCII and the half-width katakana, JIS X 0208 with the NEC and IBM
  // extensions, and the 1,880 user-defined codes.
  EXPECT_EQ(defined, 191 + 9604);
}

TEST(Cp932, EveryUnitConvertsBackAsIconvDoes) {
  Iconv toCp932("CP932", "UTF-16LE");
  ASSERT_TRUE(toCp932.ok());
  for (unsigned u = 0; u <= 0xFFFF; ++u) {
    if (u >= 0xD800 && u <= 0xDFFF) continue;
    std::string expected;
    const bool iconvHas = toCp932(Unit(static_cast<char16_t>(u)), expected);
    std::uint16_t code = 0;
    const bool ours = UnicodeToCp932(static_cast<char16_t>(u), code);
    ASSERT_EQ(ours, iconvHas) << std::hex << u;
    if (ours) ASSERT_EQ(Code(code), expected) << std::hex << u;
  }
  std::uint16_t code = 0;
  EXPECT_FALSE(UnicodeToCp932(u'\xD800', code));
}

TEST(Cp932, DuplicatesConvertBackToThePlatformsChoice) {
  std::uint16_t code = 0;
  ASSERT_TRUE(UnicodeToCp932(u'\uFFE2', code));  // also 0xEEF9 and 0xFA54
  EXPECT_EQ(code, 0x81CA);
  ASSERT_TRUE(UnicodeToCp932(u'\u2170', code));  // also 0xEEEF
  EXPECT_EQ(code, 0xFA40);
  ASSERT_TRUE(UnicodeToCp932(u'\u2160', code));  // also 0xFA4A
  EXPECT_EQ(code, 0x8754);
  ASSERT_TRUE(UnicodeToCp932(u'\u7E8A', code));  // also 0xED40
  EXPECT_EQ(code, 0xFA5C);
}

TEST(Cp932, TextsConvertWithTheDefaultCharacters) {
  // "a表ｱ" with the trail byte 0x5C of "表".
  const std::string sjis = "a\x95\x5C\xB1";
  EXPECT_EQ(SjisToUtf16(sjis), u"a表ｱ");
  EXPECT_EQ(Utf16ToSjis(u"a表ｱ"), sjis);
  // Undefined codes: a lone byte 0x80, the unassigned pair 0x85 0x40, a lead
  // byte before a byte that cannot be a trail, a lead byte at the end.
  EXPECT_EQ(SjisToUtf16("\x80" "\x85\x40" "\x81\x0A" "\x81"), u"・・・\n・");
  // Characters without a code: a surrogate pair counts once, a lone
  // surrogate too.
  EXPECT_EQ(Utf16ToSjis(u"x\U0001F600y\xDC00z한"), "x?y?z?");
  EXPECT_EQ(Utf16ToSjis(u"\xD800"), "?");
  EXPECT_EQ(SjisToUtf16(""), u"");
}

}  // namespace
}  // namespace quelt
