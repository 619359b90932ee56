// An extended menu as its popup shows it: the items 33035-33054 in menu
// order (separators between them), each running its command, with its
// access key after the command's text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_ids.h"
#include "tools/extended_menus.h"

namespace quelt {

// The menu number (1-20) of commands 32969-32988, or 0 for other ids.
int ExtendedMenuOfCommand(CommandId id);

struct ExtendedPopupEntry {
  bool separator = false;
  CommandId id = 0;       // 33035 + the item's place among the commands
  CommandId command = 0;  // what the item runs
  char accessKey = 0;
};
std::vector<ExtendedPopupEntry> ExtendedPopupEntries(const ExtendedMenu& menu);
// The command the popup's item id runs, or nothing.
std::optional<CommandId> ExtendedPopupCommand(const ExtendedMenu& menu, CommandId itemId);

// An item's text: the command's text without its own access key, then
// "(&K)" for the item's key when it has one.
std::string ExtendedItemText(std::string_view commandText, char accessKey);
// The menu's title, or "拡張ﾒﾆｭｰ" and its number (Shift-JIS) when it has none.
std::string ExtendedMenuTitle(const ExtendedMenu& menu, int number);

}  // namespace quelt
