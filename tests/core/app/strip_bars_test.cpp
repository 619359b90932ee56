#include "app/strip_bars.h"

#include <gtest/gtest.h>

namespace quelt {
namespace {

const BarRect kTop{0, 30, 800, 80};        // both bars at the top: 25 + 25
const BarRect kBottom{0, 500, 800, 500};  // nothing at the bottom

TEST(StripBars, TheExtendedMenuBarComesFirstOnlyAtOneEdgeWhenFixedFirst) {
  EXPECT_TRUE(ExtBarCreatedFirst(true, true, true));
  EXPECT_TRUE(ExtBarCreatedFirst(false, false, true));
  EXPECT_FALSE(ExtBarCreatedFirst(true, true, false));
  EXPECT_FALSE(ExtBarCreatedFirst(true, false, true));
}

TEST(StripBars, BothAtTheTopTheOneMadeFirstLiesAbove) {
  const StripBar window{true, 25}, ext{true, 25};
  const StripHeights h = StripHeightsOf(window, ext);
  EXPECT_EQ(50, h.top);
  EXPECT_EQ(0, h.bottom);
  StripPlaces p = PlaceStripBars(kTop, kBottom, window, ext, true);
  EXPECT_EQ(30, p.extBar.top);
  EXPECT_EQ(55, p.extBar.bottom);
  EXPECT_EQ(55, p.windowBar.top);
  EXPECT_EQ(80, p.windowBar.bottom);
  p = PlaceStripBars(kTop, kBottom, window, ext, false);
  EXPECT_EQ(30, p.windowBar.top);
  EXPECT_EQ(55, p.extBar.top);
  EXPECT_EQ(800, p.extBar.right);
}

TEST(StripBars, BothAtTheBottomTheOneMadeFirstLiesBelow) {
  const StripBar window{false, 24}, ext{false, 20};
  const BarRect bottom{0, 456, 800, 500};
  const StripPlaces p = PlaceStripBars({0, 30, 800, 30}, bottom, window, ext, true);
  EXPECT_EQ(500, p.extBar.bottom);
  EXPECT_EQ(480, p.extBar.top);
  EXPECT_EQ(480, p.windowBar.bottom);
  EXPECT_EQ(456, p.windowBar.top);
}

TEST(StripBars, OneAtEachEdgeAndAHiddenBarTakesNoRoom) {
  const StripBar window{false, 24}, ext{true, 0};
  const StripHeights h = StripHeightsOf(window, ext);
  EXPECT_EQ(0, h.top);
  EXPECT_EQ(24, h.bottom);
  const StripPlaces p = PlaceStripBars({0, 30, 800, 30}, {0, 476, 800, 500}, window, ext, false);
  EXPECT_EQ(0, p.extBar.Height());
  EXPECT_EQ(476, p.windowBar.top);
  EXPECT_EQ(500, p.windowBar.bottom);
}

}  // namespace
}  // namespace quelt
