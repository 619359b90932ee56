// The frame's own commands: window arrangement and marks, the settings
// sheet, favourite folders, help, the bar toggles, and the timers of
// automatic saving.
#include <windows.h>
#include <shellapi.h>

#include "frame/recent_menu.h"
#include "base/path.h"
#include "frame/main_frame.h"
#include "framework/win_app.h"
#include "framework/mdi_child.h"
#include "framework/win_text.h"
#include "res/resource.h"
#include "settings/common_settings_sheet.h"
#include "text/auto_save.h"
#include "text/file_commands.h"

namespace quelt::win {
namespace {

std::string WindowTitle(HWND hwnd) { return WideToSjis(WindowTextOf(hwnd)); }

}  // namespace

bool CMainFrame::OnCommand(UINT id) {
  if (id >= kFavouriteFolderFirst && id <= kFavouriteFolderLast) {
    OnFavouriteFolder(id);
    return true;
  }
  switch (id) {
    case ID_APP_EXIT:
      PostMessageW(hwnd_, WM_CLOSE, 0, 0);
      return true;
    case ID_WINDOW_CASCADE:
      SendMessageW(client_, WM_MDICASCADE, 0, 0);
      return true;
    case ID_WINDOW_TILE_HORZ:
      SendMessageW(client_, WM_MDITILE, MDITILE_HORIZONTAL, 0);
      return true;
    case ID_WINDOW_TILE_VERT:
      SendMessageW(client_, WM_MDITILE, MDITILE_VERTICAL, 0);
      return true;
    case ID_WINDOW_ARRANGE:
      SendMessageW(client_, WM_MDIICONARRANGE, 0, 0);
      return true;
    case ID_WINDOW_MARK:
    case ID_WINDOW_MARK_NEXT:
    case ID_WINDOW_MARK_PREV:
    case ID_WINDOW_MARK_RESET:
      OnWindowMark(id);
      return true;
    case kCmdCommonSettings:
    case kCmdCommonSettingsBar:
      ShowCommonSettings(hwnd_, context_.commonSettings);
      return true;
    case kCmdHelpIndex:
    case kCmdHelpUsing:
    case kCmdHelp:
    case kCmdContextHelp:
      OnHelp();
      return true;
    case kCmdViewToolBar: {
      AppSettings& s = context_.settings;
      s.displayToolBar = !s.displayToolBar;
      toolBar_.Show(s.displayToolBar != 0);
      LayoutBars();
      return true;
    }
    case kCmdViewStatusBar: {
      AppSettings& s = context_.settings;
      s.displayStatusBar = !s.displayStatusBar;
      statusBar_.Show(s.displayStatusBar != 0);
      LayoutBars();
      return true;
    }
    default:
      return false;
  }
}

bool CMainFrame::OnUpdateCommand(UINT id, CommandState& state) {
  const AppSettings& s = context_.settings;
  if (id >= kFavouriteFolderFirst && id <= kFavouriteFolderLast) {
    state.enabled = !s.frequentlyUsedDirectory[id - kFavouriteFolderFirst].empty();
    return true;
  }
  switch (id) {
    case ID_APP_EXIT:
    case kCmdCommonSettings:
    case kCmdCommonSettingsBar:
    case kCmdHelpIndex:
    case kCmdHelpUsing:
    case kCmdHelp:
    case kCmdContextHelp:
      return true;
    case kCmdViewToolBar:
      state.checked = s.displayToolBar != 0;
      return true;
    case kCmdViewStatusBar:
      state.checked = s.displayStatusBar != 0;
      return true;
    case ID_WINDOW_CASCADE:
    case ID_WINDOW_TILE_HORZ:
    case ID_WINDOW_TILE_VERT:
    case ID_WINDOW_ARRANGE:
    case ID_WINDOW_MARK:
      state.enabled = context_.documents.ActiveChild() != nullptr;
      return true;
    case ID_WINDOW_MARK_NEXT:
    case ID_WINDOW_MARK_PREV:
    case ID_WINDOW_MARK_RESET:
      return true;
    default:
      return false;
  }
}

void CMainFrame::OnWindowMark(UINT id) {
  Host& host = context_.host;
  if (id == ID_WINDOW_MARK) {
    MdiChild* child = context_.documents.ActiveChild();
    if (!child) {
      host.Beep();
      return;
    }
    std::string title = WindowTitle(child->Hwnd());
    if (windowMarks_.Toggle(reinterpret_cast<WindowId>(child->Hwnd()), title) == MarkResult::kBeep) {
      host.Beep();
      return;
    }
    SetWindowTextW(child->Hwnd(), SjisToWide(title).c_str());
    child->SetTitlePrefix(HasMarkPrefix(title) ? L"* " : L"");
    UpdateFrameTitle();
    return;
  }
  if (id == ID_WINDOW_MARK_RESET) {
    for (WindowId w : windowMarks_.Clear()) {
      HWND hwnd = reinterpret_cast<HWND>(w);
      if (!IsWindow(hwnd)) continue;
      const std::string title = WindowTitle(hwnd);
      if (!HasMarkPrefix(title)) host.Beep();
      SetWindowTextW(hwnd, SjisToWide(TitleWithoutMark(title)).c_str());
      if (MdiChild* child = MdiChild::FromHwnd(hwnd)) child->SetTitlePrefix(L"");
    }
    UpdateFrameTitle();
    return;
  }
  WindowId next = 0;
  int beeps = 0;
  const bool found = windowMarks_.Step(
      id == ID_WINDOW_MARK_NEXT, [](WindowId w) { return MdiChild::FromHwnd(reinterpret_cast<HWND>(w)) != nullptr; },
      next, beeps);
  for (int i = 0; i < beeps; ++i) host.Beep();
  if (!found) {
    if (beeps == 0) host.Beep();
    return;
  }
  HWND hwnd = reinterpret_cast<HWND>(next);
  if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
  SendMessageW(client_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hwnd), 0);
}

void CMainFrame::OnFavouriteFolder(UINT id) {
  const std::string& folder = context_.settings.frequentlyUsedDirectory[id - kFavouriteFolderFirst];
  if (folder.empty() || !SetCurrentDirectoryW(SjisToWide(folder).c_str())) {
    context_.host.Beep();
    return;
  }
  // With Ctrl held the active text window takes the open request.
  if (KeyDown(VK_CONTROL)) {
    if (MdiChild* child = context_.documents.ActiveChild(); child && child->RouteCommand(ID_FILE_OPEN)) return;
  }
  FileOpenCommand(context_.text);
}

void CMainFrame::OnHelp() {
  // The help file lies beside the program, named after it.
  wchar_t exe[MAX_PATH + 1] = L"";
  const DWORD n = GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring help(exe, n);
  const std::size_t dot = help.find_last_of(L".\\");
  if (dot != std::wstring::npos && help[dot] == L'.') help.resize(dot);
  help += L".chm";
  if (GetFileAttributesW(help.c_str()) == INVALID_FILE_ATTRIBUTES ||
      reinterpret_cast<INT_PTR>(ShellExecuteW(hwnd_, L"open", help.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) <= 32)
    context_.host.Beep();
}

void CMainFrame::RunAutoSaveActions(const AutoSaveActions& a) {
  const AppSettings& s = context_.settings;
  if (a.stopInterval) KillTimer(hwnd_, kAutoSaveIntervalTimer);
  if (a.stopWait) KillTimer(hwnd_, kAutoSaveWaitTimer);
  if (a.startInterval) SetTimer(hwnd_, kAutoSaveIntervalTimer, static_cast<UINT>(s.autoSaveIntervalSec) * 1000u, nullptr);
  if (a.startWait) SetTimer(hwnd_, kAutoSaveWaitTimer, kAutoSaveWaitPeriodMs, nullptr);
  if (a.savePass) AutoSaveTextDocuments(context_.text);
}

void CMainFrame::OnTimer(UINT_PTR id) {
  const AutoSaveConfig config = AutoSaveConfigOf(context_.settings);
  if (id == kAutoSaveIntervalTimer) RunAutoSaveActions(autoSave_.OnIntervalTick(config));
  if (id == kAutoSaveWaitTimer) RunAutoSaveActions(autoSave_.OnWaitTick(config));
}

}  // namespace quelt::win
