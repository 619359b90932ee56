#include <gtest/gtest.h>

#include "cabinet/cabinet_pages.h"

namespace quelt {
namespace {

std::string Lines(int count, const std::string& separator = "\r\n") {
  std::string text;
  for (int i = 0; i < count; ++i) text += "kw" + std::to_string(i) + separator;
  return text;
}

TEST(KeywordText, CountsOnlyNonEmptyLines) {
  KeywordPageResult r = ParseKeywordText(Lines(200));
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.keywords.size(), 200u);
  EXPECT_EQ(r.keywords[199], "kw199");
  // Blank lines between keywords do not count.
  r = ParseKeywordText(Lines(200, "\r\n\r\n\r\n"));
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.keywords.size(), 200u);
  r = ParseKeywordText(Lines(200) + "\r\n\r\n");
  EXPECT_TRUE(r.ok);
  r = ParseKeywordText(Lines(201));
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, kMsgOverMaxCount);
  r = ParseKeywordText(Lines(200) + "last");  // no final line end
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, kMsgOverMaxCount);
}

TEST(KeywordText, ThirtyBytesFitThirtyOneDoNot) {
  KeywordPageResult r = ParseKeywordText(std::string(30, 'a'));
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.keywords, std::vector<std::string>{std::string(30, 'a')});
  r = ParseKeywordText("ok\r\n" + std::string(31, 'a') + "\r\n");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, kMsgOverMaxLength);
  // A double-byte character counts as two bytes.
  std::string wide;
  for (int i = 0; i < 15; ++i) wide += "\x8E\xA6";  // 示
  EXPECT_TRUE(ParseKeywordText(wide).ok);
  r = ParseKeywordText(wide + "a");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, kMsgOverMaxLength);
}

TEST(KeywordText, WholeTextSizeLimit) {
  // 6,396 bytes pass, 6,397 do not, whatever the lines hold.
  std::string text = "word";
  text.append(6396 - text.size(), '\n');
  KeywordPageResult r = ParseKeywordText(text);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.keywords, std::vector<std::string>{"word"});
  text.push_back('\n');
  r = ParseKeywordText(text);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, kMsgOverMaxSize);
  EXPECT_EQ(ParseKeywordText(std::string(100000, 'x')).message, kMsgOverMaxSize);
}

TEST(KeywordText, LoneLineEndsSplitAndEmptyTextIsFine) {
  KeywordPageResult r = ParseKeywordText("a\rb\nc\r\n");
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.keywords, (std::vector<std::string>{"a", "b", "c"}));
  r = ParseKeywordText("");
  ASSERT_TRUE(r.ok);
  EXPECT_TRUE(r.keywords.empty());
  EXPECT_EQ(KeywordText({"a", "b"}), "a\r\nb\r\n");
  EXPECT_EQ(ParseKeywordText(KeywordText({"x", "y"})).keywords, (std::vector<std::string>{"x", "y"}));
}

FormatPageValues Sample() {
  FormatPageValues v;
  v.documentType = 2;
  v.lineWidth = 120;
  v.tabWidth = 8;
  v.lineCounting = 1;
  v.freeCursor = 0;
  v.autoIndent = 1;
  v.showLineEnds = 0;
  v.showTabs = 1;
  v.saveLineMarks = 0;
  v.saveStringMarks = 0;
  v.wordWrap = 1;
  v.tabInsertsBlanks = 1;
  v.kinsoku = 1;
  return v;
}

TEST(FormatRecord, ThirteenValuesInRecordOrder) {
  const std::string data = EncodeFormatRecord(Sample());
  ASSERT_EQ(data.size(), kFormatRecordBytes);
  const std::uint32_t expected[] = {2, 120, 8, 1, 0, 1, 0, 1, 0, 0, 1, 1, 1};
  for (int i = 0; i < 13; ++i) {
    std::uint32_t v = 0;
    for (int b = 0; b < 4; ++b) v |= std::uint32_t(std::uint8_t(data[i * 4 + b])) << (8 * b);
    EXPECT_EQ(v, expected[i]) << i;
  }
  FormatPageValues back;
  back.lineSpacing = 7;  // spacing is not recorded and stays
  ASSERT_TRUE(DecodeFormatRecord(data, back));
  FormatPageValues want = Sample();
  want.lineSpacing = 7;
  EXPECT_EQ(back, want);
}

TEST(FormatRecord, ShorterRecordsLeaveTheTrailingValues) {
  const std::string data = EncodeFormatRecord(Sample());
  FormatPageValues v;  // tabInsertsBlanks 0, kinsoku 0
  ASSERT_TRUE(DecodeFormatRecord(std::string_view(data).substr(0, 44), v));
  EXPECT_EQ(v.wordWrap, 1u);
  EXPECT_EQ(v.tabInsertsBlanks, 0u);
  EXPECT_EQ(v.kinsoku, 0u);
  FormatPageValues w;
  ASSERT_TRUE(DecodeFormatRecord(std::string_view(data).substr(0, 48), w));
  EXPECT_EQ(w.tabInsertsBlanks, 1u);
  EXPECT_EQ(w.kinsoku, 0u);
  FormatPageValues x;
  EXPECT_FALSE(DecodeFormatRecord(std::string_view(data).substr(0, 40), x));
  EXPECT_EQ(x, FormatPageValues{});
}

TEST(FormatRecord, OutOfRangeValuesAreRefused) {
  FormatPageValues bad = Sample();
  bad.tabWidth = 0;
  FormatPageValues v;
  EXPECT_FALSE(DecodeFormatRecord(EncodeFormatRecord(bad), v));
  bad = Sample();
  bad.documentType = 3;
  EXPECT_FALSE(DecodeFormatRecord(EncodeFormatRecord(bad), v));
  bad = Sample();
  bad.lineWidth = 251;
  EXPECT_FALSE(DecodeFormatRecord(EncodeFormatRecord(bad), v));
  EXPECT_EQ(v, FormatPageValues{});
}

TEST(FormatPage, SaysWhatMustBeLaidOutAgain) {
  CabinetSettings s = DefaultSettings(0, false);
  FormatPageValues v = FormatPageFrom(s);
  v.showTabs = 1;
  FormatChange c = ApplyFormatPage(v, s);
  EXPECT_FALSE(c.relayout);
  EXPECT_FALSE(c.refreshLineBar);
  EXPECT_EQ(s.block[kWordShowTabs], 1u);
  v.charSpacing = 5;
  EXPECT_TRUE(ApplyFormatPage(v, s).relayout);
  v.kinsoku = 1;
  EXPECT_TRUE(ApplyFormatPage(v, s).relayout);
  EXPECT_EQ(s.kinsoku, 1u);
  v.lineCounting = 1;
  c = ApplyFormatPage(v, s);
  EXPECT_FALSE(c.relayout);
  EXPECT_TRUE(c.refreshLineBar);
  EXPECT_EQ(FormatPageFrom(s), v);
}

}  // namespace
}  // namespace quelt
