// Small helpers the cabinet dialogs and pages share: control text as
// Shift-JIS, check boxes, refusing to leave a page, the file dialogs' filter.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace quelt::win {

std::string GetItemSjis(HWND dialog, int id);
void SetItemSjis(HWND dialog, int id, std::string_view text);
bool IsItemChecked(HWND dialog, int id);
void CheckItem(HWND dialog, int id, bool on);
// Puts the focus on a field and selects all its text.
void SelectField(HWND dialog, int id);
// Answers a property-sheet notification from a page's dialog procedure.
INT_PTR PageResult(HWND page, LONG_PTR result);
// "a|b||" to the double-zero list the file dialogs take.
std::wstring DialogFilter(std::wstring_view barSeparated);
// The configured beep.
void CabinetBeep();

// The filter of the cabinet file dialogs.
constexpr wchar_t kCabinetFileFilter[] = L"Cabinet Files(*.cab)|*.cab|All Files(*.*)|*.*||";

}  // namespace quelt::win
