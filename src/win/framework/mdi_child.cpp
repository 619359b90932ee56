#include "framework/mdi_child.h"

#include "framework/doc_template.h"
#include "framework/document.h"
#include "framework/view.h"
#include "framework/win_app.h"
#include "framework/win_text.h"

namespace quelt::win {

bool MdiChild::RegisterClass(HINSTANCE instance, HICON icon) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &MdiChild::WndProc;
  wc.hInstance = instance;
  wc.hIcon = icon;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kClassName;
  return RegisterClassExW(&wc) != 0;
}

MdiChild::MdiChild(std::unique_ptr<View> view, DocTemplate* docTemplate)
    : view_(std::move(view)), template_(docTemplate) {}

MdiChild* MdiChild::Create(HWND mdiClient, std::unique_ptr<View> view, DocTemplate* docTemplate) {
  auto* child = new MdiChild(std::move(view), docTemplate);
  // A new window opens maximised when the active one is maximised.
  BOOL maximized = FALSE;
  SendMessageW(mdiClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
  const DWORD style = WS_CHILD | WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | (maximized ? WS_MAXIMIZE : 0);
  HWND hwnd = CreateMDIWindowW(kClassName, L"", style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, mdiClient, GetModuleHandleW(nullptr),
                               reinterpret_cast<LPARAM>(child));
  if (!hwnd) {
    delete child;  // WM_NCDESTROY never came
    return nullptr;
  }
  return child;
}

MdiChild* MdiChild::FromHwnd(HWND hwnd) {
  if (!hwnd) return nullptr;
  wchar_t name[32];
  if (!GetClassNameW(hwnd, name, 32) || wcscmp(name, kClassName) != 0) return nullptr;
  return reinterpret_cast<MdiChild*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

MdiChild* MdiChild::FromView(const View* view) {
  return view && view->Hwnd() ? FromHwnd(GetParent(view->Hwnd())) : nullptr;
}

void MdiChild::UpdateTitle() {
  Document* doc = view_ ? view_->GetDocument() : nullptr;
  if (!doc) return;
  std::wstring title = SjisToWide(doc->Title());
  const auto& views = doc->Views();
  if (views.size() > 1) {
    for (std::size_t i = 0; i < views.size(); ++i) {
      if (views[i] == view_.get()) title += L":" + std::to_wstring(i + 1);
    }
  }
  if (!titlePrefix_.empty() && title.compare(0, titlePrefix_.size(), titlePrefix_) != 0) title = titlePrefix_ + title;
  SetWindowTextW(hwnd_, title.c_str());
  WinApp::Instance()->OnFrameTitleChanged();
}

void MdiChild::Activate() {
  HWND client = GetParent(hwnd_);
  SendMessageW(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hwnd_), 0);
  ShowWindow(hwnd_, SW_SHOW);
}

void MdiChild::Destroy() { SendMessageW(GetParent(hwnd_), WM_MDIDESTROY, reinterpret_cast<WPARAM>(hwnd_), 0); }

bool MdiChild::RouteCommand(UINT id) {
  if (!view_) return false;
  if (view_->OnCommand(id)) return true;
  Document* doc = view_->GetDocument();
  return doc && doc->OnCommand(id);
}

bool MdiChild::RouteUpdate(UINT id, CommandState& state) {
  if (!view_) return false;
  if (view_->OnUpdateCommand(id, state)) return true;
  Document* doc = view_->GetDocument();
  return doc && doc->OnUpdateCommand(id, state);
}

void MdiChild::OnClose() {
  Document* doc = view_ ? view_->GetDocument() : nullptr;
  // Closing the last window of a document closes the document: ask first.
  if (doc && doc->Views().size() == 1 && !doc->SaveModified()) return;
  Destroy();
}

void MdiChild::OnNcDestroy() {
  Document* doc = view_ ? view_->GetDocument() : nullptr;
  view_.reset();
  if (doc && doc->Views().empty() && doc->Template()) doc->Template()->RemoveDocument(doc);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  WinApp::Instance()->OnFrameTitleChanged();
  delete this;
}

LRESULT CALLBACK MdiChild::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  MdiChild* self = reinterpret_cast<MdiChild*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    auto* mcs = reinterpret_cast<MDICREATESTRUCTW*>(cs->lpCreateParams);
    self = reinterpret_cast<MdiChild*>(mcs->lParam);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (!self) return DefMDIChildProcW(hwnd, msg, wp, lp);
  return self->Handle(msg, wp, lp);
}

LRESULT MdiChild::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      if (!view_ || !view_->Create(hwnd_)) return -1;
      break;
    case WM_SIZE:
      if (view_ && view_->Hwnd()) {
        RECT rc;
        GetClientRect(hwnd_, &rc);
        MoveWindow(view_->Hwnd(), 0, 0, rc.right, rc.bottom, TRUE);
      }
      break;  // DefMDIChildProc must see WM_SIZE too
    case WM_SETFOCUS:
      if (view_ && view_->Hwnd()) SetFocus(view_->Hwnd());
      return 0;
    case WM_MDIACTIVATE: {
      const bool active = reinterpret_cast<HWND>(lp) == hwnd_;
      if (view_) view_->OnActivate(active);
      if (active) WinApp::Instance()->OnChildActivated(this);
      break;
    }
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_NCDESTROY: {
      const LRESULT r = DefMDIChildProcW(hwnd_, msg, wp, lp);
      OnNcDestroy();
      return r;
    }
    default:
      break;
  }
  return DefMDIChildProcW(hwnd_, msg, wp, lp);
}

}  // namespace quelt::win
