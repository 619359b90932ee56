// The extended menus in the running program: commands 32969-32988 open the
// popup of menu 1-20 at the middle of the active view, after the menu's
// delay (timer 7); the popup's items 33035-33054 run their commands.
#pragma once

#include <windows.h>

#include "framework/command.h"

namespace quelt::win {

class AppState;
class DocumentList;
class OwnerWindow;

class ExtendedMenuService {
 public:
  static constexpr UINT_PTR kDelayTimer = 7;

  ExtendedMenuService(AppState& state, OwnerWindow& owner, DocumentList& documents)
      : state_(state), owner_(owner), documents_(documents) {}
  ExtendedMenuService(const ExtendedMenuService&) = delete;
  ExtendedMenuService& operator=(const ExtendedMenuService&) = delete;

  bool OnCommand(UINT id);
  bool OnUpdateCommand(UINT id, CommandState& state);
  // Shows the popup of menu number (1-20) with its top left at a screen
  // point and runs the item chosen.
  void ShowPopup(int number, POINT screen);

 private:
  static void CALLBACK OnDelay(HWND hwnd, UINT msg, UINT_PTR id, DWORD time);
  // The middle of the active view (or of the frame) on the screen.
  POINT PopupPoint() const;

  AppState& state_;
  OwnerWindow& owner_;
  DocumentList& documents_;
  int open_ = 0;     // the menu whose popup is open
  int pending_ = 0;  // the menu waiting for its delay
};

}  // namespace quelt::win
