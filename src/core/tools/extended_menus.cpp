#include "tools/extended_menus.h"

#include <algorithm>

#include "base/le_words.h"
#include "state/section_text.h"

namespace quelt {
namespace {

constexpr std::int32_t kMaxCommandId = 65535;

bool ValidItem(const ExtendedMenuItem& item) {
  if (item.command == kMenuSeparator) return item.accessKey == 0;
  return item.command >= 0 && item.command <= kMaxCommandId && IsValidAccessKey(item.accessKey);
}

bool DecodeMenu(std::string_view& in, ExtendedMenu& menu) {
  std::uint32_t delay = 0, count = 0;
  if (!TakeText(in, kMaxExtendedMenuTitle, menu.title) || !TakeLe32(in, delay) ||
      delay > static_cast<std::uint32_t>(kMaxExtendedMenuDelay) || !TakeLe32(in, count) ||
      count > kMaxExtendedMenuItems)
    return false;
  menu.delay = static_cast<std::int32_t>(delay);
  menu.items.resize(count);
  for (ExtendedMenuItem& item : menu.items) {
    std::uint32_t command = 0;
    if (!TakeLe32(in, command) || in.empty()) return false;
    item.command = static_cast<std::int32_t>(command);
    item.accessKey = in.front();
    in.remove_prefix(1);
    if (!ValidItem(item)) return false;
  }
  return true;
}

}  // namespace

bool IsValidAccessKey(char key) {
  const auto c = static_cast<unsigned char>(key);
  return c == 0 || (c >= 0x21 && c <= 0x7E);
}

void EncodeExtendedMenusSection(const ExtendedMenus& menus, std::string& out) {
  AppendLe32(out, static_cast<std::uint32_t>(kExtendedMenuCount));
  for (const ExtendedMenu& menu : menus) {
    AppendText(out, menu.title, kMaxExtendedMenuTitle);
    const bool delayOk = menu.delay >= 0 && menu.delay <= kMaxExtendedMenuDelay;
    AppendLe32(out, static_cast<std::uint32_t>(delayOk ? menu.delay : 0));
    std::vector<ExtendedMenuItem> items;
    for (const ExtendedMenuItem& item : menu.items) {
      if (items.size() == kMaxExtendedMenuItems) break;
      ExtendedMenuItem kept = item;
      if (kept.command == kMenuSeparator || !IsValidAccessKey(kept.accessKey)) kept.accessKey = 0;
      if (ValidItem(kept)) items.push_back(kept);
    }
    AppendLe32(out, static_cast<std::uint32_t>(items.size()));
    for (const ExtendedMenuItem& item : items) {
      AppendLe32(out, static_cast<std::uint32_t>(item.command));
      out += item.accessKey;
    }
  }
}

bool DecodeExtendedMenusSection(std::string_view& in, ExtendedMenus& menus) {
  menus = ExtendedMenus{};
  std::string_view rest = in;
  std::uint32_t count = 0;
  if (!TakeLe32(rest, count) || count > kExtendedMenuCount) return false;
  ExtendedMenus read{};
  for (std::uint32_t i = 0; i < count; ++i) {
    if (!DecodeMenu(rest, read[i])) return false;
  }
  menus = std::move(read);
  in = rest;
  return true;
}

}  // namespace quelt
