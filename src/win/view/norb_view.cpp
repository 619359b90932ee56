#include "view/norb_view.h"

#include <algorithm>

#include "app/command_ids.h"
#include "app/settings.h"
#include "framework/window_class.h"
#include "text/text_store.h"
#include "view/norb_doc.h"

namespace quelt::win {
namespace {

constexpr wchar_t kClassName[] = L"QueltNorbView";

}  // namespace

CNorbView::CNorbView(const EditContext& context) : context_(context) {}

CNorbView::~CNorbView() {
  if (edit_) edit_->SetObserver(nullptr);
  ruler_.reset();
  lineBar_.reset();
  edit_.reset();
  binary_.reset();
  if (hwnd_) SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
}

CNorbDoc* CNorbView::Doc() const { return static_cast<CNorbDoc*>(GetDocument()); }

bool CNorbView::Create(HWND parent) {
  if (!RegisterWindowClass(kClassName, &CNorbView::WndProc, IDC_ARROW)) return false;
  hwnd_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, parent, nullptr,
                          GetModuleHandleW(nullptr), this);
  return hwnd_ != nullptr;
}

LRESULT CALLBACK CNorbView::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<CNorbView*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<CNorbView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (HWND child = self ? self->ChildHwnd() : nullptr) {
    switch (msg) {
      case WM_SIZE:
        self->LayOutChildren();
        return 0;
      case WM_SETFOCUS:
        SetFocus(child);
        return 0;
      default:
        break;
    }
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

void CNorbView::OnInitialUpdate() {
  CNorbDoc* doc = Doc();
  if (!doc || !hwnd_) return;
  RECT rc;
  GetClientRect(hwnd_, &rc);
  if (doc->Store().Kind() == DocumentKind::kBinary) {
    binary_ = std::make_unique<CNorbBV>(*doc, this);
    if (!binary_->Create(hwnd_)) {
      binary_.reset();
      return;
    }
    MoveWindow(binary_->Hwnd(), 0, 0, rc.right, rc.bottom, TRUE);
    if (GetFocus() == hwnd_) SetFocus(binary_->Hwnd());
    return;
  }
  if (doc->Views().size() == 1) doc->TakeCabinetLineWidth();
  edit_ = std::make_unique<CNorbEV>(*doc, this);
  if (!edit_->Create(hwnd_)) {
    edit_.reset();
    return;
  }
  AppSettings& settings = context_.settings;
  ruler_ = std::make_unique<CRulerBar>(settings);
  lineBar_ = std::make_unique<CLineBar>(settings);
  if (!ruler_->Create(hwnd_)) ruler_.reset();
  if (!lineBar_->Create(hwnd_)) lineBar_.reset();
  if (ruler_) ruler_->Follow(edit_.get());
  if (lineBar_) lineBar_->Follow(edit_.get());
  edit_->SetObserver(this);
  LayOutChildren();
  if (GetFocus() == hwnd_) SetFocus(edit_->Hwnd());
  // A document reopened from the cabinet goes back to its positions.
  CabinetPositions p;
  if (context_.cabinet.TakePendingPositions(doc, p)) edit_->RestorePositions(p.position1, p.position2, p.position3);
}

CabinetPositions CNorbView::CurrentCabinetPositions() const {
  CabinetPositions p;
  if (edit_) {
    p.position1 = edit_->TopLine();
    p.position2 = edit_->CaretLine();
    p.position3 = static_cast<std::uint32_t>(edit_->CaretColumn());
  }
  return p;
}

void CNorbView::LayOutChildren() {
  RECT rc;
  GetClientRect(hwnd_, &rc);
  if (binary_) {
    MoveWindow(binary_->Hwnd(), 0, 0, rc.right, rc.bottom, TRUE);
    return;
  }
  if (!edit_) return;
  const AppSettings& settings = context_.settings;
  const bool showRuler = ruler_ && settings.displayRulerBar != 0;
  const bool showLines = lineBar_ && settings.displayLineBar != 0;
  const int top = showRuler ? std::min<int>(ruler_->Height(), rc.bottom) : 0;
  const int left = showLines ? std::min<int>(lineBar_->Width(), rc.right) : 0;
  if (ruler_) {
    ShowWindow(ruler_->Hwnd(), showRuler ? SW_SHOWNA : SW_HIDE);
    if (showRuler) MoveWindow(ruler_->Hwnd(), 0, 0, rc.right, top, TRUE);
    ruler_->SetLineRulerWidth(left);
  }
  if (lineBar_) {
    ShowWindow(lineBar_->Hwnd(), showLines ? SW_SHOWNA : SW_HIDE);
    if (showLines) MoveWindow(lineBar_->Hwnd(), 0, top, left, rc.bottom - top, TRUE);
  }
  MoveWindow(edit_->Hwnd(), left, top, rc.right - left, rc.bottom - top, TRUE);
}

void CNorbView::EvChanged(bool textChanged) {
  if (ruler_ && IsWindowVisible(ruler_->Hwnd())) ruler_->Refresh(textChanged);
  if (lineBar_ && IsWindowVisible(lineBar_->Hwnd())) lineBar_->Refresh(textChanged);
}

void CNorbView::ApplyRulerSettings() {
  if (!edit_) return;
  if (ruler_) ruler_->SettingsChanged();
  if (lineBar_) lineBar_->SettingsChanged();
  LayOutChildren();
}

void ApplyRulerSettingsToAllViews(const DocumentList& documents) {
  for (Document* doc : documents.AllDocuments()) {
    for (View* v : doc->Views()) {
      if (auto* view = dynamic_cast<CNorbView*>(v)) view->ApplyRulerSettings();
    }
  }
}

HWND CNorbView::ChildHwnd() const {
  if (edit_) return edit_->Hwnd();
  return binary_ ? binary_->Hwnd() : nullptr;
}

void CNorbView::OnUpdate(View* sender, int hint) {
  if (sender == this) return;
  if (binary_) {
    binary_->OnTextChanged();
    return;
  }
  if (!edit_) return;
  switch (hint) {
    case kHintTextLoaded:
    case kHintBinaryLoaded:
    case kHintLayoutReplaced:
      edit_->RefreshLayout(true);
      break;
    case kHintMarksChanged:
      InvalidateRect(edit_->Hwnd(), nullptr, FALSE);
      break;
    default:
      edit_->OnTextChanged();
      break;
  }
}

void CNorbView::OnActivate(bool active) {
  if (HWND child = ChildHwnd(); active && child) SetFocus(child);
}

bool CNorbView::OnCommand(UINT id) {
  if (id == kCmdWriteProtect && Doc()) {
    if (edit_) edit_->RecordCommand(id);
    // "上書き禁止" toggles the document's write protection.
    Doc()->Store().SetWriteProtect(!Doc()->Store().WriteProtect());
    return true;
  }
  if ((id == kCmdColumnRuler || id == kCmdLineRuler) && edit_) {
    // The rulers of every text view show or hide; the setting is kept.
    AppSettings& s = context_.settings;
    int& shown = id == kCmdColumnRuler ? s.displayRulerBar : s.displayLineBar;
    shown = !shown;
    ApplyRulerSettingsToAllViews(context_.documents);
    return true;
  }
  if (id == kCmdAllowOverwrite && Doc()) {
    // "上書き許可": in browse mode only a permitted document may change.
    Doc()->Store().SetOverwritePermit(!Doc()->Store().OverwritePermit());
    return true;
  }
  if (binary_) return binary_->OnCommand(id);
  return edit_ && edit_->RunCommand(id);
}

bool CNorbView::OnUpdateCommand(UINT id, CommandState& state) {
  if (id == kCmdColumnRuler || id == kCmdLineRuler) {
    const AppSettings& s = context_.settings;
    state.enabled = edit_ != nullptr;
    state.checked = (id == kCmdColumnRuler ? s.displayRulerBar : s.displayLineBar) != 0;
    return true;
  }
  if (id == kCmdWriteProtect && Doc()) {
    state.checked = Doc()->Store().WriteProtect();
    return true;
  }
  if (id == kCmdAllowOverwrite && Doc()) {
    state.checked = Doc()->Store().OverwritePermit();
    state.enabled = context_.settings.viewMode != 0;
    return true;
  }
  if (binary_) return binary_->OnUpdateCommand(id, state);
  return edit_ && edit_->OnUpdateEditCommand(id, state);
}

bool CNorbView::JumpTo(int line, int column) {
  return edit_ && line >= 0 && edit_->JumpTo(static_cast<std::uint32_t>(line), column);
}

CNorbView* FirstTextView(const Document* doc) {
  if (!doc) return nullptr;
  for (View* v : doc->Views()) {
    if (auto* view = dynamic_cast<CNorbView*>(v)) return view;
  }
  return nullptr;
}

}  // namespace quelt::win
