#include "global_search/tag_jumps.h"

#include "app/command_ids.h"
#include "base/host.h"
#include "framework/document_list.h"
#include "framework/document_opener.h"
#include "framework/text_window.h"
#include "global_search/tag_jump.h"
#include "view/jump_target.h"
#include "view/text_lines.h"

namespace quelt::win {

TextWindow* TagJumps::RememberedWindow() const {
  return documents_.IsOpen(remembered_) ? windows_.FirstTextWindow(remembered_) : nullptr;
}

void TagJumps::Jump(UINT id, TextWindow* active) {
  TextWindow* edit = active ? RememberedWindow() : nullptr;
  if (!edit) edit = active;
  if (!edit) {
    host_.Beep();
    return;
  }
  if (id != kCmdTagJumpCurrent) {
    const auto line = StepTagLine(edit->Store(), edit->CaretOffset(), id == kCmdTagJumpNext, wrapPending_);
    if (!line) {
      host_.Beep();
      return;
    }
    edit->SetCaretOffset(*line);
  }
  if (!JumpFrom(*edit)) host_.Beep();
}

bool TagJumps::JumpFromCaretLine(TextWindow& window) {
  if (!ParseTagJumpLine(TagLineAt(window.Store(), window.CaretOffset()))) return false;
  if (!JumpFrom(window)) host_.Beep();
  return true;
}

bool TagJumps::JumpFrom(TextWindow& from) {
  const auto target = ParseTagJumpLine(TagLineAt(from.Store(), from.CaretOffset()));
  if (!target) return false;
  remembered_ = &from.OwnerDocument();
  wrapPending_ = false;
  Document* doc = opener_.OpenFileByName(target->path, false);
  TextWindow* edit = doc ? windows_.FirstTextWindow(doc) : nullptr;
  // A file that cannot be opened has said so already.
  if (!edit) return true;
  windows_.Activate(*edit);
  TextStore& store = edit->Store();
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
  if (TextWindow* window = RememberedWindow()) {
    windows_.Activate(*window);
  } else {
    host_.Beep();
  }
}

}  // namespace quelt::win
