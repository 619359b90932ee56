// Keys, typed characters and the mouse in the visual edit window.
#include <algorithm>

#include "framework/menu_builder.h"
#include "framework/win_text.h"
#include "html/visual/hyl_doc.h"
#include "html/visual/visual_context.h"
#include "html/visual/hyl_ev.h"
#include "res/resource.h"

namespace quelt::win {
namespace {

bool Held(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

bool CHylEV::EditAllowed() {
  if (!doc_.ReadOnly() && !context_.settings.viewMode) return true;
  context_.host.Beep();
  return false;
}

void CHylEV::AfterEdit(bool done, std::size_t caret) {
  typing_ = false;
  if (done) TakeChange(caret, caret, true);
}

void CHylEV::TakeChange(std::size_t caret, std::size_t anchor, bool scroll) {
  doc_.Changed(view_);
  Relayout();
  caret_ = CaretAtOffset(layout_, caret);
  anchor_ = layout_.Clamp(anchor);
  InvalidateRect(hwnd_, nullptr, FALSE);
  if (scroll) EnsureCaretVisible();
  ShowCaret();
  Notify();
}

bool CHylEV::OnKeyDown(UINT key) {
  const bool ctrl = Held(VK_CONTROL), shift = Held(VK_SHIFT);
  const bool freeCursor = context_.settings.htmlMode.freeCursor != 0;
  RECT rc{};
  GetClientRect(hwnd_, &rc);
  auto move = [&](VisualMove m) {
    VisualCaret c = caret_;
    const VisualMoveResult r = MoveCaret(layout_, doc_.Model().text, c, m, freeCursor, rc.bottom);
    if (r.scrollToLeftEdge) ScrollTo(0, scrollY_);
    SetCaret(c, shift);
    return true;
  };
  switch (key) {
    case VK_LEFT: return move(VisualMove::kLeft);
    case VK_RIGHT: return move(VisualMove::kRight);
    case VK_UP: return move(VisualMove::kUp);
    case VK_DOWN: return move(VisualMove::kDown);
    case VK_HOME: return move(ctrl ? VisualMove::kDocumentStart : VisualMove::kHome);
    case VK_END: return move(ctrl ? VisualMove::kDocumentEnd : VisualMove::kEnd);
    case VK_PRIOR: return move(VisualMove::kPageUp);
    case VK_NEXT: return move(VisualMove::kPageDown);
    case VK_DELETE:
      if (shift) {
        Cut();
      } else if (EditAllowed()) {
        const VisualEditResult r = doc_.Editor().Delete(Selection());
        AfterEdit(r.done, r.caret);
      }
      return true;
    case VK_INSERT:
      if (shift) Paste();
      if (ctrl) Copy();
      return shift || ctrl;
    case VK_BACK:
      if (EditAllowed()) {
        const VisualEditResult r = doc_.Editor().Backspace(Selection());
        AfterEdit(r.done, r.caret);
      }
      return true;
    case VK_RETURN:
      if (EditAllowed()) {
        const VisualEditResult r = doc_.Editor().InsertLineBreak(Selection(), caret_.virtualBlanks);
        AfterEdit(r.done, r.caret);
      }
      return true;
    default:
      break;
  }
  if (!ctrl) return false;
  switch (key) {
    case 'C': Copy(); return true;
    case 'X': Cut(); return true;
    case 'V': Paste(); return true;
    case 'Z': Undo(); return true;
    default: return false;
  }
}

void CHylEV::OnChar(wchar_t ch) {
  // Control characters come as keys (Enter, Backspace) or not at all; a
  // tab is text.
  if (ch < 0x20 && ch != L'\t') return;
  if (Held(VK_CONTROL) && !Held(VK_MENU)) return;
  if (!EditAllowed()) return;
  const std::string bytes = WideToSjis(std::wstring_view(&ch, 1));
  if (bytes.empty()) return;
  InsertTyped(bytes);
}

void CHylEV::OnMouseDown(POINT p, bool shift) {
  const bool freeCursor = context_.settings.htmlMode.freeCursor != 0;
  SetCaret(CaretAtPoint(layout_, PagePointAt(p), freeCursor), shift);
  dragging_ = true;
  SetCapture(hwnd_);
}

void CHylEV::OnMouseMove(POINT p) {
  if (!dragging_) return;
  RECT rc{};
  GetClientRect(hwnd_, &rc);
  // Beyond the window the view scrolls along.
  if (p.y < 0) ScrollTo(scrollX_, scrollY_ + p.y);
  if (p.y > rc.bottom) ScrollTo(scrollX_, scrollY_ + p.y - rc.bottom);
  const VisualCaret c = CaretAtPoint(layout_, PagePointAt(p), false);
  if (c.offset == caret_.offset) return;
  SetCaret(c, true);
}

void CHylEV::OnContextMenu(POINT screen) {
  if (screen.x == -1 && screen.y == -1) {
    const VisualPoint p = CaretPoint(layout_, caret_);
    const POINT origin = PageOrigin(p.page);
    screen = {origin.x + p.x, origin.y + p.y};
    ClientToScreen(hwnd_, &screen);
  }
  MenuHandle menu = BuildMenu(kMenuTagPopup);
  HMENU popup = menu ? GetSubMenu(menu.Get(), 0) : nullptr;
  if (!popup) {
    context_.host.Beep();
    return;
  }
  // The frame updates the items and routes the chosen command to this
  // window, as from the menu bar.
  TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0,
                 context_.owner.MainHwnd(), nullptr);
}

}  // namespace quelt::win
