// The main window as the windows and dialogs see it: the owner of their
// message boxes and dialogs, and the title that follows the active child.
#pragma once

#include <windows.h>

#include <string>

namespace quelt::win {

class OwnerWindow {
 public:
  // Null before the frame exists and after it has gone.
  virtual HWND MainHwnd() const = 0;
  // The active child's title changed: the frame's title follows.
  virtual void OnFrameTitleChanged() = 0;
  // The frame's own part of its title (before the active child's).
  virtual void SetFrameBaseTitle(const std::wstring& title) = 0;

 protected:
  ~OwnerWindow() = default;
};

}  // namespace quelt::win
