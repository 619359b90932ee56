#include "keys/bindable_commands.h"

#include <algorithm>

#include "app/menu_table.h"

namespace quelt {
namespace {

// Items of the menu bar that are lists or help, not commands to bind.
bool IsExcluded(CommandId id) {
  return id == kCmdRecentFileFirst || id == kCmdFavouriteFolders || id == kCmdHelpIndex ||
         id == kCmdHelpUsing || id == kCmdAppAbout;
}

std::string CutAtTab(std::string_view text) { return std::string(text.substr(0, text.find('\t'))); }

std::vector<BindableCommand> MakeList() {
  std::vector<BindableCommand> list;
  const std::vector<CommandId> ids = MenuCommandIds(kMenuTextDocument);
  for (CommandId id : ids) {
    if (IsExcluded(id)) continue;
    list.push_back({id, CutAtTab(MenuItemText(kMenuTextDocument, id))});
    if (id == kCmdRunProgram) {
      for (int n = 1; n <= kUserToolCount; ++n) list.push_back({UserToolCommand(n), "ﾕｰｻﾞﾂｰﾙ" + std::to_string(n)});
    }
  }
  return list;
}

}  // namespace

CommandId UserToolCommand(int number) {
  if (number < 1 || number > kUserToolCount) return 0;
  const int first = kCmdUserToolLast - kCmdUserToolFirst + 1;  // tools 1-20
  return static_cast<CommandId>(number <= first ? kCmdUserToolFirst + number - 1
                                                : kCmdExtKeyFirst + number - first - 1);
}

const std::vector<BindableCommand>& BindableCommands() {
  static const std::vector<BindableCommand> list = MakeList();
  return list;
}

const BindableCommand* FindBindableCommand(CommandId id) {
  const auto& list = BindableCommands();
  const auto it = std::find_if(list.begin(), list.end(), [id](const BindableCommand& c) { return c.id == id; });
  return it == list.end() ? nullptr : &*it;
}

bool IsBindableCommand(CommandId id) { return FindBindableCommand(id) != nullptr; }

std::string MenuTextWithKey(std::string_view itemText, std::string_view keyText) {
  std::string text = CutAtTab(itemText);
  if (!keyText.empty()) {
    text += '\t';
    text += keyText;
  }
  return text;
}

}  // namespace quelt
