#include "app/toolbar_data.h"

#include <gtest/gtest.h>

#include <set>

#include "app/command_table.h"

namespace quelt {
namespace {

TEST(ToolBarData, EveryButtonIsAKnownCommandWithAPromptAndOneImage) {
  std::set<CommandId> seen;
  for (CommandId id : ToolBarButtonCommands()) {
    const CommandInfo* info = FindCommand(id);
    ASSERT_NE(nullptr, info) << id;
    EXPECT_FALSE(info->prompt.empty()) << id;
    EXPECT_TRUE(seen.insert(id).second) << "image twice: " << id;
  }
  for (auto bar : {TagToolBar1Commands(), TagToolBar2Commands()}) {
    for (CommandId id : bar) {
      const CommandInfo* info = FindCommand(id);
      ASSERT_NE(nullptr, info) << id;
      EXPECT_FALSE(info->prompt.empty()) << id;
    }
  }
  EXPECT_EQ(23u, TagToolBar1Commands().size());
  EXPECT_EQ(21u, TagToolBar2Commands().size());
}

TEST(ToolBarData, TheDefaultLayoutHasAnImageForEachButtonAndTheBoxOnce) {
  int boxes = 0;
  CommandId previous = kToolBarSeparator;
  for (CommandId id : DefaultToolBarLayout()) {
    if (id == kFindBoxId) {
      ++boxes;
    } else if (id != kToolBarSeparator) {
      EXPECT_TRUE(ToolBarImageOf(id).has_value()) << id;
    } else {
      EXPECT_NE(kToolBarSeparator, previous) << "two separators in a row";
    }
    previous = id;
  }
  EXPECT_EQ(1, boxes);
  EXPECT_NE(kToolBarSeparator, DefaultToolBarLayout().front());
  EXPECT_NE(kToolBarSeparator, DefaultToolBarLayout().back());
  // The commands only the tool bar reaches are on it.
  for (CommandId id : {kCmdCabinetChange, kCmdCabinetNew, kCmdCabinetFormat, kCmdCabinetColour, kCmdCabinetKeyword,
                       kCmdCommonSettingsBar, kCmdAllowOverwrite}) {
    EXPECT_NE(DefaultToolBarLayout().end(),
              std::find(DefaultToolBarLayout().begin(), DefaultToolBarLayout().end(), id))
        << id;
  }
  EXPECT_FALSE(ToolBarImageOf(kFindBoxId).has_value());
  EXPECT_EQ(0, ToolBarImageOf(ToolBarButtonCommands().front()).value());
}

}  // namespace
}  // namespace quelt
