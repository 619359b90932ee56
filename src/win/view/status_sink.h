// What a text window tells the status bar: its caret moved (shown when it
// is the active window's) and a prompt (the link under the pointer).
#pragma once

#include <string>

namespace quelt::win {

class CNorbEV;

class StatusSink {
 public:
  virtual void OnCaretMoved(CNorbEV* edit) = 0;
  virtual void ShowStatusPrompt(const std::wstring& text) = 0;

 protected:
  ~StatusSink() = default;
};

}  // namespace quelt::win
