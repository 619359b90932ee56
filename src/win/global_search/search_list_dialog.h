// The dialog "検索ﾌｧｲﾙﾘｽﾄ": the named lists of file masks that the global
// search takes for "::name", kept in the lists file beside the program.
#pragma once

#include <windows.h>

#include <string>

namespace quelt {
class FileSystem;
class Host;
}  // namespace quelt

namespace quelt::win {

struct SearchListDialogContext {
  FileSystem* files = nullptr;
  Host* host = nullptr;
  std::string listsPath;     // the lists file
  std::string documentPath;  // "ﾌｧｲﾙ追加" adds it; hidden when empty
};

// Shows the dialog with the list named selectName selected (else the
// first). True after OK: the lists were written and selectName is the
// selected list's name (empty when there is none).
bool RunSearchListDialog(HWND owner, const SearchListDialogContext& context, std::string& selectName);

}  // namespace quelt::win
