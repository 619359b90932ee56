// Command routing: a command id travels frame -> active child frame -> view
// -> document -> application until a target handles it. Before a menu opens
// every item asks the same chain for its state (enabled, checked, text).
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace quelt::win {

struct CommandState {
  bool enabled = true;
  bool checked = false;
  std::optional<std::wstring> text;
};

class CommandTarget {
 public:
  virtual ~CommandTarget() = default;
  // Runs the command; false when this target does not handle id.
  virtual bool OnCommand(UINT /*id*/) { return false; }
  // Fills the state of id; false when this target does not handle id.
  virtual bool OnUpdateCommand(UINT /*id*/, CommandState& /*state*/) { return false; }
};

}  // namespace quelt::win
