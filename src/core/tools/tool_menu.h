// The user tools as the tools menu and their commands see them: tool
// numbers count the entries that are not separators from 1, and tool n has
// the command UserToolCommand(n).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "tools/user_tools.h"

namespace quelt {

// The tools menu keeps its own items (the explorer and the program
// execution); a separator and these entries follow them.
constexpr int kToolsMenuKeptItems = 2;

struct ToolMenuEntry {
  bool separator = false;
  std::string title;  // Shift-JIS; empty for a separator
  CommandId id = 0;
  // The single disabled "ﾕｰｻﾞﾂｰﾙ1" shown when there are no tools.
  bool placeholder = false;
};

// The items after the separator, in list order.
std::vector<ToolMenuEntry> ToolMenuEntries(const std::vector<UserTool>& tools);

// Whether any entry is a tool (not a separator): the tool commands are
// enabled only then.
bool HasTools(const std::vector<UserTool>& tools);

// The tool number (1-50) of a tool command, or 0 for other ids.
int ToolNumberOfCommand(CommandId id);

// The index in the list of tool number n, or nothing when there is no such
// tool.
std::optional<std::size_t> ToolIndexOfNumber(const std::vector<UserTool>& tools, int number);

}  // namespace quelt
