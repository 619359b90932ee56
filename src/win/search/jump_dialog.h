// The jump dialog "ｼﾞｬﾝﾌﾟ": one line number (or, in the binary view, a byte
// offset with an optional 0x prefix).
#pragma once

#include <windows.h>

#include <string>

namespace quelt::win {

// Shows text and lets the user change it; true on OK.
bool AskJumpLine(HWND owner, std::string& text);

}  // namespace quelt::win
