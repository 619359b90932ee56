// The colour chooser of the cabinet's colour page and the ruler page, with
// the sixteen custom colours the state file keeps, and the swatch buttons
// that show a chosen colour.
#pragma once

#include <windows.h>

#include "state/custom_colours.h"

namespace quelt::win {

// The chooser's sixteen custom colours: the state file's, set at start-up
// (until then the chooser starts from white ones of its own).
void SetCustomColours(CustomColours* colours);

// Shows the chooser over owner starting at colour; true (colour set, low 24
// bits) when the user confirmed. The custom colours take what the user set.
bool ChooseColour(HWND owner, COLORREF& colour);

// Draws an owner-drawn swatch button filled with colour.
void DrawColourSwatch(const DRAWITEMSTRUCT& di, COLORREF colour);

}  // namespace quelt::win
