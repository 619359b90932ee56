#include "app/dock_layout.h"

#include <gtest/gtest.h>

#include <optional>

namespace quelt {
namespace {

// The tool bar wraps to the row's length in rows of 28; the tag bars have
// one size per orientation.
constexpr BarShapes kTool{{700, 28}, {30, 600}, 28, true};
constexpr BarShapes kTag1{{520, 22}, {24, 500}, 22, false};
constexpr BarShapes kTag2{{480, 22}, {24, 460}, 22, false};
constexpr BarRect kArea{0, 0, 800, 600};

DockMeasure Shapes(bool tagBarsShown = true) {
  return [tagBarsShown](int bar, bool vertical, int length) -> BarSize {
    if (bar != kDockToolBar && !tagBarsShown) return {};
    const BarShapes& s = bar == kDockToolBar ? kTool : bar == kDockTagBar1 ? kTag1 : kTag2;
    return EstimateBarSize(s, vertical, length);
  };
}

void ExpectRect(const BarRect& want, const BarRect& got) {
  EXPECT_EQ(want.left, got.left);
  EXPECT_EQ(want.top, got.top);
  EXPECT_EQ(want.right, got.right);
  EXPECT_EQ(want.bottom, got.bottom);
}

DockLayout Default() { return InitialDockLayout(DockEdge::kTop, {1, 1, 1}); }

TEST(DockLayoutTest, TopRowsSpanTheWidthAndLeftRowsFillTheHeightBelow) {
  const DockArrangement a = ArrangeDocks(Default(), Shapes(), kArea, 24, 0);
  ExpectRect({0, 0, 700, 28}, a.bars[kDockToolBar]);
  // The window bar's strip lies inside the top rows; the left rows below it.
  ExpectRect({0, 28, 800, 52}, a.topStrip);
  ExpectRect({0, 52, 24, 552}, a.bars[kDockTagBar1]);
  ExpectRect({24, 52, 48, 512}, a.bars[kDockTagBar2]);
  ExpectRect({48, 52, 800, 600}, a.client);
  ASSERT_EQ(2u, a.rows[static_cast<int>(DockEdge::kLeft)].size());
  ExpectRect({24, 52, 48, 600}, a.rows[static_cast<int>(DockEdge::kLeft)][1]);
}

TEST(DockLayoutTest, BottomAndRightRowsStartAtTheirEdge) {
  DockLayout l(3);
  l.AddRow(kDockToolBar, DockEdge::kBottom);
  l.AddRow(kDockTagBar1, DockEdge::kRight);
  l.AddRow(kDockTagBar2, DockEdge::kRight);
  const DockArrangement a = ArrangeDocks(l, Shapes(), kArea, 0, 20);
  ExpectRect({0, 572, 700, 600}, a.bars[kDockToolBar]);
  ExpectRect({0, 552, 800, 572}, a.bottomStrip);
  // The first row at the right is the outermost: right of the second.
  ExpectRect({776, 0, 800, 500}, a.bars[kDockTagBar1]);
  ExpectRect({752, 0, 776, 460}, a.bars[kDockTagBar2]);
  ExpectRect({0, 0, 752, 552}, a.client);
}

TEST(DockLayoutTest, BarsOfOneRowFollowEachOtherAndHiddenBarsTakeNothing) {
  DockLayout l(3);
  l.AddRow(kDockTagBar2, DockEdge::kTop);
  l.AddToLastRow(kDockTagBar1, DockEdge::kTop);
  l.AddToLastRow(kDockToolBar, DockEdge::kTop);
  const DockArrangement a = ArrangeDocks(l, Shapes(), kArea);
  ExpectRect({0, 0, 480, 22}, a.bars[kDockTagBar2]);
  ExpectRect({480, 0, 1000, 22}, a.bars[kDockTagBar1]);
  // No length is left for the tool bar: it keeps one row and the frame clips it.
  ExpectRect({1000, 0, 1700, 28}, a.bars[kDockToolBar]);
  EXPECT_EQ(28, a.client.top);
  // With the tag bars hidden, the rows at the left take no width.
  const DockArrangement hidden = ArrangeDocks(Default(), Shapes(false), kArea);
  EXPECT_EQ(0, hidden.client.left);
  EXPECT_EQ(0, hidden.bars[kDockTagBar1].Width());
  // A narrow frame wraps the tool bar into more rows.
  const DockArrangement narrow = ArrangeDocks(Default(), Shapes(false), {0, 0, 300, 400});
  ExpectRect({0, 0, 300, 28 * 3}, narrow.bars[kDockToolBar]);
}

TEST(DockLayoutTest, ThePointerChoosesTheNearestEdgeWithinItsZone) {
  const DockLayout l = Default();
  const DockArrangement a = ArrangeDocks(l, Shapes(), kArea, 24, 0);
  auto edgeAt = [&](int x, int y) -> std::optional<DockEdge> {
    const auto t = DockTargetAt(l, a, kArea, x, y);
    return t ? std::optional(t->edge) : std::nullopt;
  };
  EXPECT_EQ(DockEdge::kRight, edgeAt(790, 300));
  EXPECT_EQ(DockEdge::kBottom, edgeAt(400, 595));
  EXPECT_EQ(DockEdge::kLeft, edgeAt(5, 300));
  EXPECT_EQ(DockEdge::kTop, edgeAt(400, 10));
  // Just outside the area still counts; far outside does not.
  EXPECT_EQ(DockEdge::kRight, edgeAt(820, 300));
  EXPECT_EQ(std::nullopt, edgeAt(850, 300));
  // The middle of the documents' area is no zone.
  EXPECT_EQ(std::nullopt, edgeAt(400, 300));
  // The zones reach past the rows already there: the two tag columns at
  // the left (48) and the tool bar with the window bar at the top (52).
  EXPECT_EQ(DockEdge::kLeft, edgeAt(48 + kDockInsideReach - 1, 300));
  EXPECT_EQ(std::nullopt, edgeAt(48 + kDockInsideReach, 300));
  EXPECT_EQ(DockEdge::kTop, edgeAt(400, 52 + kDockInsideReach - 1));
  // A corner goes to the edge nearer the pointer.
  EXPECT_EQ(DockEdge::kTop, edgeAt(20, 5));
  EXPECT_EQ(DockEdge::kLeft, edgeAt(5, 20));
}

TEST(DockLayoutTest, TheDepthChoosesTheRowAndTheAlongPositionThePlace) {
  DockLayout l(3);
  l.AddRow(kDockToolBar, DockEdge::kTop);
  l.AddRow(kDockTagBar1, DockEdge::kTop);
  l.AddToLastRow(kDockTagBar2, DockEdge::kTop);
  const DockArrangement a = ArrangeDocks(l, Shapes(), kArea);
  // Row 1 holds tag bar 1 at 0-520 and tag bar 2 at 520-1000, y 28-50.
  auto target = DockTargetAt(l, a, kArea, 100, 30);
  ASSERT_TRUE(target);
  EXPECT_FALSE(target->newRow);
  EXPECT_EQ(1, target->row);
  EXPECT_EQ(0, target->index);
  target = DockTargetAt(l, a, kArea, 300, 40);
  EXPECT_EQ(1, target->index);  // past the centre of the first
  target = DockTargetAt(l, a, kArea, 740, 40);
  EXPECT_EQ(1, target->index);  // before the centre (760) of the second
  // Past the rows: a new innermost row; above the area: a new outermost.
  target = DockTargetAt(l, a, kArea, 300, 60);
  EXPECT_TRUE(target->newRow);
  EXPECT_EQ(2, target->row);
  target = DockTargetAt(l, a, kArea, 300, -10);
  EXPECT_TRUE(target->newRow);
  EXPECT_EQ(0, target->row);
  // An edge without rows: a new row there.
  target = DockTargetAt(l, a, kArea, 795, 300);
  EXPECT_EQ(DockEdge::kRight, target->edge);
  EXPECT_TRUE(target->newRow);
  EXPECT_EQ(0, target->row);
}

TEST(DockLayoutTest, PlacingTakesTheBarOutOfItsOldPlaceFirst) {
  DockLayout l(3);
  l.AddRow(kDockToolBar, DockEdge::kTop);
  l.AddRow(kDockTagBar1, DockEdge::kTop);
  l.AddToLastRow(kDockTagBar2, DockEdge::kTop);
  // Into its own row past the other bar: the two change places.
  DockLayout moved = l;
  moved.Place(kDockTagBar1, {DockEdge::kTop, 1, 2, false});
  EXPECT_EQ((DockLayout::Row{kDockTagBar2, kDockTagBar1}), moved.Rows(DockEdge::kTop)[1]);
  // Into its own row before itself: nothing changes.
  moved = l;
  moved.Place(kDockTagBar1, {DockEdge::kTop, 1, 0, false});
  EXPECT_EQ(l, moved);
  // The only bar of a row dropped into that row stays where it was.
  moved = l;
  moved.Place(kDockToolBar, {DockEdge::kTop, 0, 0, false});
  EXPECT_EQ(l, moved);
  // The tool bar joins the next row: its own row goes.
  moved = l;
  moved.Place(kDockToolBar, {DockEdge::kTop, 1, 1, false});
  ASSERT_EQ(1u, moved.Rows(DockEdge::kTop).size());
  EXPECT_EQ((DockLayout::Row{kDockTagBar1, kDockToolBar, kDockTagBar2}), moved.Rows(DockEdge::kTop)[0]);
  // A new innermost row, counted with the bar still in its old row.
  moved = l;
  moved.Place(kDockToolBar, {DockEdge::kTop, 2, 0, true});
  EXPECT_EQ((DockLayout::Row{kDockToolBar}), moved.Rows(DockEdge::kTop)[1]);
  // To another edge; the slot reads it back.
  moved = l;
  moved.Place(kDockTagBar2, {DockEdge::kRight, 0, 0, true});
  const auto slot = moved.SlotOf(kDockTagBar2);
  ASSERT_TRUE(slot);
  EXPECT_EQ(DockEdge::kRight, slot->edge);
  EXPECT_EQ((DockLayout::Row{kDockTagBar1}), moved.Rows(DockEdge::kTop)[1]);
  // Out-of-range rows and places are clamped; unknown bars ignored.
  moved.Place(kDockTagBar2, {DockEdge::kTop, 9, 9, false});
  EXPECT_EQ((DockLayout::Row{kDockTagBar2}), moved.Rows(DockEdge::kTop).back());
  moved.Place(7, {DockEdge::kLeft, 0, 0, true});
  EXPECT_TRUE(moved.Rows(DockEdge::kLeft).empty());
}

TEST(DockLayoutTest, StoredTagLayoutReadsBackTheBarsWhereverTheyWereDragged) {
  // Start from every stored layout: placed and read back unchanged.
  for (int left = 0; left <= 1; ++left) {
    for (int parallel = 0; parallel <= 1; ++parallel) {
      for (int sequence = 0; sequence <= 1; ++sequence) {
        const DockArrangement a =
            ArrangeDocks(InitialDockLayout(DockEdge::kTop, {left, parallel, sequence}), Shapes(), kArea);
        const TagBarLayout out = StoreTagBarLayout(a.bars[kDockTagBar1], a.bars[kDockTagBar2]);
        EXPECT_EQ(left, out.left) << left << parallel << sequence;
        EXPECT_EQ(parallel, out.parallel) << left << parallel << sequence;
        EXPECT_EQ(sequence, out.sequence) << left << parallel << sequence;
      }
    }
  }
  // Both dragged to the right edge in two columns, the first outermost:
  // stored as vertical columns with the second left of the first, so the
  // next start shows them in that order at the left edge.
  DockLayout l = Default();
  l.Place(kDockTagBar1, {DockEdge::kRight, 0, 0, true});
  l.Place(kDockTagBar2, {DockEdge::kRight, 1, 0, true});
  DockArrangement a = ArrangeDocks(l, Shapes(), kArea);
  TagBarLayout out = StoreTagBarLayout(a.bars[kDockTagBar1], a.bars[kDockTagBar2]);
  EXPECT_EQ(1, out.left);
  EXPECT_EQ(1, out.parallel);
  EXPECT_EQ(0, out.sequence);
  // One after the other at the bottom, the second first.
  l = Default();
  l.Place(kDockTagBar2, {DockEdge::kBottom, 0, 0, true});
  l.Place(kDockTagBar1, {DockEdge::kBottom, 0, 1, false});
  a = ArrangeDocks(l, Shapes(), kArea);
  out = StoreTagBarLayout(a.bars[kDockTagBar1], a.bars[kDockTagBar2]);
  EXPECT_EQ(0, out.left);
  EXPECT_EQ(0, out.parallel);
  EXPECT_EQ(0, out.sequence);
}

TEST(DockLayoutTest, EstimatedSizesWrapOnlyBarsThatWrap) {
  EXPECT_EQ(600, EstimateBarSize(kTool, true, 100).cy);
  EXPECT_EQ(700, EstimateBarSize(kTool, false, 700).cx);
  const BarSize wrapped = EstimateBarSize(kTool, false, 350);
  EXPECT_EQ(350, wrapped.cx);
  EXPECT_EQ(56, wrapped.cy);
  EXPECT_EQ(84, EstimateBarSize(kTool, false, 349).cy);
  EXPECT_EQ(520, EstimateBarSize(kTag1, false, 100).cx);
  EXPECT_EQ(28, EstimateBarSize(kTool, false, 0).cy);
}

}  // namespace
}  // namespace quelt
