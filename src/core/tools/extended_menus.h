// The twenty extended menus of the extended-menu bar, and the state-file
// section that keeps them.
//
// Section layout (little-endian): the 32-bit count 20; per menu the
// zero-ended title, a 32-bit popup delay in tenths of a second, a 32-bit
// item count (0-20) and per item a 32-bit command id (-1 a separator) and
// one byte with the access key (0 none). Reading accepts fewer than 20 menus
// (the rest keep their defaults).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quelt {

constexpr std::size_t kExtendedMenuCount = 20;
constexpr std::size_t kMaxExtendedMenuItems = 20;
constexpr std::size_t kMaxExtendedMenuTitle = 80;  // bytes
constexpr std::int32_t kMaxExtendedMenuDelay = 100;  // tenths of a second
constexpr std::int32_t kMenuSeparator = -1;

struct ExtendedMenuItem {
  std::int32_t command = kMenuSeparator;  // a command id, or -1 for a separator
  char accessKey = 0;  // a visible character 0x21-0x7E, or 0; always 0 for a separator
  bool operator==(const ExtendedMenuItem&) const = default;
};

struct ExtendedMenu {
  std::string title;  // empty: the bar shows "拡張ﾒﾆｭｰ" and the menu's number
  std::int32_t delay = 0;  // tenths of a second before the popup opens, 0-100
  std::vector<ExtendedMenuItem> items;  // at most 20
  bool operator==(const ExtendedMenu&) const = default;
};

using ExtendedMenus = std::array<ExtendedMenu, kExtendedMenuCount>;

// True for an access key a menu item may carry: 0 or a visible character.
bool IsValidAccessKey(char key);

// Appends the section: all 20 menus, items cut to 20, texts to their limit;
// an invalid access key or delay is written as 0, a separator without key.
void EncodeExtendedMenusSection(const ExtendedMenus& menus, std::string& out);

// Takes the section from the front of in. False for a menu count over 20, a
// title that does not end within the data or is over 80 bytes, a delay
// outside 0-100, an item count over 20, a command id outside -1..65535, an
// invalid access key or a separator with a key; menus then keep defaults.
bool DecodeExtendedMenusSection(std::string_view& in, ExtendedMenus& menus);

}  // namespace quelt
