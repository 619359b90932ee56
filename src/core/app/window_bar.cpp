#include "app/window_bar.h"

#include "base/sjis.h"

namespace quelt {

std::string LiteralAmpersands(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t next =
        i + SjisCharSize(reinterpret_cast<const std::uint8_t*>(text.data()), text.size(), i);
    if (text[i] == '&') out += '&';
    out.append(text.substr(i, next - i));
    i = next;
  }
  return out;
}

WindowBarTab WindowBarTabFor(std::string_view title, int index, bool modified, bool secondFlag,
                             const WindowBarOptions& options) {
  WindowBarTab tab;
  if (options.addDocNumber) tab.text = std::to_string(index + 1) + ". ";
  tab.text += LiteralAmpersands(title);
  const bool flagged = secondFlag && options.enableTabBarImage;
  if (modified) {
    tab.image = flagged ? kTabImageModifiedFlagged : kTabImageModified;
  } else {
    tab.image = flagged ? options.tabBarImageNo : kTabNoImage;
  }
  return tab;
}

}  // namespace quelt
