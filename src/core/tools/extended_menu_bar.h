// The extended-menu bar: a strip of "ExtMenuCount" tabs of equal width, one
// per extended menu, each opening its menu's popup below it.
#pragma once

#include <string>
#include <vector>

#include "tools/extended_menus.h"

namespace quelt {

// A tab is this high unless the platform's own tab height lies within
// kMinPlatformTabHeight..kMaxPlatformTabHeight.
inline constexpr int kExtBarTabHeight = 20;
inline constexpr int kMinPlatformTabHeight = 16;
inline constexpr int kMaxPlatformTabHeight = 32;
int ExtBarTabHeight(int platformHeight);

// "ExtMenuCount" held to 1..20.
int ExtBarTabCount(int extMenuCount);
// Each tab's width: the client width divided by the count, less the gap
// between tabs; at least 1.
int ExtBarTabWidth(int clientWidth, int count, int gap);

// The tab texts (Shift-JIS): each menu's title, or "拡張ﾒﾆｭｰ" and its number.
std::vector<std::string> ExtBarTabTexts(const ExtendedMenus& menus, int count);

// Where a tab's popup opens: below the tab, at three quarters of its width.
struct ExtBarPoint {
  int x = 0, y = 0;
};
ExtBarPoint ExtBarPopupPoint(int tabLeft, int tabRight, int tabBottom);

}  // namespace quelt
