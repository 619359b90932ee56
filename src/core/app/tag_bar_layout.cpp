#include "app/tag_bar_layout.h"

#include <algorithm>

namespace quelt {

TagBarLayout StoreTagBarLayout(const BarRect& first, const BarRect& second) {
  TagBarLayout out;
  const bool horizontal = first.Width() > first.Height();
  out.left = horizontal ? 0 : 1;
  out.sequence = 0;
  if (horizontal) {
    if (first.top != second.top) {
      out.parallel = 1;
      out.sequence = first.top < second.top ? 1 : 0;
    } else {
      out.parallel = 0;
      out.sequence = first.left < second.left ? 1 : 0;
    }
  } else {
    if (first.left != second.left) {
      out.parallel = 1;
      out.sequence = first.left < second.left ? 1 : 0;
    } else {
      out.parallel = 0;
      out.sequence = first.top < second.top ? 1 : 0;
    }
  }
  return out;
}

namespace {

BarRect At(int x, int y, BarSize size) { return {x, y, x + size.cx, y + size.cy}; }

}  // namespace

TagBarPlaces PlaceTagBars(const TagBarLayout& layout, BarSize first, BarSize second, int x, int y) {
  // Lay out "a" then "b" in the order the sequence gives.
  const bool firstLeads = layout.sequence != 0;
  const BarSize a = firstLeads ? first : second;
  const BarSize b = firstLeads ? second : first;
  BarRect ra, rb;
  int thickness = 0;
  if (layout.left != 0) {  // vertical bars at the left edge
    ra = At(x, y, a);
    if (layout.parallel != 0) {
      rb = At(x + a.cx, y, b);
      thickness = a.cx + b.cx;
    } else {
      rb = At(x, y + a.cy, b);
      thickness = std::max(a.cx, b.cx);
    }
  } else {  // horizontal bars at the top edge
    ra = At(x, y, a);
    if (layout.parallel != 0) {
      rb = At(x, y + a.cy, b);
      thickness = a.cy + b.cy;
    } else {
      rb = At(x + a.cx, y, b);
      thickness = std::max(a.cy, b.cy);
    }
  }
  TagBarPlaces places;
  places.first = firstLeads ? ra : rb;
  places.second = firstLeads ? rb : ra;
  places.thickness = thickness;
  return places;
}

}  // namespace quelt
