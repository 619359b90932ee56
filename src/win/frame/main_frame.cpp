#include "frame/main_frame.h"

#include <dde.h>
#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "framework/menu_builder.h"
#include "cabinet/cabinet_service.h"
#include "framework/mdi_child.h"
#include "framework/win_app.h"
#include "framework/win_text.h"
#include "view/norb_ev.h"
#include "view/norb_view.h"
#include "res/resource.h"

namespace quelt::win {

CMainFrame::CMainFrame(const FrameContext& context)
    : context_(context),
      windowBar_(context.documents),
      toolBar_(context.route),
      tagBar1_(context.route),
      tagBar2_(context.route) {}

void CMainFrame::OnClose() {
  // Resident mode: closing only hides the frame behind the icon.
  if (context_.events.ResidentModeApplies() && EnterResidentMode()) return;
  StoreBarLayout();
  context_.events.OnMainFrameClosing();
  // The cabinet is written before the framework asks about modified documents.
  context_.cabinet.SaveAtFrameClose();
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
  // Whoever brings the window back types the password again.
  context_.cipher.ForgetPassword();
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
  if (!context_.cipher.AskPassword(nullptr, true)) return;
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  RemoveTrayIcon();
}

LRESULT CMainFrame::OnDdeInitiate(HWND client, LPARAM lp) {
  const ATOM appAtom = LOWORD(lp), topicAtom = HIWORD(lp);
  wchar_t app[256] = L"", topic[256] = L"";
  if (appAtom) GlobalGetAtomNameW(appAtom, app, 256);
  if (topicAtom) GlobalGetAtomNameW(topicAtom, topic, 256);
  const std::wstring service = context_.events.DdeServiceName();
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
  const bool ok = context_.events.OnDDECommand(WideToSjis(command));
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
  context_.opener.OpenDroppedFiles(paths);
}

void CMainFrame::OnSize() {
  if (!barsCreated_) CreateBars();
  LayoutBars();
}

LRESULT CMainFrame::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  // Older mouse drivers send the wheel as this registered message, with the
  // wheel amount in wParam; the active text view scrolls as for the wheel.
  static const UINT wheelMessage = RegisterWindowMessageW(L"MSWHEEL_ROLLMSG");
  if (msg == wheelMessage && wheelMessage != 0) {
    MdiChild* child = context_.documents.ActiveChild();
    auto* view = child ? dynamic_cast<CNorbView*>(child->GetView()) : nullptr;
    if (view && view->EditWindow()) {
      SendMessageW(view->EditWindow()->Hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(wp))),
                   lp);
    }
    return 0;
  }
  // A find or replace dialog's button: the active text window searches.
  if (msg == FindService::Message()) {
    MdiChild* child = context_.documents.ActiveChild();
    auto* view = child ? dynamic_cast<CNorbView*>(child->GetView()) : nullptr;
    if (view && view->EditWindow() && lp) {
      view->EditWindow()->OnFindReplaceMessage(*reinterpret_cast<const FindRequest*>(lp));
    } else if (lp && !reinterpret_cast<const FindRequest*>(lp)->closing) {
      context_.host.Beep();
    }
    return 0;
  }
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
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (OnBarNotify(*reinterpret_cast<const NMHDR*>(lp), result)) return result;
      break;
    }
    case kExtMenuBarPopupMessage:
      context_.extendedMenus.ShowPopup(static_cast<int>(wp),
                                                  {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
      return 0;
    case kWindowBarPopupMessage:
      ShowWindowBarMenu({static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
      return 0;
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
    case WM_TIMER:
      OnTimer(wp);
      return 0;
    case WM_QUERYENDSESSION:
      // The close path of the documents asks no questions it cannot get
      // answered while the session ends.
      // Then the answer is the documents': each may save or refuse.
      shuttingDown_ = true;
      if (!context_.documents.SaveAllModified()) {
        shuttingDown_ = false;
        return FALSE;
      }
      return TRUE;
    case WM_ENDSESSION:
      if (!wp) shuttingDown_ = false;
      break;
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
