#include "frame/window_bar.h"

#include <commctrl.h>

#include "framework/document.h"
#include "framework/mdi_child.h"
#include "framework/view.h"
#include "framework/win_app.h"
#include "framework/win_text.h"
#include "view/norb_doc.h"

namespace quelt::win {
namespace {

// The bar's font: 9 points.
constexpr int kWindowBarPoints = 9;

}  // namespace

bool CWindowBar::Create(HWND frame, bool buttons, int heightAdjust) {
  heightAdjust_ = buttons ? heightAdjust : 0;
  hwnd_ = CreateWindowExW(0, WC_TABCONTROLW, L"",
                          WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_FOCUSNEVER | (buttons ? TCS_BUTTONS : 0), 0, 0,
                          0, 0, frame, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kWindowBarId)),
                          GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  HDC dc = GetDC(hwnd_);
  const int height = -MulDiv(kWindowBarPoints, GetDeviceCaps(dc, LOGPIXELSY), 72);
  ReleaseDC(hwnd_, dc);
  font_ = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS UI Gothic");
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return true;
}

int CWindowBar::Height() const {
  if (!hwnd_ || !(GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE)) return 0;
  RECT rc{0, 0, 400, 0};
  SendMessageW(hwnd_, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&rc));
  // The strip of tabs without a page below it.
  RECT item{};
  if (TabCtrl_GetItemRect(hwnd_, 0, &item)) return item.bottom - item.top + 4 + heightAdjust_;
  return -rc.top + 2 + heightAdjust_;
}

void CWindowBar::Refresh(const WindowBarOptions& options) {
  if (!hwnd_) return;
  WinApp* app = WinApp::Instance();
  std::vector<Document*> docs;
  std::vector<std::wstring> texts;
  int selected = -1;
  Document* active = app->ActiveDocument();
  for (Document* doc : app->AllDocuments()) {
    if (!dynamic_cast<CNorbDoc*>(doc) || static_cast<int>(docs.size()) >= kMaxWindowBarTabs) continue;
    const WindowBarTab tab =
        WindowBarTabFor(doc->Title(), static_cast<int>(docs.size()), doc->IsModified(), false, options);
    if (doc == active) selected = static_cast<int>(docs.size());
    docs.push_back(doc);
    texts.push_back(SjisToWide(tab.text));
  }
  if (docs == documents_ && texts == texts_ && selected == selected_) return;
  if (docs != documents_ || texts != texts_) {
    TabCtrl_DeleteAllItems(hwnd_);
    for (std::size_t i = 0; i < texts.size(); ++i) {
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = const_cast<wchar_t*>(texts[i].c_str());
      SendMessageW(hwnd_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
  }
  TabCtrl_SetCurSel(hwnd_, selected);
  documents_ = std::move(docs);
  texts_ = std::move(texts);
  selected_ = selected;
}

void CWindowBar::OnNotify(const NMHDR& header) {
  if (header.hwndFrom != hwnd_ || header.code != TCN_SELCHANGE) return;
  const int index = TabCtrl_GetCurSel(hwnd_);
  if (index < 0 || static_cast<std::size_t>(index) >= documents_.size()) return;
  Document* doc = documents_[static_cast<std::size_t>(index)];
  // The list may be stale when a window closed since the last refresh.
  for (Document* open : WinApp::Instance()->AllDocuments()) {
    if (open != doc || doc->Views().empty()) continue;
    if (MdiChild* child = MdiChild::FromView(doc->Views().front())) {
      if (IsIconic(child->Hwnd())) ShowWindow(child->Hwnd(), SW_RESTORE);
      child->Activate();
    }
    return;
  }
}

}  // namespace quelt::win
