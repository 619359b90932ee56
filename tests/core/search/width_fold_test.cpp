// The width folding against the code page 932 tables: every pair goes
// through Unicode, full-width forms to ASCII and katakana to half-width ones.
#include "search/width_fold.h"

#include <gtest/gtest.h>

#include <string>

#include "base/cp932.h"

namespace quelt {
namespace {

std::uint16_t CodeOf(char16_t unit) {
  std::uint16_t code = 0;
  EXPECT_TRUE(UnicodeToCp932(unit, code)) << std::hex << static_cast<int>(unit);
  return code;
}

TEST(WidthFold, AsciiPairsFollowTheFullWidthForms) {
  for (char16_t c = 0x21; c <= 0x7E; ++c) {
    char16_t wide = static_cast<char16_t>(0xFF01 + (c - 0x21));
    // The pairs code page 932 takes for the quotes, the grave accent, the
    // backslash and the tilde.
    if (c == '"') wide = 0x201D;
    if (c == '\'') wide = 0x2019;
    if (c == '`') wide = 0x2018;
    if (c == '\\') wide = 0xFFE5;
    if (c == '~') wide = 0xFFE3;
    const std::uint16_t code = CodeOf(wide);
    EXPECT_EQ(FoldWidth(code), c) << std::hex << code;
    EXPECT_EQ(UnfoldWidth(static_cast<std::uint8_t>(c)), code);
  }
  EXPECT_EQ(FoldWidth(CodeOf(0x3000)), 0x20);
  EXPECT_EQ(UnfoldWidth(0x20), 0x8140);
}

TEST(WidthFold, HalfWidthKatakanaAndPunctuation) {
  // U+FF61-FF9F with the full-width character each one stands for.
  const std::u16string wide =
      u"。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜";
  ASSERT_EQ(wide.size(), 0xFF9Fu - 0xFF61u + 1);
  for (std::size_t i = 0; i < wide.size(); ++i) {
    const auto narrow = static_cast<std::uint8_t>(0xA1 + i);
    char16_t unit = 0;
    ASSERT_TRUE(Cp932ToUnicode(narrow, unit));
    EXPECT_EQ(unit, 0xFF61 + i);
    const std::uint16_t code = CodeOf(wide[i]);
    EXPECT_EQ(FoldWidth(code), narrow) << std::hex << code;
    EXPECT_EQ(UnfoldWidth(narrow), code);
  }
}

TEST(WidthFold, OtherCodesStay) {
  EXPECT_EQ(FoldWidth(0x834B), 0x834B);  // ガ has no one-byte form
  EXPECT_EQ(FoldWidth(0x82A0), 0x82A0);  // あ
  EXPECT_EQ(FoldWidth('A'), 'A');
  EXPECT_EQ(FoldWidth(0xB1), 0xB1);
  EXPECT_EQ(FoldWidth(0x815F), 0x815F);  // ＼ is not the backslash's pair
  EXPECT_EQ(FoldWidth(0x814D), 0x814D);  // nor ｀ the grave accent's
  EXPECT_EQ(UnfoldWidth(0x80), 0);
  EXPECT_EQ(UnfoldWidth(0x0D), 0);
}

}  // namespace
}  // namespace quelt
