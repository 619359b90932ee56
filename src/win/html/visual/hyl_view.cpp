#include "html/visual/hyl_view.h"
#include "html/visual/visual_context.h"

#include "framework/window_class.h"
#include "html/visual/hyl_doc.h"
#include "html/visual/hyl_rulers.h"

namespace quelt::win {

CHylView::CHylView(const VisualContext& context) : context_(context) {}

CHylView::~CHylView() {
  lineBar_.reset();
  ruler_.reset();
  edit_.reset();
  if (hwnd_) SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
}

CHylDoc* CHylView::Doc() const { return static_cast<CHylDoc*>(GetDocument()); }

bool CHylView::Create(HWND parent) {
  if (!RegisterWindowClass(kClassName, &CHylView::WndProc, IDC_ARROW)) return false;
  hwnd_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, parent, nullptr,
                          GetModuleHandleW(nullptr), this);
  return hwnd_ != nullptr;
}

LRESULT CALLBACK CHylView::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<CHylView*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<CHylView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self && self->edit_) {
    switch (msg) {
      case WM_SIZE:
        self->LayOutChildren();
        return 0;
      case WM_SETFOCUS:
        SetFocus(self->edit_->Hwnd());
        return 0;
      default:
        break;
    }
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

void CHylView::OnInitialUpdate() {
  CHylDoc* doc = Doc();
  if (!doc || !hwnd_) return;
  edit_ = std::make_unique<CHylEV>(*doc, this, context_);
  if (!edit_->Create(hwnd_)) {
    edit_.reset();
    return;
  }
  ruler_ = std::make_unique<CHylRulerBar>(*edit_);
  lineBar_ = std::make_unique<CHylLineBar>(*edit_);
  if (!ruler_->Create(hwnd_)) ruler_.reset();
  if (!lineBar_->Create(hwnd_)) lineBar_.reset();
  edit_->SetObserver(this);
  LayOutChildren();
  if (GetFocus() == hwnd_) SetFocus(edit_->Hwnd());
}

void CHylView::LayOutChildren() {
  RECT rc;
  GetClientRect(hwnd_, &rc);
  if (!edit_) return;
  const HtmlModeSettings& s = context_.settings.htmlMode;
  const bool showRuler = ruler_ && s.hylDisplayRulerBar != 0;
  const bool showLines = lineBar_ && s.hylDisplayLineBar != 0;
  const int top = showRuler ? std::min<int>(ruler_->Height(), rc.bottom) : 0;
  const int left = showLines ? std::min<int>(lineBar_->Width(), rc.right) : 0;
  if (ruler_) {
    ShowWindow(ruler_->Hwnd(), showRuler ? SW_SHOWNA : SW_HIDE);
    if (showRuler) MoveWindow(ruler_->Hwnd(), 0, 0, rc.right, top, TRUE);
    ruler_->SetLeftOffset(left);
  }
  if (lineBar_) {
    ShowWindow(lineBar_->Hwnd(), showLines ? SW_SHOWNA : SW_HIDE);
    if (showLines) MoveWindow(lineBar_->Hwnd(), 0, top, left, rc.bottom - top, TRUE);
  }
  MoveWindow(edit_->Hwnd(), left, top, rc.right - left, rc.bottom - top, TRUE);
}

void CHylView::HylChanged() {
  if (ruler_ && IsWindowVisible(ruler_->Hwnd())) InvalidateRect(ruler_->Hwnd(), nullptr, FALSE);
  if (lineBar_ && IsWindowVisible(lineBar_->Hwnd())) InvalidateRect(lineBar_->Hwnd(), nullptr, FALSE);
}

void CHylView::OnUpdate(View* sender, int hint) {
  if (!edit_ || sender == this) return;
  if (hint == kHintVisualLoaded || hint == kHintVisualChanged) edit_->OnDocumentChanged(hint == kHintVisualLoaded);
}

void CHylView::OnActivate(bool active) {
  if (active && edit_) {
    SetFocus(edit_->Hwnd());
    edit_->OnActivated();
  }
}

bool CHylView::OnCommand(UINT id) { return edit_ && edit_->OnCommand(id); }

bool CHylView::OnUpdateCommand(UINT id, CommandState& state) { return edit_ && edit_->OnUpdateCommand(id, state); }

}  // namespace quelt::win
