// A dialog that only shows something: filled once when it opens, closed by
// OK or Cancel (the document properties, the extraction information, the
// binary view's note on searching).
#pragma once

#include <windows.h>

#include <functional>

namespace quelt::win {

// Shows dialog dialogId over owner; fill (may be empty) sets its controls.
void ShowInfoDialog(HWND owner, int dialogId, const std::function<void(HWND)>& fill = {});

}  // namespace quelt::win
