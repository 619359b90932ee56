// The MDI main frame of the framework: the frame window, its MDI client, the
// menu of the active document kind, command routing and menu item states.
#pragma once

#include <windows.h>

#include <string>

#include "framework/command.h"

namespace quelt::win {

class MdiFrame : public CommandTarget {
 public:
  static constexpr const wchar_t* kClassName = L"QueltMainFrame";
  static bool RegisterClass(HINSTANCE instance, HICON icon);

  virtual ~MdiFrame();
  bool Create(const std::wstring& title, HMENU defaultMenu);
  HWND Hwnd() const { return hwnd_; }
  HWND MdiClient() const { return client_; }

  // The frame's own title; the active document's title is added after " - ".
  void SetBaseTitle(const std::wstring& title);
  void UpdateFrameTitle();
  // Shows the menu of the active document kind (null: the frame's own).
  void SwitchMenu(HMENU menu);
  HMENU DefaultMenu() const { return defaultMenu_; }
  // The popup of a menu bar that lists the open windows (the one with the
  // cascade or tile command), or null.
  static HMENU WindowMenuOf(HMENU menu);
  static constexpr UINT kCascadeCommand = 57650;
  static constexpr UINT kTileHorizontalCommand = 57651;

 protected:
  virtual LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp);
  // Called for WM_CLOSE; the default closes every document, then the frame.
  virtual void OnClose();
  virtual void OnSize();

  HWND hwnd_ = nullptr;
  HWND client_ = nullptr;

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void UpdateMenuItems(HMENU popup);

  HMENU defaultMenu_ = nullptr;
  HMENU currentMenu_ = nullptr;
  std::wstring baseTitle_;
};

}  // namespace quelt::win
