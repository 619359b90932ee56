// The dialog "自由変換": ten rows of a "変換前" and a "変換後" field, the list
// of class names "ｺｰﾄﾞ種別" whose button "挿入" (or a double click) puts the
// chosen name into the field that last had the focus, and the options
// "新規文書へ出力" and "ｴｽｹｰﾌﾟｼｰｹﾝｽを使用".
#pragma once

#include <windows.h>

#include "convert/free_conversion_rules.h"

namespace quelt::win {

// Shows the dialog filled from rules; "実行" writes the ten rows and the
// options back and gives true, Cancel leaves rules alone. A field over the
// 256 bytes a rule keeps is refused with a beep and gets the focus.
bool RunFreeConversionDialog(HWND owner, FreeConversionRules& rules);

}  // namespace quelt::win
