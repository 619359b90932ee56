#include "frame/tool_bar.h"

#include <commctrl.h>

#include "app/toolbar_data.h"
#include "framework/command.h"

namespace quelt::win {
namespace {

// Width of the search-text box, and the height of its drop-down list.
constexpr int kFindBoxWidth = 160;
constexpr int kFindBoxDropHeight = 200;
constexpr int kFindBoxPoints = 11;
constexpr int kFindBoxEnglishPoints = 9;
constexpr UINT_PTR kFindEditSubclass = 1;

// The faces "FindBoxFontNo" chooses from.
constexpr const wchar_t* kFindBoxFaces[] = {L"ＭＳ ゴシック", L"ＭＳ Ｐゴシック", L"ＭＳ 明朝", L"MS UI Gothic"};

// Enter in the box searches for its text; Escape goes back to the text.
LRESULT CALLBACK FindEditProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR frame) {
  if (msg == WM_KEYDOWN && (wp == VK_RETURN || wp == VK_ESCAPE)) {
    HWND frameHwnd = reinterpret_cast<HWND>(frame);
    if (wp == VK_RETURN) {
      PostMessageW(frameHwnd, WM_COMMAND, MAKEWPARAM(kCmdFindNext, 0), 0);
    } else if (HWND client = FindWindowExW(frameHwnd, nullptr, L"MDICLIENT", nullptr)) {
      if (HWND child = reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0))) SetFocus(child);
    }
    return 0;
  }
  if (msg == WM_CHAR && (wp == L'\r' || wp == 0x1B)) return 0;  // no ding
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

CToolBar::~CToolBar() {
  if (images_) ImageList_Destroy(images_);
  if (findFont_) DeleteObject(findFont_);
}

bool CToolBar::Create(HWND frame, UINT id, int bitmapId, std::span<const CommandId> images,
                      std::span<const CommandId> layout) {
  // The bar wraps its buttons itself (Arrange), so it is not wrapable.
  const DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER |
                      CCS_NORESIZE | CCS_NOPARENTALIGN;
  hwnd_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", style, 0, 0, 0, 0, frame,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  SendMessageW(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(hwnd_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
  // The images: one strip of 16x15 pictures on a magenta ground.
  if (HBITMAP strip = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bitmapId),
                                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))) {
    images_ = ImageList_Create(kButtonImageWidth, kButtonImageHeight, ILC_COLOR24 | ILC_MASK,
                               static_cast<int>(images.size()), 0);
    if (images_) ImageList_AddMasked(images_, strip, RGB(255, 0, 255));
    DeleteObject(strip);
  }
  if (images_) SendMessageW(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
  SendMessageW(hwnd_, TB_SETBITMAPSIZE, 0, MAKELPARAM(kButtonImageWidth, kButtonImageHeight));

  imageCommands_.assign(images.begin(), images.end());
  AddButtons(layout);
  InstallGrip();
  return true;
}

void CToolBar::AddButtons(std::span<const CommandId> layout) {
  std::vector<TBBUTTON> buttons;
  int findBoxIndex = -1;
  for (CommandId command : layout) {
    TBBUTTON b{};
    if (command == kToolBarSeparator) {
      b.fsStyle = BTNS_SEP;
      b.iBitmap = 6;
    } else if (command == kFindBoxId) {
      // A wide separator the box covers.
      if (findBoxIndex >= 0) continue;
      findBoxIndex = static_cast<int>(buttons.size());
      b.fsStyle = BTNS_SEP;
      b.iBitmap = kFindBoxWidth;
      b.idCommand = kFindBoxId;
    } else {
      int image = I_IMAGENONE;
      for (std::size_t i = 0; i < imageCommands_.size(); ++i) {
        if (imageCommands_[i] == command) image = static_cast<int>(i);
      }
      b.iBitmap = images_ ? image : I_IMAGENONE;
      b.idCommand = command;
      b.fsStyle = BTNS_BUTTON;
      b.fsState = TBSTATE_ENABLED;
      commands_.push_back(command);
    }
    buttons.push_back(b);
  }
  SendMessageW(hwnd_, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
  SendMessageW(hwnd_, TB_AUTOSIZE, 0, 0);
  if (findBoxIndex >= 0 && !findBox_) {
    AddFindBox(findBoxIndex);
  } else if (findBox_) {
    // The box stays with its text and list: it moves, or hides without a place.
    findBoxIndex_ = findBoxIndex;
    ShowWindow(findBox_, findBoxIndex >= 0 && !vertical_ ? SW_SHOWNA : SW_HIDE);
    if (findBoxIndex >= 0) PlaceFindBox();
  }
}

void CToolBar::SetLayout(std::span<const CommandId> layout) {
  if (!hwnd_) return;
  while (SendMessageW(hwnd_, TB_BUTTONCOUNT, 0, 0) > 0) SendMessageW(hwnd_, TB_DELETEBUTTON, 0, 0);
  commands_.clear();
  AddButtons(layout);
}

void CToolBar::AddFindBox(int index) {
  findBoxIndex_ = index;
  findBox_ = CreateWindowExW(0, WC_COMBOBOXW, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN |
                                                       CBS_AUTOHSCROLL,
                             0, 0, kFindBoxWidth - 4, kFindBoxDropHeight, hwnd_,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kFindBoxId)), GetModuleHandleW(nullptr),
                             nullptr);
  if (!findBox_) return;
  if (HWND edit = GetWindow(findBox_, GW_CHILD)) {
    SetWindowSubclass(edit, FindEditProc, kFindEditSubclass, reinterpret_cast<DWORD_PTR>(GetParent(hwnd_)));
  }
  PlaceFindBox();
}

void CToolBar::PlaceFindBox() {
  if (!findBox_ || findBoxIndex_ < 0) return;
  // Over its separator, centred in the separator's row.
  RECT place{}, box{};
  SendMessageW(hwnd_, TB_GETITEMRECT, static_cast<WPARAM>(findBoxIndex_), reinterpret_cast<LPARAM>(&place));
  GetWindowRect(findBox_, &box);
  const int top = place.top + std::max(0, static_cast<int>((place.bottom - place.top) - (box.bottom - box.top)) / 2);
  SetWindowPos(findBox_, nullptr, place.left + 2, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

BYTE ButtonState(HWND bar, int index) {
  TBBUTTONINFOW info{sizeof info, TBIF_BYINDEX | TBIF_STATE};
  SendMessageW(bar, TB_GETBUTTONINFOW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
  return info.fsState;
}

void SetButtonState(HWND bar, int index, BYTE state) {
  TBBUTTONINFOW info{sizeof info, TBIF_BYINDEX | TBIF_STATE};
  info.fsState = state;
  SendMessageW(bar, TB_SETBUTTONINFOW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
}

}  // namespace

void CToolBar::SetWraps(bool vertical, int length) {
  const int count = static_cast<int>(SendMessageW(hwnd_, TB_BUTTONCOUNT, 0, 0));
  // The search-text box has no room in one column: it and its place go.
  if (findBoxIndex_ >= 0) {
    const BYTE state = ButtonState(hwnd_, findBoxIndex_);
    SetButtonState(hwnd_, findBoxIndex_, vertical ? (state | TBSTATE_HIDDEN) : (state & ~TBSTATE_HIDDEN));
    if (findBox_) ShowWindow(findBox_, vertical ? SW_HIDE : SW_SHOWNA);
  }
  // Vertical: a break after every button. Horizontal: one row first, then
  // a break before each button that would pass the length.
  for (int i = 0; i < count; ++i) {
    const BYTE state = ButtonState(hwnd_, i);
    const BYTE want = vertical ? (state | TBSTATE_WRAP) : (state & ~TBSTATE_WRAP);
    if (want != state) SetButtonState(hwnd_, i, want);
  }
  SendMessageW(hwnd_, TB_AUTOSIZE, 0, 0);
  if (vertical || length <= 0) return;
  const int room = length - kGripSize - 2;
  int x = 0, last = -1;
  bool wrapped = false;
  for (int i = 0; i < count; ++i) {
    RECT rc{};
    if (!SendMessageW(hwnd_, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rc))) continue;
    const int width = rc.right - rc.left;
    if (width <= 0) continue;
    if (last >= 0 && x + width > room) {
      SetButtonState(hwnd_, last, ButtonState(hwnd_, last) | TBSTATE_WRAP);
      wrapped = true;
      x = 0;
    }
    x += width;
    last = i;
  }
  if (wrapped) SendMessageW(hwnd_, TB_AUTOSIZE, 0, 0);
}

SIZE CToolBar::Arrange(bool vertical, int length) {
  if (!hwnd_) return {};
  if (vertical != vertical_) {
    vertical_ = vertical;
    const LONG style = GetWindowLongW(hwnd_, GWL_STYLE);
    SetWindowLongW(hwnd_, GWL_STYLE, vertical ? (style | CCS_VERT) : (style & ~CCS_VERT));
    // The gripper moves from the left to the top or back.
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  SetWraps(vertical, length);
  return Size();
}

void CToolBar::MoveTo(const RECT& rc) {
  MoveWindow(hwnd_, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
  PlaceFindBox();
}

void CToolBar::SetFindBoxFont(int fontNo, bool english) {
  if (!findBox_) return;
  HDC dc = GetDC(findBox_);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(findBox_, dc);
  const bool known = fontNo >= 0 && fontNo < static_cast<int>(std::size(kFindBoxFaces));
  const wchar_t* face = english ? L"MS Sans Serif" : kFindBoxFaces[known ? fontNo : 3];
  const int points = english ? kFindBoxEnglishPoints : kFindBoxPoints;
  HFONT font = CreateFontW(-MulDiv(points, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                           english ? ANSI_CHARSET : SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH, face);
  if (!font) return;
  SendMessageW(findBox_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (findFont_) DeleteObject(findFont_);
  findFont_ = font;
  PlaceFindBox();
}

bool CToolBar::FindBoxHasFocus() const {
  HWND focus = GetFocus();
  return findBox_ && focus && (focus == findBox_ || IsChild(findBox_, focus));
}

bool CToolBar::Visible() const { return hwnd_ && (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE); }

void CToolBar::Show(bool show) {
  if (hwnd_) ShowWindow(hwnd_, show ? SW_SHOWNA : SW_HIDE);
}

SIZE CToolBar::Size() const {
  SIZE size{};
  if (!hwnd_) return size;
  const int count = static_cast<int>(SendMessageW(hwnd_, TB_BUTTONCOUNT, 0, 0));
  RECT all{0, 0, 0, 0};
  for (int i = 0; i < count; ++i) {
    RECT rc{};
    if (!SendMessageW(hwnd_, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rc))) continue;
    UnionRect(&all, &all, &rc);
  }
  size.cx = all.right + 2 + (vertical_ ? 0 : kGripSize);
  size.cy = all.bottom + 2 + (vertical_ ? kGripSize : 0);
  return size;
}

void CToolBar::UpdateButtons() {
  if (!Visible()) return;
  for (CommandId id : commands_) {
    CommandState state;
    if (!route_.RouteUpdate(id, state)) state.enabled = false;
    const LRESULT old = SendMessageW(hwnd_, TB_GETSTATE, id, 0);
    if (old < 0) continue;
    LRESULT now = old & ~(TBSTATE_ENABLED | TBSTATE_CHECKED);
    if (state.enabled) now |= TBSTATE_ENABLED;
    if (state.checked) now |= TBSTATE_CHECKED;
    if (now != old) SendMessageW(hwnd_, TB_SETSTATE, id, MAKELPARAM(now, 0));
  }
}

}  // namespace quelt::win
