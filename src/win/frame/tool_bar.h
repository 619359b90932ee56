// `CToolBar`: one bar of command buttons (the tool bar or a tag tool bar).
// Buttons show their images from the bar's bitmap, ask the command routing
// for their state at idle time, show the command's tip as a tooltip and its
// prompt in the status bar while the pointer is over them. The tool bar also
// holds the search-text box. A gripper at the start of the bar (left when
// horizontal, top when vertical) and the empty places between the buttons
// start a drag of the bar to another edge of the frame.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <span>
#include <vector>

#include "app/command_ids.h"
#include "framework/command_route.h"
#include "framework/handles.h"

namespace quelt::win {

// Thickness of the gripper.
constexpr int kGripSize = 8;

class CToolBar {
 public:
  // route: the buttons take their states from the commands' update handlers.
  explicit CToolBar(CommandRoute& route) : route_(route) {}
  ~CToolBar();
  // Called with the screen point when the left button goes down on the
  // gripper or on an empty place of the bar.
  using DragHandler = std::function<void(CToolBar& bar, POINT screen)>;

  // images: the commands in bitmap order; layout: the buttons shown, with
  // kToolBarSeparator and kFindBoxId.
  bool Create(HWND frame, UINT id, int bitmapId, std::span<const CommandId> images,
              std::span<const CommandId> layout);
  void SetDragHandler(DragHandler handler) { dragHandler_ = std::move(handler); }
  HWND Hwnd() const { return hwnd_; }
  bool Visible() const;
  void Show(bool show);
  bool Vertical() const { return vertical_; }
  // The size the whole bar needs, gripper included.
  SIZE Size() const;
  // Turns the bar horizontal (its buttons wrapped into rows of at most
  // length pixels) or vertical (one button a row, the search-text box
  // hidden); returns the size it then needs.
  SIZE Arrange(bool vertical, int length);
  // Moves the bar to rc (frame client coordinates) and the box with it.
  void MoveTo(const RECT& rc);
  // Puts another layout's buttons on the bar (the box keeps its text).
  void SetLayout(std::span<const CommandId> layout);
  // Enables and checks the buttons as the command routing says.
  void UpdateButtons();
  // The search-text box, or null.
  HWND FindBox() const { return findBox_; }
  // The box's edit control has the focus.
  bool FindBoxHasFocus() const;
  // Fonts of the box (0-3, "FindBoxFontNo").
  void SetFindBoxFont(int fontNo, bool english);

 private:
  void AddButtons(std::span<const CommandId> layout);
  void AddFindBox(int index);
  void PlaceFindBox();
  void SetWraps(bool vertical, int length);
  // tool_bar_grip.cpp: the gripper and the start of a drag.
  static LRESULT CALLBACK GripProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self);
  void InstallGrip();
  RECT GripRect() const;  // window coordinates
  void PaintGrip();
  void StartDrag(POINT screen);

  CommandRoute& route_;
  HWND hwnd_ = nullptr;
  HWND findBox_ = nullptr;
  HIMAGELIST images_ = nullptr;
  HFONT findFont_ = nullptr;
  int findBoxIndex_ = -1;
  bool vertical_ = false;
  DragHandler dragHandler_;
  std::vector<CommandId> commands_;  // the buttons, separators and box excluded
  std::vector<CommandId> imageCommands_;  // the bitmap's commands in image order
};

}  // namespace quelt::win
