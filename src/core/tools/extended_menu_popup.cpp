#include "tools/extended_menu_popup.h"

#include "app/command_table.h"

namespace quelt {

int ExtendedMenuOfCommand(CommandId id) {
  if (id < kCmdExtEntryFirst || id > kCmdExtEntryLast) return 0;
  return static_cast<int>(id - kCmdExtEntryFirst) + 1;
}

std::vector<ExtendedPopupEntry> ExtendedPopupEntries(const ExtendedMenu& menu) {
  std::vector<ExtendedPopupEntry> entries;
  CommandId next = kCmdExtBarListFirst;
  for (const ExtendedMenuItem& item : menu.items) {
    if (entries.size() >= kMaxExtendedMenuItems) break;
    if (item.command == kMenuSeparator || item.command <= 0) {
      entries.push_back({true, 0, 0, 0});
      continue;
    }
    entries.push_back({false, next++, static_cast<CommandId>(item.command), item.accessKey});
  }
  return entries;
}

std::optional<CommandId> ExtendedPopupCommand(const ExtendedMenu& menu, CommandId itemId) {
  for (const ExtendedPopupEntry& e : ExtendedPopupEntries(menu)) {
    if (!e.separator && e.id == itemId) return e.command;
  }
  return std::nullopt;
}

std::string ExtendedItemText(std::string_view commandText, char accessKey) {
  std::string text = MenuTextWithoutMnemonic(commandText);
  if (const std::size_t tab = text.find('\t'); tab != std::string::npos) text.resize(tab);
  if (IsValidAccessKey(accessKey) && accessKey != 0) {
    text += "(&";
    text += accessKey;
    text += ')';
  }
  return text;
}

std::string ExtendedMenuTitle(const ExtendedMenu& menu, int number) {
  if (!menu.title.empty()) return menu.title;
  return "\x8A\x67\x92\xA3\xD2\xC6\xAD\xB0" + std::to_string(number);
}

}  // namespace quelt
