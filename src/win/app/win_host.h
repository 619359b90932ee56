// The engine's way to the user on Windows: message boxes and the beep.
#pragma once

#include <windows.h>

#include "base/host.h"

namespace quelt::win {

class WinHost : public Host {
 public:
  // The sound type of the configured beep ("BeepSoundType").
  void SetBeepType(UINT type) { beepType_ = type; }
  void Beep() override;
  // The system's default sound, whatever type is configured.
  void DefaultBeep() override;
  void ShowMessage(MessageId id, const std::string& arg = {}) override;
  Answer Ask(MessageId id, Question kind, const std::string& arg = {}) override;

 private:
  UINT beepType_ = MB_ICONEXCLAMATION;  // 48
};

// The window that owns message boxes: the active popup of the main frame.
HWND MessageOwner();

}  // namespace quelt::win
