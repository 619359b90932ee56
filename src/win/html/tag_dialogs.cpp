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
    default: return true;  // the block tags and lists have no dialog
  }
}

}  // namespace quelt::win
