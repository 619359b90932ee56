#include <gtest/gtest.h>

#include "layout_fixture.h"
#include "view/caret_moves.h"
#include "view/cell_position.h"
#include "view/scroll_ranges.h"
#include "view/selection_ranges.h"
#include "view/word_bounds.h"

namespace quelt::test {
namespace {

Caret At(int column, std::uint32_t line, int virt = 0) {
  Caret c;
  c.pos = CaretPos{column, line, virt};
  c.desiredColumn = column;
  return c;
}

CaretPos Pos(int column, std::uint32_t line, int virt = 0) { return CaretPos{column, line, virt}; }

struct CaretTest : ::testing::Test {
  // Lines: "ab" + "あ" + "c" CR LF | "\tx" CR LF | "0123456789" | "xyz" (wrap 10).
  Doc d{std::string("ab") + kA + "c\r\n\tx\r\n0123456789xyz", Params(10, false, false, 4)};
  CaretMoveContext ctx;
  CaretMoveContext free() const {
    CaretMoveContext c = ctx;
    c.freeCursor = true;
    return c;
  }
  Caret Move(CaretKey key, const Caret& c) { return MoveCaretByKey(*d.layout, key, ctx, c); }
  Caret MoveFree(CaretKey key, const Caret& c) { return MoveCaretByKey(*d.layout, key, free(), c); }
  void SetUp() override { ctx.visibleRows = 20; }
};

TEST_F(CaretTest, LeftAndRightStepOverCharacters) {
  EXPECT_EQ(Move(CaretKey::kRight, At(1, 0)).pos, Pos(2, 0));
  EXPECT_EQ(Move(CaretKey::kRight, At(2, 0)).pos, Pos(4, 0));   // over "あ"
  EXPECT_EQ(Move(CaretKey::kRight, At(5, 0)).pos, Pos(0, 1));   // over CR LF
  EXPECT_EQ(Move(CaretKey::kRight, At(0, 1)).pos, Pos(4, 1));   // over the tab
  EXPECT_EQ(Move(CaretKey::kLeft, At(4, 0)).pos, Pos(2, 0));
  EXPECT_EQ(Move(CaretKey::kLeft, At(0, 1)).pos, Pos(5, 0));    // onto the CR
  EXPECT_EQ(Move(CaretKey::kLeft, At(0, 3)).pos, Pos(9, 2));    // into a wrapped line
  EXPECT_EQ(Move(CaretKey::kLeft, At(0, 0)).pos, Pos(0, 0));
  EXPECT_EQ(Move(CaretKey::kRight, At(3, 3)).pos, Pos(3, 3));   // end of the text
  Caret c = Move(CaretKey::kRight, At(1, 0));
  EXPECT_EQ(c.desiredColumn, 2);
}

// At a wrap point the same character would be met twice: at the end of one
// display line and at the start of the next. Right from the last character
// of a wrapped line goes straight to the next line, and where End leaves
// the caret there is no character.
TEST_F(CaretTest, TheWrapPointIsPassedWithOnePress) {
  EXPECT_EQ(Move(CaretKey::kRight, At(9, 2)).pos, Pos(0, 3));
  EXPECT_EQ(Move(CaretKey::kRight, At(10, 2)).pos, Pos(0, 3));
  EXPECT_EQ(MoveFree(CaretKey::kRight, At(9, 2)).pos, Pos(0, 3));
  EXPECT_EQ(MoveFree(CaretKey::kRight, At(10, 2)).pos, Pos(0, 3));
  const Caret end = Move(CaretKey::kEnd, At(3, 2));
  EXPECT_EQ(end.pos, Pos(10, 2));
  EXPECT_EQ(CharSizeAtCaret(*d.layout, end.pos), 0);
  EXPECT_EQ(CharSizeAtCaret(*d.layout, Pos(9, 2)), 1);
  EXPECT_EQ(CharSizeAtCaret(*d.layout, Pos(0, 3)), 1);
  // On the CR of a line that ends with CR LF the character is the line end.
  EXPECT_EQ(CharSizeAtCaret(*d.layout, Pos(5, 0)), 2);
  EXPECT_EQ(CharSizeAtCaret(*d.layout, Pos(3, 3)), 0);  // end of the text
  EXPECT_EQ(CharSizeAtCaret(*d.layout, Pos(7, 0, 2)), 0);  // virtual space
}

TEST_F(CaretTest, FreeCursorRightRunsIntoVirtualSpaceAndWraps) {
  EXPECT_EQ(MoveFree(CaretKey::kRight, At(2, 0)).pos, Pos(4, 0));
  EXPECT_EQ(MoveFree(CaretKey::kRight, At(5, 0)).pos, Pos(7, 0, 2));  // over the CR
  EXPECT_EQ(MoveFree(CaretKey::kRight, At(7, 0, 2)).pos, Pos(8, 0, 3));
  EXPECT_EQ(MoveFree(CaretKey::kRight, At(10, 0, 5)).pos, Pos(0, 1));  // maximum column
  EXPECT_EQ(MoveFree(CaretKey::kRight, At(3, 3)).pos, Pos(4, 3, 1));
  // At the maximum column of the last line the caret stays.
  EXPECT_EQ(MoveFree(CaretKey::kRight, At(10, 3, 7)).pos, Pos(10, 3, 7));
}

TEST_F(CaretTest, FreeCursorLeftComesBackOntoTheLineEnd) {
  EXPECT_EQ(MoveFree(CaretKey::kLeft, At(8, 0, 3)).pos, Pos(7, 0, 2));
  EXPECT_EQ(MoveFree(CaretKey::kLeft, At(7, 0, 2)).pos, Pos(5, 0));  // straight onto the CR
  EXPECT_EQ(MoveFree(CaretKey::kLeft, At(6, 0, 1)).pos, Pos(5, 0));
  EXPECT_EQ(MoveFree(CaretKey::kLeft, At(4, 0)).pos, Pos(2, 0));
  // From column 0 to the maximum column of the line before.
  EXPECT_EQ(MoveFree(CaretKey::kLeft, At(0, 1)).pos, Pos(10, 0, 5));
  EXPECT_EQ(MoveFree(CaretKey::kLeft, At(0, 0)).pos, Pos(0, 0));
}

TEST_F(CaretTest, HomeEndAndTextEnds) {
  EXPECT_EQ(Move(CaretKey::kHome, At(3, 1)).pos, Pos(0, 1));
  EXPECT_EQ(Move(CaretKey::kEnd, At(0, 0)).pos, Pos(5, 0));    // onto the CR
  EXPECT_EQ(Move(CaretKey::kEnd, At(0, 2)).pos, Pos(10, 2));   // after a wrapped line
  EXPECT_EQ(Move(CaretKey::kEnd, At(0, 3)).pos, Pos(3, 3));
  EXPECT_EQ(Move(CaretKey::kTextTop, At(2, 3)).pos, Pos(0, 0));
  EXPECT_EQ(Move(CaretKey::kTextEnd, At(0, 0)).pos, Pos(3, 3));
  EXPECT_EQ(Move(CaretKey::kEnd, At(0, 0)).desiredColumn, 5);
}

TEST_F(CaretTest, UpAndDownKeepTheDesiredColumn) {
  Caret c = At(3, 2);
  c = Move(CaretKey::kUp, c);
  EXPECT_EQ(c.pos, Pos(4, 1));  // column 3 is inside the tab
  EXPECT_EQ(c.desiredColumn, 3);
  c = Move(CaretKey::kUp, c);
  EXPECT_EQ(c.pos, Pos(4, 0));  // inside "あ": after it
  c = Move(CaretKey::kDown, At(9, 2));
  EXPECT_EQ(c.pos, Pos(3, 3));  // short last line
  EXPECT_EQ(c.desiredColumn, 9);
  // Past the last line: the end of the text.
  EXPECT_EQ(Move(CaretKey::kDown, At(0, 3)).pos, Pos(3, 3));
  EXPECT_EQ(Move(CaretKey::kUp, At(1, 0)).pos, Pos(1, 0));
  // Free cursor keeps the column in virtual space.
  EXPECT_EQ(MoveFree(CaretKey::kUp, At(8, 2)).pos, Pos(8, 1, 3));
}

TEST(CaretEndTest, DownOnTheLastLineOfATextEndingInCrLf) {
  Doc d("abc\r\n");
  CaretMoveContext ctx;
  ctx.visibleRows = 10;
  Caret c = MoveCaretByKey(*d.layout, CaretKey::kDown, ctx, At(1, 0));
  EXPECT_EQ(c.pos, Pos(5, 0));
  EXPECT_EQ(CaretOffset(*d.layout, c.pos), 5u);
  Doc empty("");
  c = MoveCaretByKey(*empty.layout, CaretKey::kDown, ctx, At(0, 0));
  EXPECT_EQ(c.pos, Pos(0, 0));
  EXPECT_EQ(MoveCaretByKey(*empty.layout, CaretKey::kRight, ctx, At(0, 0)).pos, Pos(0, 0));
}

TEST(CaretScrollTest, VerticalMovesScrollSeveralLinesAtTheEdge) {
  Doc d(Repeat("line\r\n", 50));
  CaretMoveContext ctx;
  ctx.visibleRows = 10;
  ctx.scrollLineCount = 3;
  ctx.topLine = 0;
  // A single press at the bottom edge with OneScrollNotRepeat moves one line.
  EXPECT_EQ(MoveCaretByKey(*d.layout, CaretKey::kDown, ctx, At(0, 9)).pos.line, 10u);
  ctx.autoRepeat = true;
  EXPECT_EQ(MoveCaretByKey(*d.layout, CaretKey::kDown, ctx, At(0, 9)).pos.line, 12u);
  EXPECT_EQ(MoveCaretByKey(*d.layout, CaretKey::kDown, ctx, At(0, 5)).pos.line, 6u);
  ctx.autoRepeat = false;
  ctx.oneScrollNotRepeat = false;
  ctx.topLine = 5;
  EXPECT_EQ(MoveCaretByKey(*d.layout, CaretKey::kUp, ctx, At(0, 5)).pos.line, 2u);
  // Pages move by the visible rows, clamped.
  EXPECT_EQ(MoveCaretByKey(*d.layout, CaretKey::kPageDown, ctx, At(2, 45)).pos, Pos(2, 49));
  EXPECT_EQ(MoveCaretByKey(*d.layout, CaretKey::kPageUp, ctx, At(2, 15)).pos, Pos(2, 5));
  EXPECT_EQ(MoveCaretByKey(*d.layout, CaretKey::kPageUp, ctx, At(2, 3)).pos, Pos(2, 0));
  // Ctrl+Down scrolls and pulls the caret along.
  ScrollKeepResult k = ScrollKeepingCaret(*d.layout, ctx, At(1, 5), 1, 40);
  EXPECT_EQ(k.topLine, 6u);
  EXPECT_EQ(k.caret.pos.line, 6u);
}

TEST(CaretScrollTest, EnsureVisibleWithScrollStartBase) {
  ViewExtent v;
  v.visibleRows = 20;
  v.visibleColumns = 40;
  v.scrollStartBase = 3;
  v.ranges = ComputeScrollRanges(100, 20, 82, 40);
  EXPECT_EQ(v.ranges.verticalMax, 81u);
  EXPECT_EQ(v.ranges.horizontalMax, 43);
  ScrollPos top;
  EXPECT_EQ(EnsureVisible(top, v, 0, 16).topLine, 0u);
  EXPECT_EQ(EnsureVisible(top, v, 0, 17).topLine, 1u);  // row 17 reached
  EXPECT_EQ(EnsureVisible(ScrollPos{30, 0}, v, 0, 12).topLine, 12u);
  EXPECT_EQ(EnsureVisible(top, v, 0, 99).topLine, 81u);  // never past the range
  // Sideways: at least ten columns at a time.
  EXPECT_EQ(EnsureVisible(top, v, 41, 0).firstColumn, 10);
  EXPECT_EQ(EnsureVisible(top, v, 40, 0).firstColumn, 0);
  EXPECT_EQ(EnsureVisible(top, v, 70, 0).firstColumn, 32);
  EXPECT_EQ(EnsureVisible(top, v, 82, 0).firstColumn, 43);
  EXPECT_EQ(EnsureVisible(ScrollPos{0, 30}, v, 25, 0).firstColumn, 15);
  EXPECT_EQ(EnsureVisible(ScrollPos{0, 5}, v, 2, 0).firstColumn, 0);
  EXPECT_EQ(EnsureVisible(ScrollPos{10, 0}, v, 0, 30, ScrollCause::kPageDown).topLine, 30u);
  // Everything fits: bars disabled.
  ScrollRanges small = ComputeScrollRanges(5, 20, 80, 100);
  EXPECT_FALSE(small.verticalEnabled);
  EXPECT_FALSE(small.horizontalEnabled);
  EXPECT_EQ(ClampScroll(ScrollPos{3, 7}, small).topLine, 0u);
  EXPECT_EQ(ClampScroll(ScrollPos{3, 7}, small).firstColumn, 0);
}

TEST(CaretScrollTest, ScrollBarActionsAndWheel) {
  EXPECT_EQ(ApplyScrollAction(5, ScrollAction::kLineUp, 10, 0, 50), 4);
  EXPECT_EQ(ApplyScrollAction(45, ScrollAction::kPageDown, 10, 0, 50), 50);
  EXPECT_EQ(ApplyScrollAction(5, ScrollAction::kPageUp, 10, 0, 50), 0);
  EXPECT_EQ(ApplyScrollAction(5, ScrollAction::kThumb, 10, 70000, 100000), 70000);
  EXPECT_EQ(ApplyScrollAction(5, ScrollAction::kBottom, 10, 0, 50), 50);
  CaretKey key{};
  EXPECT_TRUE(CaretKeyForScrollAction(ScrollAction::kPageDown, &key));
  EXPECT_EQ(key, CaretKey::kPageDown);
  EXPECT_FALSE(CaretKeyForScrollAction(ScrollAction::kThumb, &key));
  // A notch towards the user (negative delta) scrolls down.
  EXPECT_EQ(WheelScrollLines(-120, 3, 2), 3);
  EXPECT_EQ(WheelScrollLines(240, 3, 2), -6);
  EXPECT_EQ(WheelScrollLines(-120, 0, 2), 2);
}

TEST(CellTest, PixelsAndCells) {
  GridInput in;
  in.fontAveCharWidth = 8;
  in.fontHeight = 16;
  in.logPixelsX = in.logPixelsY = 96;
  in.lineSpacing = 10;  // 1 mm: 96 * 10 / 254 = 3 pixels
  GridMetrics m = MakeGridMetrics(in, 4);
  EXPECT_EQ(m.lineHeight, 19);
  EXPECT_EQ(m.charWidth, 8);
  EXPECT_EQ(m.tabWidth, 32);
  EXPECT_EQ(m.leftMargin, 5);  // 96 * 15 / 254
  EXPECT_EQ(VisibleRows(m, 100), 5);
  EXPECT_EQ(VisibleRows(m, 3), 0);
  ScrollPos s{10, 2};
  Point p = CellToPoint(m, s, 5, 12);
  EXPECT_EQ(p.x, 3 * 8 + 5);
  EXPECT_EQ(p.y, 2 * 19 + 5);
  GridCell c = PointToCell(m, s, p.x + 7, p.y + 18, 80, 100);
  EXPECT_EQ(c.column, 5);
  EXPECT_EQ(c.line, 12u);
  c = PointToCell(m, ScrollPos{}, 0, 0, 80, 100);
  EXPECT_EQ(c.column, 0);
  EXPECT_EQ(c.line, 0u);
  c = PointToCell(m, ScrollPos{}, 5000, 50000, 80, 100);
  EXPECT_EQ(c.column, 80);
  EXPECT_EQ(c.line, 100u);
}

TEST(CaretCellTest, ClicksSnapToCharactersOrStayInVirtualSpace) {
  Doc d(std::string("a") + kA + "\r\nb");
  EXPECT_EQ(CaretAtCell(*d.layout, 2, 0, false), Pos(3, 0));
  EXPECT_EQ(CaretAtCell(*d.layout, 9, 0, false), Pos(3, 0));
  EXPECT_EQ(CaretAtCell(*d.layout, 9, 0, true), Pos(9, 0, 6));
  EXPECT_EQ(CaretAtCell(*d.layout, 0, 7, false), Pos(0, 1));
  EXPECT_EQ(AnchorOffset(*d.layout, Pos(9, 0, 6)), 5u);
  EXPECT_EQ(AnchorOffset(*d.layout, Pos(1, 0)), 1u);
}

TEST(CaretRefreshTest, ANewWrapColumnKeepsTopLineAndCaretOnTheirText) {
  Doc d(Repeat("abcdefghij", 10), Params(10));
  ScrollPos scroll{3, 4};
  Caret caret = At(5, 6);  // offset 65
  RefreshLayout(*d.layout, Params(20), true, &scroll, &caret);
  EXPECT_EQ(d.store.LineCount(), 5u);
  EXPECT_EQ(scroll.topLine, 1u);  // offset 30
  EXPECT_EQ(scroll.firstColumn, 0);
  EXPECT_EQ(caret.pos, Pos(5, 3));
  EXPECT_EQ(caret.desiredColumn, 5);
}

TEST(WordTest, WordBoundaries) {
  Doc d(std::string("foo  bar.baz\r\n") + kA + kA + "\x88\x9F" + " x");
  Layout& l = *d.layout;
  EXPECT_EQ(NextWordBoundary(l, 0), 5u);
  EXPECT_EQ(NextWordBoundary(l, 5), 8u);
  EXPECT_EQ(NextWordBoundary(l, 8), 9u);
  EXPECT_EQ(NextWordBoundary(l, 9), 12u);
  EXPECT_EQ(NextWordBoundary(l, 12), 14u);  // the line end alone
  EXPECT_EQ(NextWordBoundary(l, 14), 18u);  // hiragana, then kanji
  EXPECT_EQ(PreviousWordBoundary(l, 18), 14u);
  EXPECT_EQ(PreviousWordBoundary(l, 14), 12u);
  EXPECT_EQ(PreviousWordBoundary(l, 12), 9u);
  EXPECT_EQ(PreviousWordBoundary(l, 5), 0u);
  EXPECT_EQ(PreviousWordBoundary(l, 0), 0u);
  EXPECT_EQ(NextWordBoundary(l, d.store.Length()), d.store.Length());
  WordSpan w = WordAt(l, 6);
  EXPECT_EQ(w.start, 5u);
  EXPECT_EQ(w.end, 8u);
  CaretMoveContext ctx;
  EXPECT_EQ(MoveCaretByKey(l, CaretKey::kWordRight, ctx, At(0, 0)).pos, Pos(5, 0));
  EXPECT_EQ(MoveCaretByKey(l, CaretKey::kWordLeft, ctx, At(0, 1)).pos, Pos(12, 0));
}

TEST(SelectionTest, StreamRepaintCoversOnlyTheDifference) {
  Doc d(Repeat("abcdefgh\r\n", 10));  // ten-byte lines
  EXPECT_EQ(StreamRange(30, 12), (OffsetRange{12, 30}));
  // Extending from line 3 to line 5 repaints lines 3..5.
  LineSpans s = StreamRepaintLines(*d.layout, OffsetRange{12, 31}, OffsetRange{12, 55});
  ASSERT_EQ(s.count, 1);
  EXPECT_EQ(s.spans[0], (LineSpan{3, 5}));
  // Disjoint selections repaint both.
  s = StreamRepaintLines(*d.layout, OffsetRange{0, 5}, OffsetRange{70, 75});
  ASSERT_EQ(s.count, 2);
  EXPECT_EQ(s.spans[0], (LineSpan{0, 0}));
  EXPECT_EQ(s.spans[1], (LineSpan{7, 7}));
  // Cancelling repaints the old selection.
  s = StreamRepaintLines(*d.layout, OffsetRange{15, 42}, OffsetRange{});
  ASSERT_EQ(s.count, 1);
  EXPECT_EQ(s.spans[0], (LineSpan{1, 4}));
  EXPECT_EQ(StreamRepaintLines(*d.layout, OffsetRange{15, 42}, OffsetRange{15, 42}).count, 0);
}

TEST(SelectionTest, BoxCellsRectanglesAndText) {
  Doc d(std::string("abcdef\r\nx") + kA + "yz\r\nq");
  const int maxColumn = d.layout->MaxColumn();
  const std::uint32_t anchor = BoxCell(0, 4, maxColumn);
  const std::uint32_t far = BoxCell(2, 2, maxColumn);
  EXPECT_EQ(BoxCornerOf(far, maxColumn).line, 2u);
  EXPECT_EQ(BoxCornerOf(far, maxColumn).column, 2);
  const BoxRect box = BoxRectOf(anchor, far, maxColumn);
  EXPECT_EQ(box, (BoxRect{0, 2, 2, 4}));
  EXPECT_EQ(BoxLineRange(*d.layout, box, 0), (OffsetRange{2, 4}));
  EXPECT_EQ(BoxLineRange(*d.layout, box, 1), (OffsetRange{11, 12}));  // "あ" whole at the left edge
  EXPECT_TRUE(BoxLineRange(*d.layout, box, 2).Empty());
  // Growing a box downwards repaints the new rows; a change of columns all.
  BoxRect taller = box;
  taller.lastLine = 4;
  LineSpans s = BoxRepaintLines(&box, &taller);
  ASSERT_EQ(s.count, 1);
  EXPECT_EQ(s.spans[0], (LineSpan{3, 4}));
  BoxRect wider = box;
  wider.rightColumn = 6;
  s = BoxRepaintLines(&box, &wider);
  ASSERT_EQ(s.count, 1);
  EXPECT_EQ(s.spans[0], (LineSpan{0, 2}));
  EXPECT_EQ(BoxRepaintLines(nullptr, &box).count, 1);
}

}  // namespace
}  // namespace quelt::test

namespace quelt::test {
namespace {

// Automatic scrolling moves AutoScrollCount lines a tick, one at a time,
// even where a caret key at the window's edge would jump ScrollLineCount.
TEST(AutoScroll, ATickMovesCountLinesOneAtATime) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += "line\r\n";
  Doc d(text, Params(80));
  CaretMoveContext ctx;
  ctx.visibleRows = 10;
  ctx.topLine = 0;
  ctx.scrollLineCount = 4;
  ctx.oneScrollNotRepeat = false;  // a caret key at the edge would move 4 lines
  ctx.autoRepeat = true;
  Caret c = At(2, 8);
  const AutoScrollTick tick = AutoScrollStep(*d.layout, ctx, c, 1, 5, nullptr);
  EXPECT_EQ(tick.linesMoved, 5);
  EXPECT_EQ(tick.caret.pos.line, 13u);
  EXPECT_EQ(tick.caret.pos.column, 2);
  EXPECT_FALSE(tick.stopped);
  // Up from line 2: two lines, then the start of the text stops it.
  const AutoScrollTick up = AutoScrollStep(*d.layout, ctx, At(0, 2), -1, 5, nullptr);
  EXPECT_EQ(up.linesMoved, 2);
  EXPECT_TRUE(up.stopped);
  EXPECT_FALSE(up.beep);
}

TEST(AutoScroll, AMarkedLineStopsTheTickWithABeep) {
  std::string text;
  for (int i = 0; i < 20; ++i) text += "x\r\n";
  Doc d(text, Params(80));
  CaretMoveContext ctx;
  ctx.visibleRows = 10;
  const AutoScrollTick tick =
      AutoScrollStep(*d.layout, ctx, At(0, 0), 1, 5, [](std::uint32_t line) { return line == 3; });
  EXPECT_EQ(tick.caret.pos.line, 3u);
  EXPECT_EQ(tick.linesMoved, 3);
  EXPECT_TRUE(tick.stopped);
  EXPECT_TRUE(tick.beep);
}

}  // namespace
}  // namespace quelt::test
