#include "frame/main_frame.h"

#include <dde.h>
#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "app/quelt_app.h"
#include "frame/menu_builder.h"
#include "cabinet/cabinet_service.h"
#include "framework/mdi_child.h"
#include "framework/win_text.h"
#include "res/resource.h"
#include "settings/common_settings_sheet.h"

namespace quelt::win {

bool CMainFrame::OnCommand(UINT id) {
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
      ShowCommonSettings(hwnd_);
      return true;
    default:
      return false;
  }
}

namespace {

std::string WindowTitle(HWND hwnd) {
  const int n = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
  GetWindowTextW(hwnd, text.data(), n + 1);
  text.resize(static_cast<std::size_t>(n));
  return WideToSjis(text);
}

}  // namespace

void CMainFrame::OnWindowMark(UINT id) {
  CQueltApp* app = CQueltApp::Get();
  Host& host = app->GetHost();
  if (id == ID_WINDOW_MARK) {
    MdiChild* child = app->ActiveChild();
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

bool CMainFrame::OnUpdateCommand(UINT id, CommandState& state) {
  switch (id) {
    case ID_APP_EXIT:
    case kCmdCommonSettings:
    case kCmdCommonSettingsBar:
      return true;
    case ID_WINDOW_CASCADE:
    case ID_WINDOW_TILE_HORZ:
    case ID_WINDOW_TILE_VERT:
    case ID_WINDOW_ARRANGE:
    case ID_WINDOW_MARK:
      state.enabled = CQueltApp::Get()->ActiveChild() != nullptr;
      return true;
    case ID_WINDOW_MARK_NEXT:
    case ID_WINDOW_MARK_PREV:
    case ID_WINDOW_MARK_RESET:
      return true;
    default:
      return false;
  }
}

void CMainFrame::OnClose() {
  CQueltApp* app = CQueltApp::Get();
  // Resident mode: closing only hides the frame behind the icon.
  if (app->ResidentModeApplies() && EnterResidentMode()) return;
  app->OnMainFrameClosing();
  // The cabinet is written before the framework asks about modified documents.
  CabinetService::Get().SaveAtFrameClose();
  MdiFrame::OnClose();
}

bool CMainFrame::EnterResidentMode() {
  NOTIFYICONDATAW nid{};
  nid.cbSize = sizeof nid;
  nid.hWnd = hwnd_;
  nid.uID = ID_TRAY_ICON;
  nid.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  nid.uCallbackMessage = WM_TRAY_NOTIFY;
  nid.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
  wcsncpy(nid.szTip, L"Quelt", 63);
  if (!Shell_NotifyIconW(NIM_ADD, &nid)) return false;
  trayIconShown_ = true;
  ShowWindow(hwnd_, SW_HIDE);
  return true;
}

void CMainFrame::RemoveTrayIcon() {
  if (!trayIconShown_) return;
  NOTIFYICONDATAW nid{};
  nid.cbSize = sizeof nid;
  nid.hWnd = hwnd_;
  nid.uID = ID_TRAY_ICON;
  Shell_NotifyIconW(NIM_DELETE, &nid);
  trayIconShown_ = false;
}

void CMainFrame::OnTrayNotify(WPARAM id, LPARAM mouseMsg) {
  if (id != ID_TRAY_ICON || mouseMsg != WM_LBUTTONDOWN) return;
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  RemoveTrayIcon();
}

LRESULT CMainFrame::OnDdeInitiate(HWND client, LPARAM lp) {
  const ATOM appAtom = LOWORD(lp), topicAtom = HIWORD(lp);
  wchar_t app[256] = L"", topic[256] = L"";
  if (appAtom) GlobalGetAtomNameW(appAtom, app, 256);
  if (topicAtom) GlobalGetAtomNameW(topicAtom, topic, 256);
  const std::wstring service = CQueltApp::Get()->DdeServiceName();
  // A null atom is a wildcard.
  if ((appAtom && _wcsicmp(app, service.c_str()) != 0) || (topicAtom && _wcsicmp(topic, L"System") != 0))
    return 0;
  const ATOM replyApp = GlobalAddAtomW(service.c_str());
  const ATOM replyTopic = GlobalAddAtomW(L"System");
  SendMessageW(client, WM_DDE_ACK, reinterpret_cast<WPARAM>(hwnd_), MAKELPARAM(replyApp, replyTopic));
  return 0;
}

LRESULT CMainFrame::OnDdeExecute(HWND client, LPARAM lp) {
  UINT_PTR unused = 0, handle = 0;
  UnpackDDElParam(WM_DDE_EXECUTE, lp, &unused, &handle);
  HGLOBAL data = reinterpret_cast<HGLOBAL>(handle);
  std::wstring command;
  if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
    const SIZE_T size = GlobalSize(data);
    // A Unicode client sends UTF-16; an ANSI one the system code page.
    if (size >= 2 && bytes[0] != 0 && bytes[1] == 0) {
      const auto* w = reinterpret_cast<const wchar_t*>(bytes);
      command.assign(w, wcsnlen(w, size / sizeof(wchar_t)));
    } else {
      const std::string ansi(bytes, strnlen(bytes, size));
      const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
      command.resize(static_cast<std::size_t>(n));
      MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), command.data(), n);
    }
    GlobalUnlock(data);
  }
  const bool ok = CQueltApp::Get()->OnDDECommand(WideToSjis(command));
  const UINT ackFlags = ok ? 0x8000 : 0;  // fAck
  PostMessageW(client, WM_DDE_ACK, reinterpret_cast<WPARAM>(hwnd_),
               ReuseDDElParam(lp, WM_DDE_EXECUTE, WM_DDE_ACK, ackFlags, handle));
  return 0;
}

void CMainFrame::OnDropFiles(HDROP drop) {
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  std::vector<std::string> paths;
  for (UINT i = 0; i < count; ++i) {
    const UINT len = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(len + 1, L'\0');
    DragQueryFileW(drop, i, path.data(), len + 1);
    path.resize(len);
    paths.push_back(WideToSjis(path));
  }
  DragFinish(drop);
  SetForegroundWindow(hwnd_);
  CQueltApp::Get()->OpenDroppedFiles(paths);
}

void CMainFrame::OnSize() {
  const AppSettings& settings = CQueltApp::Get()->Settings();
  if (!statusBar_.Hwnd()) {
    statusBar_.Create(hwnd_);
    statusBar_.Show(settings.displayStatusBar != 0);
  }
  if (!windowBar_.Hwnd() && settings.displayTabBar) {
    windowBar_.Create(hwnd_, settings.buttonStyleTabBar != 0, settings.tabBarHeightAdjust);
  }
  statusBar_.Resize();
  RECT rc;
  GetClientRect(hwnd_, &rc);
  const int status = statusBar_.Height(), bar = windowBar_.Height();
  // The window bar lies at the top ("TabBarPosition" 1) or above the status
  // bar; the MDI client takes the rest.
  const bool top = settings.tabBarPosition != 0;
  const int clientTop = top ? bar : 0;
  const int clientHeight = std::max(0L, rc.bottom - status - bar);
  if (windowBar_.Hwnd()) MoveWindow(windowBar_.Hwnd(), 0, top ? 0 : clientHeight, rc.right, bar, TRUE);
  MoveWindow(client_, 0, clientTop, rc.right, clientHeight, TRUE);
}

LRESULT CMainFrame::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_DDE_INITIATE:
      return OnDdeInitiate(reinterpret_cast<HWND>(wp), lp);
    case WM_DDE_EXECUTE:
      return OnDdeExecute(reinterpret_cast<HWND>(wp), lp);
    case WM_DDE_TERMINATE:
      PostMessageW(reinterpret_cast<HWND>(wp), WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(hwnd_), 0);
      return 0;
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wp));
      return 0;
    case WM_NOTIFY:
      windowBar_.OnNotify(*reinterpret_cast<const NMHDR*>(lp));
      break;
    case WM_MENUSELECT: {
      // The status bar shows the prompt of the highlighted item.
      const UINT flags = HIWORD(wp);
      if (flags == 0xFFFF && lp == 0) {
        statusBar_.SetText(StatusPane::kPrompt, L"");
      } else if (!(flags & MF_POPUP) && !(flags & MF_SEPARATOR)) {
        statusBar_.SetText(StatusPane::kPrompt, CommandPrompt(LOWORD(wp)));
      }
      break;
    }
    case WM_TRAY_NOTIFY:
      OnTrayNotify(wp, lp);
      return 0;
    case WM_DESTROY:
      RemoveTrayIcon();
      break;
    default:
      break;
  }
  return MdiFrame::Handle(msg, wp, lp);
}

}  // namespace quelt::win
