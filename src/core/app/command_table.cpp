// Lookup by id and the frame's fixed accelerators.
#include "app/command_table.h"

#include <algorithm>
#include <vector>

namespace quelt {
namespace {

constexpr std::uint16_t kVkBack = 0x08;
constexpr std::uint16_t kVkF1 = 0x70;

constexpr FrameAccelerator kAccelerators[] = {
    {kVkBack, false, true, kCmdEditUndo},
    {kVkBack, true, true, kCmdEditRedo},
    {kVkF1, false, false, kCmdHelp},
    {kVkF1, true, false, kCmdContextHelp},
};

// Every record once, sorted by id, built on first use.
const std::vector<const CommandInfo*>& SortedCommands() {
  static const std::vector<const CommandInfo*> sorted = [] {
    std::vector<const CommandInfo*> all;
    for (auto table : {FileCommandData(), EditCommandData(), ViewToolCommandData(), TagCommandData()}) {
      for (const CommandInfo& info : table) all.push_back(&info);
    }
    std::stable_sort(all.begin(), all.end(),
                     [](const CommandInfo* a, const CommandInfo* b) { return a->id < b->id; });
    return all;
  }();
  return sorted;
}

}  // namespace

const CommandInfo* FindCommand(CommandId id) {
  const auto& sorted = SortedCommands();
  auto it = std::lower_bound(sorted.begin(), sorted.end(), id,
                             [](const CommandInfo* info, CommandId value) { return info->id < value; });
  return it != sorted.end() && (*it)->id == id ? *it : nullptr;
}

std::span<const CommandInfo* const> AllCommands() { return SortedCommands(); }

bool IsCommandIdInRange(CommandId id) {
  return (id >= kCmdOwnFirst && id <= kCmdOwnLast) ||
         (id >= kCmdFrameworkFirst && id <= kCmdFrameworkLast) || id == kCmdViewToolBar ||
         id == kCmdViewStatusBar;
}

std::string CommandString(const CommandInfo& info) {
  std::string text(info.prompt);
  if (!info.tip.empty()) {
    text += '\n';
    text += info.tip;
  }
  return text;
}

CommandStringParts SplitCommandString(std::string_view text) {
  const std::size_t lf = text.find('\n');
  if (lf == std::string_view::npos) return {text, {}};
  return {text.substr(0, lf), text.substr(lf + 1)};
}

std::span<const FrameAccelerator> FrameAccelerators() { return kAccelerators; }

}  // namespace quelt
