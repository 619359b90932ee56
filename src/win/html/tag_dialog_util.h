// What the tag dialogs share: a modal dialog and a property sheet driven by
// a few handlers, the lists of their fields, the colour fields and the
// browse buttons of file names.
#pragma once

#include <windows.h>
#include <prsht.h>

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "html/tag_pair.h"

namespace quelt::win {

// A modal dialog: init fills the fields, ok reads them (false keeps the
// dialog open), command answers the other controls.
struct TagDialogHandlers {
  std::function<void(HWND)> init;
  std::function<bool(HWND)> ok;
  std::function<void(HWND, int id, int code)> command;
};
// True when the user confirmed; title replaces the template's caption.
bool RunTagDialog(HWND owner, int dialogId, const TagDialogHandlers& h, const wchar_t* title = nullptr);

// A page of a tag sheet: leave is asked when the page is left or the sheet
// confirmed (false refuses, with a beep), apply stores its fields.
struct TagPageHandlers {
  int dialogId = 0;
  std::function<void(HWND)> init;
  std::function<bool(HWND)> leave;
  std::function<void(HWND)> apply;
  std::function<void(HWND, int id, int code)> command;
  std::function<void(HWND)> activated;
};
// Shows the pages, opening at startPage; lastPage gets the page that was
// active when the sheet closed. True when confirmed.
bool RunTagSheet(HWND owner, const wchar_t* title, std::span<TagPageHandlers> pages, int startPage,
                 int& lastPage);

// A drop-down list from UTF-8 labels with one entry chosen.
void FillList(HWND dialog, int id, std::span<const char* const> labels, int selected);
// The same with texts already in UTF-16 (-1: nothing selected).
void FillList(HWND dialog, int id, const std::vector<std::wstring>& items, int selected);
// The number lists of the table dialogs: "標準", 0 .. 100.
void FillNumberList(HWND dialog, int id, int selected);
// The margin lists of the frame dialog: "標準", 1 .. 100.
void FillMarginList(HWND dialog, int id, int selected);
// The chosen entry, or -1 when none is.
int ListIndex(HWND dialog, int id);
// The list's entry, or 0 when none is chosen.
inline int ListIndexOr0(HWND dialog, int id) {
  const int i = ListIndex(dialog, id);
  return i < 0 ? 0 : i;
}

// A number field; ok false when the field does not hold a number.
int GetItemNumber(HWND dialog, int id, bool* ok = nullptr);
void SetItemNumber(HWND dialog, int id, int value);

// A count field (empty is 0, digits up to max); otherwise a beep, the field
// selected and false.
bool ReadCountField(HWND dialog, int id, int max, int& value);

// The colour field: "#RRGGBB".
void ShowColourField(HWND dialog, int id, ColourRef colour);
// The colour chooser over the dialog; true when a colour was chosen.
bool PickColour(HWND dialog, ColourRef& colour);

// The file-open dialog of a browse button: on OK the field gets the chosen
// file's name, or its full path when Ctrl is down at that moment.
bool BrowseIntoField(HWND dialog, int fieldId, const wchar_t* title, std::wstring_view filter);
constexpr wchar_t kImageFilter[] = L"ｲﾒｰｼﾞ(*.gif)|*.gif|すべてのﾌｧｲﾙ(*.*)|*.*||";
constexpr wchar_t kHtmlFilter[] = L"HTMLﾌｧｲﾙ(*.html;*.htm)|*.html;*.htm|すべてのﾌｧｲﾙ(*.*)|*.*||";

// Enables or disables controls together.
void EnableItems(HWND dialog, std::initializer_list<int> ids, bool on);
// The configured beep.
void TagBeep();

}  // namespace quelt::win
