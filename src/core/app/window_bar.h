// The window bar: one tab per open text document, in document order, with
// the document's title (and its number) and an image that shows whether it
// has unsaved changes.
#pragma once

#include <string>
#include <string_view>

namespace quelt {

// The bar lists at most this many documents.
constexpr int kMaxWindowBarTabs = 100;
// Image of a modified document, and of one whose second state flag is set.
constexpr int kTabImageModified = 3;
constexpr int kTabImageModifiedFlagged = 4;
// No image.
constexpr int kTabNoImage = -1;

struct WindowBarOptions {
  bool addDocNumber = false;     // "AddDocNumber"
  bool enableTabBarImage = true; // "EnableTabBarImage"
  int tabBarImageNo = 0;         // "TabBarImageNo", 0-2
};

struct WindowBarTab {
  std::string text;  // Shift-JIS
  int image = kTabNoImage;
};

// The text with every '&' doubled, so that a control or menu that takes '&'
// for a mnemonic mark shows it as it is ("a&b.txt" stays "a&b.txt").
std::string LiteralAmpersands(std::string_view text);

// The tab of the document at 0-based position index; the title's own
// ampersands show as they are.
WindowBarTab WindowBarTabFor(std::string_view title, int index, bool modified, bool secondFlag,
                             const WindowBarOptions& options);

}  // namespace quelt
