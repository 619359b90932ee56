#include "tools/tool_menu.h"

#include "keys/bindable_commands.h"

namespace quelt {

std::vector<ToolMenuEntry> ToolMenuEntries(const std::vector<UserTool>& tools) {
  std::vector<ToolMenuEntry> entries;
  int number = 0;
  for (const UserTool& tool : tools) {
    if (number >= static_cast<int>(kMaxUserTools)) break;
    if (tool.kind == kToolSeparator) {
      entries.push_back({true, {}, 0, false});
      continue;
    }
    ++number;
    entries.push_back({false, tool.title, UserToolCommand(number), false});
  }
  // "ﾕｰｻﾞﾂｰﾙ1" in Shift-JIS.
  if (number == 0) entries = {{false, "\xD5\xB0\xBB\xDE\xC2\xB0\xD9" "1", UserToolCommand(1), true}};
  return entries;
}

bool HasTools(const std::vector<UserTool>& tools) {
  for (const UserTool& tool : tools) {
    if (tool.kind != kToolSeparator) return true;
  }
  return false;
}

int ToolNumberOfCommand(CommandId id) {
  for (int n = 1; n <= kUserToolCount; ++n) {
    if (UserToolCommand(n) == id) return n;
  }
  return 0;
}

std::optional<std::size_t> ToolIndexOfNumber(const std::vector<UserTool>& tools, int number) {
  if (number < 1) return std::nullopt;
  int n = 0;
  for (std::size_t i = 0; i < tools.size(); ++i) {
    if (tools[i].kind == kToolSeparator) continue;
    if (++n == number) return i;
  }
  return std::nullopt;
}

}  // namespace quelt
