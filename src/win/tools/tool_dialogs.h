// The dialogs of the user tools: the parameters asked at a run ("ﾊﾟﾗﾒｰﾀの
//設定") and the program execution ("ﾌﾟﾛｸﾞﾗﾑの実行") with its history.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tools/user_tools.h"

namespace quelt::win {

// The open dialog for a program ("*.exe;*.com;*.bat" or all files); the
// path chosen, Shift-JIS, or nothing.
std::optional<std::string> ChooseProgramFile(HWND owner);

// Shows the stored parameters for editing; false on cancel.
bool AskToolParameters(HWND owner, std::string& parameters);

// The program execution dialog, filled from the history's first entry with
// the history's commands in its list; false on cancel. A command chosen
// from the list brings back that entry's other fields.
bool AskProgramRun(HWND owner, const std::vector<ProgramRun>& history, ProgramRun& run);

}  // namespace quelt::win
