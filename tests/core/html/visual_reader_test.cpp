#include "html/visual_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/memory_file_system.h"
#include "fake_host.h"
#include "html/visual_html_scan.h"
#include "html/visual_writer.h"

namespace quelt {
namespace {

const std::string kTemp = "C:\\quelt\\quelt.TM1";
const std::string kFile = "C:\\docs\\page.htm";
// "亜" and "い" in Shift-JIS; "亜" in EUC and JIS.
const std::string kA = "\x88\x9F";
const std::string kI = "\x82\xA2";
const std::string kEucA = "\xB0\xA1";
const std::string kJisA = "\x1B$B\x30\x21\x1B(B";

VisualDocument Parse(std::string_view page) {
  VisualDocument doc;
  ParseVisualHtml(page, doc);
  EXPECT_EQ(doc.text.size(), doc.attrs.size());
  return doc;
}

std::string Body(std::string_view inner) { return "<HTML><BODY>\r\n" + std::string(inner) + "</BODY></HTML>"; }

SavedAttr At(const VisualDocument& doc, std::size_t i) { return SavedAttrOf(doc, doc.attrs.at(i)); }

// ---- Cleaning ----

TEST(CleanVisualHtmlTest, ZeroBytesLoneCrAndBrokenCharactersBecomeSpaces) {
  std::string s("a\0b\rc\r\nd\r", 9);
  CleanVisualHtml(s);
  EXPECT_EQ(s, "a b c\r\nd ");
  // A lead byte before CR takes the CR with it; the LF stays.
  s = "x\x88\r\ny";
  CleanVisualHtml(s);
  EXPECT_EQ(s, "x  \ny");
  // A lead byte at the very end; a whole character at the end stays.
  s = "ab\x88";
  CleanVisualHtml(s);
  EXPECT_EQ(s, "ab ");
  s = "ab" + kA;
  CleanVisualHtml(s);
  EXPECT_EQ(s, "ab" + kA);
  // The second byte of a character is never taken for a lead byte.
  s = "\x88\x88\x88\x9F";
  CleanVisualHtml(s);
  EXPECT_EQ(s, "\x88\x88\x88\x9F");
  s = "\x88\x88\x88";
  CleanVisualHtml(s);
  EXPECT_EQ(s, "\x88\x88 ");
}

// ---- Attributes and values ----

TEST(FindHtmlAttributeTest, NamesMatchWholeAndIgnoringCase) {
  const std::string_view tag = "VLINK=\"#010203\" alink=#040506 LINK=\"#070809\"";
  EXPECT_EQ(FindHtmlAttribute(tag, "LINK").value(), "#070809");
  EXPECT_EQ(FindHtmlAttribute(tag, "ALINK").value(), "#040506");
  EXPECT_FALSE(FindHtmlAttribute(tag, "INK").has_value());
  EXPECT_FALSE(FindHtmlAttribute("HREFLANG=en", "HREF").has_value());
}

TEST(FindHtmlAttributeTest, ValuesBareQuotedOrMissing) {
  EXPECT_EQ(FindHtmlAttribute("SIZE = 5 COLOR=red", "SIZE").value(), "5");
  EXPECT_EQ(FindHtmlAttribute("HREF=a.htm\"x\"", "HREF").value(), "a.htm");
  EXPECT_EQ(FindHtmlAttribute("BACKGROUND=\"my pic.gif\" TEXT=x", "BACKGROUND").value(), "my pic.gif");
  EXPECT_EQ(FindHtmlAttribute("HREF\"q.htm\"", "HREF").value(), "q.htm");
  // A name alone has an empty value and does not swallow the next one.
  EXPECT_EQ(FindHtmlAttribute("NAME HREF=b", "NAME").value(), "");
  EXPECT_EQ(FindHtmlAttribute("NAME HREF=b", "HREF").value(), "b");
  // A name inside another attribute's quoted value is no attribute.
  EXPECT_FALSE(FindHtmlAttribute("FACE=\"x COLOR=red\"", "COLOR").has_value());
  EXPECT_EQ(FindHtmlAttribute("HREF=\"unclosed", "HREF").value(), "unclosed");
  EXPECT_EQ(FindHtmlAttribute("HREF=", "HREF").value(), "");
}

TEST(ParseHtmlColourTest, SixDigitsWithOrWithoutHashAndBadPairsAsZero) {
  EXPECT_EQ(ParseHtmlColour("#FF8000").value(), 0x0080FFu);
  EXPECT_EQ(ParseHtmlColour("0000ff").value(), 0xFF0000u);
  EXPECT_EQ(ParseHtmlColour("#GG1234").value(), 0x341200u);
  EXPECT_EQ(ParseHtmlColour("#12 456").value(), 0x560012u);
  EXPECT_FALSE(ParseHtmlColour("red").has_value());
  EXPECT_FALSE(ParseHtmlColour("#FFF").has_value());
  EXPECT_FALSE(ParseHtmlColour("X123456").has_value());
  EXPECT_FALSE(ParseHtmlColour("#1234567").has_value());
}

TEST(MatchVisualTagTest, OrderCaseAndExtent) {
  EXPECT_EQ(MatchVisualTag("</br>", 0).tag, VisualTag::kEndBr);
  EXPECT_EQ(MatchVisualTag("<b>", 0).tag, VisualTag::kB);
  EXPECT_EQ(MatchVisualTag("<BR>", 0).tag, VisualTag::kBr);
  EXPECT_EQ(MatchVisualTag("<BODY>", 0).tag, VisualTag::kNone);
  EXPECT_EQ(MatchVisualTag("<FONT>", 0).tag, VisualTag::kNone);
  EXPECT_EQ(MatchVisualTag("<P>", 0).tag, VisualTag::kNone);
  const TagMatch font = MatchVisualTag("<font size=2>x", 0);
  EXPECT_EQ(font.tag, VisualTag::kFont);
  EXPECT_EQ(font.end, 13u);
  EXPECT_EQ(font.attrsEnd, 12u);
  // A ">" that is the second byte of a character does not end the tag.
  const TagMatch a = MatchVisualTag("<A HREF=\x88>x>", 0);
  EXPECT_EQ(a.end, 12u);
  const TagMatch open = MatchVisualTag("<A HREF=x", 0);
  EXPECT_EQ(open.end, 9u);
  EXPECT_EQ(open.attrsEnd, 9u);
}

TEST(MatchVisualTagTest, AnyBlankAfterTheNameOpensBodyFontAndA) {
  for (const char* blank : {" ", "\t", "\r\n", "\n"}) {
    const std::string b = blank;
    EXPECT_EQ(MatchVisualTag("<BODY" + b + "CLASS=\"BOOK\">", 0).tag, VisualTag::kBody) << b;
    EXPECT_EQ(MatchVisualTag("<font" + b + "size=2>", 0).tag, VisualTag::kFont) << b;
    const TagMatch a = MatchVisualTag("<A" + b + "HREF=x>", 0);
    EXPECT_EQ(a.tag, VisualTag::kA) << b;
    EXPECT_EQ(a.attrs, 2 + b.size()) << b;
    EXPECT_TRUE(IsNamedAnchor("<a" + b + "name=t>", 0)) << b;
  }
  EXPECT_EQ(MatchVisualTag("<BODYX>", 0).tag, VisualTag::kNone);
  EXPECT_EQ(MatchVisualTag("<ABBR title=x>", 0).tag, VisualTag::kNone);
  EXPECT_EQ(MatchVisualTag("<A>", 0).tag, VisualTag::kNone);
  EXPECT_EQ(MatchVisualTag("<B> ", 0).end, 3u);
  EXPECT_FALSE(IsNamedAnchor("<A HREF=x NAME=y>", 0));
  EXPECT_FALSE(IsNamedAnchor("<ANAME=y>", 0));
}

TEST(MatchVisualTagTest, AQuotedValueHoldsAClosingBracket) {
  const std::string_view page = "<A HREF=\"a>b\" X>t";
  const TagMatch a = MatchVisualTag(page, 0);
  EXPECT_EQ(a.end, page.size() - 1);
  EXPECT_EQ(FindHtmlAttribute(page.substr(a.attrs, a.attrsEnd - a.attrs), "HREF").value(), "a>b");
  // A quote without its closing one before the next "<" is a plain
  // character: the tag ends at its first ">".
  EXPECT_EQ(MatchVisualTag("<A HREF=\"a>b<B>\">", 0).end, 11u);
  EXPECT_EQ(MatchVisualTag("<FONT FACE=\"x>", 0).end, 14u);
}

TEST(FindHtmlAttributeTest, ReferencesInValuesAreRead) {
  EXPECT_EQ(FindHtmlAttribute("HREF=\"a&quot;b&#62;&#x3C;&amp;c&copy;\"", "HREF").value(), "a\"b><&c&copy;");
  EXPECT_EQ(FindHtmlAttribute("SIZE=&#53; COLOR=&#35;FF0000", "SIZE").value(), "5");
  EXPECT_EQ(FindHtmlAttribute("SIZE=&#53; COLOR=&#35;FF0000", "COLOR").value(), "#FF0000");
}

// ---- Parsing ----

TEST(ParseVisualHtmlTest, LowerCaseBoldAndItalic) {
  const VisualDocument doc = Parse(Body("a<b>bo</b><i>c</I>d"));
  EXPECT_EQ(doc.text, "abocd");
  EXPECT_EQ(At(doc, 0), SavedAttr{});
  EXPECT_TRUE(At(doc, 1).bold);
  EXPECT_TRUE(At(doc, 2).bold);
  EXPECT_FALSE(At(doc, 3).bold);
  EXPECT_TRUE(At(doc, 3).italic);
  EXPECT_EQ(At(doc, 4), SavedAttr{});
  EXPECT_EQ(doc.attrs[0].font, 0);
}

TEST(ParseVisualHtmlTest, FontSizeOutsideTheRangeIsThreeAndColoursAreStored) {
  const VisualDocument doc =
      Parse(Body("<FONT SIZE=9>a</FONT><FONT SIZE=5 COLOR=#000000>b</FONT><FONT COLOR=\"#0080FF\">c</FONT>"
                 "<FONT COLOR=red>d</FONT><font size=1>e<FONT COLOR=#102030>f</FONT>g"));
  ASSERT_EQ(doc.text, "abcdefg");
  EXPECT_EQ(doc.attrs[0].font, 0);
  EXPECT_EQ(doc.attrs[0].colour, 0u);
  EXPECT_EQ(At(doc, 1).size, 5);
  EXPECT_EQ(doc.attrs[1].colour, kVisualBlack);
  EXPECT_EQ(doc.attrs[2].colour, 0xFF8000u);
  EXPECT_EQ(doc.attrs[3].colour, kVisualBlack);
  EXPECT_EQ(At(doc, 4).size, 1);
  // A FONT tag sets only what it names; its closing tag resets both.
  EXPECT_EQ(At(doc, 5).size, 1);
  EXPECT_EQ(doc.attrs[5].colour, 0x302010u);
  EXPECT_EQ(At(doc, 6), SavedAttr{});
}

TEST(ParseVisualHtmlTest, SuperscriptWinsOverSubscript) {
  const VisualDocument doc = Parse(Body("<SUB>a<SUP>b</SUP>c</SUB>d"));
  ASSERT_EQ(doc.text, "abcd");
  EXPECT_EQ(doc.attrs[0].position, kPositionSub);
  EXPECT_EQ(doc.attrs[1].position, kPositionSuper);
  EXPECT_EQ(doc.attrs[2].position, kPositionSub);
  EXPECT_EQ(doc.attrs[3].position, kPositionNormal);
}

TEST(ParseVisualHtmlTest, TextBeforeTheBodyIsLostAndNoBodyGivesAnEmptyText) {
  VisualDocument doc = Parse("lost<HTML><B>x</B><BODY BGCOLOR=#FFFFFF>\r\nkept");
  EXPECT_EQ(doc.text, "kept");
  doc = Parse("<HTML><HEAD><TITLE>T</TITLE></HEAD>just text\r\n<P>more</HTML>");
  EXPECT_TRUE(doc.text.empty());
  EXPECT_TRUE(doc.attrs.empty());
  EXPECT_EQ(doc.body.title, "T");
  // Only the first CR LF after the BODY tag is dropped.
  doc = Parse("<body>\r\n\r\nx");
  EXPECT_EQ(doc.text, "\r\nx");
  // A BODY tag inside the title does not start the body.
  doc = Parse("<TITLE><BODY x></TITLE><BODY>y");
  EXPECT_EQ(doc.text, "y");
  EXPECT_EQ(doc.body.title, "<BODY x>");
}

TEST(ParseVisualHtmlTest, ABodyTagBrokenAfterItsNameOpensTheBody) {
  // A generated page: the BODY tag's attributes on the next line.
  VisualDocument doc = Parse("<HTML><HEAD><TITLE>t</TITLE></HEAD><BODY\r\nCLASS=\"BOOK\" BGCOLOR=\"#FFFFFF\">\r\n"
                             "<FONT\tSIZE=5>big</FONT><A\r\nHREF=\"p.htm\">ln</A>\r\n</BODY></HTML>");
  EXPECT_EQ(doc.text, "bigln\r\n");
  EXPECT_EQ(doc.body.background, (BodyColour{true, 0xFFFFFF}));
  EXPECT_EQ(At(doc, 0).size, 5);
  EXPECT_EQ(doc.LinkText(doc.attrs.at(3).link), "p.htm");
  doc = Parse("<BODY\tTEXT=#FF0000>x");
  EXPECT_EQ(doc.text, "x");
  EXPECT_EQ(doc.body.text, (BodyColour{true, 0x0000FF}));
  doc = Parse("<body\nbgcolor=#000000>y");
  EXPECT_EQ(doc.text, "y");
  EXPECT_TRUE(doc.body.background.set);
  // A named anchor with a tab stays text, and so does its "</A>".
  doc = Parse(Body("<A\tNAME=top>z</A>"));
  EXPECT_EQ(doc.text, "<A\tNAME=top>z</A>");
}

TEST(ParseVisualHtmlTest, TheTitleIsReadWithItsReferences) {
  EXPECT_EQ(Parse("<TITLE>a &lt;/TITLE&gt; &amp; &quot;b&quot; &copy;</TITLE><BODY>").body.title,
            "a </TITLE> & \"b\" &copy;");
  // Its length counts once the references are read.
  std::string written;
  for (int i = 0; i < 80; ++i) written += "&lt;";
  EXPECT_EQ(Parse("<TITLE>" + written + "</TITLE><BODY>").body.title, std::string(80, '<'));
  EXPECT_EQ(Parse("<TITLE>" + written + "&gt;</TITLE><BODY>").body.title, "");
}

TEST(ParseVisualHtmlTest, OtherTagsAndNamedAnchorsStayAsText) {
  const VisualDocument doc = Parse(Body("<P>x<A NAME=\"top\">y</A>z</A><CENTER>"));
  EXPECT_EQ(doc.text, "<P>x<A NAME=\"top\">y</A>z<CENTER>");
  // The anchor's text and the one closing tag after it; later closings go.
  const VisualDocument lower = Parse(Body("<a name=m><a href=\"u\">t</a></a>"));
  EXPECT_EQ(lower.text, "<a name=m>t</a>");
  EXPECT_EQ(lower.LinkText(lower.attrs[10].link), "u");
  EXPECT_EQ(lower.attrs[11].link, 0);
}

TEST(ParseVisualHtmlTest, ALineBreakInsideAKeptAnchorKeepsTheTagInOnePiece) {
  const VisualDocument doc = Parse(Body("<B><A NAME=\r\nx>t</A></B>"));
  ASSERT_EQ(doc.text, "<A NAME=\r\nx>t</A>");
  EXPECT_EQ(doc.attrs[8].lineBreak, LineBreakKind::kSource);
  EXPECT_TRUE(At(doc, 8).bold);
  EXPECT_NE(GenerateVisualHtml(doc).find("<B><A NAME=\r\nx>t</A></B>"), std::string::npos);
}

TEST(ParseVisualHtmlTest, LinksFillTheTableAndTheHundredTwentiethHasNone) {
  std::string inner;
  for (int i = 1; i <= 120; ++i) inner += "<A HREF=\"p" + std::to_string(i) + ".htm\">" + char('a' + i % 26) + "</A>";
  const VisualDocument doc = Parse(Body(inner));
  ASSERT_EQ(doc.text.size(), 120u);
  EXPECT_EQ(doc.attrs[0].link, 1);
  EXPECT_EQ(doc.LinkText(1), "p1.htm");
  EXPECT_EQ(doc.attrs[118].link, 119);
  EXPECT_EQ(doc.LinkText(119), "p119.htm");
  EXPECT_EQ(doc.attrs[119].link, 0);
  // An empty or missing HREF leaves the current link as it is.
  const VisualDocument keep = Parse(Body("<A HREF=x>a<A HREF=\"\">b<A NAME=n>c</A>d"));
  EXPECT_EQ(keep.attrs[0].link, 1);
  EXPECT_EQ(keep.attrs[1].link, 1);
  EXPECT_EQ(keep.attrs.back().link, 0);
  EXPECT_TRUE(keep.links[1].empty());
}

TEST(ParseVisualHtmlTest, LineBreaksOfBothKinds) {
  const VisualDocument doc = Parse(Body("<B>a\r\n<A HREF=l>b<BR>c\r\n</A>d</B>"));
  ASSERT_EQ(doc.text, "a\r\nb\r\nc\r\nd");
  EXPECT_EQ(doc.attrs[1].lineBreak, LineBreakKind::kSource);
  EXPECT_EQ(doc.attrs[2].lineBreak, LineBreakKind::kSource);
  EXPECT_EQ(doc.attrs[4].lineBreak, LineBreakKind::kBr);
  EXPECT_EQ(doc.attrs[5].lineBreak, LineBreakKind::kBr);
  EXPECT_EQ(doc.attrs[1].font, 0);  // a line break is plain text ...
  EXPECT_EQ(doc.attrs[1].link, 0);
  EXPECT_EQ(doc.attrs[4].link, 1);  // ... but keeps its link
  EXPECT_EQ(doc.attrs[4].font, 0);
  EXPECT_EQ(doc.attrs[7].link, 1);
  EXPECT_EQ(doc.attrs[0].lineBreak, LineBreakKind::kNone);
  EXPECT_TRUE(At(doc, 9).bold);
}

TEST(ParseVisualHtmlTest, HeadAndTitleAreSkippedInTheBody) {
  const VisualDocument doc = Parse(Body("a<HEAD>h</HEAD>b<TITLE>t</TITLE>c<HEAD>open"));
  EXPECT_EQ(doc.text, "abcopen");
  EXPECT_EQ(doc.body.title, "t");
}

TEST(ParseVisualHtmlTest, TitleRules) {
  EXPECT_EQ(Parse("<TITLE>" + std::string(80, 'x') + "</title><BODY>").body.title, std::string(80, 'x'));
  EXPECT_EQ(Parse("<TITLE>" + std::string(81, 'x') + "</TITLE><BODY>").body.title, "");
  EXPECT_EQ(Parse("<TITLE>no end<BODY>").body.title, "");
  EXPECT_EQ(Parse("<TITLE>" + kA + "<B></TITLE>").body.title, kA + "<B>");
}

TEST(ParseVisualHtmlTest, BodySettings) {
  const VisualDocument doc = Parse(
      "<BODY BACKGROUND=\"back 1.gif\" bgcolor=\"#FFFFFF\" TEXT=#000000 VLINK=#FF0000 ALINK=bad>x");
  EXPECT_EQ(doc.body.backgroundImage, "back 1.gif");
  EXPECT_EQ(doc.body.background, (BodyColour{true, 0xFFFFFF}));
  EXPECT_EQ(doc.body.text, (BodyColour{true, 0}));
  EXPECT_EQ(doc.body.link, BodyColour{});
  EXPECT_EQ(doc.body.visitedLink, (BodyColour{true, 0x0000FF}));
  EXPECT_EQ(doc.body.activeLink, BodyColour{});
  EXPECT_EQ(doc.text, "x");
}

TEST(ParseVisualHtmlTest, TwoByteCharactersAreNeverTakenApart) {
  // A lead byte takes the next byte whatever it is: 0x88 "<" is one
  // character, so the "<B>" after the lead byte is no tag.
  const VisualDocument doc = Parse(Body(kA + "\x88<B>" + kI + "\x88\r\n"));
  EXPECT_EQ(doc.text, kA + "\x88<B>" + kI + "  \n");
  for (const VisualAttr& a : doc.attrs) EXPECT_EQ(a.font, 0);
}

// ---- Loading files ----

class LoadVisualTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.CreateFolder("C:\\quelt");
    fs.CreateFolder("C:\\docs");
  }
  FileContext Ctx() { return FileContext{fs, host, kTemp, false, nullptr, {}}; }
  bool Load(const std::string& bytes, CharCodeId forced = CharCodeId::kAuto) {
    fs.WriteFile(kFile, bytes);
    return LoadVisualDocument(Ctx(), kFile, forced, doc);
  }

  MemoryFileSystem fs;
  test::FakeHost host;
  VisualDocument doc;
};

TEST_F(LoadVisualTest, TheSizeLimitIsExact) {
  const std::string head = "<BODY>";
  const std::string page = head + std::string(kMaxVisualFileBytes - head.size(), 'x');
  ASSERT_TRUE(Load(page));
  EXPECT_EQ(doc.text.size(), kMaxVisualFileBytes - head.size());
  EXPECT_TRUE(host.messages.empty());
  doc.body.title = "before";
  EXPECT_FALSE(Load(page + "x"));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], kMsgVisualFileTooLarge);
  EXPECT_EQ(doc.body.title, "before");
  EXPECT_EQ(doc.text.size(), kMaxVisualFileBytes - head.size());
}

TEST_F(LoadVisualTest, TheLimitCountsThePageAfterConversion) {
  // 3,248 lines of "x" LF: 6,496 bytes in the file, 9,744 once converted.
  std::string lf;
  for (int i = 0; i < 3248; ++i) lf += "x\n";
  EXPECT_TRUE(Load(lf));
  EXPECT_EQ(doc.lineEnd, LineEndId::kLf);
  EXPECT_FALSE(Load(lf + "y\n"));
  EXPECT_EQ(host.messages.back(), kMsgVisualFileTooLarge);
}

TEST_F(LoadVisualTest, JapaneseFromEucAndJisWithLf) {
  ASSERT_TRUE(Load("<HTML><BODY>\n<B>" + kEucA + "</B>\n" + kEucA + "</BODY></HTML>\n"));
  EXPECT_EQ(doc.code, CharCodeId::kEuc);
  EXPECT_EQ(doc.lineEnd, LineEndId::kLf);
  EXPECT_EQ(doc.text, kA + "\r\n" + kA + "\r\n");
  EXPECT_TRUE(At(doc, 0).bold);
  EXPECT_TRUE(At(doc, 1).bold);
  ASSERT_TRUE(Load("<BODY>\n" + kJisA + "x\n"));
  EXPECT_EQ(doc.code, CharCodeId::kJis);
  EXPECT_EQ(doc.text, kA + "x\r\n");
  // A forced code wins over detection.
  ASSERT_TRUE(Load("<BODY>\r\n" + kEucA, CharCodeId::kShiftJis));
  EXPECT_EQ(doc.code, CharCodeId::kShiftJis);
  EXPECT_EQ(doc.text, "\xB0\xA1");
}

TEST_F(LoadVisualTest, WithoutAWorkFileThePageIsReadAsItIs) {
  fs.WriteFile(kFile, "<BODY>\n" + kEucA);
  FileContext ctx{fs, host, "", false, nullptr, {}};
  ASSERT_TRUE(LoadVisualDocument(ctx, kFile, CharCodeId::kAuto, doc));
  EXPECT_EQ(doc.code, CharCodeId::kShiftJis);
  EXPECT_EQ(doc.lineEnd, LineEndId::kCrLf);
  EXPECT_EQ(doc.text, "\n" + kEucA);
}

TEST_F(LoadVisualTest, APageWithTextButNoBodyIsReportedForWriteProtection) {
  VisualOpenNotes notes;
  fs.WriteFile(kFile, "<HTML><HEAD><TITLE>t</TITLE></HEAD>\r\n<P>text</P>\r\n</HTML>");
  ASSERT_TRUE(LoadVisualDocument(Ctx(), kFile, CharCodeId::kAuto, doc, &notes));
  EXPECT_TRUE(notes.noBody);
  EXPECT_TRUE(doc.text.empty());
  EXPECT_EQ(doc.body.title, "t");
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgVisualNoBody});
  // An empty body, an empty page and one of blanks are no such page.
  for (const char* page : {"<HTML><BODY></BODY></HTML>", "<BODY\r\n>", "", " \r\n\t\n"}) {
    fs.WriteFile(kFile, page);
    ASSERT_TRUE(LoadVisualDocument(Ctx(), kFile, CharCodeId::kAuto, doc, &notes));
    EXPECT_FALSE(notes.noBody) << page;
  }
  EXPECT_EQ(host.messages.size(), 1u);
  // A failed load says nothing of a body.
  notes.noBody = true;
  EXPECT_FALSE(LoadVisualDocument(Ctx(), "C:\\docs\\missing.htm", CharCodeId::kAuto, doc, &notes));
  EXPECT_FALSE(notes.noBody);
}

TEST_F(LoadVisualTest, ReadFailuresAndTheBaseFont) {
  VisualFont base = doc.BaseFont();
  base.height = 14;
  doc.SetBaseFont(base);
  doc.text = "old";
  doc.attrs.resize(3);
  EXPECT_FALSE(LoadVisualDocument(Ctx(), "C:\\docs\\missing.htm", CharCodeId::kAuto, doc));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], kMsgOpenFailed);
  EXPECT_EQ(host.args[0], "C:\\docs\\missing.htm");
  const std::string locked = "C:\\docs\\locked.htm";
  fs.WriteFile(locked, "<BODY>x");
  fs.FailReads(locked);
  EXPECT_FALSE(LoadVisualDocument(Ctx(), locked, CharCodeId::kAuto, doc));
  EXPECT_EQ(host.messages.back(), kMsgOpenFailed);
  EXPECT_EQ(doc.text, "old");
  // A successful load keeps the base font.
  ASSERT_TRUE(Load("<BODY><B>y</B>"));
  EXPECT_EQ(doc.BaseFont().height, 14);
  EXPECT_EQ(doc.text, "y");
}

}  // namespace
}  // namespace quelt
