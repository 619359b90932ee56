// The rules of the extended-menu page: items added from the command list
// (at most 20 a menu; the list's last entry adds a separator), access keys
// of one visible character, items moved and deleted.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "app/command_ids.h"
#include "tools/extended_menus.h"

namespace quelt {

// The page's command list: the menu commands, then the separator entry
// (kMenuSeparator).
std::vector<std::int32_t> ExtendedCommandChoices();

// Adds command (kMenuSeparator for a separator) after the item at `after`,
// or at the end; false (the caller beeps) for a 21st item or no command.
std::optional<std::size_t> AddExtendedItem(ExtendedMenu& menu, std::optional<std::size_t> after,
                                           std::optional<std::int32_t> command);
// The access key as typed: empty clears it; false (a beep) for more than
// one character, a character that is not visible, or a separator.
bool SetExtendedAccessKey(ExtendedMenuItem& item, std::string_view typed);
bool MoveExtendedItem(ExtendedMenu& menu, std::size_t index, int direction);
bool DeleteExtendedItem(ExtendedMenu& menu, std::size_t index);

}  // namespace quelt
