// The buttons of the tool bar and the two tag tool bars as data. Each bar's
// bitmap holds one 16x15 image per button, in the order of its button list;
// the tool bar's list is every command that can have a button (what tool-bar
// customisation offers), and its default layout picks from that list.
#pragma once

#include <optional>
#include <span>

#include "app/command_ids.h"

namespace quelt {

// Bitmap resource ids.
constexpr int kToolBarBitmap = 2;       // the tool bar's button images
constexpr int kTagToolBar1Bitmap = 147; // 23 buttons
constexpr int kTagToolBar2Bitmap = 148; // 21 buttons
constexpr int kWindowBarFirstBitmap = 152;  // 152 to 156: the window-bar images
constexpr int kWindowBarImageCount = 5;

// The search-text box of the tool bar: in a layout it stands where a button
// would; as a control it has this id.
constexpr CommandId kFindBoxId = 194;
// A separator in a layout.
constexpr CommandId kToolBarSeparator = 0;

// Button image sizes.
constexpr int kButtonImageWidth = 16;
constexpr int kButtonImageHeight = 15;

// The commands that have a tool-bar image, in bitmap order.
std::span<const CommandId> ToolBarButtonCommands();
// The image index of command in the tool-bar bitmap, if it has one.
std::optional<int> ToolBarImageOf(CommandId command);
// The default layout: commands, kToolBarSeparator and kFindBoxId.
std::span<const CommandId> DefaultToolBarLayout();

// The two tag tool bars: their buttons in bitmap order (no separators).
std::span<const CommandId> TagToolBar1Commands();
std::span<const CommandId> TagToolBar2Commands();

}  // namespace quelt
