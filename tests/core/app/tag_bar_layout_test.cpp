#include "app/tag_bar_layout.h"

#include <gtest/gtest.h>

namespace quelt {
namespace {

constexpr BarSize kVertical1{24, 500}, kVertical2{24, 460};
constexpr BarSize kHorizontal1{520, 22}, kHorizontal2{480, 22};

TEST(TagBarLayoutTest, StoringReadsOrientationAndOrderFromTheRectangles) {
  // Horizontal, different tops: parallel; the first above the second.
  TagBarLayout l = StoreTagBarLayout({0, 30, 500, 52}, {0, 52, 400, 74});
  EXPECT_EQ(0, l.left);
  EXPECT_EQ(1, l.parallel);
  EXPECT_EQ(1, l.sequence);
  // Horizontal, same top, the first right of the second.
  l = StoreTagBarLayout({300, 30, 800, 52}, {0, 30, 300, 52});
  EXPECT_EQ(0, l.parallel);
  EXPECT_EQ(0, l.sequence);
  // Vertical, same left, the first above.
  l = StoreTagBarLayout({0, 30, 24, 500}, {0, 500, 24, 900});
  EXPECT_EQ(1, l.left);
  EXPECT_EQ(0, l.parallel);
  EXPECT_EQ(1, l.sequence);
  // Vertical, different lefts, the first right of the second.
  l = StoreTagBarLayout({24, 30, 48, 500}, {0, 30, 24, 500});
  EXPECT_EQ(1, l.parallel);
  EXPECT_EQ(0, l.sequence);
  // A square bar counts as vertical.
  EXPECT_EQ(1, StoreTagBarLayout({0, 0, 30, 30}, {0, 30, 30, 60}).left);
}

TEST(TagBarLayoutTest, PlacingThenStoringGivesTheLayoutBack) {
  for (int left = 0; left <= 1; ++left) {
    for (int parallel = 0; parallel <= 1; ++parallel) {
      for (int sequence = 0; sequence <= 1; ++sequence) {
        const TagBarLayout in{left, parallel, sequence};
        const BarSize a = left ? kVertical1 : kHorizontal1;
        const BarSize b = left ? kVertical2 : kHorizontal2;
        const TagBarPlaces p = PlaceTagBars(in, a, b, 0, 40);
        const TagBarLayout out = StoreTagBarLayout(p.first, p.second);
        EXPECT_EQ(in.left, out.left) << left << parallel << sequence;
        EXPECT_EQ(in.parallel, out.parallel) << left << parallel << sequence;
        EXPECT_EQ(in.sequence, out.sequence) << left << parallel << sequence;
      }
    }
  }
}

TEST(TagBarLayoutTest, ThicknessIsWhatTheBarsTakeFromTheEdge) {
  EXPECT_EQ(48, PlaceTagBars({1, 1, 1}, kVertical1, kVertical2, 0, 0).thickness);
  EXPECT_EQ(24, PlaceTagBars({1, 0, 1}, kVertical1, kVertical2, 0, 0).thickness);
  EXPECT_EQ(44, PlaceTagBars({0, 1, 0}, kHorizontal1, kHorizontal2, 0, 0).thickness);
  const TagBarPlaces p = PlaceTagBars({0, 0, 0}, kHorizontal1, kHorizontal2, 5, 7);
  // The second bar leads: it starts at the origin, the first follows it.
  EXPECT_EQ(5, p.second.left);
  EXPECT_EQ(5 + kHorizontal2.cx, p.first.left);
  EXPECT_EQ(7, p.first.top);
}

}  // namespace
}  // namespace quelt
