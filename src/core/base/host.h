// The narrow interface through which the engine reaches the user. The Win32
// front end implements it with MessageBeep and MessageBoxW; unit tests use a
// recording fake.
#pragma once

#include <string>

#include "base/messages.h"

namespace quelt {

enum class Question { kOkCancel, kYesNo, kYesNoCancel };
enum class Answer { kOk, kCancel, kYes, kNo };

class Host {
 public:
  virtual ~Host() = default;
  // The configured beep ("BeepSoundType").
  virtual void Beep() = 0;
  // The system's default beep, for the few refusals that do not sound the
  // configured type (too many lines for list items). A host without one
  // sounds the configured beep.
  virtual void DefaultBeep() { Beep(); }
  // A message box with the text of message id, %1 replaced by arg (Shift-JIS).
  virtual void ShowMessage(MessageId id, const std::string& arg = {}) = 0;
  // A question with the text of message id; returns the button pressed.
  virtual Answer Ask(MessageId id, Question kind, const std::string& arg = {}) = 0;
};

}  // namespace quelt
