#include "html/tag_dialogs.h"

namespace quelt::win {

bool ShowTagCommandDialog(CommandId id, HWND owner, TagSettings& s, const TagDialogContext& c) {
  switch (id) {
    case kCmdTagPage: return RunPageTagSheet(owner, s.page);
    case kCmdTagCharacter: return RunCharTagDialog(owner, s.character);
    case kCmdTagLink: return RunLinkTagDialog(owner, s.html, c.linkText);
    case kCmdTagAnchor: return RunAnchorTagDialog(owner, s.html);
    case kCmdTagImage: return RunImageTagDialog(owner, s.html);
    case kCmdTagHeading: return RunHeadingTagDialog(owner, s.html);
    case kCmdTableWizard: return RunTableWizardSheet(owner, s.table.wizard);
    case kCmdTableArea: return RunTableAreaDialog(owner, s.table.area);
    case kCmdTableCaption: return RunTableCaptionDialog(owner, s.table.caption);
    case kCmdTableHeader: return RunTableCellDialog(owner, s.table.cell, true);
    case kCmdTableData: return RunTableCellDialog(owner, s.table.cell, false);
    case kCmdTableRow: return RunTableRowDialog(owner, s.table.row);
    case kCmdFormArea:
    case kCmdFormText:
    case kCmdFormRadio:
    case kCmdFormCheckBox:
    case kCmdFormSubmit:
    case kCmdFormReset:
    case kCmdFormSelect:
    case kCmdFormTextArea:
      return RunFormTagDialog(id, owner, s.html.form);
    case kCmdFrameArea:
    case kCmdFrameFrame:
    case kCmdFrameTarget:
      return RunFrameTagDialog(id, owner, s.frame);
    default: return true;  // the block tags and lists have no dialog
  }
}

}  // namespace quelt::win
