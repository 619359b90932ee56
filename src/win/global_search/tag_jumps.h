// The tag jumps (current 32785, next 32786, previous 32787) from the result
// lines of the global search, and the tag window (32815) that brings back
// the document the last jump was made from.
#pragma once

#include <windows.h>

#include "framework/command.h"

namespace quelt {
class Host;
}

namespace quelt::win {

class CNorbView;
class CQueltApp;
class Document;

class TagJumps {
 public:
  explicit TagJumps(CQueltApp& app) : app_(app) {}
  TagJumps(const TagJumps&) = delete;
  TagJumps& operator=(const TagJumps&) = delete;

  // A tag-jump command with active as the active text view (null: none).
  // Next and previous walk the document of the last jump while the files it
  // opened are active.
  void Jump(UINT id, CNorbView* active);
  // A double click on the caret's line of view: true when the line named a
  // file and line and the jump was made.
  bool JumpFromCaretLine(CNorbView& view);
  // The four commands while no text view is active (the view carries them
  // out otherwise); false for other ids.
  bool OnCommand(UINT id);
  bool OnUpdateCommand(UINT id, CommandState& state);
  // 32815: activates the first view of the document of the last jump, or
  // beeps.
  void ShowTagWindow();

 private:
  // The text view of the remembered document while it is still open.
  CNorbView* RememberedView() const;
  bool JumpFrom(CNorbView& view);

  CQueltApp& app_;
  Document* remembered_ = nullptr;
  bool wrapPending_ = false;
};

}  // namespace quelt::win
