// Painting without flicker: a window's WM_PAINT drawn whole into a bitmap
// of its client area and copied to the screen in one step.
#pragma once

#include <windows.h>

#include <functional>

namespace quelt::win {

// Answers WM_PAINT: paint gets a memory DC of the client's size, the client
// rectangle and the part to update. Nothing is drawn for an empty client.
void PaintBuffered(HWND hwnd, const std::function<void(HDC dc, const RECT& client, const RECT& dirty)>& paint);

}  // namespace quelt::win
