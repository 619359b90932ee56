// The customisation sheet's "ﾂｰﾙﾊﾞｰ" page: the tool bar's entries (at most
// 50; separators; the search-text box once), added from the buttons on
// offer, moved, deleted or put back to the default. It edits a copy.
#pragma once

#include <windows.h>
#include <prsht.h>

#include <vector>

#include "app/command_ids.h"

namespace quelt {
class Host;
}

namespace quelt::win {

struct ToolBarPageContext {
  std::vector<CommandId> layout;
  Host* host = nullptr;
  bool applied = false;
};

PROPSHEETPAGEW ToolBarPage(ToolBarPageContext& context);

}  // namespace quelt::win
