#include "settings/common_settings_sheet.h"

namespace quelt::win {

// Filled in with the sheet's pages.
bool ShowCommonSettings(HWND) {
  MessageBeep(MB_OK);
  return false;
}

}  // namespace quelt::win
