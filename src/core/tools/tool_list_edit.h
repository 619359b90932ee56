// The rules of the user-tool page: entries added after the selected one (at
// most 50, separators included), moved and deleted, and whether a change
// gives existing tools new numbers (the extended menus name tools by their
// commands, so the page asks first when they refer to any).
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "tools/extended_menus.h"
#include "tools/user_tools.h"

namespace quelt {

// Adds tool after the entry at `after` (at the end when there is none);
// nothing when the list is full. The index of the new entry.
std::optional<std::size_t> AddTool(std::vector<UserTool>& tools, std::optional<std::size_t> after, UserTool tool);
// Moves the entry one place up (-1) or down (+1); false at either end.
bool MoveTool(std::vector<UserTool>& tools, std::size_t index, int direction);
bool DeleteTool(std::vector<UserTool>& tools, std::size_t index);

// Whether an extended menu holds an item of a user tool's command.
bool MenusReferToTools(const ExtendedMenus& menus);
// Whether a tool number that named a tool before names another one (or
// none) after.
bool ToolsRenumbered(const std::vector<UserTool>& before, const std::vector<UserTool>& after);

// A new entry of each kind as the page makes it: a program chosen in the
// file dialog (its name as the title), an operation file, a separator.
UserTool NewProgramTool(std::string_view path);
UserTool NewOperationTool(std::string_view name);
UserTool NewSeparator();

}  // namespace quelt
