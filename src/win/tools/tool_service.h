// The user tools in the running program: the tool commands (32851-32870,
// 32989-33018), the program execution (32834) and the explorer (32833),
// the tools menu built from the tool list, and the run of a tool with its
// output captured into a new document.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "framework/command.h"
#include "tools/tools_page.h"
#include "tools/user_tools.h"

namespace quelt {
struct AppPaths;
class FileSystem;
class Host;
}  // namespace quelt

namespace quelt::win {

class AppState;
class DocumentList;
class DocumentOpener;
class OwnerWindow;
class Recording;
class TextWindows;

class ToolService {
 public:
  // The number RunTool takes for the program execution's last entry.
  static constexpr int kLastProgramRun = -1;

  // updateMenus: puts the changed tool list into the menus.
  ToolService(AppState& state, Host& host, FileSystem& files, const AppPaths& paths, Recording& recording,
              OwnerWindow& owner, DocumentList& documents, DocumentOpener& opener, TextWindows& windows,
              std::function<void()> updateMenus)
      : state_(state),
        host_(host),
        files_(files),
        paths_(paths),
        recording_(recording),
        owner_(owner),
        documents_(documents),
        opener_(opener),
        windows_(windows),
        updateMenus_(std::move(updateMenus)) {}
  ToolService(const ToolService&) = delete;
  ToolService& operator=(const ToolService&) = delete;

  bool OnCommand(UINT id);
  bool OnUpdateCommand(UINT id, CommandState& state);
  // Puts the tools after the first three items of the tools popup (the one
  // whose first item is the explorer) of every menu bar given.
  void UpdateToolsMenus(const std::vector<HMENU>& menus) const;
  // Runs user tool number (1-based) or, for kLastProgramRun, the program
  // execution's first entry.
  void RunTool(int number);
  // The customisation sheet's user-tool page: its copy of the list before
  // the sheet, and the list it confirmed after.
  ToolsPageContext PageContext();
  void TakePage(const ToolsPageContext& page);
  // Runs a program as the program execution runs its first entry (the mail
  // program for an address), without asking for parameters.
  void RunProgram(const ProgramRun& run) { Launch(run, run.parameters); }

 private:
  ToolsSection& Tools();
  // Expands the parameters for the active document and starts the program;
  // beeps when it cannot be started.
  void Launch(const ProgramRun& run, const std::string& parameters);
  void ProgramExecution();
  void Explorer();

  AppState& state_;
  Host& host_;
  FileSystem& files_;
  const AppPaths& paths_;
  Recording& recording_;
  OwnerWindow& owner_;
  DocumentList& documents_;
  DocumentOpener& opener_;
  TextWindows& windows_;
  std::function<void()> updateMenus_;
};

}  // namespace quelt::win
