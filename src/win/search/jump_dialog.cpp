#include "search/jump_dialog.h"

#include "framework/text_dialog.h"
#include "res/search_ids.h"

namespace quelt::win {

// The number field takes at most 16 characters.
bool AskJumpLine(HWND owner, std::string& text) { return AskDialogText(owner, IDD_JUMP, IDC_JUMP_LINE, 16, text); }

}  // namespace quelt::win
