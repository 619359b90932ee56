// The customisation sheet's "ﾕｰｻﾞﾂｰﾙ" page: the user tools listed, edited,
// added (a program, an operation file or a separator), moved and deleted.
// It edits a copy; confirming the sheet hands the copy back.
#pragma once

#include <windows.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "tools/extended_menus.h"
#include "tools/user_tools.h"

namespace quelt {
class FileSystem;
class Host;
}  // namespace quelt

namespace quelt::win {

struct ToolsPageContext {
  std::vector<UserTool> tools;              // the copy the page edits
  const ExtendedMenus* menus = nullptr;     // to ask before tools are renumbered
  FileSystem* files = nullptr;
  Host* host = nullptr;
  std::string exeFolder;                    // where the operation files are kept
  bool applied = false;                     // the sheet was confirmed with the page's values
};

PROPSHEETPAGEW ToolsPage(ToolsPageContext& context);

}  // namespace quelt::win
