#include "html/visual_caret.h"

#include "visual_fixture.h"

namespace quelt::test {
namespace {

constexpr int kLeft = 950;

class VisualCaretTest : public ::testing::Test, public LaidOut {
 protected:
  void Load(const std::string& text) {
    doc = PlainDoc(text);
    Build(doc);
  }
  VisualMoveResult Move(VisualMove m, int pageHeight = 0) {
    return MoveCaret(layout, doc.text, caret, m, freeCursor, pageHeight);
  }
  std::vector<std::size_t> Walk(VisualMove m, int steps) {
    std::vector<std::size_t> out;
    for (int i = 0; i < steps; ++i) {
      Move(m);
      out.push_back(caret.offset);
    }
    return out;
  }
  VisualDocument doc;
  VisualCaret caret;
  bool freeCursor = false;
};

TEST_F(VisualCaretTest, LeftAndRightStepOverTwoByteCharactersAndLineBreaksAsOne) {
  Load("a\x82\xa0\r\n\x82\xa0" "b");
  EXPECT_EQ(Walk(VisualMove::kRight, 6), (std::vector<std::size_t>{1, 3, 5, 7, 8, 8}));
  EXPECT_EQ(Walk(VisualMove::kLeft, 6), (std::vector<std::size_t>{7, 5, 3, 1, 0, 0}));
}

TEST_F(VisualCaretTest, PreviousCharacterScansFromTheParagraphStart) {
  // 0x82 0x40 then a single 0x40: the second 0x40 is a character of its own.
  const std::string text = "x\r\n\x82\x40\x40";
  EXPECT_EQ(PreviousCharOffset(text, 6), 5u);
  EXPECT_EQ(PreviousCharOffset(text, 5), 3u);
  EXPECT_EQ(PreviousCharOffset(text, 3), 1u);
  EXPECT_EQ(PreviousCharOffset(text, 0), 0u);
  EXPECT_EQ(NextCharOffset(text, 1), 3u);
  EXPECT_EQ(NextCharOffset(text, 6), 6u);
}

TEST_F(VisualCaretTest, UpAndDownKeepTheRememberedX) {
  Load("aaaaaaaaaa\r\nbb\r\naaaaaaaaaa");
  caret.offset = 8;
  Move(VisualMove::kDown);
  EXPECT_EQ(caret.offset, 14u);  // the short line's end
  Move(VisualMove::kDown);
  EXPECT_EQ(caret.offset, 24u);  // back under the x it started from
  EXPECT_EQ(CaretX(layout, caret), kLeft + 80);
  Move(VisualMove::kUp);
  Move(VisualMove::kUp);
  EXPECT_EQ(caret.offset, 8u);
  // A sideways move forgets it.
  Move(VisualMove::kLeft);
  EXPECT_EQ(caret.rememberedX, -1);
  Move(VisualMove::kDown);
  Move(VisualMove::kDown);
  EXPECT_EQ(caret.offset, 23u);
  // Up on the first line and down on the last stay.
  caret = CaretAtOffset(layout, 3);
  EXPECT_FALSE(Move(VisualMove::kUp).moved);
}

TEST_F(VisualCaretTest, FreeCursorStandsBeyondTheLineEndInBlanks) {
  freeCursor = true;
  Load("aaaaaaaaaa\r\nbb\r\naaaaaaaaaa");
  caret.offset = 8;
  Move(VisualMove::kDown);
  EXPECT_EQ(caret.offset, 14u);
  EXPECT_EQ(caret.virtualBlanks, 6);
  EXPECT_EQ(CaretX(layout, caret), kLeft + 80);
  Move(VisualMove::kLeft);
  EXPECT_EQ(caret.virtualBlanks, 5);
  EXPECT_EQ(caret.offset, 14u);
  // Right runs on to the edge, then to the next line.
  for (int i = 0; i < 13; ++i) Move(VisualMove::kRight);
  EXPECT_EQ(caret.virtualBlanks, 18);
  EXPECT_EQ(CaretX(layout, caret), kLeft + 200);
  Move(VisualMove::kRight);
  EXPECT_EQ(caret.offset, 16u);
  EXPECT_EQ(caret.virtualBlanks, 0);
  // A click beyond the end lands there too; without free cursor at the end.
  const int y1 = layout.Line(1).y;
  EXPECT_EQ(CaretAtPoint(layout, {0, kLeft + 52, y1}, true).virtualBlanks, 3);
  EXPECT_EQ(CaretAtPoint(layout, {0, kLeft + 52, y1}, false).virtualBlanks, 0);
  // Home from beyond the end goes to the line's start.
  caret = CaretAtPoint(layout, {0, kLeft + 52, y1}, true);
  Move(VisualMove::kHome);
  EXPECT_EQ(caret.offset, 12u);
  EXPECT_EQ(caret.virtualBlanks, 0);
}

TEST_F(VisualCaretTest, FreeCursorDoesNotPassTheEndOfAWrappedLine) {
  freeCursor = true;
  Load(std::string(25, 'a'));
  caret = CaretAtPoint(layout, {0, kLeft + 500, layout.Line(0).y}, true);
  EXPECT_EQ(caret.virtualBlanks, 0);
  EXPECT_TRUE(caret.atWrapEnd);
  EXPECT_EQ(caret.offset, 20u);
  EXPECT_EQ(CaretLine(layout, caret), 0u);
  EXPECT_EQ(CaretX(layout, caret), kLeft + 200);
}

TEST_F(VisualCaretTest, HomeAtTheLineStartAsksTheViewToScrollBack) {
  Load("abc\r\ndef");
  caret.offset = 6;
  EXPECT_FALSE(Move(VisualMove::kHome).scrollToLeftEdge);
  EXPECT_EQ(caret.offset, 5u);
  EXPECT_TRUE(Move(VisualMove::kHome).scrollToLeftEdge);
  Move(VisualMove::kEnd);
  EXPECT_EQ(caret.offset, 8u);
  Move(VisualMove::kDocumentStart);
  EXPECT_EQ(caret.offset, 0u);
  Move(VisualMove::kEnd);
  EXPECT_EQ(caret.offset, 3u);  // before the line break
  Move(VisualMove::kDocumentEnd);
  EXPECT_EQ(caret.offset, 8u);
}

TEST_F(VisualCaretTest, EndOfAWrappedLineShowsAtThatLinesEnd) {
  Load(std::string(25, 'a'));
  caret.offset = 5;
  Move(VisualMove::kEnd);
  EXPECT_EQ(caret.offset, 20u);
  EXPECT_TRUE(caret.atWrapEnd);
  EXPECT_EQ(CaretPoint(layout, caret), (VisualPoint{0, kLeft + 200, layout.Line(0).y}));
  // Right from there shows the same offset at the next line's start.
  Move(VisualMove::kRight);
  EXPECT_EQ(caret.offset, 20u);
  EXPECT_FALSE(caret.atWrapEnd);
  EXPECT_EQ(CaretLine(layout, caret), 1u);
  // Up from the next line's end comes back to the wrapped line's end.
  Move(VisualMove::kEnd);
  EXPECT_EQ(caret.offset, 25u);
  Move(VisualMove::kUp);
  EXPECT_EQ(caret.offset, 5u);
  Move(VisualMove::kEnd);
  Move(VisualMove::kLeft);
  EXPECT_EQ(caret.offset, 19u);
}

TEST_F(VisualCaretTest, PageDownAndUpMoveByTheGivenHeight) {
  std::string text;
  for (int i = 0; i < 60; ++i) text += "ab\r\n";
  Load(text);
  caret.offset = 1;
  Move(VisualMove::kPageDown, 100);
  EXPECT_EQ(caret.offset, 41u);  // ten lines on, same x
  Move(VisualMove::kPageDown, 100);
  EXPECT_EQ(CaretLine(layout, caret), 20u);
  // The next step ends in the page's bottom margin: one line on, over the
  // page break.
  Move(VisualMove::kPageDown, 100);
  EXPECT_EQ(CaretLine(layout, caret), 21u);
  EXPECT_EQ(layout.Line(21).page, 1);
  Move(VisualMove::kPageUp, 100);
  EXPECT_EQ(CaretLine(layout, caret), 20u);
  Move(VisualMove::kPageUp, 100000);
  EXPECT_EQ(caret.offset, 1u);
  Move(VisualMove::kPageDown, 100000);
  EXPECT_EQ(CaretLine(layout, caret), layout.LineCount() - 1);
}

TEST_F(VisualCaretTest, MovesStayInsideTheLaidOutText) {
  std::string text;
  for (int i = 0; i < 21 * 50; ++i) text += "a\r\n";
  Load(text);
  ASSERT_TRUE(layout.Truncated());
  caret.offset = text.size();
  Move(VisualMove::kRight);
  EXPECT_EQ(caret.offset, layout.LaidEnd());
  Move(VisualMove::kDocumentEnd);
  EXPECT_EQ(caret.offset, layout.LaidEnd());
  EXPECT_FALSE(Move(VisualMove::kRight).moved);
  EXPECT_FALSE(Move(VisualMove::kDown).moved);
  Move(VisualMove::kPageDown, 100000);
  EXPECT_EQ(caret.offset, layout.LaidEnd());
  EXPECT_EQ(CaretAtPoint(layout, {60, 0, 0}, true).offset, layout.LaidEnd() - 1);
}

TEST_F(VisualCaretTest, ASelectionSpansItsPartOfEachLine) {
  Load("abcd\r\n" + std::string(25, 'e'));
  using Span = std::optional<std::pair<int, int>>;
  EXPECT_EQ(SelectionSpan(layout, 0, 1, 3), Span({kLeft + 10, kLeft + 30}));
  // Over the line break: a blank more.
  EXPECT_EQ(SelectionSpan(layout, 0, 2, 8), Span({kLeft + 20, kLeft + 50}));
  EXPECT_EQ(SelectionSpan(layout, 1, 2, 8), Span({kLeft, kLeft + 20}));
  // Through a wrapped line to its end, none of the next.
  EXPECT_EQ(SelectionSpan(layout, 1, 6, 26), Span({kLeft, kLeft + 200}));
  EXPECT_EQ(SelectionSpan(layout, 2, 6, 26), std::nullopt);
  EXPECT_EQ(SelectionSpan(layout, 0, 3, 3), std::nullopt);
}

TEST(VisualSelectionTest, StartAndEndWhicheverWayItWasMade) {
  const VisualSelection backwards{9, 3};
  EXPECT_EQ(backwards.Start(), 3u);
  EXPECT_EQ(backwards.End(), 9u);
  EXPECT_FALSE(backwards.Empty());
  EXPECT_TRUE((VisualSelection{4, 4}).Empty());
}

}  // namespace
}  // namespace quelt::test
