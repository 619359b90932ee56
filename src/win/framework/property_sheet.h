// Modal property sheets: the cabinet sheet, the common settings and the
// customisation sheet share this showing of their pages.
#pragma once

#include <windows.h>
#include <prsht.h>

#include <span>
#include <string>

namespace quelt::win {

// A string of the program's resources; empty when it is missing.
std::wstring ResourceString(UINT id);

// Shows pages over owner under the resource string titleId, without an
// Apply button, open at page index startPage; true when the user confirmed
// the sheet.
bool RunPropertySheet(HWND owner, UINT titleId, std::span<PROPSHEETPAGEW> pages, UINT startPage = 0);

// A page's PSN_APPLY: notes in applied that the sheet was confirmed with
// the page's values and answers the notification; false for others.
bool TakePageApply(HWND page, LPARAM notification, bool& applied);

}  // namespace quelt::win
