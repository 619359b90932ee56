// The main frame `CMainFrame`: the MDI frame window of the program. It owns
// the tool bar with the search-text box, the two tag tool bars, the window
// bar, the extended-menu bar and the status bar; answers DDE open requests
// from later starts; takes dropped files; hides behind the notification-area
// icon in resident mode; runs the window marks and the timers of automatic
// saving.
#pragma once

#include <windows.h>

#include <vector>
#include <shellapi.h>

#include <string>

#include "app/auto_save_timer.h"
#include "app/dock_layout.h"
#include "app/strip_bars.h"
#include "app/window_marks.h"
#include "frame/ext_menu_bar.h"
#include "frame/frame_context.h"
#include "frame/status_bar.h"
#include "frame/tool_bar.h"
#include "frame/window_bar.h"
#include "framework/handles.h"
#include "framework/mdi_frame.h"

namespace quelt {
struct AppSettings;
}

namespace quelt::win {

// Control ids of the bars.
constexpr UINT kToolBarId = 59392;
constexpr UINT kTagToolBar1Id = 59400;
constexpr UINT kTagToolBar2Id = 59401;

class CMainFrame : public MdiFrame {
 public:
  explicit CMainFrame(const FrameContext& context);
  bool OnCommand(UINT id) override;
  bool OnUpdateCommand(UINT id, CommandState& state) override;

  // Leaves the notification-area icon when the program ends while resident.
  void RemoveTrayIcon();
  CStatusBar& StatusBar() { return statusBar_; }
  CWindowBar& WindowBar() { return windowBar_; }
  CExtMenuBar& ExtMenuBar() { return extMenuBar_; }
  CToolBar& ToolBar() { return toolBar_; }
  // The tool bar's buttons as the customisation sheet arranged them.
  const std::vector<CommandId>& ToolBarLayout() const { return toolBarLayout_; }
  void SetToolBarLayout(const std::vector<CommandId>& layout);
  // The tag menu of the text view (menu 145), or null when it could not be
  // made.
  HMENU TextTagMenu() const { return tagMenu_.Get(); }
  // At idle time: button states, indicator panes, the tag bars.
  void OnIdleUpdate();
  // Key or mouse input in an edit window (automatic saving waits for quiet).
  void OnUserInput() { autoSave_.OnInput(); }
  // After the settings sheet changed the record: bars and timers follow.
  void ApplySettings(const AppSettings& before);
  // The system asked whether it may end the session.
  bool ShuttingDown() const { return shuttingDown_; }

 protected:
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnClose() override;
  void OnSize() override;

 private:
  // main_frame.cpp: DDE, dropped files, resident mode.
  LRESULT OnDdeInitiate(HWND client, LPARAM lp);
  LRESULT OnDdeExecute(HWND client, LPARAM lp);
  void OnDropFiles(HDROP drop);
  bool EnterResidentMode();
  void OnTrayNotify(WPARAM id, LPARAM mouseMsg);
  // main_frame_bars.cpp: the bars.
  void CreateBars();
  bool OnBarNotify(const NMHDR& header, LRESULT& result);
  void ShowWindowBarMenu(POINT screen);
  void CreateStripBars();
  void UpdateIndicators();
  void UpdateTagBars();
  void ApplyBrowseMode();
  // main_frame_dock.cpp: docking of the tool bar and the tag tool bars.
  void CreateDock();
  CToolBar* DockBar(int bar);
  BarRect DockArea();
  // estimate: sizes from shapes_ instead of arranging the bars.
  DockArrangement ArrangeBars(const DockLayout& layout, bool estimate);
  void LayoutBars();
  // The window bar and the extended-menu bar at their edges.
  StripBar WindowStrip() const;
  StripBar ExtStrip() const;
  void MeasureBarShapes();
  void OnBarDrag(int bar, POINT start);
  void StoreBarLayout();
  // main_frame_commands.cpp: marks, favourites, help, timers.
  void OnWindowMark(UINT id);
  void OnFavouriteFolder(UINT id);
  void OnHelp();
  void OnTimer(UINT_PTR id);
  void RunAutoSaveActions(const AutoSaveActions& actions);

  const FrameContext& context_;
  bool trayIconShown_ = false;
  bool barsCreated_ = false;
  bool tagBarsShown_ = false;
  bool caretPanesShown_ = true;  // the caret panes may show a caret
  bool tagBarsPlaced_ = false;  // the tag bars have been shown and placed
  bool shuttingDown_ = false;
  CStatusBar statusBar_;
  CWindowBar windowBar_;
  CExtMenuBar extMenuBar_;
  // Where the extended-menu bar was made: its edge and whether it lies
  // outside the window bar; a change takes effect at the next start.
  bool extBarAtTop_ = false;
  bool extBarFirst_ = false;
  CToolBar toolBar_;
  std::vector<CommandId> toolBarLayout_;
  CToolBar tagBar1_;
  CToolBar tagBar2_;
  DockLayout dock_;
  DockArrangement docked_;  // where LayoutBars put the bars
  BarShapes shapes_[3];     // for the previews of a drag
  MenuHandle tagMenu_;
  std::wstring tipText_;
  WindowMarks windowMarks_;
  AutoSaveTimer autoSave_;
};

}  // namespace quelt::win
