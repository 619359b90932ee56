#include "app/strip_bars.h"

#include <initializer_list>

namespace quelt {

StripHeights StripHeightsOf(const StripBar& windowBar, const StripBar& extBar) {
  StripHeights h;
  for (const StripBar* bar : {&windowBar, &extBar}) (bar->atTop ? h.top : h.bottom) += bar->height;
  return h;
}

StripPlaces PlaceStripBars(const BarRect& topStrip, const BarRect& bottomStrip, const StripBar& windowBar,
                           const StripBar& extBar, bool extFirst) {
  StripPlaces places;
  // The outer bar at each edge, then the inner one.
  const StripBar* order[2] = {extFirst ? &extBar : &windowBar, extFirst ? &windowBar : &extBar};
  int topNext = topStrip.top;
  int bottomNext = bottomStrip.bottom;
  for (const StripBar* bar : order) {
    BarRect& out = bar == &extBar ? places.extBar : places.windowBar;
    if (bar->atTop) {
      out = {topStrip.left, topNext, topStrip.right, topNext + bar->height};
      topNext += bar->height;
    } else {
      out = {bottomStrip.left, bottomNext - bar->height, bottomStrip.right, bottomNext};
      bottomNext -= bar->height;
    }
  }
  return places;
}

}  // namespace quelt
