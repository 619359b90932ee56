// The frame's docked bars seen from outside: where each lies, whether it is
// shown and how it is turned.
#pragma once

#include <windows.h>

namespace probe {

// Prints the frame's client area ("frame X Y W H": its screen origin and
// size), one line per bar ("bar ID shown|hidden h|v L T R B", frame client
// coordinates; v when the bar has the vertical style) and the documents'
// area ("client L T R B"). Returns 2 when a bar is missing.
int PrintBars(HWND frame);

}  // namespace probe
