// Whether the clipboard holds text, for the update handlers of the paste
// commands. Asking the clipboard costs a round trip to the window system
// (under Wine, to the X server), and the tool bar asks after every message,
// so the answer is kept until the clipboard's sequence number changes.
#pragma once

namespace quelt::win {

bool ClipboardHasText();

}  // namespace quelt::win
