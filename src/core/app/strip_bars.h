// The two strips of the frame that are not dragged about: the window bar
// and the extended-menu bar. Each lies across the whole width at the top or
// the bottom, inside the docked rows of its edge; when both lie at one edge
// the bar made first lies nearer the frame's edge.
#pragma once

#include "app/tag_bar_layout.h"

namespace quelt {

// True when the extended-menu bar is made before the window bar: both at
// one edge and "ExtBarFixedFirst" set.
constexpr bool ExtBarCreatedFirst(bool windowBarAtTop, bool extBarAtTop, bool extBarFixedFirst) {
  return windowBarAtTop == extBarAtTop && extBarFixedFirst;
}

struct StripBar {
  bool atTop = true;
  int height = 0;  // 0: hidden
};

// The heights the two bars take at the top and at the bottom.
struct StripHeights {
  int top = 0, bottom = 0;
};
StripHeights StripHeightsOf(const StripBar& windowBar, const StripBar& extBar);

struct StripPlaces {
  BarRect windowBar, extBar;
};
// Splits the strips the dock left at the top and the bottom between the
// two bars.
StripPlaces PlaceStripBars(const BarRect& topStrip, const BarRect& bottomStrip, const StripBar& windowBar,
                           const StripBar& extBar, bool extFirst);

}  // namespace quelt
