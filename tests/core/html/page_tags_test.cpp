#include "html/page_tags.h"

#include <gtest/gtest.h>

namespace quelt {
namespace {

TEST(PageTagTest, DefaultsWriteTheHeadAndABareBody) {
  const TagPair p = BuildPageTag(PageTagSettings{});
  EXPECT_EQ(p.opening, "<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n<BODY>\r\n");
  EXPECT_EQ(p.closing, "\r\n</BODY>\r\n</HTML>\r\n");
}

TEST(PageTagTest, ImageThenAppliedColoursInTheirOrder) {
  PageTagSettings s;
  s.title = "\x93\xfa\x96\x7b";  // a Shift-JIS title goes in as it stands
  s.backgroundImage = "bg.gif";
  s.background.apply = s.text.apply = s.link.apply = s.visitedLink.apply = s.activeLink.apply = true;
  EXPECT_EQ(BuildPageTag(s).opening,
            "<HTML>\r\n<HEAD>\r\n<TITLE>\x93\xfa\x96\x7b</TITLE>\r\n</HEAD>\r\n"
            "<BODY BACKGROUND=\"bg.gif\" BGCOLOR=\"#C0C0C0\" TEXT=\"#000000\" LINK=\"#0000FF\" "
            "VLINK=\"#000080\" ALINK=\"#FF0000\">\r\n");
  s.backgroundImage.clear();
  s.background.apply = s.link.apply = s.visitedLink.apply = s.activeLink.apply = false;
  EXPECT_EQ(BuildPageTag(s).opening,
            "<HTML>\r\n<HEAD>\r\n<TITLE>\x93\xfa\x96\x7b</TITLE>\r\n</HEAD>\r\n<BODY TEXT=\"#000000\">\r\n");
}

TEST(CharTagTest, ElevenPointsWithoutColourGiveNoFont) {
  EXPECT_EQ(BuildCharTag(CharTagSettings{}), TagPair{});
  CharTagSettings s;
  s.bold = s.italic = true;
  EXPECT_EQ(BuildCharTag(s), (TagPair{"<B><I>", "</I></B>"}));
}

TEST(CharTagTest, EveryFlagNestsInOrderAndClosesInReverse) {
  CharTagSettings s;
  s.superscript = s.subscript = s.bold = s.italic = true;
  s.points = 28;
  s.colour = 0x0000FF;
  EXPECT_EQ(BuildCharTag(s), (TagPair{"<SUP><SUB><B><I><FONT SIZE=7 COLOR=\"#FF0000\">",
                                      "</FONT></I></B></SUB></SUP>"}));
}

TEST(CharTagTest, ChosenBlackIsAColourAndResetRemovesIt) {
  CharTagSettings s;
  s.colour = StoredCharColour(0x000000);
  EXPECT_EQ(s.colour, kStoredBlack);
  EXPECT_EQ(ShownColour(s.colour), 0u);
  EXPECT_EQ(BuildCharTag(s), (TagPair{"<FONT COLOR=\"#000000\">", "</FONT>"}));
  s.colour = 0;  // ﾘｾｯﾄ
  s.points = 8;
  EXPECT_EQ(BuildCharTag(s), (TagPair{"<FONT SIZE=2>", "</FONT>"}));
  EXPECT_EQ(StoredCharColour(0x123456), 0x123456u);
}

TEST(CharTagTest, UndeterminedCheckBoxesAreStoredAsOff) {
  EXPECT_FALSE(StoredCheck(0));
  EXPECT_TRUE(StoredCheck(1));
  EXPECT_FALSE(StoredCheck(2));
}

TEST(LinkAndAnchorTest, QuotedDestinationAndName) {
  HtmlTagSettings s;
  s.linkUrl = "http://example.com/?a=1&b=\"2\"";
  s.anchorName = "top";
  EXPECT_EQ(BuildLinkTag(s), (TagPair{"<A HREF=\"http://example.com/?a=1&b=\"2\"\">", "</A>"}));
  EXPECT_EQ(BuildAnchorTag(s), (TagPair{"<A NAME=\"top\">", "</A>"}));
  EXPECT_EQ(BuildLinkTag(HtmlTagSettings{}).opening, "<A HREF=\"\">");
}

TEST(LinkAndAnchorTest, LinkTextShownOnlyForShortStreamSelections) {
  EXPECT_TRUE(ShowsLinkText(true, 255));
  EXPECT_FALSE(ShowsLinkText(true, 256));
  EXPECT_FALSE(ShowsLinkText(true, 0));
  EXPECT_FALSE(ShowsLinkText(false, 10));
}

TEST(ImageTagTest, OnlySourceByDefault) {
  EXPECT_EQ(BuildImageTag(HtmlTagSettings{}), (TagPair{"<IMG SRC=\"\">", ""}));
}

TEST(ImageTagTest, EveryFieldInItsOrder) {
  HtmlTagSettings s;
  s.imageFile = "a.gif";
  s.imageAlt = "A";
  s.imageAlign = kImageAlignBottom;
  s.widthGiven = s.heightGiven = true;
  s.width = 0;  // given, so written even as 0
  s.height = 10240;
  s.hspace = 3;
  s.vspace = 4;
  s.border = true;
  EXPECT_EQ(BuildImageTag(s).opening,
            "<IMG SRC=\"a.gif\" ALT=\"A\" ALIGN=\"bottom\" WIDTH=0 HEIGHT=10240 HSPACE=3 VSPACE=4 "
            "BORDER=1>");
  s.widthGiven = s.heightGiven = s.border = false;
  s.width = 99;  // kept, but not given
  s.hspace = s.vspace = 0;
  s.imageAlt.clear();
  const char* kAligns[] = {"", " ALIGN=\"top\"", " ALIGN=\"center\"", " ALIGN=\"bottom\"",
                           " ALIGN=\"left\"", " ALIGN=\"right\""};
  for (int i = 0; i <= kImageAlignRight; ++i) {
    s.imageAlign = i;
    EXPECT_EQ(BuildImageTag(s).opening, "<IMG SRC=\"a.gif\"" + std::string(kAligns[i]) + ">");
  }
}

TEST(HeadingTagTest, LevelsOneToSix) {
  HtmlTagSettings s;
  EXPECT_EQ(BuildHeadingTag(s), (TagPair{"<H1>", "</H1>"}));
  s.headingLevel = 5;
  EXPECT_EQ(BuildHeadingTag(s), (TagPair{"<H6>", "</H6>"}));
}

TEST(FixedTagTest, BlockTagsAndLists) {
  EXPECT_EQ(*FixedTagPair(kCmdTagCentre), (TagPair{"<CENTER>", "</CENTER>"}));
  EXPECT_EQ(*FixedTagPair(kCmdTagParagraph), (TagPair{"<P>", "</P>"}));
  EXPECT_EQ(*FixedTagPair(kCmdTagBlink), (TagPair{"<BLINK>", "</BLINK>"}));
  EXPECT_EQ(*FixedTagPair(kCmdTagPre), (TagPair{"<PRE>", "</PRE>"}));
  EXPECT_EQ(*FixedTagPair(kCmdTagNoBreak), (TagPair{"<NOBR>", "</NOBR>"}));
  EXPECT_EQ(*FixedTagPair(kCmdTagClear), (TagPair{"<BR CLEAR>", ""}));
  EXPECT_EQ(*FixedTagPair(kCmdTagBreak), (TagPair{"<BR>", ""}));
  EXPECT_EQ(*FixedTagPair(kCmdTagRule), (TagPair{"<HR>", ""}));
  EXPECT_EQ(*FixedTagPair(kCmdTagBulletList), (TagPair{"<UL>\r\n", "</UL>"}));
  EXPECT_EQ(*FixedTagPair(kCmdTagNumberList), (TagPair{"<OL>\r\n", "</OL>"}));
  EXPECT_EQ(*FixedTagPair(kCmdTagDefinitionList), (TagPair{"<DL>\r\n", "</DL>"}));
  EXPECT_FALSE(FixedTagPair(kCmdTagImage));
}

TEST(BrowseTest, NameAloneOrFullPathWithCtrl) {
  EXPECT_EQ(BrowsedName("C:\\web\\img\\bg.gif", false), "bg.gif");
  EXPECT_EQ(BrowsedName("C:\\web\\img\\bg.gif", true), "C:\\web\\img\\bg.gif");
}

}  // namespace
}  // namespace quelt
