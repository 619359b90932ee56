// The common settings of the visual mode (32919): the "HtmlMode" values the
// sheet edits, and the check of its number fields.
#pragma once

#include <optional>

#include "app/settings.h"

namespace quelt {

// The number fields of the sheet, in their order on the page.
enum class VisualNumberField { kTabWidth, kDefaultFontPoint, kLeftMargin, kTopMargin };

struct VisualNumbers {
  int tabWidth = 15;  // as shown: "TabWidth" (the record keeps it times 10)
  int defaultFontPoint = 11;
  int leftMargin = 20, topMargin = 20;
};
VisualNumbers NumbersOf(const HtmlModeSettings& s);
// The first field outside its range (1..299, 5..50, 0..200, 0..200), or
// nothing; with nothing the numbers go into s.
std::optional<VisualNumberField> TakeNumbers(const VisualNumbers& n, HtmlModeSettings& s);

}  // namespace quelt
