// The drag of a bar to another edge of the frame: a loop of its own while
// the left button is held, with a tracking rectangle where the bar would
// land. Escape, the right button or a lost capture cancel it.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

namespace quelt::win {

// Where the bar would land for a pointer at a screen point (a screen
// rectangle), or nothing when it would stay where it is.
using DockPreview = std::function<std::optional<RECT>(POINT screen)>;

// Runs the drag of bar from the press at start. Returns the screen point of
// the release, or nothing when the drag was cancelled or the pointer never
// left the press's drag threshold (a click).
std::optional<POINT> TrackDockDrag(HWND bar, POINT start, const DockPreview& preview);

}  // namespace quelt::win
