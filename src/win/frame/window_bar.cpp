#include "frame/window_bar.h"

#include <commctrl.h>

#include "app/toolbar_data.h"
#include "framework/document.h"
#include "framework/mdi_child.h"
#include "framework/view.h"
#include "framework/document_list.h"
#include "framework/win_text.h"
#include "view/norb_doc.h"

namespace quelt::win {
namespace {

// The bar's font: 9 points.
constexpr int kWindowBarPoints = 9;

}  // namespace

HFONT CreateTabBarFont(HWND bar) {
  HDC dc = GetDC(bar);
  const int height = -MulDiv(kWindowBarPoints, GetDeviceCaps(dc, LOGPIXELSY), 72);
  ReleaseDC(bar, dc);
  return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS UI Gothic");
}

CWindowBar::~CWindowBar() {
  if (images_) ImageList_Destroy(images_);
  if (font_) DeleteObject(font_);
}

bool CWindowBar::Create(HWND frame, bool buttons, int heightAdjust) {
  heightAdjust_ = buttons ? heightAdjust : 0;
  hwnd_ = CreateWindowExW(0, WC_TABCONTROLW, L"",
                          WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_FOCUSNEVER | (buttons ? TCS_BUTTONS : 0), 0, 0,
                          0, 0, frame, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kWindowBarId)),
                          GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  font_ = CreateTabBarFont(hwnd_);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  // Images 0-2 for unchanged protected documents (the user picks one set),
  // 3 for a modified one, 4 for a modified protected one.
  images_ = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, kWindowBarImageCount, 0);
  for (int i = 0; images_ && i < kWindowBarImageCount; ++i) {
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                     MAKEINTRESOURCEW(kWindowBarFirstBitmap + i), IMAGE_BITMAP, 0, 0,
                                                     LR_CREATEDIBSECTION));
    if (!bitmap) {
      // Without its pictures the bar shows texts only.
      ImageList_Destroy(images_);
      images_ = nullptr;
      break;
    }
    ImageList_AddMasked(images_, bitmap, RGB(255, 0, 255));
    DeleteObject(bitmap);
  }
  if (images_) TabCtrl_SetImageList(hwnd_, images_);
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
  std::vector<Document*> docs;
  std::vector<std::wstring> texts;
  std::vector<int> imageOf;
  int selected = -1;
  Document* active = open_.ActiveDocument();
  for (Document* doc : open_.AllDocuments()) {
    if (!dynamic_cast<CNorbDoc*>(doc) || static_cast<int>(docs.size()) >= kMaxWindowBarTabs) continue;
    // The second state: the document is protected against overwriting.
    const bool protectedDoc = static_cast<CNorbDoc*>(doc)->Store().WriteProtect();
    const WindowBarTab tab =
        WindowBarTabFor(doc->Title(), static_cast<int>(docs.size()), doc->IsModified(), protectedDoc, options);
    imageOf.push_back(images_ ? tab.image : kTabNoImage);
    if (doc == active) selected = static_cast<int>(docs.size());
    docs.push_back(doc);
    texts.push_back(SjisToWide(tab.text));
  }
  if (docs == documents_ && texts == texts_ && imageOf == imageOf_ && selected == selected_) return;
  if (docs != documents_ || texts != texts_) {
    TabCtrl_DeleteAllItems(hwnd_);
    for (std::size_t i = 0; i < texts.size(); ++i) {
      TCITEMW item{};
      item.mask = TCIF_TEXT | TCIF_IMAGE;
      item.pszText = const_cast<wchar_t*>(texts[i].c_str());
      item.iImage = imageOf[i];
      SendMessageW(hwnd_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
  } else if (imageOf != imageOf_) {
    // A change of state changes only the image.
    for (std::size_t i = 0; i < imageOf.size(); ++i) {
      if (imageOf[i] == imageOf_[i]) continue;
      TCITEMW item{};
      item.mask = TCIF_IMAGE;
      item.iImage = imageOf[i];
      SendMessageW(hwnd_, TCM_SETITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
  }
  TabCtrl_SetCurSel(hwnd_, selected);
  documents_ = std::move(docs);
  texts_ = std::move(texts);
  imageOf_ = std::move(imageOf);
  selected_ = selected;
}

void CWindowBar::OnNotify(const NMHDR& header) {
  if (header.hwndFrom != hwnd_) return;
  if (header.code == TCN_SELCHANGE) ActivateTab(TabCtrl_GetCurSel(hwnd_));
  if (header.code == NM_RCLICK) OnRightClick();
}

void CWindowBar::OnRightClick() {
  POINT screen{};
  GetCursorPos(&screen);
  TCHITTESTINFO hit{};
  hit.pt = screen;
  ScreenToClient(hwnd_, &hit.pt);
  const int index = TabCtrl_HitTest(hwnd_, &hit);
  if (index < 0) return;
  TabCtrl_SetCurSel(hwnd_, index);
  selected_ = index;
  ActivateTab(index);
  PostMessageW(GetParent(hwnd_), kWindowBarPopupMessage, 0, MAKELPARAM(screen.x, screen.y));
}

void CWindowBar::ActivateTab(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= documents_.size()) return;
  Document* doc = documents_[static_cast<std::size_t>(index)];
  // The list may be stale when a window closed since the last refresh.
  for (Document* open : open_.AllDocuments()) {
    if (open != doc || doc->Views().empty()) continue;
    if (MdiChild* child = MdiChild::FromView(doc->Views().front())) {
      if (IsIconic(child->Hwnd())) ShowWindow(child->Hwnd(), SW_RESTORE);
      child->Activate();
    }
    return;
  }
}

}  // namespace quelt::win
