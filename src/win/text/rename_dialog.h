// "名前の変更": renames the document's file within its folder.
#pragma once

#include <windows.h>

#include <string>

namespace quelt {
class FileSystem;
class Host;
}  // namespace quelt

namespace quelt::win {

// Shows the dialog for the file at path. True when the file was renamed;
// newPath is then its new path. The dialog stays open (beeping) while the
// name is refused.
bool RunRenameDialog(HWND owner, Host& host, FileSystem& files, const std::string& path, std::string& newPath);

}  // namespace quelt::win
