// The tool bar's layout as the user arranges it on the customisation
// sheet's "ﾂｰﾙﾊﾞｰ" page: at most 50 entries of buttons, separators and the
// search-text box (once), kept in the settings file's [ToolBar] section as
// "Buttons", the entries' ids separated by commas.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_ids.h"

namespace quelt {

constexpr std::size_t kMaxToolBarEntries = 50;
constexpr const char* kToolBarSection = "ToolBar";
constexpr const char* kToolBarButtonsKey = "Buttons";

// What the page offers: every command with a button, then the separator
// and the search-text box.
std::vector<CommandId> ToolBarChoices();

std::string EncodeToolBarLayout(const std::vector<CommandId>& layout);
// The stored layout, or nothing (the default is used) for a text that is
// empty or holds anything but buttons, separators and one box, or more
// than 50 entries.
std::optional<std::vector<CommandId>> DecodeToolBarLayout(std::string_view text);

// Adds entry after `after` (or at the end); false (a beep) when the bar is
// full, the box is there already, or entry is no choice of the page.
std::optional<std::size_t> AddToolBarEntry(std::vector<CommandId>& layout, std::optional<std::size_t> after,
                                           CommandId entry);

}  // namespace quelt
