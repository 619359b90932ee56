#include <gtest/gtest.h>

#include "view/ruler_marks.h"

namespace quelt {
namespace {

TEST(RulerMarks, TicksAndNumbers) {
  EXPECT_EQ(RulerTickOf(0), RulerTick::kLong);
  EXPECT_EQ(RulerTickOf(5), RulerTick::kMedium);
  EXPECT_EQ(RulerTickOf(7), RulerTick::kShort);
  EXPECT_EQ(RulerTickOf(20), RulerTick::kLong);
  EXPECT_GT(RulerTickLength(RulerTick::kLong), RulerTickLength(RulerTick::kMedium));
  EXPECT_GT(RulerTickLength(RulerTick::kMedium), RulerTickLength(RulerTick::kShort));
  EXPECT_EQ(ColumnRulerNumber(0), "1");
  EXPECT_EQ(ColumnRulerNumber(10), "10");
  EXPECT_EQ(ColumnRulerNumber(5), "");
  EXPECT_EQ(LineRulerNumber(0), "1");
  EXPECT_EQ(LineRulerNumber(5), "5");
  EXPECT_EQ(LineRulerNumber(7), "");
  EXPECT_EQ(ColumnRulerNumber(-10), "");
}

TEST(RulerMarks, TheScaleStartsAtTheMarginWithoutTheLineRuler) {
  RulerGeometry g;
  g.leftMargin = 6;
  g.charWidth = 8;
  EXPECT_EQ(g.OriginX(), 6);
  g.lineRulerWidth = 40;
  EXPECT_EQ(g.OriginX(), 46);
  g.firstColumn = 3;
  EXPECT_EQ(g.XOfColumn(3), 46);
  EXPECT_EQ(g.XOfColumn(5), 62);
  EXPECT_EQ(g.ColumnAtX(46), 3);
  EXPECT_EQ(g.ColumnAtX(61), 4);
  EXPECT_EQ(g.ColumnAtX(0), 3);
}

TEST(RulerMarks, TheWrapMarkIsTakenOnItsTickOrOneColumnLeft) {
  RulerGeometry g;
  g.charWidth = 10;
  EXPECT_TRUE(OnWrapMark(g, 800, 80));
  EXPECT_TRUE(OnWrapMark(g, 795, 80));
  EXPECT_FALSE(OnWrapMark(g, 785, 80));
  EXPECT_FALSE(OnWrapMark(g, 815, 80));
}

TEST(RulerMarks, ADragPastTheEdgeSetsTheColumnUnderThePointer) {
  RulerGeometry g;
  g.lineRulerWidth = 40;
  g.leftMargin = 4;
  g.charWidth = 8;
  g.firstColumn = 0;
  // The ruler is 600 pixels wide; the captured pointer went on to x = 1000.
  EXPECT_EQ(WrapColumnAtX(g, 1000), (1000 - 44) / 8);
  EXPECT_EQ(WrapColumnAtX(g, 44 + 8 * 72 + 3), 72);
  // Held to the widths a cabinet takes, left of the origin and far right.
  EXPECT_EQ(WrapColumnAtX(g, -50), kMinDraggedWrapColumn);
  EXPECT_EQ(WrapColumnAtX(g, 100000), kMaxDraggedWrapColumn);
  // A scrolled view counts from its first shown column.
  g.firstColumn = 30;
  EXPECT_EQ(WrapColumnAtX(g, 44 + 8 * 5), 35);
}

TEST(RulerMarks, NumbersEndAtTheirTickAndColumnZeroStartsRightOfIt) {
  RulerGeometry g;
  g.leftMargin = 10;
  g.charWidth = 8;
  EXPECT_EQ(ColumnNumberLeft(g, 10, 12, 0), 10 + 80 - 12);
  EXPECT_EQ(ColumnNumberLeft(g, 0, 6, 0), 12);
  EXPECT_EQ(ColumnNumberLeft(g, 20, 12, 2), 10 + 160 - 12 - 2);
  // The shift applies only with the flag off and a wide "50".
  EXPECT_EQ(RulerNumberShift(false, 13, 6), 2);
  EXPECT_EQ(RulerNumberShift(false, 12, 6), 0);
  EXPECT_EQ(RulerNumberShift(true, 13, 6), 0);
}

TEST(RulerMarks, LineRulerRowsAndLabels) {
  LineRulerGeometry g;
  g.topMargin = 3;
  g.lineHeight = 10;
  g.topLine = 20;
  g.lineCount = 25;
  EXPECT_EQ(g.YOfLine(20), 3);
  EXPECT_EQ(g.YOfLine(22), 23);
  EXPECT_EQ(g.LineAtY(0), 20u);
  EXPECT_EQ(g.LineAtY(-100), 20u);
  EXPECT_EQ(g.LineAtY(24), 22u);
  EXPECT_EQ(g.LineAtY(1000), 24u);
  g.lineCount = 0;
  EXPECT_EQ(g.LineAtY(1000), 0u);
  // The scale: every fifth display line, index 0 as "1".
  EXPECT_EQ(LineRulerLabel(false, 0, true, 0), "1");
  EXPECT_EQ(LineRulerLabel(false, 5, false, 3), "5");
  EXPECT_EQ(LineRulerLabel(false, 6, true, 4), "");
  // The numbers: logical lines where they begin, nothing on continuations.
  EXPECT_EQ(LineRulerLabel(true, 6, true, 4), "5");
  EXPECT_EQ(LineRulerLabel(true, 7, false, 4), "");
  EXPECT_EQ(LineRulerLabel(true, 0, true, 0), "1");
}

TEST(RulerMarks, WholeLineSelectionBothWays) {
  // Display lines start at 0, 10, 20, 30; the text is 35 bytes long.
  auto start = [](std::uint32_t line) { return line >= 4 ? 35u : line * 10; };
  WholeLines down = WholeLineSelection(1, 2, start);
  EXPECT_EQ(down.anchor, 10u);
  EXPECT_EQ(down.caret, 30u);
  WholeLines one = WholeLineSelection(3, 3, start);
  EXPECT_EQ(one.anchor, 30u);
  EXPECT_EQ(one.caret, 35u);
  WholeLines up = WholeLineSelection(2, 0, start);
  EXPECT_EQ(up.anchor, 30u);
  EXPECT_EQ(up.caret, 0u);
  // Shift extends from the selection's anchor (or the caret); a box
  // selection or no Shift starts at the pressed line.
  EXPECT_EQ(LineSelectionAnchor(true, false, true, 4, 9, 12), 4u);
  EXPECT_EQ(LineSelectionAnchor(true, false, false, 4, 9, 12), 9u);
  EXPECT_EQ(LineSelectionAnchor(true, true, false, 4, 9, 12), 12u);
  EXPECT_EQ(LineSelectionAnchor(false, false, true, 4, 9, 12), 12u);
}

}  // namespace
}  // namespace quelt
