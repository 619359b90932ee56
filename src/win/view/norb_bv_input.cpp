// Keys, typing and the mouse in the binary view.
#include <algorithm>

#include "app/command_ids.h"
#include "view/edit_context.h"
#include "binary/binary_rows.h"
#include "framework/view.h"
#include "framework/win_text.h"
#include "view/edit_modes.h"
#include "view/norb_bv.h"
#include "view/norb_doc.h"
#include "view/norb_ev.h"

namespace quelt::win {
namespace {

constexpr UINT_PTR kDragTimer = 2;
constexpr UINT kDragTimerMs = 50;

bool Held(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }

}  // namespace

bool CNorbBV::Editable() {
  if (doc_.Store().EditAllowed(settings_.viewMode != 0)) return true;
  host_.Beep();
  return false;
}

void CNorbBV::Edited(const EditOutcome& outcome) {
  if (outcome.Done()) {
    doc_.SetModified(true);
    doc_.UpdateAllViews(owner_, kHintTextEdited);
    UpdateScrollBars();
  }
  Redraw();
  MakeCaretVisible();
}

void CNorbBV::OnKeyDown(UINT vk) {
  const bool shift = Held(VK_SHIFT), ctrl = Held(VK_CONTROL);
  const TextOffset length = doc_.Store().Length();
  BinaryKey key;
  switch (vk) {
    case VK_LEFT: key = BinaryKey::kLeft; break;
    case VK_RIGHT: key = BinaryKey::kRight; break;
    case VK_UP: key = BinaryKey::kUp; break;
    case VK_DOWN: key = BinaryKey::kDown; break;
    case VK_HOME: key = BinaryKey::kHome; break;
    case VK_END: key = BinaryKey::kEnd; break;
    case VK_PRIOR: key = BinaryKey::kPageUp; break;
    case VK_NEXT: key = BinaryKey::kPageDown; break;
    case VK_ESCAPE:
      caret_.selecting = false;
      Redraw();
      return;
    case VK_INSERT:
      if (shift) {
        OnCommand(kCmdEditPaste);
      } else {
        GlobalEditModes().insert = !GlobalEditModes().insert;
      }
      return;
    case VK_DELETE:
      if (shift) {
        OnCommand(kCmdEditCut);
      } else if (Editable()) {
        EditOutcome o;
        DeleteBinary(doc_.History(), caret_, &o);
        Edited(o);
      }
      return;
    case 'C':
    case 'V':
    case 'X':
    case 'Z':
      // The clipboard keys and undo, as in the edit window.
      if (ctrl && !shift) {
        OnCommand(vk == 'C' ? kCmdEditCopy : vk == 'V' ? kCmdEditPaste : vk == 'X' ? kCmdEditCut : kCmdEditUndo);
      }
      return;
    default:
      return;
  }
  const bool hadSelection = caret_.HasSelection();
  MoveBinaryCaret(caret_, key, shift, ctrl, length, VisibleRows());
  if (hadSelection || caret_.HasSelection()) Redraw();
  MakeCaretVisible();
}

void CNorbBV::OnChar(wchar_t ch) {
  if (ch == L'\t') {
    caret_.textPart = !caret_.textPart;
    caret_.secondDigit = false;
    caret_.pendingLead = -1;
    ShowCaretAt();
    return;
  }
  if (ch == L'\b') {
    if (!Editable()) return;
    EditOutcome o;
    BackspaceBinary(doc_.History(), caret_, &o);
    Edited(o);
    return;
  }
  if (ch < 0x20 && ch != L'\r') return;
  if (!Editable()) return;
  const bool overwrite = !GlobalEditModes().insert;
  EditOutcome o;
  if (!caret_.textPart) {
    if (ch > 0x7F || !TypeBinaryHexDigit(doc_.History(), caret_, static_cast<char>(ch), overwrite, &o)) {
      host_.Beep();
      return;
    }
  } else {
    // The text part writes what the key makes: Enter is CR LF, a
    // double-byte character its two bytes.
    const std::string bytes = ch == L'\r' ? std::string("\r\n") : WideToSjis(std::wstring_view(&ch, 1));
    for (const char b : bytes) TypeBinaryTextByte(doc_.History(), caret_, static_cast<std::uint8_t>(b), overwrite, &o);
  }
  Edited(o);
}

void CNorbBV::PlaceAt(int x, int y, bool extend) {
  const std::int64_t row = std::max<std::int64_t>(0, topRow_ + (y < 0 ? -1 : y / lineHeight_));
  const BinaryColumnHit hit = BinaryByteOfColumn(leftColumn_ + std::max(0, x) / charWidth_);
  std::uint64_t offset = static_cast<std::uint64_t>(row) * kBinaryBytesPerRow + hit.byte + (hit.pastRowEnd ? 1 : 0);
  offset = std::min<std::uint64_t>(offset, doc_.Store().Length());
  if (extend && !caret_.selecting) {
    caret_.selecting = true;
    caret_.anchor = caret_.offset;
  } else if (!extend) {
    caret_.selecting = true;  // a drag from here selects
    caret_.anchor = static_cast<TextOffset>(offset);
  }
  caret_.offset = static_cast<TextOffset>(offset);
  caret_.textPart = hit.textPart;
  caret_.secondDigit = false;
  caret_.pendingLead = -1;
  Redraw();
  MakeCaretVisible();
}

void CNorbBV::OnLButtonDown(int x, int y) {
  PlaceAt(x, y, Held(VK_SHIFT));
  dragging_ = true;
  SetCapture(hwnd_);
  SetTimer(hwnd_, kDragTimer, kDragTimerMs, nullptr);
}

void CNorbBV::OnMouseMove(int x, int y) {
  if (!dragging_) return;
  dragX_ = x;
  dragY_ = y;
  PlaceAt(x, y, true);
}

void CNorbBV::OnLButtonUp() {
  if (!dragging_) return;
  dragging_ = false;
  KillTimer(hwnd_, kDragTimer);
  ReleaseCapture();
}

void CNorbBV::OnTimer() {
  // While the pointer is above or below the window, the rows scroll.
  if (!dragging_) return;
  if (dragY_ < 0) {
    ScrollToRow(topRow_ - 1);
  } else if (dragY_ >= clientHeight_) {
    ScrollToRow(topRow_ + 1);
  } else {
    return;
  }
  PlaceAt(dragX_, std::clamp(dragY_, 0, std::max(0, clientHeight_ - 1)), true);
}

}  // namespace quelt::win
