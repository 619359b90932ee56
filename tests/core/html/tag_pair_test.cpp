#include "html/tag_pair.h"

#include <gtest/gtest.h>

namespace quelt {
namespace {

TEST(FormatHtmlColorTest, SwapsRedAndBlueAndPadsToSixDigits) {
  EXPECT_EQ(FormatHtmlColor(0xFF0000, false, false), "0000FF");  // blue
  EXPECT_EQ(FormatHtmlColor(0x0000FF, true, false), "#FF0000");  // red
  EXPECT_EQ(FormatHtmlColor(0x800000, true, true), "\"#000080\"");
  EXPECT_EQ(FormatHtmlColor(0x0A0B0C, true, false), "#0C0B0A");
  EXPECT_EQ(FormatHtmlColor(0xC0C0C0, false, true), "\"C0C0C0\"");
}

TEST(FormatHtmlColorTest, StoredBlackAndHighBitsPrintOnlyTheColour) {
  EXPECT_EQ(FormatHtmlColor(0x1000000, true, true), "\"#000000\"");
  EXPECT_EQ(FormatHtmlColor(0x80FF8040, true, false), "#4080FF");
}

TEST(HtmlFontSizeTest, PointsToSizeAtEveryBoundary) {
  EXPECT_EQ(HtmlFontSize(0), 1);
  EXPECT_EQ(HtmlFontSize(6), 1);
  EXPECT_EQ(HtmlFontSize(7), 2);
  EXPECT_EQ(HtmlFontSize(8), 2);
  EXPECT_EQ(HtmlFontSize(9), 3);
  EXPECT_EQ(HtmlFontSize(11), 3);
  EXPECT_EQ(HtmlFontSize(12), 4);
  EXPECT_EQ(HtmlFontSize(15), 5);
  EXPECT_EQ(HtmlFontSize(16), 6);
  EXPECT_EQ(HtmlFontSize(27), 7);
  EXPECT_EQ(HtmlFontSize(28), 7);
  EXPECT_EQ(HtmlFontSize(100), 7);
}

TEST(HtmlFontSizeTest, SizeToPointsWithSizeThreeOutsideTheTable) {
  EXPECT_EQ(HtmlFontPoints(1), 6);
  EXPECT_EQ(HtmlFontPoints(4), 12);
  EXPECT_EQ(HtmlFontPoints(7), 28);
  EXPECT_EQ(HtmlFontPoints(0), 11);
  EXPECT_EQ(HtmlFontPoints(8), 11);
  for (int size = 1; size <= 7; ++size) EXPECT_EQ(HtmlFontSize(HtmlFontPoints(size)), size);
}

TEST(OpenTagTest, AttributesInOrderNumbersBareTextsQuotedNothingEscaped) {
  EXPECT_EQ(OpenTag("IMG").Text("SRC", "a\"<b>&.gif").Number("BORDER", 1).Flag("ISMAP").Str(),
            "<IMG SRC=\"a\"<b>&.gif\" BORDER=1 ISMAP>");
  EXPECT_EQ(OpenTag("TD").Bare("WIDTH", "50%").Number("X", 0).Str(), "<TD WIDTH=50% X=0>");
  EXPECT_EQ(OpenTag("P").Str(), "<P>");
  EXPECT_EQ(CloseTag("P"), "</P>");
  EXPECT_EQ(SimpleTag("BR CLEAR"), "<BR CLEAR>");
}

}  // namespace
}  // namespace quelt
