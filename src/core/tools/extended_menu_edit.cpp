#include "tools/extended_menu_edit.h"

#include <utility>

#include "keys/bindable_commands.h"

namespace quelt {

std::vector<std::int32_t> ExtendedCommandChoices() {
  std::vector<std::int32_t> ids;
  for (const BindableCommand& c : BindableCommands()) ids.push_back(static_cast<std::int32_t>(c.id));
  ids.push_back(kMenuSeparator);
  return ids;
}

std::optional<std::size_t> AddExtendedItem(ExtendedMenu& menu, std::optional<std::size_t> after,
                                           std::optional<std::int32_t> command) {
  if (!command || menu.items.size() >= kMaxExtendedMenuItems) return std::nullopt;
  if (*command != kMenuSeparator && (*command <= 0 || *command > 0xFFFF)) return std::nullopt;
  const std::size_t at = after && *after < menu.items.size() ? *after + 1 : menu.items.size();
  menu.items.insert(menu.items.begin() + static_cast<std::ptrdiff_t>(at), ExtendedMenuItem{*command, 0});
  return at;
}

bool SetExtendedAccessKey(ExtendedMenuItem& item, std::string_view typed) {
  if (typed.empty()) {
    item.accessKey = 0;
    return true;
  }
  if (typed.size() != 1 || item.command == kMenuSeparator || !IsValidAccessKey(typed[0])) return false;
  item.accessKey = typed[0];
  return true;
}

bool MoveExtendedItem(ExtendedMenu& menu, std::size_t index, int direction) {
  auto& items = menu.items;
  if (index >= items.size() || (direction < 0 && index == 0) || (direction > 0 && index + 1 >= items.size())) {
    return false;
  }
  std::swap(items[index], items[direction < 0 ? index - 1 : index + 1]);
  return true;
}

bool DeleteExtendedItem(ExtendedMenu& menu, std::size_t index) {
  if (index >= menu.items.size()) return false;
  menu.items.erase(menu.items.begin() + static_cast<std::ptrdiff_t>(index));
  return true;
}

}  // namespace quelt
