#include "tools/tool_launch.h"

#include "base/path.h"

namespace quelt {
namespace {

bool HasBlank(std::string_view text) { return text.find_first_of(" \t") != std::string_view::npos; }

std::string Quoted(std::string_view text) {
  if (text.empty() || text.front() == '"' || !HasBlank(text)) return std::string(text);
  return "\"" + std::string(text) + "\"";
}

std::string_view Unquoted(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"') {
    const std::size_t close = text.find('"', 1);
    return text.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
  }
  return text;
}

}  // namespace

ProgramRun RunOfTool(const UserTool& tool) {
  ProgramRun run;
  run.command = tool.command;
  run.parameters = tool.parameters;
  run.runFolder = tool.runFolder;
  run.internalCommand = tool.internalCommand;
  run.captureOutput = tool.captureOutput;
  run.minimised = tool.minimised;
  return run;
}

ToolLaunch PlanToolLaunch(const ProgramRun& run, std::string_view expandedParameters, std::string_view comspec) {
  ToolLaunch launch;
  if (run.internalCommand) {
    launch.commandLine = Quoted(comspec.empty() ? std::string_view("cmd.exe") : comspec) + " /C " + run.command;
  } else {
    launch.commandLine = Quoted(run.command);
    launch.startFolder = FolderOf(Unquoted(run.command));
  }
  if (!expandedParameters.empty()) {
    launch.commandLine += ' ';
    launch.commandLine += expandedParameters;
  }
  if (!run.runFolder.empty()) launch.startFolder = run.runFolder;
  launch.capture = run.captureOutput;
  launch.show = run.captureOutput ? ToolShow::kHidden : run.minimised ? ToolShow::kMinimised : ToolShow::kNormal;
  return launch;
}

void AddProgramRun(std::vector<ProgramRun>& history, const ProgramRun& run) {
  std::erase_if(history, [&](const ProgramRun& old) { return EqualsNoCase(old.command, run.command); });
  history.insert(history.begin(), run);
  if (history.size() > kMaxProgramRuns) history.resize(kMaxProgramRuns);
}

ProgramRun ExplorerRun(std::string_view windowsFolder) {
  ProgramRun run;
  run.command = JoinPath(windowsFolder, "explorer.exe");
  return run;
}

}  // namespace quelt
