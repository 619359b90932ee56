// The dialog of the global search: the file dialog with the template
// "ｸﾞﾛｰﾊﾞﾙ検索" below it (search text and mask with their histories, the
// options and the code); its folder is the one masks without a drive are
// joined to.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "global_search/global_search.h"

namespace quelt::win {

// The histories shown in the two combo boxes, newest first.
struct GlobalSearchHistories {
  const std::vector<std::string>* texts = nullptr;
  const std::vector<std::string>* masks = nullptr;
};

// Shows the dialog with request's values; true (request takes the text,
// mask text, folder and options) when the user confirmed with a text and
// a mask.
bool RunGlobalSearchDialog(HWND owner, GlobalSearchRequest& request, const GlobalSearchHistories& histories);

}  // namespace quelt::win
