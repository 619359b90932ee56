// `CQueltApp`: the application object and the one composition root of the
// front end. It makes the services, the document templates and the frame,
// and hands each window, dialog and command handler the few services it
// uses (the contexts below); nothing else reaches for it. Start-up and exit
// in their order, the single running instance with its DDE hand-over, the
// splash, the resident mode and the open requests.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/app_paths.h"
#include "app/command_line.h"
#include "app/ini_file.h"
#include "app/instance.h"
#include "app/recent_files.h"
#include "app/settings.h"
#include "app/splash.h"
#include "app/win_file_system.h"
#include "app/win_host.h"
#include "automation/auto_int_factory.h"
#include "cabinet/cabinet_file_list.h"
#include "cabinet/cabinet_service.h"
#include "cabinet/cabinet_settings.h"
#include "cipher/cipher_service.h"
#include "extract/extract_service.h"
#include "frame/frame_context.h"
#include "framework/document_opener.h"
#include "framework/win_app.h"
#include "global_search/global_search_service.h"
#include "global_search/tag_jumps.h"
#include "html/tag_service.h"
#include "html/visual/visual_context.h"
#include "keys/key_table.h"
#include "print/print_service.h"
#include "record/recording.h"
#include "search/find_service.h"
#include "settings/common_settings_sheet.h"
#include "tools/extended_menu_service.h"
#include "tools/tool_service.h"
#include "state/app_state.h"
#include "text/file_commands.h"
#include "view/clip_history.h"
#include "view/edit_context.h"
#include "view/status_sink.h"
#include "view/text_windows.h"

namespace quelt::win {

class CMainFrame;
class CNorbEV;
class AutomationBridge;

class CQueltApp : public WinApp, public DocumentOpener, public StatusSink, public FrameEvents {
 public:
  CQueltApp();
  ~CQueltApp() override;

  bool InitInstance() override;
  int ExitInstance() override;
  bool OnIdle(long count) override;
  bool PreTranslateMessage(MSG& msg) override;
  Host& GetHost() override { return host_; }
  bool SaveDocumentAs(Document* document) override;
  bool OnCommand(UINT id) override;
  bool OnUpdateCommand(UINT id, CommandState& state) override;

  // Receives a DDE execute string from another process.
  bool OnDDECommand(const std::string& command) override;
  // Opens a file with the document kind chosen from the keys held now.
  Document* OpenFileByName(const std::string& path, bool ctrlAllowed) override;
  // Opens a file with the given open kind and HTML flag (reset afterwards).
  // Open kind 3 goes to the HTML visual template.
  DocTemplate* TemplateForOpen() override;
  Document* OpenWithKind(const std::string& path, int openKind, bool html) override;
  // A new untitled text document.
  Document* NewTextDocument() override;
  void OpenDroppedFiles(const std::vector<std::string>& paths) override;

  // Closing the main frame: placement and cabinet are stored.
  void OnMainFrameClosing() override;
  // True when closing the frame should leave the program resident.
  bool ResidentModeApplies() const override;
  // The DDE service and topic a later start connects to.
  std::wstring DdeServiceName() const override;

  // The caret of an edit window moved: the status bar shows it when the
  // window is the active one.
  void OnCaretMoved(CNorbEV* edit) override;
  void OnChildActivated(MdiChild* child) override;
  // A text in the status bar's prompt pane.
  void ShowStatusPrompt(const std::wstring& text) override;
  // The key text a menu item shows after a tab, or "".
  std::wstring MenuKeyText(UINT id) override;

  // What the automation bridge reads and runs.
  // The working copy of the current cabinet.
  const CabinetSettings& CurrentCabinet() const;
  FileSystem& Files() { return files_; }
  Recording& GetRecording() { return recording_; }

 private:
  // Shows the recent files, the favourite folders and the user tools in
  // the menus.
  void UpdateRecentMenus();
  // Called when "MultiInstance" is changed at run time.
  void OnMultiInstanceChanged();
  // The common-settings sheet changed the record (before: the record as it
  // was): the open windows follow what takes effect at once.
  void OnCommonSettingsChanged(const AppSettings& before);
  bool HandOverToRunningInstance(const CommandLine& cmd);
  bool LoadSettingsFile();
  void SaveSettingsFile();
  void ShowMainFrame();
  void OpenStartupFiles(bool cabinetRead);
  void UpdateFrameTitleFromCabinet();
  void OnFileOpen();

  WinHost host_;
  WinFileSystem files_;
  AppPaths paths_;
  IniFile ini_;
  AppSettings settings_;
  // The services, each handed what it uses.
  AppState state_{files_, host_};
  CipherService cipher_{settings_, state_.Data().cipher};
  ViewTextWindows textWindows_{*this};
  FindService find_{settings_, *this};
  Recording recording_{host_, files_};
  TagJumps tagJumps_{host_, *this, *this, textWindows_};
  HtmlTagService htmlTags_;
  GlobalSearchService globalSearch_{settings_, host_, files_, paths_, cipher_, *this, *this, *this, textWindows_};
  ExtractService extract_{settings_, host_, state_, recording_, *this, *this, *this, textWindows_};
  ToolService tools_{state_,     host_, files_, paths_, recording_, *this, *this, *this, textWindows_,
                     [this] { UpdateRecentMenus(); }};
  ExtendedMenuService extendedMenus_{state_, *this, *this};
  CabinetService cabinet_{
      CabinetServiceContext{files_, host_, settings_, *this, *this, *this, [this] { cabinetFiles_.Refresh(); }}};
  CabinetFileList cabinetFiles_{cabinet_, *this};
  PrintService print_{state_, host_, cabinet_, *this, textWindows_};
  std::unique_ptr<KeyTable> keys_;
  CommandLine commandLine_;
  ClipHistory clips_;
  TextFileCommands textFiles_;
  // What each kind of window is handed when it is made.
  EditContext editContext_{settings_, cabinet_,  host_, files_,  paths_, state_, cipher_, find_,  recording_, clips_,
                           htmlTags_, tagJumps_, tools_, *this, *this,  *this,  *this,   *this,  textFiles_};
  VisualContext visualContext_{settings_, host_, files_, paths_, cipher_, cabinet_, htmlTags_, print_, *this, *this};
  CabinetFileContext cabinetFileContext_{cabinet_, settings_, *this};
  CommonSettingsContext commonSettings_{settings_,
                                        state_,
                                        cipher_,
                                        files_,
                                        host_,
                                        *this,
                                        [this] { OnMultiInstanceChanged(); },
                                        [this](const AppSettings& before) { OnCommonSettingsChanged(before); }};
  FrameContext frameContext_{settings_, ini_,    host_,  state_,       cipher_,          find_,          recording_,
                             extendedMenus_, cabinet_, *this, *this, *this, editContext_, commonSettings_, *this};
  RecentFiles recent_;
  std::string cabinetPath_;
  InstanceMutex mutex_;
  Splash splash_;
  std::unique_ptr<CMainFrame> frame_;
  std::unique_ptr<AutomationBridge> automation_;
  AutomationServer automationServer_;
  bool startupAborted_ = false;
  bool oleInitialized_ = false;
  bool version4_ = true;
  int openKind_ = 1;
  bool html_ = false;
};

}  // namespace quelt::win
