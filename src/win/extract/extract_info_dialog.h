// The information dialog "行の抽出" after a run that was not stopped: for
// step 1 and step 2 "元の行数", "削除行数", "抽出行数", "削除ﾌﾞﾛｯｸ数" and
// "抽出ﾌﾞﾛｯｸ数" (empty for a step that did not run).
#pragma once

#include <windows.h>

#include "extract/line_extraction.h"

namespace quelt::win {

void ShowExtractInformation(HWND owner, const ExtractOutcome& outcome);

}  // namespace quelt::win
