// Registration of the program's own window classes.
#pragma once

#include <windows.h>

namespace quelt::win {

// Registers a window class of this module once: later calls, and a class
// that exists already, give true at once. cursor is a system cursor id
// (IDC_ARROW, IDC_IBEAM).
bool RegisterWindowClass(const wchar_t* name, WNDPROC proc, LPCWSTR cursor, UINT style = 0);

}  // namespace quelt::win
