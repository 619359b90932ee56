// The menu commands a key can be bound to, named as the text document's menu
// bar names them, and the key text a menu item shows after its tab.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/command_ids.h"

namespace quelt {

constexpr int kBindableCommandCount = 130;
constexpr int kUserToolCount = 50;

struct BindableCommand {
  CommandId id = 0;
  // The item's stored menu text (UTF-8, mnemonic group included) cut at its
  // tab; a user tool is "ﾕｰｻﾞﾂｰﾙ" and its number.
  std::string name;
};

// The command of user tool number (1-50): 32851-32870, then 32989-33018.
CommandId UserToolCommand(int number);

// The 130 commands in menu-bar order: every item of the text document's
// menu bar except the recent-file and favourite-folder lists and the help
// menu, with the 50 user tools after the tools menu's own items.
const std::vector<BindableCommand>& BindableCommands();
bool IsBindableCommand(CommandId id);
// The bindable command with that id, or null.
const BindableCommand* FindBindableCommand(CommandId id);

// A menu item's text with the key text of its binding: cut at its tab, then
// a tab and the key text; just cut when keyText is empty.
std::string MenuTextWithKey(std::string_view itemText, std::string_view keyText);

}  // namespace quelt
