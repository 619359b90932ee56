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

}  // namespace
}  // namespace quelt
