// How a user tool or a program-execution entry starts: its command line,
// the folder it starts in, its show state and whether its output is
// captured. The window side only creates the process as planned here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/user_tools.h"

namespace quelt {

enum class ToolShow { kNormal, kMinimised, kHidden };

struct ToolLaunch {
  std::string commandLine;  // Shift-JIS
  // The folder the program starts in; empty: the editor's current folder.
  std::string startFolder;
  ToolShow show = ToolShow::kNormal;
  bool capture = false;  // standard output and error into a new document
};

// A user tool as the program-execution entry it runs (kind 0).
ProgramRun RunOfTool(const UserTool& tool);

// The launch of run with its parameters already expanded. comspec is the
// command interpreter the system names (%ComSpec%); the internal-command
// flag runs "<comspec> /C <command>", with "cmd.exe" when none is named.
// Without it the command alone, quoted when it holds a blank, starts in the
// run folder or else in the command's own folder. A blank and the
// parameters follow when there are any. Capturing hides the window; the
// minimised flag minimises it.
ToolLaunch PlanToolLaunch(const ProgramRun& run, std::string_view expandedParameters, std::string_view comspec);

// Puts run first in the program-execution history: an entry of the same
// command (letters of either case) leaves its old place, and the list keeps
// its newest 20.
void AddProgramRun(std::vector<ProgramRun>& history, const ProgramRun& run);

// "explorer.exe" in the Windows folder, run without parameters or flags.
ProgramRun ExplorerRun(std::string_view windowsFolder);

}  // namespace quelt
