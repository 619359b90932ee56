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

class Document;
class DocumentList;
class DocumentOpener;
class TextWindow;
class TextWindows;

class TagJumps {
 public:
  TagJumps(Host& host, DocumentList& documents, DocumentOpener& opener, TextWindows& windows)
      : host_(host), documents_(documents), opener_(opener), windows_(windows) {}
  TagJumps(const TagJumps&) = delete;
  TagJumps& operator=(const TagJumps&) = delete;

  // A tag-jump command with active as the active text window (null: none).
  // Next and previous walk the document of the last jump while the files it
  // opened are active.
  void Jump(UINT id, TextWindow* active);
  // A double click on the caret's line of a window: true when the line
  // named a file and line and the jump was made.
  bool JumpFromCaretLine(TextWindow& window);
  // The four commands while no text view is active (the view carries them
  // out otherwise); false for other ids.
  bool OnCommand(UINT id);
  bool OnUpdateCommand(UINT id, CommandState& state);
  // 32815: activates the first view of the document of the last jump, or
  // beeps.
  void ShowTagWindow();

 private:
  // The text window of the remembered document while it is still open.
  TextWindow* RememberedWindow() const;
  bool JumpFrom(TextWindow& window);

  Host& host_;
  DocumentList& documents_;
  DocumentOpener& opener_;
  TextWindows& windows_;
  Document* remembered_ = nullptr;
  bool wrapPending_ = false;
};

}  // namespace quelt::win
