// The character dialog in its visual mode: face, size, colour, bold and
// italic, underline kind and colour, shading and its colour, character and
// line spacing, raised or lowered position with its offset, superscript
// and subscript; lists in millimetres or inches by "MeasureType".
#pragma once

#include <windows.h>

#include "html/visual_char_dialog.h"

namespace quelt::win {

// Shows the dialog with v, its spacing lists in inches or millimetres; true
// (v holding the choices) when confirmed.
bool RunVisualCharDialog(HWND owner, VisualCharValues& v, bool inches);

}  // namespace quelt::win
