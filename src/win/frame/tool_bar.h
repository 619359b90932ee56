// `CToolBar`: one bar of command buttons (the tool bar or a tag tool bar).
// Buttons show their images from the bar's bitmap, ask the command routing
// for their state at idle time, show the command's tip as a tooltip and its
// prompt in the status bar while the pointer is over them. The tool bar also
// holds the search-text box.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <span>
#include <vector>

#include "app/command_ids.h"
#include "framework/handles.h"

namespace quelt::win {

class CToolBar {
 public:
  ~CToolBar();
  // images: the commands in bitmap order; layout: the buttons shown, with
  // kToolBarSeparator and kFindBoxId. vertical: one button per row.
  bool Create(HWND frame, UINT id, int bitmapId, std::span<const CommandId> images,
              std::span<const CommandId> layout, bool vertical);
  HWND Hwnd() const { return hwnd_; }
  bool Visible() const;
  void Show(bool show);
  // The size the whole bar needs.
  SIZE Size() const;
  // Places the bar at the top of the frame, width wide, its buttons wrapped
  // into as many rows as they need; returns the height taken.
  int PlaceAtTop(int width);
  // Enables and checks the buttons as the command routing says.
  void UpdateButtons();
  // The search-text box, or null.
  HWND FindBox() const { return findBox_; }
  // The box's edit control has the focus.
  bool FindBoxHasFocus() const;
  // Fonts of the box (0-3, "FindBoxFontNo").
  void SetFindBoxFont(int fontNo, bool english);

 private:
  void AddFindBox(int index);
  void PlaceFindBox();

  HWND hwnd_ = nullptr;
  HWND findBox_ = nullptr;
  HIMAGELIST images_ = nullptr;
  HFONT findFont_ = nullptr;
  int findBoxIndex_ = -1;
  std::vector<CommandId> commands_;  // the buttons, separators and box excluded
};

}  // namespace quelt::win
