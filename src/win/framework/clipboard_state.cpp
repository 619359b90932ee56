#include "framework/clipboard_state.h"

#include <windows.h>

namespace quelt::win {

bool ClipboardHasText() {
  static DWORD knownSequence = 0;
  static bool known = false;
  static bool hasText = false;
  // Zero means the system keeps no sequence number: ask every time.
  const DWORD sequence = GetClipboardSequenceNumber();
  if (!known || sequence == 0 || sequence != knownSequence) {
    hasText = IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);
    knownSequence = sequence;
    known = true;
  }
  return hasText;
}

}  // namespace quelt::win
