// The customisation sheet's "拡張ﾒﾆｭｰ" page: the twenty extended menus'
// titles, delays and items with their access keys. It edits a copy;
// confirming the sheet hands the copy back.
#pragma once

#include <windows.h>
#include <prsht.h>

#include <vector>

#include "tools/extended_menus.h"
#include "tools/user_tools.h"

namespace quelt {
class Host;
}

namespace quelt::win {

struct ExtendedMenusPageContext {
  ExtendedMenus menus{};
  const std::vector<UserTool>* tools = nullptr;  // for the tools' titles
  Host* host = nullptr;
  bool applied = false;
};

PROPSHEETPAGEW ExtendedMenusPage(ExtendedMenusPageContext& context);

}  // namespace quelt::win
