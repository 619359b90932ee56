// What the open and save dialogs share: the filter list of the current
// cabinet with the entry picked last, the default extension, the combo-box
// lists and the status-bar texts the dialogs show.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quelt::win {

// The filter list for OPENFILENAMEW from the current cabinet's filters of
// its document type ("title\0pattern\0...\0\0").
std::wstring DialogFilter();
// The filter entry the user picked last (1-based, as OPENFILENAMEW counts).
DWORD& LastFilterIndex();
// "txt", "c" or "cpp" by the current cabinet's document type; "html" when
// the active document is an HTML document.
std::wstring DefaultExtension(bool htmlDocument);

// The names of the code lists ("自動" first, then every document code by
// its id): an entry's index is its CharCodeId.
std::vector<const char*> CharCodeListNames();

// Fills a drop-down list with UTF-8 names and selects one.
void FillList(HWND combo, const std::vector<const char*>& utf8Names, int selected);
int ListSelection(HWND combo);

// The prompt pane of the main frame's status bar (pane 0), and any pane.
void SetStatusPane(int pane, const std::wstring& text);
inline void SetPromptText(const std::wstring& text) { SetStatusPane(0, text); }

}  // namespace quelt::win
