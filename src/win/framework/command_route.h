// The command route as a window that is not on it sees it: a command sent
// along the route, an item's state asked of it, the key text a menu shows,
// the modeless dialog that takes keys first and a whole idle pass.
#pragma once

#include <windows.h>

#include <string>

#include "framework/command.h"

namespace quelt::win {

class CommandRoute {
 public:
  // Runs a command along the route; false when nobody handled it.
  virtual bool RouteCommand(UINT id) = 0;
  virtual bool RouteUpdate(UINT id, CommandState& state) = 0;
  // The key text a menu item shows after a tab (key assignment), or "".
  virtual std::wstring MenuKeyText(UINT id) = 0;
  // The modeless dialog that takes its keyboard messages before the
  // frame's accelerators; null when none is open.
  virtual void SetModelessDialog(HWND dialog) = 0;
  // One whole idle pass now, for a long run that processes the messages
  // itself (so the bars keep following what it changes).
  virtual void IdleNow() = 0;

 protected:
  ~CommandRoute() = default;
};

}  // namespace quelt::win
