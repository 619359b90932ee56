// The items of the text view's popup menu, as the mouse page of the common
// settings edits them, and the state-file section that keeps them.
//
// Section layout (little-endian): a 32-bit count (0-30) and that many
// 32-bit items, each a bindable command id or -1 for a separator. Reading
// drops ids that are not bindable commands (a list written by another
// version stays usable), so a stored list never holds an unknown command.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quelt {

constexpr std::size_t kMaxPopupMenuItems = 30;
constexpr std::int32_t kPopupSeparator = -1;

// Outcome of an edit of the list.
enum class PopupEdit {
  kDone,
  kRefused,  // the list is full, the item is not a bindable command or
             // separator, or no item is selected: the caller beeps
};

class PopupMenuItems {
 public:
  // Starts with the default items.
  PopupMenuItems();
  explicit PopupMenuItems(std::vector<std::int32_t> items);

  // The default list ("標準設定"): undo, redo, separator, cut, copy, paste,
  // separator, select all, separator, find, replace, jump.
  static const std::vector<std::int32_t>& DefaultItems();
  // A bindable command id or the separator.
  static bool IsValidItem(std::int32_t item);

  const std::vector<std::int32_t>& items() const { return items_; }
  std::size_t size() const { return items_.size(); }

  // Inserts item after index `after` (-1 or past the end: at the end) and
  // returns where it went in `at`.
  PopupEdit Add(std::int32_t item, int after, int& at);
  PopupEdit Add(std::int32_t item);  // at the end
  PopupEdit Delete(int index);
  // Swap with the neighbour; refused at the ends.
  PopupEdit MoveUp(int index);
  PopupEdit MoveDown(int index);
  void RestoreDefaults();

  bool operator==(const PopupMenuItems&) const = default;

 private:
  std::vector<std::int32_t> items_;
};

// Appends the section (at most 30 items; invalid ones left out).
void EncodePopupMenuSection(const PopupMenuItems& menu, std::string& out);

// Takes the section from the front of in. False for a count over 30 or too
// few bytes; menu then keeps the default items. Unknown ids are dropped.
bool DecodePopupMenuSection(std::string_view& in, PopupMenuItems& menu);

}  // namespace quelt
