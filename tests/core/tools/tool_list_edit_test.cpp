#include <gtest/gtest.h>

#include "tools/tool_list_edit.h"
#include "tools/tool_menu.h"

namespace quelt {
namespace {

TEST(ToolListEdit, AddsAfterTheSelectionAndRefusesThe51st) {
  std::vector<UserTool> tools;
  EXPECT_EQ(AddTool(tools, std::nullopt, NewProgramTool("C:\\bin\\grep.exe")), 0u);
  EXPECT_EQ(tools[0].title, "grep");
  EXPECT_EQ(AddTool(tools, std::nullopt, NewSeparator()), 1u);
  EXPECT_EQ(AddTool(tools, 0, NewOperationTool("fmt.mac")), 1u);
  EXPECT_EQ(tools[1].kind, kToolOperationFile);
  EXPECT_EQ(tools[1].title, "fmt");
  EXPECT_EQ(tools[2].kind, kToolSeparator);
  // A selection past the end adds at the end.
  EXPECT_EQ(AddTool(tools, 99, NewSeparator()), 3u);
  while (tools.size() < kMaxUserTools) ASSERT_TRUE(AddTool(tools, std::nullopt, NewSeparator()));
  EXPECT_FALSE(AddTool(tools, 0, NewProgramTool("x.exe")).has_value());
  EXPECT_EQ(tools.size(), kMaxUserTools);
}

TEST(ToolListEdit, MovesAndDeletesWithinTheList) {
  std::vector<UserTool> tools{NewProgramTool("a.exe"), NewProgramTool("b.exe")};
  EXPECT_FALSE(MoveTool(tools, 0, -1));
  EXPECT_FALSE(MoveTool(tools, 1, +1));
  EXPECT_FALSE(MoveTool(tools, 5, -1));
  EXPECT_TRUE(MoveTool(tools, 1, -1));
  EXPECT_EQ(tools[0].title, "b");
  EXPECT_FALSE(DeleteTool(tools, 2));
  EXPECT_TRUE(DeleteTool(tools, 0));
  EXPECT_EQ(tools.size(), 1u);
}

TEST(ToolListEdit, RenumberingIsSeenOnlyWhereToolsChangeTheirNumbers) {
  const std::vector<UserTool> before{NewProgramTool("a.exe"), NewSeparator(), NewProgramTool("b.exe")};
  std::vector<UserTool> after = before;
  // A separator moved or added keeps every number.
  AddTool(after, 0, NewSeparator());
  EXPECT_FALSE(ToolsRenumbered(before, after));
  // A tool added at the end keeps the others' numbers.
  after = before;
  AddTool(after, std::nullopt, NewProgramTool("c.exe"));
  EXPECT_FALSE(ToolsRenumbered(before, after));
  // Inserted before b, deleted, or moved: b gets another number.
  after = before;
  AddTool(after, 0, NewProgramTool("c.exe"));
  EXPECT_TRUE(ToolsRenumbered(before, after));
  after = before;
  DeleteTool(after, 0);
  EXPECT_TRUE(ToolsRenumbered(before, after));
  after = before;
  MoveTool(after, 2, -1);
  EXPECT_FALSE(ToolsRenumbered(before, after));  // past the separator only
  MoveTool(after, 1, -1);
  EXPECT_TRUE(ToolsRenumbered(before, after));
}

TEST(ToolListEdit, MenusReferToToolsByTheirCommands) {
  ExtendedMenus menus{};
  EXPECT_FALSE(MenusReferToTools(menus));
  menus[3].items.push_back({kMenuSeparator, 0});
  menus[3].items.push_back({32834, 'P'});
  EXPECT_FALSE(MenusReferToTools(menus));
  menus[19].items.push_back({32990, 0});  // tool 22
  EXPECT_TRUE(MenusReferToTools(menus));
}

}  // namespace
}  // namespace quelt
