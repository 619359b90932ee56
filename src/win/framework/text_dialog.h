// A dialog that asks for one line of text: its field shows the text
// selected, takes at most limit characters, and gives the text back on OK.
#pragma once

#include <windows.h>

#include <string>

namespace quelt::win {

// text is Shift-JIS both ways; true on OK (text then holds the field).
bool AskDialogText(HWND owner, int dialogId, int fieldId, int limit, std::string& text);

}  // namespace quelt::win
