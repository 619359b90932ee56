#include <gtest/gtest.h>

#include "cabinet/cabinet_settings.h"

namespace quelt {
namespace {

TEST(CabinetDefaults, FormatBlockPerDocumentType) {
  const FormatBlock t0 = DefaultFormatBlock(0), t1 = DefaultFormatBlock(1), t2 = DefaultFormatBlock(2);
  EXPECT_EQ(t0[kWordLineWidth], 80u);
  EXPECT_EQ(t1[kWordLineWidth], 128u);
  EXPECT_EQ(t0[kWordLineCounting], 0u);
  EXPECT_EQ(t2[kWordLineCounting], 1u);
  EXPECT_EQ(t0[kWordAutoIndent], 0u);
  EXPECT_EQ(t1[kWordAutoIndent], 1u);
  EXPECT_EQ(t2[kWordDocumentType], 2u);
  // Everything else is the same for all three types.
  for (int w = 0; w < kFormatWords; ++w) {
    if (w == kWordLineWidth || w == kWordLineCounting || w == kWordAutoIndent || w == kWordDocumentType) {
      continue;
    }
    EXPECT_EQ(t0[w], t1[w]) << w;
    EXPECT_EQ(t0[w], t2[w]) << w;
  }
  EXPECT_EQ(t0[kWordTabWidth], 4u);
  EXPECT_EQ(t0[kWordShowLineEnds], 1u);
  EXPECT_EQ(t0[kWordFreeCursor], 1u);
  EXPECT_EQ(t0[kWordMarkLineBack], 0x80FF80u);
  EXPECT_EQ(t0[kWordCppKeywordColour], 0x0000FFu);
  EXPECT_EQ(t0[kWordTabColour], 0xC0C0C0u);
  EXPECT_EQ(t0[kWordTextBack], 0xFFFFFFu);
  EXPECT_EQ(t0[kWordTagBack], 0x00FF00u);
  EXPECT_EQ(t0[kWordKeywordCount], 0u);
  EXPECT_EQ(FontOf(t0), FontRecord{});
  EXPECT_EQ(DefaultFormatBlock(7), t0);
}

TEST(CabinetDefaults, SettingsOutsideTheBlock) {
  const CabinetSettings s = DefaultSettings(1, false);
  EXPECT_EQ(s.kinsoku, 0u);
  EXPECT_TRUE(s.keywords.empty());
  EXPECT_EQ(s.keywordWholeWord, 1u);
  EXPECT_EQ(s.keywordCaseSensitive, 1u);
  EXPECT_EQ(s.cursorLineColour, 0x400080u);
  EXPECT_EQ(s.htmlTagColour, 0x400080u);
  EXPECT_EQ(s.urlColour, 0xFF0000u);
  EXPECT_TRUE(s.files.empty());
  EXPECT_EQ(s.DocumentType(), 1);
}

TEST(CabinetDefaults, JapaneseFilters) {
  const FilterList t0 = DefaultFilters(0, false);
  ASSERT_EQ(t0.size(), 5u);
  EXPECT_EQ(t0[0], (FilterPair{"\xC3\xB7\xBD\xC4(*.txt)", "*.txt"}));  // ﾃｷｽﾄ
  EXPECT_EQ(t0[2], (FilterPair{"HTML(*.html;*.htm)", "*.html;*.htm"}));
  EXPECT_EQ(t0[4].pattern, "*.*");
  const FilterList t1 = DefaultFilters(1, false);
  ASSERT_EQ(t1.size(), 6u);
  EXPECT_EQ(t1[3].pattern, "*.asm;*.inc");
  EXPECT_EQ(t1[4], t0[3]);  // the cabinet pair
  EXPECT_EQ(t1[5], t0[4]);  // all files
  const FilterList t2 = DefaultFilters(2, false);
  EXPECT_EQ(t2[0], (FilterPair{"\xBF\xB0\xBD(*.c;*.cpp)", "*.c;*.cpp"}));  // ｿｰｽ
  EXPECT_EQ(t2[1].pattern, "*.h;*.hpp");
  EXPECT_EQ(t2[2], t1[2]);
}

TEST(CabinetDefaults, EnglishFiltersAndTheStoredText) {
  EXPECT_EQ(DefaultFilterText(0, true),
            "Text(*.txt)|*.txt|Others(*.log;*.ini)|*.log;*.ini|HTML(*.html;*.htm)|*.html;*.htm|"
            "Cabinet(*.cab)|*.cab|All Files(*.*)|*.*||");
  EXPECT_EQ(DefaultFilterText(2, true),
            "Source(*.c;*.cpp)|*.c;*.cpp|Header(*.h;*.hpp)|*.h;*.hpp|Resource(*.rc)|*.rc|"
            "Assembler(*.asm;*.inc)|*.asm;*.inc|Cabinet(*.cab)|*.cab|All Files(*.*)|*.*||");
  for (int t = 0; t < 3; ++t) {
    for (bool english : {false, true}) {
      EXPECT_EQ(BuildFilterString(DefaultFilters(t, english)), DefaultFilterText(t, english));
    }
  }
}

TEST(FilterText, BarsInsideDoubleByteCharactersAreNotSeparators) {
  const FilterList pairs = {{"\x83\x7C\x83\x7C(*.p)", "*.p"}, {"x", "*.\x83\x7C"}};  // ポポ
  const std::string text = BuildFilterString(pairs);
  EXPECT_EQ(ParseFilterText(text), pairs);
  EXPECT_TRUE(IsValidFilterTitle(pairs[0].title));
  EXPECT_TRUE(IsValidFilterPattern(pairs[1].pattern));
  EXPECT_EQ(BuildFilterString({}), "|");
}

TEST(FilterText, PairLimits) {
  EXPECT_TRUE(IsValidFilterTitle(""));
  EXPECT_TRUE(IsValidFilterTitle(std::string(40, 't')));
  EXPECT_FALSE(IsValidFilterTitle(std::string(41, 't')));
  std::string wide;
  for (int i = 0; i < 40; ++i) wide += "\x8E\xA6";
  EXPECT_TRUE(IsValidFilterTitle(wide));  // forty characters of two bytes
  EXPECT_FALSE(IsValidFilterTitle("a|b"));
  EXPECT_FALSE(IsValidFilterPattern(""));
  EXPECT_TRUE(IsValidFilterPattern(std::string(40, '*')));
  EXPECT_FALSE(IsValidFilterPattern(std::string(41, '*')));
  EXPECT_FALSE(IsValidFilterPattern("*.a|*.b"));
  EXPECT_FALSE(IsValidFilterPattern(std::string("*\0", 2)));
}

TEST(Keywords, Validity) {
  EXPECT_FALSE(IsValidKeyword(""));
  EXPECT_TRUE(IsValidKeyword(std::string(30, 'k')));
  EXPECT_FALSE(IsValidKeyword(std::string(31, 'k')));
  EXPECT_FALSE(IsValidKeyword("a\r\nb"));
}

TEST(FontRecordInBlock, RoundTripsAndPacksBytesLittleEndian) {
  FontRecord f;
  f.height = -10;
  f.width = 6;
  f.weight = 400;
  f.italic = 1;
  f.underline = 2;
  f.strikeOut = 3;
  f.charSet = 128;
  f.pitchAndFamily = 0x31;
  const std::string face = "\x82\x6C\x82\x72 Gothic";
  std::copy(face.begin(), face.end(), f.faceName.begin());
  FormatBlock block = DefaultFormatBlock(0);
  SetFont(block, f);
  EXPECT_EQ(FontOf(block), f);
  EXPECT_EQ(block[26], 0xFFFFFFF6u);
  EXPECT_EQ(block[31], 0x80030201u);
  EXPECT_EQ(block[33], 0x726C826Cu - 0x726C826Cu + (0x82u | 0x6Cu << 8 | 0x82u << 16 | 0x72u << 24));
  EXPECT_EQ(block[kWordWordWrap], 0u);  // untouched
}

TEST(DocumentTypes, NamesAndExtensions) {
  EXPECT_STREQ(DocumentTypeName(0), "一般文書");
  EXPECT_STREQ(DocumentTypeName(2), "Ｃ＋＋言語");
  EXPECT_STREQ(DefaultExtension(0), "txt");
  EXPECT_STREQ(DefaultExtension(1), "c");
  EXPECT_STREQ(DefaultExtension(2), "cpp");
  // The file dialogs propose "html" while an HTML document is active,
  // whatever the cabinet's type.
  EXPECT_STREQ(FileDialogExtension(1, false), "c");
  EXPECT_STREQ(FileDialogExtension(1, true), "html");
  EXPECT_STREQ(FileDialogExtension(0, true), "html");
}

}  // namespace
}  // namespace quelt
