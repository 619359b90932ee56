// The dialog of the global search: the file dialog with the template
// "ｸﾞﾛｰﾊﾞﾙ検索" below it (search text and mask with their histories, the
// options and the code); its folder is the one masks without a drive are
// joined to.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "global_search/global_search.h"

namespace quelt::win {

// What the dialog shows besides the request: the histories of the two combo
// boxes, newest first, and the search file list dialog of the "..." button,
// which gets the list name of a "::name" mask and gives the chosen list's
// name (true after OK).
struct GlobalSearchDialogContext {
  const std::vector<std::string>* texts = nullptr;
  const std::vector<std::string>* masks = nullptr;
  std::function<bool(HWND owner, std::string& listName)> chooseList;
};

// Shows the dialog with request's values; true (request takes the text,
// mask text, folder and options) when the user confirmed with a text and
// a mask.
bool RunGlobalSearchDialog(HWND owner, GlobalSearchRequest& request, const GlobalSearchDialogContext& context);

}  // namespace quelt::win
