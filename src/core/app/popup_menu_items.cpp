#include "app/popup_menu_items.h"

#include <utility>

#include "base/le_words.h"
#include "keys/bindable_commands.h"

namespace quelt {

PopupMenuItems::PopupMenuItems() : items_(DefaultItems()) {}

PopupMenuItems::PopupMenuItems(std::vector<std::int32_t> items) {
  for (std::int32_t item : items) {
    if (items_.size() == kMaxPopupMenuItems) break;
    if (IsValidItem(item)) items_.push_back(item);
  }
}

const std::vector<std::int32_t>& PopupMenuItems::DefaultItems() {
  static const std::vector<std::int32_t> items = {
      kCmdEditUndo, kCmdEditRedo,    kPopupSeparator, kCmdEditCut, kCmdEditCopy, kCmdEditPaste,
      kPopupSeparator, kCmdSelectAll, kPopupSeparator, kCmdEditFind, kCmdEditReplace, kCmdJump};
  return items;
}

bool PopupMenuItems::IsValidItem(std::int32_t item) {
  if (item == kPopupSeparator) return true;
  return item >= 0 && item <= 0xFFFF && IsBindableCommand(static_cast<CommandId>(item));
}

PopupEdit PopupMenuItems::Add(std::int32_t item, int after, int& at) {
  if (items_.size() >= kMaxPopupMenuItems || !IsValidItem(item)) return PopupEdit::kRefused;
  const std::size_t index =
      after < 0 || static_cast<std::size_t>(after) >= items_.size() ? items_.size() : static_cast<std::size_t>(after) + 1;
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), item);
  at = static_cast<int>(index);
  return PopupEdit::kDone;
}

PopupEdit PopupMenuItems::Add(std::int32_t item) {
  int at = 0;
  return Add(item, -1, at);
}

PopupEdit PopupMenuItems::Delete(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) return PopupEdit::kRefused;
  items_.erase(items_.begin() + index);
  return PopupEdit::kDone;
}

PopupEdit PopupMenuItems::MoveUp(int index) {
  if (index <= 0 || static_cast<std::size_t>(index) >= items_.size()) return PopupEdit::kRefused;
  std::swap(items_[index - 1], items_[index]);
  return PopupEdit::kDone;
}

PopupEdit PopupMenuItems::MoveDown(int index) {
  if (index < 0 || static_cast<std::size_t>(index) + 1 >= items_.size()) return PopupEdit::kRefused;
  std::swap(items_[index], items_[index + 1]);
  return PopupEdit::kDone;
}

void PopupMenuItems::RestoreDefaults() { items_ = DefaultItems(); }

void EncodePopupMenuSection(const PopupMenuItems& menu, std::string& out) {
  // The items were checked when they came in; the constructor checks again.
  const PopupMenuItems checked(menu.items());
  AppendLe32(out, static_cast<std::uint32_t>(checked.size()));
  for (std::int32_t item : checked.items()) AppendLe32(out, static_cast<std::uint32_t>(item));
}

bool DecodePopupMenuSection(std::string_view& in, PopupMenuItems& menu) {
  menu = PopupMenuItems();
  std::string_view rest = in;
  std::uint32_t count = 0;
  if (!TakeLe32(rest, count) || count > kMaxPopupMenuItems || rest.size() < 4 * std::size_t(count)) return false;
  std::vector<std::int32_t> items(count);
  for (std::int32_t& item : items) {
    std::uint32_t v = 0;
    TakeLe32(rest, v);
    item = static_cast<std::int32_t>(v);
  }
  menu = PopupMenuItems(std::move(items));
  in = rest;
  return true;
}

}  // namespace quelt
