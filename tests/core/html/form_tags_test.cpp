#include "html/form_tags.h"

#include <gtest/gtest.h>

namespace quelt {
namespace {

TEST(FormTagTest, AreaWithTheDefaultAction) {
  EXPECT_EQ(BuildFormAreaTag(FormTagSettings{}),
            (TagPair{"\r\n<FORM METHOD=\"POST\" ACTION=\"mailto:\">\r\n", "\r\n</FORM>\r\n"}));
}

TEST(FormTagTest, TextFieldAlwaysWritesNameAndValue) {
  FormTagSettings s;
  EXPECT_EQ(BuildFormTextTag(s), (TagPair{"<INPUT TYPE=\"text\" NAME=\"\" VALUE=\"\">", ""}));
  s.textName = "n";
  s.textValue = "v";
  s.textSize = 20;
  s.textMaxLength = 40;
  EXPECT_EQ(BuildFormTextTag(s).opening,
            "<INPUT TYPE=\"text\" NAME=\"n\" VALUE=\"v\" SIZE=20 MAXLENGTH=40>");
  s.textSize = 0;
  EXPECT_EQ(BuildFormTextTag(s).opening, "<INPUT TYPE=\"text\" NAME=\"n\" VALUE=\"v\" MAXLENGTH=40>");
}

TEST(FormTagTest, ButtonsAndBoxes) {
  FormTagSettings s;
  s.radioName = "r";
  s.radioValue = "1";
  EXPECT_EQ(BuildFormRadioTag(s).opening, "<INPUT TYPE=\"radio\" NAME=\"r\" VALUE=\"1\">");
  s.radioChecked = true;
  EXPECT_EQ(BuildFormRadioTag(s).opening, "<INPUT TYPE=\"radio\" NAME=\"r\" VALUE=\"1\" CHECKED>");
  s.checkName = "c";
  EXPECT_EQ(BuildFormCheckBoxTag(s).opening, "<INPUT TYPE=\"checkbox\" NAME=\"c\">");
  s.checkChecked = true;
  EXPECT_EQ(BuildFormCheckBoxTag(s), (TagPair{"<INPUT TYPE=\"checkbox\" NAME=\"c\" CHECKED>", ""}));
  s.submitValue = "OK";
  EXPECT_EQ(BuildFormSubmitTag(s), (TagPair{"<INPUT TYPE=\"submit\" VALUE=\"OK\">", ""}));
  EXPECT_EQ(BuildFormResetTag(s), (TagPair{"<INPUT TYPE=\"reset\" VALUE=\"\">", ""}));
}

TEST(FormTagTest, SelectionBoxAndTextArea) {
  FormTagSettings s;
  s.selectName = "sel";
  EXPECT_EQ(BuildFormSelectTag(s),
            (TagPair{"\r\n<SELECT NAME=\"sel\">\r\n", "\r\n</SELECT>\r\n"}));
  s.textAreaName = "t";
  EXPECT_EQ(BuildFormTextAreaTag(s), (TagPair{"<TEXTAREA NAME=\"t\">", "</TEXTAREA>"}));
  s.textAreaCols = 60;
  s.textAreaRows = 5;
  EXPECT_EQ(BuildFormTextAreaTag(s).opening, "<TEXTAREA NAME=\"t\" COLS=60 ROWS=5>");
}

TEST(FrameTagTest, AreaSplitsByColumnsOrRowsWithTheWidthsQuoted) {
  FrameTagSettings s;
  s.widths = "30%,*";
  EXPECT_EQ(BuildFrameAreaTag(s),
            (TagPair{"\r\n<FRAMESET COLS=\"30%,*\">\r\n", "\r\n</FRAMESET>\r\n"}));
  s.direction = 1;
  EXPECT_EQ(BuildFrameAreaTag(s).opening, "\r\n<FRAMESET ROWS=\"30%,*\">\r\n");
}

TEST(FrameTagTest, FrameMarginsQuotedAndScrollingKeywords) {
  FrameTagSettings s;
  s.url = "a.html";
  EXPECT_EQ(BuildFrameTag(s), (TagPair{"<FRAME SRC=\"a.html\">\r\n", ""}));
  s.marginWidthIndex = 5;
  s.scrollingIndex = 3;  // しない
  EXPECT_EQ(BuildFrameTag(s).opening, "<FRAME SRC=\"a.html\" MARGINWIDTH=\"5\" SCROLLING=\"no\">\r\n");
  s.windowName = "main";
  s.marginHeightIndex = 100;
  s.scrollingIndex = 1;
  s.noResize = true;
  EXPECT_EQ(BuildFrameTag(s).opening,
            "<FRAME SRC=\"a.html\" NAME=\"main\" MARGINWIDTH=\"5\" MARGINHEIGHT=\"100\" "
            "SCROLLING=\"auto\" NORESIZE>\r\n");
  s.scrollingIndex = 2;
  EXPECT_NE(BuildFrameTag(s).opening.find("SCROLLING=\"yes\""), std::string::npos);
  EXPECT_STREQ(FrameScrollingLabel(3), "しない");
}

TEST(FrameTagTest, NoFrameAndTarget) {
  EXPECT_EQ(BuildNoFrameTag(), (TagPair{"<NOFRAME>\r\n", "\r\n</NOFRAME>\r\n"}));
  FrameTagSettings s;
  s.target = "_top";
  EXPECT_EQ(BuildFrameTargetTag(s), (TagPair{"<BASE TARGET=\"_top\">", ""}));
}

}  // namespace
}  // namespace quelt
