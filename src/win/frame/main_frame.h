// The main frame `CMainFrame`: the MDI frame window of the program. It answers
// DDE open requests from later starts, takes dropped files, hides behind the
// notification-area icon in resident mode and keeps its placement.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "frame/status_bar.h"
#include "frame/window_bar.h"
#include "app/window_marks.h"
#include "framework/mdi_frame.h"

namespace quelt::win {

class CMainFrame : public MdiFrame {
 public:
  bool OnCommand(UINT id) override;
  bool OnUpdateCommand(UINT id, CommandState& state) override;

  // Leaves the notification-area icon when the program ends while resident.
  void RemoveTrayIcon();
  CStatusBar& StatusBar() { return statusBar_; }
  CWindowBar& WindowBar() { return windowBar_; }

 protected:
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnClose() override;
  void OnSize() override;

 private:
  LRESULT OnDdeInitiate(HWND client, LPARAM lp);
  LRESULT OnDdeExecute(HWND client, LPARAM lp);
  void OnDropFiles(HDROP drop);
  bool EnterResidentMode();
  void OnTrayNotify(WPARAM id, LPARAM mouseMsg);
  void OnWindowMark(UINT id);

  bool trayIconShown_ = false;
  CStatusBar statusBar_;
  CWindowBar windowBar_;
  WindowMarks windowMarks_;
};

}  // namespace quelt::win
