#include "html/visual_format.h"

#include "visual_fixture.h"

namespace quelt::test {
namespace {

class VisualFormatTest : public ::testing::Test {
 protected:
  void Load(const std::string& text) { doc = PlainDoc(text); }
  // Fills the font table's free entries with fonts of their own points.
  void FillFonts() {
    for (int i = 1; i < kVisualFontCount; ++i) {
      if (doc.fonts[i] == VisualFont{}) {
        VisualFont f = doc.BaseFont();
        f.height = 100 + i;
        doc.fonts[i] = f;
      }
    }
  }
  VisualDocument doc;
  FakeHost host;
  VisualEditor editor{doc, host};
};

TEST_F(VisualFormatTest, EmptyFieldsKeepEachBytesOwnValues) {
  Load("abcd");
  doc.attrs[0].colour = 0xFF;
  doc.attrs[1].underline = UnderlineKind::kDouble;
  CharacterChange c;
  c.bold = true;
  c.shading = true;
  c.charSpacing = 12;  // cut to 7
  ASSERT_TRUE(ApplyCharacterChange(editor, 0, 3, c));
  const int bold = doc.attrs[0].font;
  EXPECT_NE(bold, 0);
  EXPECT_EQ(doc.fonts[bold].weight, 700);
  EXPECT_EQ(doc.fonts[bold].height, doc.BaseFont().height);
  EXPECT_EQ(doc.attrs[1].font, bold);
  EXPECT_EQ(doc.attrs[0].colour, 0xFFu);
  EXPECT_EQ(doc.attrs[1].underline, UnderlineKind::kDouble);
  EXPECT_TRUE(doc.attrs[2].shading);
  EXPECT_EQ(doc.attrs[2].charSpacing, 7);
  EXPECT_EQ(doc.attrs[3], VisualAttr{});
  // Taking bold off again gives the base font back.
  c = {};
  c.bold = false;
  ApplyCharacterChange(editor, 0, 4, c);
  EXPECT_EQ(doc.attrs[0].font, 0);
  // A change that changes nothing is no undo step.
  EXPECT_EQ(editor.History().Size(), 2u);
  EXPECT_FALSE(ApplyCharacterChange(editor, 0, 4, c));
  EXPECT_FALSE(ApplyCharacterChange(editor, 2, 2, c));
}

TEST_F(VisualFormatTest, SizeFaceAndItalicMakeOneFontPerOriginal) {
  Load("abcd");
  doc.attrs[2].font = doc.attrs[3].font = static_cast<std::uint8_t>(doc.FindOrAddFont(3, true, false));
  CharacterChange c;
  c.htmlSize = 6;
  c.italic = true;
  c.face = std::string(40, 'F');
  ASSERT_TRUE(ApplyCharacterChange(editor, 0, 4, c));
  const VisualFont& plain = doc.fonts[doc.attrs[0].font];
  const VisualFont& bold = doc.fonts[doc.attrs[2].font];
  EXPECT_EQ(plain.height, 18);
  EXPECT_EQ(plain.italic, 1);
  EXPECT_EQ(plain.weight, 400);
  EXPECT_EQ(bold.weight, 700);
  EXPECT_EQ(std::string(plain.faceName.data()), std::string(31, 'F'));
  EXPECT_EQ(doc.attrs[0].font, doc.attrs[1].font);
  c = {};
  c.points = 9;
  c.htmlSize = 1;  // points win
  ApplyCharacterChange(editor, 0, 1, c);
  EXPECT_EQ(doc.fonts[doc.attrs[0].font].height, 9);
}

TEST_F(VisualFormatTest, SuperscriptAndSubscriptSetThePositionCode) {
  Load("ab");
  doc.attrs[0].position = 0x08;  // a decoration bit of its own
  CharacterChange c;
  c.superscript = true;
  c.subscript = true;
  ApplyCharacterChange(editor, 0, 2, c);
  EXPECT_EQ(doc.attrs[0].position, 0x08 | kPositionSuper);
  EXPECT_EQ(doc.attrs[1].position, kPositionSuper);
  c = {};
  c.subscript = false;  // not subscript: stays
  ApplyCharacterChange(editor, 0, 2, c);
  EXPECT_EQ(doc.attrs[1].position, kPositionSuper);
  c.superscript = false;
  c.subscript = true;
  ApplyCharacterChange(editor, 0, 2, c);
  EXPECT_EQ(doc.attrs[1].position, kPositionSub);
  c = {};
  c.subscript = false;
  ApplyCharacterChange(editor, 0, 2, c);
  EXPECT_EQ(doc.attrs[0].position, 0x08);
  EXPECT_EQ(doc.attrs[1].position, kPositionNormal);
}

TEST_F(VisualFormatTest, AFullFontTableDropsTheUnusedFontsFirst) {
  Load("abc");
  FillFonts();
  doc.attrs[0].font = 5;
  CharacterChange c;
  c.bold = true;
  ASSERT_TRUE(ApplyCharacterChange(editor, 0, 2, c));
  EXPECT_TRUE(host.messages.empty());
  // Two new fonts (of entry 5 and of the base font), the rest dropped.
  EXPECT_EQ(doc.fonts[doc.attrs[0].font].height, 105);
  EXPECT_EQ(doc.fonts[doc.attrs[1].font].weight, 700);
  EXPECT_EQ(doc.fonts[20], VisualFont{});
  // Undo brings back the table as it was, unused fonts and all.
  editor.Undo();
  EXPECT_EQ(doc.fonts[20].height, 120);
  EXPECT_EQ(doc.attrs[0].font, 5);
}

TEST_F(VisualFormatTest, AFontTableFullOfUsedFontsRefusesWithTheMessage) {
  std::string text(kVisualFontCount, 'a');
  Load(text);
  FillFonts();
  for (int i = 0; i < kVisualFontCount; ++i) doc.attrs[i].font = static_cast<std::uint8_t>(i);
  const VisualDocument before = doc;
  CharacterChange c;
  c.italic = true;
  c.colour = 0xFF;
  EXPECT_FALSE(ApplyCharacterChange(editor, 0, 3, c));
  EXPECT_EQ(host.messages, (std::vector<MessageId>{kMsgVisualTooManyFonts}));
  EXPECT_EQ(doc, before);
  EXPECT_FALSE(editor.CanUndo());
  // A change the table already holds goes through.
  c = {};
  c.points = 101;
  EXPECT_TRUE(ApplyCharacterChange(editor, 0, 1, c));
  EXPECT_EQ(doc.attrs[0].font, 1);
}

TEST_F(VisualFormatTest, TheLinkCommandRefusesSelectionsOf256BytesOrMore) {
  Load(std::string(300, 'a'));
  EXPECT_TRUE(LinkForDialog(editor, {0, 255}));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(LinkForDialog(editor, {0, 256}));
  EXPECT_FALSE(SetLink(editor, {0, 256}, "x.html"));
  EXPECT_EQ(host.messages, (std::vector<MessageId>(2, kMsgVisualSelectionTooLong)));
  EXPECT_EQ(doc, PlainDoc(std::string(300, 'a')));
}

TEST_F(VisualFormatTest, TheDialogShowsTheLinkOfAWhollyLinkedSelection) {
  Load("abcdef");
  ASSERT_TRUE(SetLink(editor, {1, 4}, "a.html"));
  EXPECT_EQ(doc.attrs[1].link, 1);
  EXPECT_EQ(*LinkForDialog(editor, {1, 4}), "a.html");
  EXPECT_EQ(*LinkForDialog(editor, {2, 3}), "a.html");
  EXPECT_EQ(*LinkForDialog(editor, {0, 4}), "");  // partly linked
  // Without a selection: the run round the caret.
  const LinkRange run = LinkRangeOf(doc, {2, 2});
  EXPECT_EQ(run.start, 1u);
  EXPECT_EQ(run.end, 4u);
  EXPECT_EQ(LinkRangeOf(doc, {4, 4}).start, 1u);  // just after the link's end
  EXPECT_TRUE(LinkRangeOf(doc, {5, 5}).Empty());
  EXPECT_EQ(*LinkForDialog(editor, LinkRangeOf(doc, {5, 5})), "");
}

TEST_F(VisualFormatTest, SettingALinkReusesAnEqualEntryAndAnEmptyDestinationRemovesIt) {
  Load("abcdef");
  SetLink(editor, {0, 2}, "a.html");
  SetLink(editor, {4, 6}, "a.html");
  EXPECT_EQ(doc.attrs[5].link, 1);
  EXPECT_TRUE(doc.links[1].empty());
  SetLink(editor, {2, 4}, "b.html");
  EXPECT_EQ(doc.attrs[2].link, 2);
  SetLink(editor, {0, 6}, "");
  for (const VisualAttr& a : doc.attrs) EXPECT_EQ(a.link, 0);
  for (int i = 0; i < 4; ++i) editor.Undo();
  EXPECT_EQ(doc, PlainDoc("abcdef"));
}

TEST_F(VisualFormatTest, AFullLinkTableFreesUnusedEntriesOrBeeps) {
  Load("abc");
  for (int i = 0; i < kVisualLinkCount; ++i) doc.links[i] = "l" + std::to_string(i);
  doc.attrs[0].link = 1;
  ASSERT_TRUE(SetLink(editor, {1, 2}, "new.html"));
  EXPECT_EQ(doc.attrs[1].link, 2);  // the first freed entry
  EXPECT_EQ(doc.links[0], "l0");
  EXPECT_TRUE(doc.links[5].empty());
  // All taken and used: the default beep and nothing changes.
  Load(std::string(kVisualLinkCount + 1, 'a'));
  for (int i = 0; i < kVisualLinkCount; ++i) {
    doc.links[i] = "l" + std::to_string(i);
    doc.attrs[i].link = static_cast<std::uint8_t>(i + 1);
  }
  const VisualDocument before = doc;
  EXPECT_FALSE(SetLink(editor, {kVisualLinkCount, kVisualLinkCount + 1}, "new.html"));
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(doc, before);
}

TEST_F(VisualFormatTest, TheDialogStartsFromTheFirstByteOrTheCaretsAttributes) {
  Load("ab");
  doc.attrs[0].colour = 1;
  doc.attrs[1].colour = 2;
  EXPECT_EQ(AttrsOfRange(editor, 1, 2).colour, 2u);
  EXPECT_EQ(AttrsOfRange(editor, 2, 2).colour, 2u);
  EXPECT_EQ(AttrsOfRange(editor, 0, 0).colour, 1u);
}

}  // namespace
}  // namespace quelt::test
