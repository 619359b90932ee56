// Registration of the automation object as a local server: ProgID, class
// and interface keys, per user and, where it may be written, machine-wide.
#pragma once

#include <string>

namespace quelt::win {

// Writes "QUELT.AUTOINT" -> class id, the class's LocalServer32 (the quoted
// exePath) and ProgID, and the dispatch interface's proxy under
// HKEY_CURRENT_USER\Software\Classes, then the same under HKEY_CLASSES_ROOT
// when that can be written (Wine does not merge per-user classes into it).
// True when the per-user registration was written.
bool RegisterAutomationServer(const std::wstring& exePath);

// Removes those keys from both places. True when none of them is left.
bool UnregisterAutomationServer();

}  // namespace quelt::win
