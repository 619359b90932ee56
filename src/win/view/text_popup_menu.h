// The popup menu of the text view: the items the mouse page keeps, each
// with its key text and the state its update handler gives, shown at a
// screen point; the chosen command goes to the frame as a menu command.
#pragma once

#include <windows.h>

namespace quelt {
class PopupMenuItems;
}

namespace quelt::win {

class CommandRoute;

// frame receives the chosen command; owner holds the menu while it is open.
void ShowTextPopupMenu(HWND owner, HWND frame, POINT screen, const PopupMenuItems& items, CommandRoute& route);

}  // namespace quelt::win
