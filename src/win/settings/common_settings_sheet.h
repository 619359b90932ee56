// The common-settings sheet ("共通設定"): the pages that edit the program's
// own settings record. Commands 32881 (menu) and 32813 (tool bar) open it.
#pragma once

#include <windows.h>

namespace quelt::win {

// Shows the sheet over owner; true when the user confirmed and the record
// took the pages' values.
bool ShowCommonSettings(HWND owner);

}  // namespace quelt::win
