// The drop-down lists of the dialogs that choose a character code: the
// list of code names and filling and reading a list.
#pragma once

#include <windows.h>

#include <vector>

namespace quelt::win {

// The names of the code lists ("自動" first, then every document code by
// its id): an entry's index is its CharCodeId.
std::vector<const char*> CharCodeListNames();

// Fills a drop-down list with UTF-8 names and selects one.
void FillList(HWND combo, const std::vector<const char*>& utf8Names, int selected);
int ListSelection(HWND combo);

}  // namespace quelt::win
