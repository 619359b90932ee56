#include "app/toolbar_layout.h"

#include <algorithm>
#include <charconv>

#include "app/toolbar_data.h"

namespace quelt {
namespace {

bool IsChoice(CommandId id) {
  return id == kToolBarSeparator || id == kFindBoxId || ToolBarImageOf(id).has_value();
}

}  // namespace

std::vector<CommandId> ToolBarChoices() {
  const auto buttons = ToolBarButtonCommands();
  std::vector<CommandId> choices(buttons.begin(), buttons.end());
  choices.push_back(kToolBarSeparator);
  choices.push_back(kFindBoxId);
  return choices;
}

std::string EncodeToolBarLayout(const std::vector<CommandId>& layout) {
  std::string out;
  for (CommandId id : layout) {
    if (!out.empty()) out += ',';
    out += std::to_string(id);
  }
  return out;
}

std::optional<std::vector<CommandId>> DecodeToolBarLayout(std::string_view text) {
  std::vector<CommandId> layout;
  bool box = false;
  while (!text.empty()) {
    const std::size_t comma = text.find(',');
    const std::string_view field = text.substr(0, comma);
    unsigned value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size() || value > 0xFFFF) return std::nullopt;
    const auto id = static_cast<CommandId>(value);
    if (!IsChoice(id) || (id == kFindBoxId && box) || layout.size() >= kMaxToolBarEntries) return std::nullopt;
    box = box || id == kFindBoxId;
    layout.push_back(id);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
    if (text.empty()) return std::nullopt;  // a trailing comma
  }
  if (layout.empty()) return std::nullopt;
  return layout;
}

std::optional<std::size_t> AddToolBarEntry(std::vector<CommandId>& layout, std::optional<std::size_t> after,
                                           CommandId entry) {
  if (layout.size() >= kMaxToolBarEntries || !IsChoice(entry)) return std::nullopt;
  if (entry == kFindBoxId && std::find(layout.begin(), layout.end(), kFindBoxId) != layout.end()) {
    return std::nullopt;
  }
  const std::size_t at = after && *after < layout.size() ? *after + 1 : layout.size();
  layout.insert(layout.begin() + static_cast<std::ptrdiff_t>(at), entry);
  return at;
}

}  // namespace quelt
