// The rules the edit window follows before it edits: what typed, pasted and
// dropped input does with a selection, and when the edit commands are
// enabled. The window passes what it knows as plain values.
#pragma once

#include "app/command_ids.h"

namespace quelt {

enum class InputSource { kTyped, kPasted, kDropped };

struct InputPlan {
  bool deleteSelection = false;  // the selection goes first; the input takes its place
  bool cancelSelection = false;  // the selection is dropped, its text stays
  bool overwrite = false;        // the input overwrites the text at the caret
};

// Typed and pasted input with "DeleteSelectionAtInput" replaces the
// selection (and is then inserted, even in overwrite mode: the selection was
// what it overwrote); without the setting the selection is cancelled and the
// input goes to the caret. A drop goes to the caret the pointer placed and
// leaves the selection's text alone. Only typing overwrites.
InputPlan PlanInput(InputSource source, bool hasSelection, bool deleteSelectionAtInput,
                    bool overwriteMode);

// A drop moves the text when the source allows it and Ctrl is not held;
// otherwise it copies, when the source allows that.
enum class DropEffect { kNone, kCopy, kMove };
DropEffect ChooseDropEffect(bool ctrlHeld, bool copyAllowed, bool moveAllowed);

// What the window knows when it updates an edit command.
struct EditCommandContext {
  bool editable = false;       // the document may change (browse mode, protection)
  bool hasSelection = false;   // a stream or box selection
  bool streamSelection = false;
  bool textEmpty = true;
  bool canUndo = false;        // the undo buffer holds a step
  bool canRedo = false;
  bool clipboardHasText = false;
  bool clipHistoryHasCurrent = false;
};

// True for the commands whose state depends on the clipboard holding text
// (asking it is slow, so a window asks only for these).
bool EditCommandReadsClipboard(CommandId id);

// Enabled state of an edit command; false in `known` for other commands.
bool EditCommandEnabled(CommandId id, const EditCommandContext& c, bool& known);

}  // namespace quelt
