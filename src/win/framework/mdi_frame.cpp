#include "framework/mdi_frame.h"

#include "framework/document.h"
#include "framework/mdi_child.h"
#include "framework/view.h"
#include "framework/win_app.h"
#include "framework/win_text.h"

namespace quelt::win {

namespace {
// The first id the MDI client gives the "window" list items.
constexpr UINT kFirstMdiChildId = 0xFF00;
}  // namespace

bool MdiFrame::RegisterClass(HINSTANCE instance, HICON icon) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &MdiFrame::WndProc;
  wc.hInstance = instance;
  wc.hIcon = icon;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  wc.lpszClassName = kClassName;
  return RegisterClassExW(&wc) != 0;
}

MdiFrame::~MdiFrame() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool MdiFrame::Create(const std::wstring& title, HMENU defaultMenu) {
  defaultMenu_ = currentMenu_ = defaultMenu;
  baseTitle_ = title;
  hwnd_ = CreateWindowExW(WS_EX_ACCEPTFILES, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, defaultMenu,
                          GetModuleHandleW(nullptr), this);
  return hwnd_ != nullptr;
}

void MdiFrame::SetBaseTitle(const std::wstring& title) {
  baseTitle_ = title;
  UpdateFrameTitle();
}

void MdiFrame::UpdateFrameTitle() {
  if (!hwnd_) return;
  std::wstring title = baseTitle_;
  if (MdiChild* child = WinApp::Instance()->ActiveChild()) {
    wchar_t text[512];
    GetWindowTextW(child->Hwnd(), text, 512);
    title += L" - ";
    title += text;
  }
  // DefFrameProc would append "[child]" for a maximised child; set it directly.
  DefWindowProcW(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title.c_str()));
}

HMENU MdiFrame::WindowMenuOf(HMENU menu) {
  // The popup that holds the window commands lists the open windows.
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    HMENU popup = GetSubMenu(menu, i);
    if (!popup) continue;
    for (int j = 0, n = GetMenuItemCount(popup); j < n; ++j) {
      const UINT id = GetMenuItemID(popup, j);
      if (id == kCascadeCommand || id == kTileHorizontalCommand) return popup;
    }
  }
  return nullptr;
}

void MdiFrame::SwitchMenu(HMENU menu) {
  if (!menu) menu = defaultMenu_;
  if (menu == currentMenu_ || !client_) return;
  currentMenu_ = menu;
  SendMessageW(client_, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu), reinterpret_cast<LPARAM>(WindowMenuOf(menu)));
  DrawMenuBar(hwnd_);
}

void MdiFrame::UpdateMenuItems(HMENU popup) {
  const int count = GetMenuItemCount(popup);
  for (int i = 0; i < count; ++i) {
    const UINT id = GetMenuItemID(popup, i);
    if (id == 0 || id == static_cast<UINT>(-1) || id >= kFirstMdiChildId) continue;
    CommandState state;
    if (!WinApp::Instance()->RouteUpdate(id, state)) state.enabled = false;
    // The item's text up to its tab, then the key assigned to it. Rewriting
    // an item resets its state, so the text comes first.
    std::wstring text;
    if (state.text) {
      text = *state.text;
    } else {
      wchar_t buffer[256] = L"";
      GetMenuStringW(popup, static_cast<UINT>(i), buffer, 256, MF_BYPOSITION);
      text = buffer;
    }
    const std::size_t tab = text.find(L'\t');
    const std::wstring key = WinApp::Instance()->MenuKeyText(id);
    if (state.text || !key.empty() || tab != std::wstring::npos) {
      if (tab != std::wstring::npos) text.resize(tab);
      if (!key.empty()) text += L'\t' + key;
      ModifyMenuW(popup, i, MF_BYPOSITION | MF_STRING, id, text.c_str());
    }
    EnableMenuItem(popup, i, MF_BYPOSITION | (state.enabled ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(popup, i, MF_BYPOSITION | (state.checked ? MF_CHECKED : MF_UNCHECKED));
  }
}

void MdiFrame::OnClose() {
  if (!WinApp::Instance()->CloseAllDocuments()) return;
  DestroyWindow(hwnd_);
}

void MdiFrame::OnSize() {
  RECT rc;
  GetClientRect(hwnd_, &rc);
  MoveWindow(client_, 0, 0, rc.right, rc.bottom, TRUE);
}

LRESULT CALLBACK MdiFrame::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<MdiFrame*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (msg == WM_NCCREATE) {
    self = static_cast<MdiFrame*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (!self) return DefFrameProcW(hwnd, nullptr, msg, wp, lp);
  return self->Handle(msg, wp, lp);
}

LRESULT MdiFrame::Default(UINT msg, WPARAM wp, LPARAM lp) { return DefFrameProcW(hwnd_, client_, msg, wp, lp); }

LRESULT MdiFrame::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE: {
      CLIENTCREATESTRUCT ccs{};
      ccs.hWindowMenu = WindowMenuOf(defaultMenu_);
      ccs.idFirstChild = kFirstMdiChildId;
      client_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0, 0,
                                hwnd_, nullptr, GetModuleHandleW(nullptr), &ccs);
      return client_ ? 0 : -1;
    }
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_COMMAND: {
      const UINT id = LOWORD(wp);
      if (id < kFirstMdiChildId && WinApp::Instance()->RouteCommand(id)) return 0;
      break;
    }
    case WM_INITMENUPOPUP:
      if (!HIWORD(lp)) UpdateMenuItems(reinterpret_cast<HMENU>(wp));
      break;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return Default(msg, wp, lp);
}

}  // namespace quelt::win
