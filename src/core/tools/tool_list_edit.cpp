#include "tools/tool_list_edit.h"

#include "base/path.h"
#include "tools/tool_menu.h"

namespace quelt {

std::optional<std::size_t> AddTool(std::vector<UserTool>& tools, std::optional<std::size_t> after, UserTool tool) {
  if (tools.size() >= kMaxUserTools) return std::nullopt;
  const std::size_t at = after && *after < tools.size() ? *after + 1 : tools.size();
  tools.insert(tools.begin() + static_cast<std::ptrdiff_t>(at), std::move(tool));
  return at;
}

bool MoveTool(std::vector<UserTool>& tools, std::size_t index, int direction) {
  if (index >= tools.size() || (direction < 0 && index == 0) || (direction > 0 && index + 1 >= tools.size())) {
    return false;
  }
  std::swap(tools[index], tools[direction < 0 ? index - 1 : index + 1]);
  return true;
}

bool DeleteTool(std::vector<UserTool>& tools, std::size_t index) {
  if (index >= tools.size()) return false;
  tools.erase(tools.begin() + static_cast<std::ptrdiff_t>(index));
  return true;
}

bool MenusReferToTools(const ExtendedMenus& menus) {
  for (const ExtendedMenu& menu : menus) {
    for (const ExtendedMenuItem& item : menu.items) {
      if (item.command > 0 && ToolNumberOfCommand(static_cast<CommandId>(item.command)) > 0) return true;
    }
  }
  return false;
}

bool ToolsRenumbered(const std::vector<UserTool>& before, const std::vector<UserTool>& after) {
  for (int n = 1;; ++n) {
    const auto was = ToolIndexOfNumber(before, n);
    if (!was) return false;
    const auto now = ToolIndexOfNumber(after, n);
    if (!now || !(before[*was] == after[*now])) return true;
  }
}

UserTool NewProgramTool(std::string_view path) {
  UserTool t;
  t.kind = kToolProgram;
  t.command = std::string(path.substr(0, kMaxToolPath));
  t.title = NameWithoutExtension(t.command).substr(0, kMaxToolTitle);
  return t;
}

UserTool NewOperationTool(std::string_view name) {
  UserTool t;
  t.kind = kToolOperationFile;
  t.command = std::string(name.substr(0, kMaxToolPath));
  t.title = NameWithoutExtension(t.command).substr(0, kMaxToolTitle);
  return t;
}

UserTool NewSeparator() {
  UserTool t;
  t.kind = kToolSeparator;
  return t;
}

}  // namespace quelt
