// The commands of the binary view: undo and redo, the clipboard, the jump
// to a byte offset, the find box's byte patterns and select all.
#include <algorithm>
#include <string>

#include "framework/clipboard_state.h"
#include "view/edit_context.h"
#include "app/command_ids.h"
#include "binary/binary_rows.h"
#include "framework/info_dialog.h"
#include "res/binary_ids.h"
#include "search/jump_dialog.h"
#include "view/norb_bv.h"
#include "view/norb_doc.h"
#include "view/norb_ev.h"

namespace quelt::win {

bool CNorbBV::OnCommand(UINT id) {
  UndoHistory& history = doc_.History();
  const bool viewMode = settings_.viewMode != 0;
  switch (id) {
    case kCmdEditUndo:
    case kCmdEditRedo: {
      const EditOutcome o = id == kCmdEditUndo ? history.Undo(viewMode) : history.Redo(viewMode);
      caret_.selecting = false;
      caret_.secondDigit = false;
      if (o.Done()) caret_.offset = std::min(o.caret, doc_.Store().Length());
      Edited(o);
      return true;
    }
    case kCmdEditCopy: Copy(false); return true;
    case kCmdEditCut: Copy(true); return true;
    case kCmdEditPaste: Paste(); return true;
    case kCmdSelectAll:
      caret_.selecting = true;
      caret_.anchor = 0;
      caret_.offset = doc_.Store().Length();
      Redraw();
      MakeCaretVisible();
      return true;
    case kCmdJump: Jump(); return true;
    case kCmdEditFind:
    case kCmdEditReplace:
      // The text find dialog has no byte patterns: the find box is the way.
      ShowInfoDialog(hwnd_, IDD_BINARY_FIND_NOTE);
      RestoreFocusLater();
      return true;
    case kCmdFindBoxEnter:
    case kCmdFindNext: FindBox(true); return true;
    case kCmdFindPrev: FindBox(false); return true;
    default: return false;
  }
}

bool CNorbBV::OnUpdateCommand(UINT id, CommandState& state) {
  const bool editable = doc_.Store().EditAllowed(settings_.viewMode != 0);
  switch (id) {
    case kCmdEditUndo: state.enabled = doc_.History().CanUndo(); return true;
    case kCmdEditRedo: state.enabled = doc_.History().CanRedo(); return true;
    case kCmdEditCopy: state.enabled = caret_.HasSelection(); return true;
    case kCmdEditCut: state.enabled = editable && caret_.HasSelection(); return true;
    case kCmdEditPaste:
      state.enabled = editable && ClipboardHasText();
      return true;
    case kCmdSelectAll: state.enabled = doc_.Store().Length() > 0; return true;
    case kCmdJump:
    case kCmdEditFind:
    case kCmdEditReplace:
    case kCmdFindBoxEnter:
    case kCmdFindNext:
    case kCmdFindPrev: state.enabled = true; return true;
    default: return false;
  }
}

void CNorbBV::Copy(bool cut) {
  if (!caret_.HasSelection()) return;
  if (cut && !Editable()) return;
  TextStore& store = doc_.Store();
  const TextOffset from = caret_.SelectionStart();
  std::string bytes(caret_.SelectionEnd() - from, '\0');
  store.CopyOut(from, static_cast<std::uint32_t>(bytes.size()), reinterpret_cast<std::uint8_t*>(bytes.data()));
  // The clipboard holds text: a zero byte ends what other programs read.
  if (SetClipboardSjis(hwnd_, bytes) == ClipboardWrite::kOutOfMemory) {
    host_.ShowMessage(kMsgOutOfMemory);
    return;
  }
  if (!cut) return;
  EditOutcome o;
  DeleteBinary(doc_.History(), caret_, &o);
  Edited(o);
}

void CNorbBV::Paste() {
  if (!Editable()) return;
  std::string bytes;
  if (!GetClipboardSjis(hwnd_, bytes)) return;
  EditOutcome o;
  PasteBinary(doc_.History(), caret_, bytes, &o);
  Edited(o);
}

void CNorbBV::Jump() {
  std::string text;
  const bool asked = AskJumpLine(hwnd_, text);
  RestoreFocusLater();
  if (!asked) return;
  std::uint32_t offset = 0;
  if (!ParseByteOffset(text, offset) || offset > doc_.Store().Length()) {
    host_.Beep();
    return;
  }
  caret_.selecting = false;
  caret_.secondDigit = false;
  caret_.offset = offset;
  Redraw();
  MakeCaretVisible();
}

void CNorbBV::FindBox(bool down) {
  const std::string typed = find_.FindBoxText();
  std::string pattern = typed;
  // In the hexadecimal part the box holds a byte pattern.
  if ((!caret_.textPart && !ParseHexPattern(typed, pattern)) ||
      !FindBinary(doc_.Store().Text(), pattern, caret_, down)) {
    host_.Beep();
    return;
  }
  Redraw();
  MakeCaretVisible();
}

}  // namespace quelt::win
