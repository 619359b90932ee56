// Where the two tag tool bars dock, and how their places are stored again.
// The bars lie at the left edge (vertical) or the top edge (horizontal);
// "parallel" puts them in two columns (rows) side by side, otherwise they
// follow each other in one column (row); the sequence says which comes
// first: the first bar left of (above) the second.
#pragma once

namespace quelt {

struct BarRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

struct BarSize {
  int cx = 0, cy = 0;
};

struct TagBarLayout {
  int left = 1;      // "TagToolBarLeft": vertical at the left edge
  int parallel = 1;  // "TagToolBarParallel"
  int sequence = 1;  // "TagToolBarSequence"
};

// The stored layout read back from the bars' screen rectangles.
TagBarLayout StoreTagBarLayout(const BarRect& first, const BarRect& second);

struct TagBarPlaces {
  BarRect first, second;
  // What the two bars take from the dock area: the width at the left edge,
  // the height at the top edge.
  int thickness = 0;
};

// Places the bars (sizes for the bar's orientation) in a dock area that
// starts at (x, y). Bars that do not fit one after the other still follow
// each other; the frame clips them.
TagBarPlaces PlaceTagBars(const TagBarLayout& layout, BarSize first, BarSize second, int x, int y);

}  // namespace quelt
