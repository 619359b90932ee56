// Keys, mouse, wheel and timers of the edit window: caret keys with Shift
// and Ctrl, stream and box selection by dragging with drag scrolling, word
// selection by double click, wheel and middle-button pan scrolling, and
// automatic scrolling.
#include <algorithm>
#include <cstdlib>

#include "app/command_ids.h"
#include "view/edit_context.h"
#include "view/edit_modes.h"
#include "view/norb_doc.h"
#include "view/norb_ev.h"

#include "view/ruler_marks.h"
#include "view/norb_view.h"
#include "tools/url_launcher.h"
#include "view/text_popup_menu.h"
#include "record/operation_recorder.h"
#include "view/selection_ranges.h"
#include "framework/win_text.h"
#include "view/scroll_ranges.h"
#include "view/text_lines.h"
#include "view/url_finder.h"
#include "view/word_bounds.h"

namespace quelt::win {
namespace {

// The pointer must move this far from the press point before pan scrolling
// moves.
constexpr int kPanDeadZone = 4;

bool KeyHeld(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }

// The record kind of a navigation key, or 0.
std::uint32_t NavigationKind(UINT vk) {
  switch (vk) {
    case VK_HOME: return kOpKeyHome;
    case VK_END: return kOpKeyEnd;
    case VK_PRIOR: return kOpKeyPageUp;
    case VK_NEXT: return kOpKeyPageDown;
    case VK_RIGHT: return kOpKeyRight;
    case VK_LEFT: return kOpKeyLeft;
    case VK_DOWN: return kOpKeyDown;
    case VK_UP: return kOpKeyUp;
    case VK_INSERT: return kOpKeyInsert;
    case VK_ESCAPE: return kOpKeyEscape;
    default: return 0;
  }
}


}  // namespace

CaretMoveContext CNorbEV::MoveContext(bool freeCursor, bool autoRepeat) const {
  const AppSettings& settings = settings_;
  CaretMoveContext c;
  c.freeCursor = freeCursor;
  c.autoRepeat = autoRepeat;
  c.oneScrollNotRepeat = settings.oneScrollNotRepeat != 0;
  c.scrollLineCount = settings.scrollLineCount;
  c.topLine = topLine_;
  c.visibleRows = metrics_.visibleRows;
  return c;
}

void CNorbEV::ExtendTo(const CaretPos& pos) {
  const EvSelection before = selection_;
  if (selection_.box) {
    selection_.caretColumn = pos.column;
    selection_.caretLine = pos.line;
  } else {
    selection_.caret = quelt::CaretOffset(*layout_, pos);
  }
  selection_.active = true;
  if (!(before == selection_)) InvalidateSelectionChange(before);
}

void CNorbEV::CancelSelection(bool redraw) {
  if (!selection_.active) return;
  const EvSelection before = selection_;
  selection_ = EvSelection{};
  if (redraw) InvalidateSelectionChange(before);
}

void CNorbEV::SetSelection(TextOffset anchor, TextOffset caret) {
  const EvSelection before = selection_;
  selection_ = EvSelection{};
  selection_.active = anchor != caret;
  selection_.anchor = anchor;
  selection_.caret = caret;
  InvalidateSelectionChange(before);
  SetCaretOffset(caret);
}

void CNorbEV::SelectWholeLines(std::uint32_t anchorLine, std::uint32_t line) {
  const WholeLines lines =
      WholeLineSelection(anchorLine, line, [this](std::uint32_t l) { return layout_->LineStart(l); });
  const EvSelection before = selection_;
  selection_ = EvSelection{};
  selection_.active = lines.anchor != lines.caret;
  selection_.anchor = lines.anchor;
  selection_.caret = lines.caret;
  InvalidateSelectionChange(before);
  SetCaretOffset(lines.caret, true);
}

void CNorbEV::SelectAll() {
  SetSelection(0, doc_.Store().Length());
}

void CNorbEV::CaretKeyPress(CaretKey key, bool shift, bool autoRepeat) {
  // Extending a selection always uses real character positions.
  const bool freeCursor = FreeCursor() && !shift;
  if (shift && !selection_.active) {
    selection_ = EvSelection{};
    selection_.active = true;
    selection_.anchor = selection_.caret = CaretOffset();
  } else if (!shift && selection_.active) {
    CancelSelection();
  }
  const Caret to = MoveCaretByKey(*layout_, key, MoveContext(freeCursor, autoRepeat), caret_);
  caret_.desiredColumn = to.desiredColumn;
  EnsureCaretVisible(to.pos.column, to.pos.line, key);
  SetCaret(to.pos, false, true);
  if (shift) ExtendTo(to.pos);
}

void CNorbEV::ScrollLines(std::int64_t lines) {
  const std::int64_t top = static_cast<std::int64_t>(topLine_) + lines;
  ScrollTo(static_cast<std::uint32_t>(std::clamp<std::int64_t>(top, 0, MaxTopLine())), firstColumn_);
}

void CNorbEV::OnKeyDown(UINT vk, LPARAM lp) {
  if (autoScrollDirection_ != 0 || panning_) {
    // A key only stops automatic or pan scrolling: the character the
    // message loop has already queued for it is taken away too.
    StopAutoScroll();
    MSG queued;
    while (PeekMessageW(&queued, hwnd_, WM_CHAR, WM_DEADCHAR, PM_REMOVE)) {
    }
    return;
  }
  const bool shift = ShiftHeld(), ctrl = CtrlHeld();
  const bool repeat = (lp & 0x40000000) != 0;
  // Shift+Insert pastes: it is recorded as the paste command.
  if (const std::uint32_t kind = NavigationKind(vk); kind && !(vk == VK_INSERT && (shift || ctrl))) {
    recorder_.Record(kind, (shift ? kOpModShift : 0) | (ctrl ? kOpModCtrl : 0));
  }
  const AppSettings& settings = settings_;
  switch (vk) {
    case VK_ESCAPE: CancelSelection(); break;
    case VK_PRIOR: if (!ctrl) CaretKeyPress(CaretKey::kPageUp, shift, repeat); break;
    case VK_NEXT: if (!ctrl) CaretKeyPress(CaretKey::kPageDown, shift, repeat); break;
    case VK_HOME: CaretKeyPress(ctrl ? CaretKey::kTextTop : CaretKey::kHome, shift, repeat); break;
    case VK_END: CaretKeyPress(ctrl ? CaretKey::kTextEnd : CaretKey::kEnd, shift, repeat); break;
    case VK_LEFT: CaretKeyPress(ctrl ? CaretKey::kWordLeft : CaretKey::kLeft, shift, repeat); break;
    case VK_RIGHT: CaretKeyPress(ctrl ? CaretKey::kWordRight : CaretKey::kRight, shift, repeat); break;
    case VK_UP:
    case VK_DOWN: {
      const bool up = vk == VK_UP;
      if (ctrl && shift) {
        // Automatic scrolling: the caret goes to the second visible line (up)
        // or the last but one (down), and the timer moves it on.
        autoScrollDirection_ = up ? -1 : 1;
        const std::uint32_t rows = static_cast<std::uint32_t>(std::max(metrics_.visibleRows, 2));
        const std::uint32_t line = up ? topLine_ + 1 : topLine_ + rows - 2;
        CancelSelection();
        SetCaret(CaretAtCell(*layout_, caret_.desiredColumn, line, FreeCursor()), false, true);
        SetTimer(hwnd_, kAutoScrollTimer, static_cast<UINT>(settings.autoScrollInt) * 100, nullptr);
      } else if (ctrl) {
        // Scroll the window one line (a step while repeating), the caret
        // staying on screen.
        const std::int64_t step = repeat ? settings.scrollLineCount : 1;
        const ScrollKeepResult r =
            ScrollKeepingCaret(*layout_, MoveContext(FreeCursor(), repeat), caret_, up ? -step : step, MaxTopLine());
        ScrollTo(r.topLine, firstColumn_);
        if (!(r.caret.pos == caret_.pos)) SetCaret(r.caret.pos, false, true);
      } else {
        CaretKeyPress(up ? CaretKey::kUp : CaretKey::kDown, shift, repeat);
      }
      break;
    }
    case VK_INSERT:
      if (!shift && !ctrl) {
        GlobalEditModes().insert = !GlobalEditModes().insert;
        PlaceSystemCaret(true);
      } else if (shift) {
        RunCommand(kCmdEditPaste);
      }
      break;
    case VK_DELETE:
      if (!ctrl) DeleteKey(shift);
      break;
    case 'C':
    case 'V':
    case 'X':
    case 'Z':
      if (ctrl && !shift) {
        RunCommand(vk == 'C' ? kCmdEditCopy : vk == 'V' ? kCmdEditPaste : vk == 'X' ? kCmdEditCut : kCmdEditUndo);
      }
      break;
    default:
      break;
  }
}

bool CNorbEV::ShiftHeld() const {
  return playbackModifiers_ >= 0 ? (playbackModifiers_ & kOpModShift) != 0 : KeyHeld(VK_SHIFT);
}

bool CNorbEV::CtrlHeld() const {
  return playbackModifiers_ >= 0 ? (playbackModifiers_ & kOpModCtrl) != 0 : KeyHeld(VK_CONTROL);
}

void CNorbEV::OnLButtonDown(int x, int y, WPARAM keys) {
  StopAutoScroll();
  SetFocus(hwnd_);
  // Ctrl may already be held for a copy; Shift extends the selection instead.
  if (!(keys & MK_SHIFT) && BeginPendingDrag(x, y)) return;
  int column = 0;
  std::uint32_t line = 0;
  CellAt(x, y, column, line);
  const bool shift = (keys & MK_SHIFT) != 0, ctrl = (keys & MK_CONTROL) != 0;
  const CaretPos pos = CaretAtCell(*layout_, column, line, FreeCursor());
  if (!shift || selection_.box) {
    CancelSelection();
    selection_.box = ctrl;
    if (ctrl) {
      // A box anchors on the cell itself, virtual space included.
      selection_.anchorColumn = selection_.caretColumn = column;
      selection_.anchorLine = selection_.caretLine = line;
    } else {
      selection_.anchor = selection_.caret = AnchorOffset(*layout_, pos);
    }
  } else {
    if (!selection_.active) selection_.anchor = CaretOffset();
    ExtendTo(pos);
  }
  caret_.desiredColumn = selection_.box ? column : pos.column;
  SetCaret(selection_.box ? CaretPos{column, line, 0} : pos);
  SetCapture(hwnd_);
  dragging_ = true;
  SetTimer(hwnd_, kDragScrollTimer, kDragScrollMs, nullptr);
}

void CNorbEV::DragTo(int column, std::uint32_t line) {
  // A box corner is a cell; a stream end is a character position.
  const CaretPos pos = selection_.box ? CaretPos{column, line, 0} : CaretAtCell(*layout_, column, line, false);
  caret_.desiredColumn = pos.column;
  SetCaret(pos);
  ExtendTo(pos);
}

void CNorbEV::OnMouseMove(int x, int y, WPARAM keys) {
  if (panning_) {
    panLast_ = {x, y};
    const int dy = y - panOrigin_.y;
    SetCursor(LoadCursorW(nullptr, std::abs(dy) > kPanDeadZone ? IDC_SIZENS : IDC_SIZEALL));
    return;
  }
  if (dragPending_) {
    if (keys & MK_LBUTTON) PendingDragMoved(x, y);
    return;
  }
  if (!dragging_ || !(keys & MK_LBUTTON)) return;
  int column = 0;
  std::uint32_t line = 0;
  CellAt(x, y, column, line);
  DragTo(column, line);
}

bool CNorbEV::OnSetCursor() {
  POINT pt;
  GetCursorPos(&pt);
  ScreenToClient(hwnd_, &pt);
  // Margins and the area outside the text show the arrow.
  if (pt.x < metrics_.leftMargin || pt.y < metrics_.topMargin) {
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    return true;
  }
  if (context_.settings.clickableUrlEmail && !selection_.active && layout_->LineCount() > 0) {
    int column = 0;
    std::uint32_t line = 0;
    CellAt(pt.x, pt.y, column, line);
    const ColumnHit hit = layout_->OffsetOfColumn(column, line, false);
    TextSpan span;
    if (!hit.pastEnd) {
      const bool url = FindUrlAt(doc_.Store(), hit.offset, span);
      if (url || FindMailAddressAt(doc_.Store(), hit.offset, span)) {
        // A hand, and the status bar says what a double click does.
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        const std::wstring target = SjisToWide(ReadText(doc_.Store(), span.offset, span.length));
        context_.status.ShowStatusPrompt(target + Utf8ToWide(url ? " を開く" : " へﾒｰﾙ作成"));
        return true;
      }
    }
  }
  const bool overSelection = context_.settings.enableDragDropEdit && PointInSelection(pt.x, pt.y);
  SetCursor(LoadCursorW(nullptr, overSelection ? IDC_ARROW : IDC_IBEAM));
  return true;
}

bool CNorbEV::PointInSelection(int x, int y) {
  if (!selection_.active || layout_->LineCount() == 0) return false;
  int column = 0;
  std::uint32_t line = 0;
  CellAt(x, y, column, line);
  if (selection_.box) {
    const BoxRect box = SelectionBox();
    return line >= box.firstLine && line <= box.lastLine && column >= box.leftColumn && column < box.rightColumn;
  }
  TextOffset from = 0, to = 0;
  if (!SelectionRange(from, to)) return false;
  const ColumnHit hit = layout_->OffsetOfColumn(column, line, false);
  return !hit.pastEnd && hit.offset >= from && hit.offset < to;
}

void CNorbEV::OnLButtonUp(int x, int y) {
  if (dragPending_) {
    PendingDragReleased(x, y);
    return;
  }
  if (!dragging_) return;
  dragging_ = false;
  KillTimer(hwnd_, kDragScrollTimer);
  ReleaseCapture();
  if (selection_.active && !selection_.box && selection_.anchor == selection_.caret) selection_.active = false;
}

void CNorbEV::OnLButtonDblClk(int x, int y, WPARAM wp) {
  int column = 0;
  std::uint32_t line = 0;
  CellAt(x, y, column, line);
  if (layout_->LineCount() == 0) return;
  const TextOffset p = layout_->OffsetOfColumn(column, line, false).offset;
  const TextOffset length = doc_.Store().Length();
  if (p >= length) return;
  dragging_ = false;
  KillTimer(hwnd_, kDragScrollTimer);
  ReleaseCapture();
  // A result line of the global search jumps to the file and line it names.
  if (!(wp & MK_CONTROL)) {
    if (dynamic_cast<CNorbView*>(owner_)) {
      CancelSelection();
      SetCaretOffset(p);
      if (tags_.JumpFromCaretLine(*this)) return;
    }
    // Over a URL or an e-mail address: the browser or the mail program.
    if (settings_.clickableUrlEmail && !layout_->OffsetOfColumn(column, line, false).pastEnd) {
      TextSpan span;
      if (FindUrlAt(doc_.Store(), p, span)) {
        OpenUrl(ReadText(doc_.Store(), span.offset, span.length), settings_, context_.paths.exeFolder);
        return;
      }
      if (FindMailAddressAt(doc_.Store(), p, span)) {
        StartMailer(ReadText(doc_.Store(), span.offset, span.length), settings_, context_.paths.exeFolder,
                    context_.tools);
        return;
      }
    }
  }
  // The word under the point; the caret goes to its end.
  const WordSpan word = WordAt(*layout_, p);
  const TextOffset from = word.start, to = std::max(word.end, word.start);
  SetSelection(from, to);
}

void CNorbEV::OnContextMenu(LPARAM screenPoint) {
  POINT pt{static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
  if (screenPoint == static_cast<LPARAM>(-1)) {
    // From the keyboard: below the caret.
    POINT caret{};
    GetCaretPos(&caret);
    pt = {caret.x, caret.y + Grid().lineHeight};
    ClientToScreen(hwnd_, &pt);
  }
  // The frame owns the menu: a child window as owner leaves the menu's
  // keyboard with the child under some systems.
  HWND frame = GetAncestor(hwnd_, GA_ROOT);
  ShowTextPopupMenu(frame, frame, pt, popupItems_, context_.route);
}

void CNorbEV::OnMouseWheel(int delta) {
  if (autoScrollDirection_ != 0) {
    StopAutoScroll();
    return;
  }
  const AppSettings& settings = settings_;
  ScrollLines(WheelScrollLines(delta, settings.wheelLineCount, settings.scrollLineCount));
}

void CNorbEV::OnMButtonDown(int x, int y) {
  StopAutoScroll();
  panning_ = true;
  panOrigin_ = panLast_ = {x, y};
  SetCapture(hwnd_);
  SetCursor(LoadCursorW(nullptr, IDC_SIZENS));
  SetTimer(hwnd_, kAutoScrollTimer, static_cast<UINT>(settings_.wheelScrollMS), nullptr);
}

void CNorbEV::StopAutoScroll() {
  if (autoScrollDirection_ == 0 && !panning_) return;
  KillTimer(hwnd_, kAutoScrollTimer);
  if (panning_) {
    ReleaseCapture();
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  }
  autoScrollDirection_ = 0;
  panning_ = false;
}

void CNorbEV::OnTimer(UINT_PTR id) {
  if (id == kDragScrollTimer && dragging_) {
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(hwnd_, &pt);
    const bool outside = pt.x < metrics_.leftMargin || pt.y < metrics_.topMargin || pt.x >= metrics_.clientWidth ||
                         pt.y >= metrics_.clientHeight;
    if (!outside) return;
    // Step one line or column towards the pointer and extend to it.
    int column = 0;
    std::uint32_t line = 0;
    const int cx = std::clamp<int>(pt.x, metrics_.leftMargin, std::max(metrics_.leftMargin, metrics_.clientWidth - 1));
    CellAt(cx, std::clamp<int>(pt.y, metrics_.topMargin, std::max(metrics_.topMargin, metrics_.clientHeight - 1)),
           column, line);
    if (pt.y < metrics_.topMargin && line > 0) --line;
    if (pt.y >= metrics_.clientHeight && line + 1 < layout_->LineCount()) ++line;
    if (pt.x < metrics_.leftMargin && column > 0) --column;
    if (pt.x >= metrics_.clientWidth && column < layout_->MaxColumn()) ++column;
    DragTo(column, line);
    return;
  }
  if (id == kAutoScrollTimer) {
    if (panning_) {
      const int dy = panLast_.y - panOrigin_.y;
      if (std::abs(dy) > kPanDeadZone) ScrollLines(dy > 0 ? 1 + dy / 32 : -1 + dy / 32);
      return;
    }
    if (autoScrollDirection_ != 0) {
      const AppSettings& settings = settings_;
      // "AutoScrollBreak" stops at a marked line.
      const std::function<bool(std::uint32_t)> marked = [this](std::uint32_t line) { return LineMarked(line); };
      const AutoScrollTick tick =
          AutoScrollStep(*layout_, MoveContext(FreeCursor(), false), caret_, autoScrollDirection_,
                         settings.autoScrollCount, settings.autoScrollBreak ? marked : nullptr);
      if (tick.linesMoved > 0) {
        caret_.desiredColumn = tick.caret.desiredColumn;
        EnsureCaretVisible(tick.caret.pos.column, tick.caret.pos.line,
                           autoScrollDirection_ < 0 ? CaretKey::kUp : CaretKey::kDown);
        SetCaret(tick.caret.pos, false, true);
      }
      if (tick.beep) host_.Beep();
      if (tick.stopped) StopAutoScroll();
    }
  }
}

}  // namespace quelt::win
