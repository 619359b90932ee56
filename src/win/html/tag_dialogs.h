// The dialogs of the tag commands. Each opens with the values kept in
// TagSettings and stores the values back only on OK, before the pair is
// built; Cancel leaves them as they were.
#pragma once

#include <windows.h>

#include <string>

#include "app/command_ids.h"
#include "html/tag_repeat.h"

namespace quelt::win {

struct TagDialogContext {
  // The link dialog's ﾘﾝｸ文字列: the selected text when it is shown, else "".
  std::string linkText;
};

// Shows the dialog of a tag, table, form or frame command. True when the
// user confirmed it, and for the commands that have no dialog.
bool ShowTagCommandDialog(CommandId id, HWND owner, TagSettings& s, const TagDialogContext& c);

// The page, character, link, anchor, image and heading dialogs.
bool RunPageTagSheet(HWND owner, PageTagSettings& s);
bool RunCharTagDialog(HWND owner, CharTagSettings& s);
bool RunLinkTagDialog(HWND owner, HtmlTagSettings& s, const std::string& linkText);
bool RunAnchorTagDialog(HWND owner, HtmlTagSettings& s);
bool RunImageTagDialog(HWND owner, HtmlTagSettings& s);
bool RunHeadingTagDialog(HWND owner, HtmlTagSettings& s);
// The free tag form "ﾀｸﾞの挿入" (164): values opens with the kept pair and
// holds the prefix and suffix typed on OK.
bool RunTagFormDialog(HWND owner, TagPair& values);

// The table dialogs (table_tag_dialogs.cpp, table_wizard_sheet.cpp).
bool RunTableAreaDialog(HWND owner, TableAreaSettings& s);
bool RunTableCaptionDialog(HWND owner, TableCaptionSettings& s);
bool RunTableCellDialog(HWND owner, TableCellSettings& s, bool header);
bool RunTableRowDialog(HWND owner, TableRowSettings& s);
bool RunTableWizardSheet(HWND owner, TableWizardSettings& s);

// The form and frame dialogs (form_tag_dialogs.cpp); id is the command.
bool RunFormTagDialog(CommandId id, HWND owner, FormTagSettings& s);
bool RunFrameTagDialog(CommandId id, HWND owner, FrameTagSettings& s);

}  // namespace quelt::win
