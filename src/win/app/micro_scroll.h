// The "MicroScroll32" window class: the small up-down buttons that dialogs
// place beside numeric fields. It is comctl32's up-down control, registered
// under this name and made to step the number in the field before it.
#pragma once

#include <windows.h>

namespace quelt::win {

// Registers the class; call once before the first dialog opens.
bool RegisterMicroScroll(HINSTANCE instance);

}  // namespace quelt::win
