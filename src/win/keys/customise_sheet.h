// The customisation sheet (command 32873, "ｶｽﾀﾏｲｽﾞ") with its keyboard page
// ("ｷｰﾎﾞｰﾄﾞ": the key assignments of menu commands, operation files and
// extended commands, and the key list written into a new document) and the
// user-tool page.
#pragma once

#include <windows.h>

#include <string>

namespace quelt {
class KeyTable;
class FileSystem;
class Host;
}  // namespace quelt

namespace quelt::win {

class DocumentOpener;
class TextWindows;
struct ToolsPageContext;
struct ExtendedMenusPageContext;
struct ToolBarPageContext;

struct CustomiseContext {
  KeyTable* keys = nullptr;
  FileSystem* files = nullptr;
  Host* host = nullptr;
  std::string exeFolder;  // where the operation files are kept
  bool listWanted = false;  // "一覧作成" closed the sheet
  ToolsPageContext* tools = nullptr;  // the "ﾕｰｻﾞﾂｰﾙ" page's copy, when it is shown
  ExtendedMenusPageContext* menus = nullptr;  // the "拡張ﾒﾆｭｰ" page's copy
  ToolBarPageContext* toolBar = nullptr;      // the "ﾂｰﾙﾊﾞｰ" page's copy
  DocumentOpener* opener = nullptr;           // makes the key list's document
  TextWindows* windows = nullptr;             // the key list goes into the active one
};

// Shows the sheet; when "一覧作成" closed it, the caller writes the list.
void ShowCustomiseSheet(HWND owner, CustomiseContext& context);

// The key list as a new untitled document; a beep when none can be made.
void WriteKeyListDocument(const CustomiseContext& context);

}  // namespace quelt::win
