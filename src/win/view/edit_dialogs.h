// The dialogs of the editing commands: "履歴から貼り付け" (paste from the
// clipboard history) and "文字列の挿入" (string insertion).
#pragma once

#include <windows.h>

#include <string>

#include "view/clip_history.h"

namespace quelt::win {

// Shows the history with the current entry selected; true with the chosen
// slot when OK was pressed on an entry.
bool ChooseClipHistoryEntry(HWND owner, const ClipHistory& history, int& index);

// Where the string insertion puts its text ("InsertionPosition").
constexpr int kInsertAtCaret = 0;
constexpr int kInsertAtLineStart = 1;
constexpr int kInsertAtLineEnd = 2;

// Edits the string (Shift-JIS) and the position; true on OK.
bool AskInsertString(HWND owner, std::string& text, int& position);

}  // namespace quelt::win
