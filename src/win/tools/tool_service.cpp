#include "tools/tool_service.h"

#include <optional>

#include "app/command_ids.h"
#include "app/app_paths.h"
#include "base/host.h"
#include "framework/document.h"
#include "framework/document_list.h"
#include "framework/document_opener.h"
#include "framework/owner_window.h"
#include "framework/text_window.h"
#include "state/app_state.h"
#include "framework/local_time.h"
#include "framework/stop_window.h"
#include "framework/win_text.h"
#include "record/recording.h"
#include "res/tools_ids.h"
#include "tools/tool_dialogs.h"
#include "tools/tool_launch.h"
#include "tools/tool_menu.h"
#include "tools/tool_parameters.h"
#include "tools/tool_process.h"

namespace quelt::win {
namespace {

// The captured output goes into the document in batches, shown at least
// this often, so a tool that writes much does not lay the text out for
// every piece.
constexpr DWORD kShowIntervalMs = 100;
constexpr std::size_t kBatchBytes = 64 * 1024;

// The new document that receives a tool's output.
class CaptureDocument {
 public:
  CaptureDocument(DocumentList& documents, TextWindows& windows, Document* doc)
      : documents_(documents), windows_(windows), doc_(doc) {}
  bool Take(std::string_view piece) {
    pending_ += piece;
    if (pending_.size() < kBatchBytes && GetTickCount() - lastShown_ < kShowIntervalMs) return true;
    return Flush();
  }
  bool Flush() {
    lastShown_ = GetTickCount();
    // Messages handled meanwhile may have closed the document.
    TextWindow* edit = documents_.IsOpen(doc_) ? windows_.FirstTextWindow(doc_) : nullptr;
    if (!edit) return false;
    if (pending_.empty()) return true;
    const bool appended = edit->AppendText(pending_);
    pending_.clear();
    if (appended) UpdateWindow(edit->Hwnd());
    return appended;
  }

 private:
  DocumentList& documents_;
  TextWindows& windows_;
  Document* doc_;
  std::string pending_;
  DWORD lastShown_ = GetTickCount();
};

std::string EnvironmentSjis(const wchar_t* name) {
  wchar_t buffer[MAX_PATH];
  const DWORD n = GetEnvironmentVariableW(name, buffer, MAX_PATH);
  return n > 0 && n < MAX_PATH ? WideToSjis(buffer) : std::string();
}

// The active text document as the tool's variables see it.
bool ActiveToolDocument(TextWindow* edit, ToolDocument& out) {
  if (!edit) return false;
  out.path = edit->OwnerDocument().PathName();
  // Outside programs count lines as the file has them: logical lines.
  out.line = static_cast<int>(edit->Store().LogicalLineOf(edit->CaretLine())) + 1;
  out.column = edit->CaretColumn() + 1;
  return true;
}

}  // namespace

ToolsSection& ToolService::Tools() { return state_.Data().tools; }

bool ToolService::OnCommand(UINT id) {
  if (const int number = ToolNumberOfCommand(static_cast<CommandId>(id)); number > 0) {
    RunTool(number);
    return true;
  }
  if (id == kCmdRunProgram) {
    ProgramExecution();
    return true;
  }
  if (id == kCmdExplorer) {
    Explorer();
    return true;
  }
  return false;
}

bool ToolService::OnUpdateCommand(UINT id, CommandState& state) {
  if (ToolNumberOfCommand(static_cast<CommandId>(id)) > 0) {
    state.enabled = HasTools(Tools().tools);
    return true;
  }
  return id == kCmdRunProgram || id == kCmdExplorer;
}

void ToolService::UpdateToolsMenus(const std::vector<HMENU>& menus) const {
  const std::vector<ToolMenuEntry> entries = ToolMenuEntries(state_.Data().tools.tools);
  for (HMENU bar : menus) {
    for (int i = 0, n = bar ? GetMenuItemCount(bar) : 0; i < n; ++i) {
      HMENU popup = GetSubMenu(bar, i);
      if (!popup || GetMenuItemID(popup, 0) != kCmdExplorer) continue;
      while (GetMenuItemCount(popup) > kToolsMenuKeptItems) DeleteMenu(popup, kToolsMenuKeptItems, MF_BYPOSITION);
      AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
      for (const ToolMenuEntry& e : entries) {
        if (e.separator) {
          AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
          continue;
        }
        AppendMenuW(popup, MF_STRING | (e.placeholder ? MF_GRAYED : 0), e.id, SjisToWide(e.title).c_str());
      }
    }
  }
}

void ToolService::RunTool(int number) {
  ToolsSection& tools = Tools();
  if (number == kLastProgramRun) {
    if (!tools.runHistory.empty()) Launch(tools.runHistory.front(), tools.runHistory.front().parameters);
    return;
  }
  const auto index = ToolIndexOfNumber(tools.tools, number);
  if (!index) return;
  UserTool& tool = tools.tools[*index];
  if (tool.kind == kToolOperationFile) {
    recording_.PlayOperationFile(tool.command, owner_.MainHwnd());
    return;
  }
  if (tool.kind != kToolProgram) return;
  if (tool.askParameters) {
    std::string parameters = tool.parameters;
    if (!AskToolParameters(owner_.MainHwnd(), parameters)) return;
    tool.parameters = parameters;
  }
  Launch(RunOfTool(tool), tool.parameters);
}

ToolsPageContext ToolService::PageContext() {
  ToolsPageContext c;
  c.tools = Tools().tools;
  c.menus = &state_.Data().extendedMenus;
  c.files = &files_;
  c.host = &host_;
  c.exeFolder = paths_.exeFolder;
  return c;
}

void ToolService::TakePage(const ToolsPageContext& page) {
  if (!page.applied) return;
  Tools().tools = page.tools;
  updateMenus_();
}

void ToolService::Launch(const ProgramRun& run, const std::string& parameters) {
  ToolDocument document;
  const bool active = ActiveToolDocument(windows_.ActiveTextWindow(), document);
  const std::string expanded = ExpandParameters(parameters, active ? &document : nullptr, LocalNow());
  const ToolLaunch launch = PlanToolLaunch(run, expanded, EnvironmentSjis(L"ComSpec"));
  Host& host = host_;
  if (!launch.capture) {
    if (!RunToolProcess(launch, {})) host.Beep();
    return;
  }
  // The document is made once the program has started.
  std::optional<CaptureDocument> output;
  // While the program runs, its window "中断" (or Escape) ends it; the
  // output read until then stays in the document.
  std::optional<StopWindow> stop;
  const bool started = RunToolProcess(
      launch,
      [&]() -> ToolOutputSink {
        Document* doc = opener_.NewTextDocument();
        if (!doc) {
          host.Beep();
          return {};
        }
        output.emplace(documents_, windows_, doc);
        stop.emplace(owner_.MainHwnd(), IDD_TOOL_RUNNING);
        SetDlgItemTextW(stop->Dialog(), IDC_TOOL_RUNNING_TEXT, (L"実行中 : " + SjisToWide(run.command)).c_str());
        return [&](std::string_view piece) { return output->Take(piece); };
      },
      [&] { return stop ? stop->Pump() : true; });
  stop.reset();
  if (output) output->Flush();
  if (!started) host.Beep();
}

void ToolService::ProgramExecution() {
  ToolsSection& tools = Tools();
  ProgramRun run;
  if (!AskProgramRun(owner_.MainHwnd(), tools.runHistory, run)) return;
  AddProgramRun(tools.runHistory, run);
  RunTool(kLastProgramRun);
}

void ToolService::Explorer() {
  wchar_t folder[MAX_PATH] = L"";
  const UINT n = GetWindowsDirectoryW(folder, MAX_PATH);
  const ProgramRun run = ExplorerRun(n > 0 && n < MAX_PATH ? WideToSjis(folder) : std::string("C:\\Windows"));
  Launch(run, {});
}

}  // namespace quelt::win
