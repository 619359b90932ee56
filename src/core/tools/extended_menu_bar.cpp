#include "tools/extended_menu_bar.h"

#include <algorithm>

#include "tools/extended_menu_popup.h"

namespace quelt {

int ExtBarTabHeight(int platformHeight) {
  return platformHeight >= kMinPlatformTabHeight && platformHeight <= kMaxPlatformTabHeight ? platformHeight
                                                                                            : kExtBarTabHeight;
}

int ExtBarTabCount(int extMenuCount) {
  return std::clamp(extMenuCount, 1, static_cast<int>(kExtendedMenuCount));
}

int ExtBarTabWidth(int clientWidth, int count, int gap) {
  if (count < 1) count = 1;
  return std::max(1, clientWidth / count - gap);
}

std::vector<std::string> ExtBarTabTexts(const ExtendedMenus& menus, int count) {
  std::vector<std::string> texts;
  count = ExtBarTabCount(count);
  for (int i = 0; i < count; ++i) texts.push_back(ExtendedMenuTitle(menus[static_cast<std::size_t>(i)], i + 1));
  return texts;
}

ExtBarPoint ExtBarPopupPoint(int tabLeft, int tabRight, int tabBottom) {
  return {tabLeft + (tabRight - tabLeft) * 3 / 4, tabBottom};
}

}  // namespace quelt
