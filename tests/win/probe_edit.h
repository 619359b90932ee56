// What the probe reads of the edit windows and the menus: the caret's
// screen position, the placement state of the document windows and the
// enabled state of a tool-bar button as its update handler decides it.
#pragma once

#include <windows.h>

namespace probe {

// Prints "x y height" of the caret of the editor's thread in screen
// coordinates; 2 when there is no caret.
int PrintCaret(HWND frame);
// Prints one line per document window: "M " maximised, "I " minimised or
// "N " otherwise, then its title.
int PrintWindowStates(HWND frame);
// Prints "enabled", "grayed" or "missing" for the command's tool-bar
// button, as the frame's update handlers left it.
int PrintButtonState(HWND frame, UINT command);
// Right-clicks just inside the caret, prints "menu x y width height" of the
// popup menu that opens, then its items where they can be read ("-" for a separator, "(grayed) "
// before a disabled item), then presses the keys: letters, "!" for Escape.
// 2 when no menu opens.
int RightClickMenu(HWND frame, const wchar_t* key);

}  // namespace probe
