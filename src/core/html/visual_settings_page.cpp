#include "html/visual_settings_page.h"

namespace quelt {

VisualNumbers NumbersOf(const HtmlModeSettings& s) {
  return {s.tabWidth / 10, s.defaultFontPoint, s.rvLeftMarginLM, s.rvTopMarginLM};
}

std::optional<VisualNumberField> TakeNumbers(const VisualNumbers& n, HtmlModeSettings& s) {
  if (n.tabWidth < 1 || n.tabWidth > 299) return VisualNumberField::kTabWidth;
  if (n.defaultFontPoint < 5 || n.defaultFontPoint > 50) return VisualNumberField::kDefaultFontPoint;
  if (n.leftMargin < 0 || n.leftMargin > 200) return VisualNumberField::kLeftMargin;
  if (n.topMargin < 0 || n.topMargin > 200) return VisualNumberField::kTopMargin;
  s.tabWidth = n.tabWidth * 10;
  s.defaultFontPoint = n.defaultFontPoint;
  s.rvLeftMarginLM = n.leftMargin;
  s.rvTopMarginLM = n.topMargin;
  return std::nullopt;
}

}  // namespace quelt
