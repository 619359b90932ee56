// What the open and save dialogs share: the filter list of the current
// cabinet with the entry picked last, the default extension and the
// status-bar texts the dialogs show (the code lists are framework/code_lists).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/code_lists.h"

namespace quelt {
struct CabinetSettings;
}

namespace quelt::win {

// The filter list for OPENFILENAMEW from the cabinet's filters of its
// document type ("title\0pattern\0...\0\0").
std::wstring DialogFilter(const CabinetSettings& cabinet);
// The filter entry the user picked last (1-based, as OPENFILENAMEW counts).
DWORD& LastFilterIndex();
// "txt", "c" or "cpp" by the cabinet's document type; "html" when the
// active document is an HTML document.
std::wstring DefaultExtension(const CabinetSettings& cabinet, bool htmlDocument);

// The prompt pane of the main frame's status bar (pane 0), and any pane.
void SetStatusPane(HWND frame, int pane, const std::wstring& text);
inline void SetPromptText(HWND frame, const std::wstring& text) { SetStatusPane(frame, 0, text); }

}  // namespace quelt::win
