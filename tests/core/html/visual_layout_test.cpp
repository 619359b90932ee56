#include "html/visual_layout.h"

#include "visual_fixture.h"

namespace quelt::test {
namespace {

constexpr int kLeft = 950;  // the narrow page's text area starts here

class VisualLayoutTest : public ::testing::Test, public LaidOut {
 protected:
  std::size_t LineStart(std::size_t i) const { return layout.Line(i).start; }
};

TEST_F(VisualLayoutTest, AnExactFitStaysOnTheLineAndOneMoreCharacterWraps) {
  Build(PlainDoc(std::string(20, 'a')));
  ASSERT_EQ(layout.LineCount(), 1u);
  EXPECT_EQ(layout.Line(0).width, 200);
  Build(PlainDoc(std::string(21, 'a')));
  ASSERT_EQ(layout.LineCount(), 2u);
  EXPECT_EQ(LineStart(1), 20u);
  EXPECT_FALSE(layout.Line(0).endsWithBreak);
}

TEST_F(VisualLayoutTest, ALineBreakAlwaysFitsAndATrailingOneOpensAnEmptyLine) {
  Build(PlainDoc(std::string(20, 'a') + "\r\n"));
  ASSERT_EQ(layout.LineCount(), 2u);
  EXPECT_EQ(layout.Line(0).length, 22u);
  EXPECT_TRUE(layout.Line(0).endsWithBreak);
  EXPECT_EQ(layout.Line(0).ContentEnd(), 20u);
  EXPECT_EQ(LineStart(1), 22u);
  EXPECT_EQ(layout.Line(1).length, 0u);
  EXPECT_EQ(layout.LaidEnd(), 22u);
}

TEST_F(VisualLayoutTest, AnEmptyDocumentHasOneLineOfTheBaseFont) {
  Build(VisualDocument{});
  ASSERT_EQ(layout.LineCount(), 1u);
  EXPECT_EQ(layout.Line(0).height, 10);
  EXPECT_EQ(layout.PageCount(), 1);
  EXPECT_EQ(layout.OffsetAt({0, 5000, 5000}), 0u);
}

TEST_F(VisualLayoutTest, ATwoByteCharacterThatWouldPassTheEdgeGoesToTheNextLine) {
  Build(PlainDoc(std::string(19, 'a') + "\x82\xa0"));
  ASSERT_EQ(layout.LineCount(), 2u);
  EXPECT_EQ(LineStart(1), 19u);
  EXPECT_EQ(layout.Line(1).width, 20);
}

TEST_F(VisualLayoutTest, EveryLineTakesAtLeastOneCharacter) {
  VisualDocument doc = PlainDoc("abc");
  for (VisualAttr& a : doc.attrs) a.font = 1;
  metrics.wideFont = 1;
  Build(doc);
  ASSERT_EQ(layout.LineCount(), 3u);
  EXPECT_EQ(layout.Line(0).width, 300);
  EXPECT_EQ(LineStart(2), 2u);
}

TEST_F(VisualLayoutTest, TabsRunToTheNextStop) {
  Build(PlainDoc("a\tb\t\tc"));
  // a 0-10, tab to 50, b 50-60, tab to 100, tab to 150, c 150-160.
  EXPECT_EQ(layout.XOf(2) - kLeft, 50);
  EXPECT_EQ(layout.XOf(4) - kLeft, 100);
  EXPECT_EQ(layout.XOf(5) - kLeft, 150);
  EXPECT_EQ(layout.Line(0).width, 160);
  // A tab whose stop lies past the edge wraps like a character.
  Build(PlainDoc(std::string(17, 'a') + "\tb"));
  EXPECT_EQ(LineStart(1), 18u);  // the stop at the edge itself fits
  Build(PlainDoc(std::string(20, 'a') + "\tb"));
  ASSERT_EQ(layout.LineCount(), 2u);
  EXPECT_EQ(LineStart(1), 20u);
}

TEST_F(VisualLayoutTest, CharacterSpacingWidensEachCharacter) {
  VisualDocument doc = PlainDoc(std::string(11, 'a'));
  for (VisualAttr& a : doc.attrs) a.charSpacing = 2;  // 1 mm = 10 pixels
  Build(doc);
  ASSERT_EQ(layout.LineCount(), 2u);
  EXPECT_EQ(LineStart(1), 10u);
  doc.attrs.assign(doc.text.size(), VisualAttr{});
  for (VisualAttr& a : doc.attrs) a.charSpacing = -7;  // never below one pixel
  Build(doc);
  EXPECT_EQ(layout.Line(0).width, 11);
}

TEST_F(VisualLayoutTest, TheLineHeightIsTheTallestFontChangedByTheLineSpacing) {
  VisualDocument doc = PlainDoc("ab\r\ncd\r\nef\r\ngh");
  doc.attrs[1].font = 1;  // 20 pixels
  Build(doc);
  EXPECT_EQ(layout.Line(0).height, 20);
  EXPECT_EQ(layout.Line(0).ascent, 16);
  EXPECT_EQ(layout.Line(1).height, 10);
  EXPECT_EQ(layout.Line(1).y, layout.Line(0).y + 20);

  doc.attrs[4].lineSpacing = 1;
  doc.attrs[5].lineSpacing = 3;  // the largest positive: 1.5 mm = 15 pixels
  Build(doc);
  EXPECT_EQ(layout.Line(1).height, 25);

  // Negative settings outweighing the positive take the difference off.
  doc.attrs[8].font = 1;
  doc.attrs[8].lineSpacing = 1;
  doc.attrs[9].lineSpacing = -2;  // net -1 step: 5 pixels
  Build(doc);
  EXPECT_EQ(layout.Line(2).height, 15);
  // but never more than half the height.
  doc.attrs[12].font = 1;
  doc.attrs[13].lineSpacing = -7;
  Build(doc);
  EXPECT_EQ(layout.Line(3).height, 10);
  EXPECT_LE(layout.Line(3).ascent, layout.Line(3).height);
}

TEST_F(VisualLayoutTest, AnEmptyLineShowsInTheFontOfTheLineBreakBeforeIt) {
  VisualDocument doc = PlainDoc("a\r\n");
  doc.attrs[1].font = doc.attrs[2].font = 2;
  Build(doc);
  ASSERT_EQ(layout.LineCount(), 2u);
  EXPECT_EQ(layout.Line(1).height, 30);
}

TEST_F(VisualLayoutTest, LinesFlowOnToTheNextPage) {
  std::string text;
  for (int i = 0; i < 22; ++i) text += "a\r\n";
  Build(PlainDoc(text));
  EXPECT_EQ(layout.PageCount(), 2);
  EXPECT_EQ(layout.Line(20).page, 0);
  EXPECT_EQ(layout.Line(21).page, 1);
  EXPECT_EQ(layout.Line(21).y, layout.Page().textTop);
  EXPECT_EQ(layout.PointOf(layout.Line(21).start), (VisualPoint{1, kLeft, layout.Page().textTop}));
}

TEST_F(VisualLayoutTest, TheFiftiethPageStopsTheLayoutAtPage49WithOneMessage) {
  std::string text;
  for (int i = 0; i < 21 * 50; ++i) text += "a\r\n";
  const VisualDocument big = PlainDoc(text);
  Build(big);
  EXPECT_TRUE(layout.Truncated());
  EXPECT_EQ(layout.PageCount(), 49);
  EXPECT_EQ(layout.LineCount(), 21u * 49);
  EXPECT_EQ(host.messages, (std::vector<MessageId>{kMsgVisualTooManyPages}));
  // The text that did not fit is out of the caret's reach.
  const std::size_t lastLaid = layout.Line(layout.LineCount() - 1).start;
  EXPECT_EQ(layout.LaidEnd(), lastLaid + 1);
  EXPECT_EQ(layout.Clamp(text.size()), layout.LaidEnd());
  EXPECT_EQ(layout.LineOf(text.size()), layout.LineCount() - 1);
  EXPECT_EQ(layout.XOf(text.size()), kLeft + 10);
  // Laid out again while still too long: no second message.
  Build(big);
  EXPECT_EQ(host.messages.size(), 1u);
  // Fits again, then too long again: the message comes back.
  Build(PlainDoc("a"));
  EXPECT_FALSE(layout.Truncated());
  Build(big);
  EXPECT_EQ(host.messages.size(), 2u);
  // Exactly 49 full pages fit.
  text.clear();
  for (int i = 0; i < 21 * 49 - 1; ++i) text += "a\r\n";
  Build(PlainDoc(text + "a"));
  EXPECT_FALSE(layout.Truncated());
  EXPECT_EQ(layout.PageCount(), 49);
}

TEST_F(VisualLayoutTest, WordWrapBreaksAfterTheLastBlankBeforeTheOverflow) {
  const std::string text = "aaaaaaaaaa bbbbbbbbbbbb";
  Build(PlainDoc(text));
  EXPECT_EQ(LineStart(1), 20u);
  options.wordWrap = true;
  Build(PlainDoc(text));
  ASSERT_EQ(layout.LineCount(), 2u);
  EXPECT_EQ(LineStart(1), 11u);
  EXPECT_EQ(layout.Line(0).width, 110);
  // After the last two-byte character before an ASCII word too.
  Build(PlainDoc("aaaaaaaaaaaaaaa\x82\xa0" "bbbbbb"));
  EXPECT_EQ(LineStart(1), 17u);
  // Japanese text and a word longer than the line break at the character.
  Build(PlainDoc(std::string(25, 'c')));
  EXPECT_EQ(LineStart(1), 20u);
  std::string kana;
  for (int i = 0; i < 11; ++i) kana += "\x82\xa0";
  Build(PlainDoc(kana));
  EXPECT_EQ(LineStart(1), 20u);
}

TEST_F(VisualLayoutTest, WordWrapCountsOnlyTheFontsLeftOnTheLine) {
  options.wordWrap = true;
  VisualDocument doc = PlainDoc("aaaaaaaaaa bbbbbbbbbbbb");
  for (std::size_t i = 11; i < doc.attrs.size(); ++i) doc.attrs[i].font = 1;
  Build(doc);
  EXPECT_EQ(layout.Line(0).height, 10);
  EXPECT_EQ(layout.Line(1).height, 20);
}

TEST_F(VisualLayoutTest, HitTestsFindTheNearestCaretPlace) {
  Build(PlainDoc("ab\x82\xa0" "c\r\nxyz"));
  EXPECT_EQ(layout.XOf(2) - kLeft, 20);
  EXPECT_EQ(layout.XOf(4) - kLeft, 40);
  const int y0 = layout.Line(0).y;
  EXPECT_EQ(layout.OffsetAt({0, kLeft + 4, y0}), 0u);
  EXPECT_EQ(layout.OffsetAt({0, kLeft + 6, y0}), 1u);
  EXPECT_EQ(layout.OffsetAt({0, kLeft + 29, y0}), 2u);  // never inside the two-byte character
  EXPECT_EQ(layout.OffsetAt({0, kLeft + 31, y0}), 4u);
  EXPECT_EQ(layout.OffsetAt({0, kLeft + 190, y0}), 5u);  // before the line break
  EXPECT_EQ(layout.OffsetAt({0, kLeft + 14, y0 + 10}), 8u);
  EXPECT_EQ(layout.OffsetAt({0, 0, 0}), 0u);             // above the text
  EXPECT_EQ(layout.OffsetAt({0, 9999, 9999}), 10u);      // below the text
  EXPECT_EQ(layout.OffsetAt({3, 0, 0}), 7u);             // a page past the last
  EXPECT_EQ(layout.LineOf(7), 1u);
  EXPECT_EQ(layout.LineOf(5), 0u);
}

TEST_F(VisualLayoutTest, TheEndOfAWrappedLineBelongsToTheNextLine) {
  Build(PlainDoc(std::string(25, 'a')));
  EXPECT_EQ(layout.LineOf(20), 1u);
  EXPECT_EQ(layout.XOf(20), kLeft);
  EXPECT_EQ(layout.LastCaretOffset(0), 19u);
  EXPECT_EQ(layout.OffsetInLine(0, kLeft + 1000), 19u);
}

TEST(VisualPageGeometryTest, MarginsAreCutToLeaveTwentyMillimetres) {
  VisualLayoutOptions o;
  o.leftMarginMm = 200;
  o.topMarginMm = 200;
  const VisualPageGeometry g = PageGeometryOf(o, 1.0);
  EXPECT_EQ(g.width, 210);
  EXPECT_EQ(g.textWidth, 20);
  EXPECT_EQ(g.textHeight, 21);  // 297 - 2 * 138
  o.leftMarginMm = -5;
  EXPECT_EQ(PageGeometryOf(o, 1.0).textLeft, 0);
}

TEST(VisualLayoutOptionsTest, TheSettingsGiveTheOptions) {
  HtmlModeSettings s;
  s.tabWidth = 150;
  s.wordWrap = 1;
  s.rvLeftMarginLM = 30;
  s.rvTopMarginLM = 25;
  s.lineIntervalUnit = 10;
  const VisualLayoutOptions o = VisualLayoutOptionsOf(s);
  EXPECT_EQ(o.tabWidth, 150);
  EXPECT_TRUE(o.wordWrap);
  EXPECT_EQ(o.leftMarginMm, 30);
  EXPECT_EQ(o.topMarginMm, 25);
  EXPECT_EQ(o.lineIntervalUnit, 10);
  EXPECT_EQ(o.charIntervalUnit, 5);  // unset: the default
}

}  // namespace
}  // namespace quelt::test
