// The dialog "ﾍﾟｰｼﾞﾚｲｱｳﾄの設定": every field of the page layout with the
// print-font button. It writes back only when confirmed.
#pragma once

#include <windows.h>

#include "print/page_layout.h"

namespace quelt::win {

// True (layout changed) on OK.
bool EditPageLayout(HWND owner, PageLayout& layout);

}  // namespace quelt::win
