#include "global_search/tag_jumps.h"

#include "app/command_ids.h"
#include "app/quelt_app.h"
#include "global_search/tag_jump.h"
#include "view/jump_target.h"
#include "view/norb_doc.h"
#include "view/norb_ev.h"
#include "view/norb_view.h"
#include "view/text_lines.h"

namespace quelt::win {
namespace {

void ActivateView(CQueltApp& app, CNorbView& view) {
  SendMessageW(app.MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(GetParent(view.Hwnd())), 0);
}

}  // namespace

CNorbView* TagJumps::RememberedView() const {
  return app_.IsOpen(remembered_) ? FirstTextView(remembered_) : nullptr;
}

void TagJumps::Jump(UINT id, CNorbView* active) {
  CNorbView* view = active ? RememberedView() : nullptr;
  if (!view) view = active;
  CNorbEV* edit = view ? view->EditWindow() : nullptr;
  if (!edit) {
    app_.GetHost().Beep();
    return;
  }
  if (id != kCmdTagJumpCurrent) {
    const auto line = StepTagLine(edit->Doc().Store(), edit->CaretOffset(), id == kCmdTagJumpNext, wrapPending_);
    if (!line) {
      app_.GetHost().Beep();
      return;
    }
    edit->SetCaretOffset(*line);
  }
  if (!JumpFrom(*view)) app_.GetHost().Beep();
}

bool TagJumps::JumpFromCaretLine(CNorbView& view) {
  CNorbEV* edit = view.EditWindow();
  if (!edit || !ParseTagJumpLine(TagLineAt(edit->Doc().Store(), edit->CaretOffset()))) return false;
  if (!JumpFrom(view)) app_.GetHost().Beep();
  return true;
}

bool TagJumps::JumpFrom(CNorbView& view) {
  CNorbEV* from = view.EditWindow();
  const auto target = ParseTagJumpLine(TagLineAt(from->Doc().Store(), from->CaretOffset()));
  if (!target) return false;
  remembered_ = view.GetDocument();
  wrapPending_ = false;
  Document* doc = app_.OpenFileByName(target->path, false);
  CNorbView* opened = doc ? FirstTextView(doc) : nullptr;
  // A file that cannot be opened has said so already.
  if (!opened || !opened->EditWindow()) return true;
  ActivateView(app_, *opened);
  CNorbEV* edit = opened->EditWindow();
  TextStore& store = edit->Doc().Store();
  const auto line = JumpTargetLine(store, target->line, true);
  // A line past the end leaves the caret where it was.
  if (!line || !edit->JumpTo(*line, 0)) return true;
  const TextOffset start = LogicalLineStart(store, edit->CaretOffset());
  edit->SetSelection(LogicalLineEnd(store, start), start);
  return true;
}

bool TagJumps::OnCommand(UINT id) {
  switch (id) {
    case kCmdTagJumpCurrent:
    case kCmdTagJumpNext:
    case kCmdTagJumpPrev:
      Jump(id, nullptr);
      return true;
    case kCmdTagWindow:
      ShowTagWindow();
      return true;
    default:
      return false;
  }
}

bool TagJumps::OnUpdateCommand(UINT id, CommandState&) {
  return id == kCmdTagJumpCurrent || id == kCmdTagJumpNext || id == kCmdTagJumpPrev || id == kCmdTagWindow;
}

void TagJumps::ShowTagWindow() {
  if (CNorbView* view = RememberedView()) {
    ActivateView(app_, *view);
  } else {
    app_.GetHost().Beep();
  }
}

}  // namespace quelt::win
