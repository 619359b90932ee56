// The small rules the tag dialogs follow while they are open: which
// controls work, when OK is taken and what a number field holds.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace quelt {

// The background list of the table area and cell dialogs: "標準" (0) or
// "指定する" (1). The colour button and field work only for 指定する.
inline constexpr int kBackgroundGiven = 1;
inline bool BackgroundColourEnabled(int backgroundIndex) { return backgroundIndex == kBackgroundGiven; }

// OK is taken only when every list of the dialog has a chosen entry (an
// index of -1 means none).
inline bool AllListsChosen(std::span<const int> indexes) {
  for (int i : indexes) {
    if (i < 0) return false;
  }
  return true;
}

// A count typed in a dialog (form sizes, image sizes and spaces): an empty
// field is 0; otherwise decimal digits, possibly with blanks around them,
// up to max. Nullopt for anything else, which the dialog refuses.
std::optional<int> ParseCountField(std::string_view text, int max);

// The largest form size, column and row count a field takes.
inline constexpr int kMaxFormCount = 99999;

}  // namespace quelt
