#include "view/edit_command_rules.h"

#include "view/convert_ops.h"

namespace quelt {

InputPlan PlanInput(InputSource source, bool hasSelection, bool deleteSelectionAtInput,
                    bool overwriteMode) {
  InputPlan plan;
  if (hasSelection) {
    if (source != InputSource::kDropped && deleteSelectionAtInput) {
      plan.deleteSelection = true;
    } else {
      plan.cancelSelection = true;
    }
  }
  plan.overwrite = source == InputSource::kTyped && overwriteMode && !plan.deleteSelection;
  return plan;
}

DropEffect ChooseDropEffect(bool ctrlHeld, bool copyAllowed, bool moveAllowed) {
  if (moveAllowed && !ctrlHeld) return DropEffect::kMove;
  if (copyAllowed) return DropEffect::kCopy;
  return moveAllowed ? DropEffect::kMove : DropEffect::kNone;
}

bool EditCommandReadsClipboard(CommandId id) { return id == kCmdEditPaste || id == kCmdPasteSelected; }

bool EditCommandEnabled(CommandId id, const EditCommandContext& c, bool& known) {
  known = true;
  if (IsSelectionConversionCommand(id)) return c.editable && c.streamSelection;
  switch (id) {
    // Undo and redo follow their buffers; in browse mode or under write
    // protection the step itself is refused with a beep.
    case kCmdEditUndo: return c.canUndo;
    case kCmdEditRedo: return c.canRedo;
    case kCmdEditCopy:
    case kCmdAppendCopy: return c.hasSelection;
    case kCmdEditCut:
    case kCmdAppendCut: return c.editable && c.hasSelection;
    case kCmdEditPaste:
    case kCmdPasteSelected: return c.editable && c.clipboardHasText;
    case kCmdSelectAll: return !c.textEmpty;
    case kCmdIndent:
    case kCmdUnindent:
    case kCmdTabToSpace:
    case kCmdSpaceToTab: return c.editable && c.streamSelection;
    // The free conversion works on the whole text without a selection, and
    // can write into a new document: its dialog is always there.
    case kCmdFreeConversion: return true;
    case kCmdAlignLeft:
    case kCmdAlignCentre:
    case kCmdAlignRight:
    case kCmdInsertDate:
    case kCmdInsertTime:
    case kCmdInsertString: return c.editable;
    case kCmdPasteFromHistory:
    case kCmdPasteHistoryCurrent:
    case kCmdPasteHistoryNext:
    case kCmdPasteHistoryPrev: return c.editable && c.clipHistoryHasCurrent;
    default:
      known = false;
      return false;
  }
}

}  // namespace quelt
