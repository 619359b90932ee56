#include "app/window_bar.h"

namespace quelt {

WindowBarTab WindowBarTabFor(std::string_view title, int index, bool modified, bool secondFlag,
                             const WindowBarOptions& options) {
  WindowBarTab tab;
  if (options.addDocNumber) tab.text = std::to_string(index + 1) + ". ";
  tab.text += title;
  const bool flagged = secondFlag && options.enableTabBarImage;
  if (modified) {
    tab.image = flagged ? kTabImageModifiedFlagged : kTabImageModified;
  } else {
    tab.image = flagged ? options.tabBarImageNo : kTabNoImage;
  }
  return tab;
}

}  // namespace quelt
