#include "html/visual_edit.h"

#include <random>

#include "html/visual_clip.h"
#include "html/visual_format.h"
#include "visual_fixture.h"

namespace quelt::test {
namespace {

class VisualEditTest : public ::testing::Test {
 protected:
  void Load(const std::string& text) { doc = PlainDoc(text); }
  VisualSelection At(std::size_t offset) { return {offset, offset}; }
  VisualDocument doc;
  FakeHost host;
  VisualEditor editor{doc, host};
};

TEST_F(VisualEditTest, TypedTextTakesTheAttributesOfTheCharacterBeforeTheCaret) {
  Load("ab");
  doc.attrs[0].colour = 0xFF;
  doc.attrs[1].font = 0;
  doc.attrs[1].colour = 0xFF00;
  VisualEditResult r = editor.InsertText(At(2), "x");
  EXPECT_TRUE(r.done);
  EXPECT_EQ(r.caret, 3u);
  EXPECT_EQ(doc.text, "abx");
  EXPECT_EQ(doc.attrs[2].colour, 0xFF00u);
  // At the start: the character after it.
  editor.InsertText(At(0), "\x82\xa0");
  EXPECT_EQ(doc.text, "\x82\xa0" "abx");
  EXPECT_EQ(doc.attrs[0].colour, 0xFFu);
  EXPECT_EQ(doc.attrs[1].colour, 0xFFu);
  EXPECT_EQ(doc.attrs.size(), doc.text.size());
}

TEST_F(VisualEditTest, TypedTextJoinsALinkOnlyFromInside) {
  Load("abc");
  doc.attrs[0].link = doc.attrs[1].link = static_cast<std::uint8_t>(doc.AddLink("a.html"));
  editor.InsertText(At(1), "x");  // inside
  EXPECT_EQ(doc.attrs[1].link, 1);
  editor.InsertText(At(3), "y");  // at its end
  EXPECT_EQ(doc.attrs[3].link, 0);
  editor.InsertText(At(0), "z");  // at its start
  EXPECT_EQ(doc.attrs[0].link, 0);
}

TEST_F(VisualEditTest, TheCharacterAfterALineBreakDoesNotInheritItsKind) {
  Load("a\r\n");
  editor.InsertText(At(3), "b");
  EXPECT_EQ(doc.attrs[3].lineBreak, LineBreakKind::kNone);
}

TEST_F(VisualEditTest, EnterInsertsABrLineBreakInPlaceOfTheSelection) {
  Load("abcd");
  const VisualEditResult r = editor.InsertLineBreak({3, 1});
  EXPECT_EQ(doc.text, "a\r\nd");
  EXPECT_EQ(r.caret, 3u);
  EXPECT_EQ(doc.attrs[1].lineBreak, LineBreakKind::kBr);
  EXPECT_EQ(doc.attrs[2].lineBreak, LineBreakKind::kBr);
  ASSERT_TRUE(editor.Undo());
  EXPECT_EQ(doc, PlainDoc("abcd"));
}

TEST_F(VisualEditTest, FreeCursorBlanksGoInBeforeTheText) {
  Load("ab\r\ncd");
  const VisualEditResult r = editor.InsertText(At(2), "x", 3);
  EXPECT_EQ(doc.text, "ab   x\r\ncd");
  EXPECT_EQ(r.caret, 6u);
  // Never over a selection.
  editor.InsertText({0, 1}, "y", 3);
  EXPECT_EQ(doc.text, "yb   x\r\ncd");
}

TEST_F(VisualEditTest, PastedTextIsCleanedIntoTheInternalForm) {
  EXPECT_EQ(CleanVisualText(std::string("a\0b", 3)), "a b");
  EXPECT_EQ(CleanVisualText("a\rb\nc\r\nd"), "a\r\nb\r\nc\r\nd");
  EXPECT_EQ(CleanVisualText("\x82"), " ");
  EXPECT_EQ(CleanVisualText("\x82\r\n"), " \r\n");
  EXPECT_EQ(CleanVisualText("\x82\x0a" "b"), " \r\nb");
  EXPECT_EQ(CleanVisualText("\x82\xa0\xe0\x40"), "\x82\xa0\xe0\x40");
  Load("");
  editor.InsertText(At(0), "x\ny");
  EXPECT_EQ(doc.text, "x\r\ny");
  EXPECT_EQ(doc.attrs[1].lineBreak, LineBreakKind::kBr);
  EXPECT_FALSE(editor.InsertText(At(0), "").done);
}

TEST_F(VisualEditTest, DeleteAndBackspaceTakeWholeCharactersAndLineBreaks) {
  Load("a\x82\xa0\r\nb");
  editor.Backspace(At(3));
  EXPECT_EQ(doc.text, "a\r\nb");
  editor.Delete(At(1));
  EXPECT_EQ(doc.text, "ab");
  EXPECT_FALSE(editor.Delete(At(2)).done);
  EXPECT_FALSE(editor.Backspace(At(0)).done);
  EXPECT_FALSE(editor.DeleteSelection(At(1)).done);
  const VisualEditResult r = editor.Backspace({0, 2});
  EXPECT_EQ(doc.text, "");
  EXPECT_EQ(r.caret, 0u);
  EXPECT_EQ(editor.History().Size(), 3u);
}

TEST_F(VisualEditTest, ARefusedRoomCheckLeavesTheDocumentUntouched) {
  Load(std::string(kMaxVisualTextBytes - 1, 'a'));
  EXPECT_TRUE(editor.InsertText(At(0), "b").done);  // 9997 bytes: size + 2 stays below 10000
  const VisualDocument before = doc;
  EXPECT_FALSE(editor.InsertText(At(0), "c").done);
  EXPECT_FALSE(editor.InsertLineBreak(At(0)).done);
  EXPECT_FALSE(editor.InsertRawTag(kCmdTagCentre, At(0)).done);
  EXPECT_EQ(doc, before);
  EXPECT_EQ(host.messages, (std::vector<MessageId>(3, kMsgVisualTooManyChars)));
  EXPECT_EQ(editor.History().Size(), 1u);
  // Replacing a selection of the same size fits.
  EXPECT_TRUE(editor.InsertText({0, 1}, "d").done);
}

TEST_F(VisualEditTest, CentreAndPreTagsGoRoundTheSelectionOrAtTheCaret) {
  Load("abc");
  VisualEditResult r = editor.InsertRawTag(kCmdTagCentre, {2, 1});
  EXPECT_EQ(doc.text, "a<CENTER>b</CENTER>c");
  EXPECT_EQ(r.caret, 19u);
  editor.Undo();
  r = editor.InsertRawTag(kCmdTagPre, At(3));
  EXPECT_EQ(doc.text, "abc<PRE></PRE>");
  EXPECT_EQ(r.caret, 14u);
  EXPECT_EQ(editor.History().Size(), 1u);
  EXPECT_FALSE(editor.InsertRawTag(kCmdTagLink, At(0)).done);
}

TEST_F(VisualEditTest, ListTagsPutAnItemAtTheStartOfEachSelectedLine) {
  Load("one\r\ntwo\r\nthree\r\nrest");
  doc.attrs[5].colour = 0xFF;  // "two" is red
  const VisualEditResult r = editor.InsertRawTag(kCmdTagBulletList, {1, 17});
  EXPECT_EQ(doc.text, "o<UL>\r\n<LI>ne\r\n<LI>two\r\n<LI>three\r\n</UL>rest");
  EXPECT_EQ(r.caret, doc.text.size() - 4);
  EXPECT_EQ(doc.attrs[15].colour, 0xFFu);  // the item takes its line's attributes
  EXPECT_EQ(doc.attrs[5].lineBreak, LineBreakKind::kSource);
  ASSERT_TRUE(editor.Undo());
  EXPECT_EQ(doc.text, "one\r\ntwo\r\nthree\r\nrest");
  EXPECT_EQ(doc.attrs[5].colour, 0xFFu);
  // Without a selection only the pair.
  editor.InsertRawTag(kCmdTagNumberList, At(0));
  EXPECT_EQ(doc.text.substr(0, 11), "<OL>\r\n</OL>");
}

TEST_F(VisualEditTest, ListTagsTakeAtMost101Lines) {
  std::string text;
  for (int i = 0; i < 101; ++i) text += "x\r\n";
  Load(text + "y");
  EXPECT_TRUE(editor.InsertRawTag(kCmdTagBulletList, {0, text.size()}).done);
  EXPECT_EQ(host.beeps, 0);
  Load(text + "y");
  const VisualDocument before = doc;
  EXPECT_FALSE(editor.InsertRawTag(kCmdTagNumberList, {0, text.size() + 1}).done);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(doc, before);
}

// Random edits of every kind, then as many undos: the document as it was.
TEST_F(VisualEditTest, UndoingEveryStepGivesBackTheDocumentExactly) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    std::mt19937 rng(seed);
    Load("ab\x82\xa0\r\ncd link\r\nxyz");
    doc.attrs[6].link = static_cast<std::uint8_t>(doc.AddLink("a.html"));
    doc.attrs[3].font = static_cast<std::uint8_t>(doc.FindOrAddFont(5, true, false));
    const VisualDocument original = doc;
    editor.History().Clear();
    for (int step = 0; step < 40; ++step) {
      const std::size_t size = doc.text.size();
      // Any character boundary, the end included.
      auto boundary = [&] {
        std::vector<std::size_t> starts;
        for (std::size_t i = 0; i < size; i = NextCharOffset(doc.text, i)) starts.push_back(i);
        starts.push_back(size);
        return starts[rng() % starts.size()];
      };
      const std::size_t a = boundary(), b = boundary();
      const VisualSelection sel{a, b};
      switch (rng() % 9) {
        case 0: editor.InsertText(sel, "q\x82\xa0", static_cast<int>(rng() % 3)); break;
        case 1: editor.InsertLineBreak(sel); break;
        case 2: editor.Delete(sel); break;
        case 3: editor.Backspace(sel); break;
        case 4: {
          CharacterChange c;
          c.bold = rng() % 2 == 0;
          c.points = static_cast<int>(8 + rng() % 20);
          c.colour = 0x123456;
          c.lineSpacing = static_cast<int>(rng() % 5) - 2;
          ApplyCharacterChange(editor, sel.Start(), sel.End(), c);
          break;
        }
        case 5: SetLink(editor, {sel.Start(), sel.End()}, rng() % 3 == 0 ? "" : "b" + std::to_string(rng() % 4)); break;
        case 6: editor.InsertRawTag(rng() % 2 ? kCmdTagBulletList : kCmdTagCentre, sel); break;
        case 7: PasteVisualClip(editor, sel, MakeVisualClip(doc, 0, std::min<std::size_t>(size, 7))); break;
        default: editor.InsertText(sel, "\r\n\x82"); break;
      }
      ASSERT_EQ(doc.attrs.size(), doc.text.size());
    }
    EXPECT_GT(editor.History().Size(), 15u);
    while (editor.CanUndo()) editor.Undo();
    ASSERT_EQ(doc, original) << "seed " << seed;
  }
}

TEST_F(VisualEditTest, FigureAnchorsMoveWithTheTextAndComeBackOnUndo) {
  Load("ab\r\ncd\r\nef");
  doc.figures[0].kind = FigureKind::kLine;
  doc.figures[0].anchor = 4;  // "cd"
  doc.figures[1].kind = FigureKind::kLine;
  doc.figures[1].anchor = 8;  // "ef"
  doc.figures[2].kind = FigureKind::kLine;  // not anchored
  const VisualDocument before = doc;
  editor.InsertText(At(1), "xyz");
  EXPECT_EQ(doc.figures[0].anchor, 7);
  editor.InsertText(At(7), "q");  // at the anchor: the paragraph still starts there
  EXPECT_EQ(doc.figures[0].anchor, 7);
  editor.Delete({6, 10});  // the anchor inside the removed range
  EXPECT_EQ(doc.figures[0].anchor, 6);
  EXPECT_EQ(doc.figures[1].anchor, 8);
  EXPECT_EQ(doc.figures[2].anchor, kFigureNotAnchored);
  while (editor.CanUndo()) editor.Undo();
  EXPECT_EQ(doc, before);
}

TEST_F(VisualEditTest, UndoPutsTheSelectionBackAndKeepsItsDepth) {
  Load("abc");
  editor.InsertText({1, 2}, "X");
  const auto place = editor.Undo();
  ASSERT_TRUE(place);
  EXPECT_EQ(*place, (VisualUndoPlace{1, 2}));
  EXPECT_FALSE(editor.Undo());
  for (std::size_t i = 0; i < kVisualUndoDepth + 5; ++i) editor.InsertText(At(0), "y");
  EXPECT_EQ(editor.History().Size(), kVisualUndoDepth);
}

}  // namespace
}  // namespace quelt::test

namespace quelt::test {
namespace {

TEST_F(VisualEditTest, TwoMergedStepsUndoAsOneBackToTheDocumentBeforeBoth) {
  Load("ab");
  const VisualDocument original = doc;
  ASSERT_TRUE(editor.InsertText(At(2), "c").done);
  CharacterChange bold;
  bold.bold = true;  // a new font entry: the table changes in the later step
  ASSERT_TRUE(ApplyCharacterChange(editor, 2, 3, bold));
  EXPECT_FALSE(doc == original);
  ASSERT_TRUE(editor.History().MergeLastTwo());
  EXPECT_EQ(1u, editor.History().Size());
  const auto place = editor.Undo();
  ASSERT_TRUE(place);
  EXPECT_EQ(2u, place->caret);
  EXPECT_TRUE(doc == original);
  EXPECT_FALSE(editor.History().MergeLastTwo());  // nothing left to join
}

}  // namespace
}  // namespace quelt::test
