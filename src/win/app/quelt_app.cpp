#include "app/quelt_app.h"

#include "keys/customise_sheet.h"
#include "keys/toolbar_page.h"
#include "tools/extended_menus_page.h"

#include "app/startup_files.h"

#include <commctrl.h>
#include <commdlg.h>
#include <ole2.h>
#include <shellapi.h>

#include "app/automation_bridge.h"
#include "app/micro_scroll.h"
#include "frame/recent_menu.h"
#include "automation/auto_int_registry.h"
#include "base/path.h"
#include "cabinet/cabinet_service.h"
#include "frame/main_frame.h"
#include "framework/menu_builder.h"
#include "framework/doc_template.h"
#include "html/visual/hyl_doc.h"
#include "html/visual/hyl_view.h"
#include "framework/mdi_child.h"
#include "framework/property_sheet.h"
#include "framework/colour_chooser.h"
#include "framework/win_text.h"
#include "res/resource.h"
#include "text/file_commands.h"
#include "view/norb_doc.h"
#include "view/norb_ev.h"
#include "view/status_text.h"
#include "view/norb_view.h"
#include "frame/status_bar.h"

namespace quelt::win {
namespace {

constexpr const char* kSettingsSection = "Settings";

// The program's own command line, after its name, as Shift-JIS.
std::string CommandTail() {
  const wchar_t* p = GetCommandLineW();
  // Skip the program name: quoted, or up to the first blank.
  if (*p == L'"') {
    ++p;
    while (*p && *p != L'"') ++p;
    if (*p == L'"') ++p;
  } else {
    while (*p && *p != L' ' && *p != L'\t') ++p;
  }
  while (*p == L' ' || *p == L'\t') ++p;
  return WideToSjis(p);
}

bool HasSwitch(const std::string& tail, const char* name) {
  const std::string folded = FoldCase(tail);
  const std::string n = FoldCase(name);
  return folded.find("/" + n) != std::string::npos || folded.find("-" + n) != std::string::npos;
}

std::string LongPathName(const std::string& path) {
  const std::wstring w = SjisToWide(path);
  wchar_t buffer[MAX_PATH * 2];
  const DWORD n = GetLongPathNameW(w.c_str(), buffer, MAX_PATH * 2);
  return (n > 0 && n < MAX_PATH * 2) ? WideToSjis(buffer) : path;
}

}  // namespace

CQueltApp::CQueltApp() : automation_(std::make_unique<AutomationBridge>(*this)) {}

CQueltApp::~CQueltApp() = default;

std::wstring CQueltApp::DdeServiceName() const { return SjisToWide(paths_.baseName); }

bool CQueltApp::LoadSettingsFile() {
  if (!paths_.settingsFile.empty()) LoadIniFile(files_, paths_.settingsFile, ini_);
  // The interface language: Japanese unless the settings file asks for
  // English with "EnglishInterface=1".
  SetEnglishInterface(ini_.GetInt(kSettingsSection, "EnglishInterface", 0) == 1);
  const SettingsLoadResult r = LoadSettings(ini_, paths_, files_, settings_);
  recent_ = RecentFiles(settings_.recentFileListCount);
  recent_.Load(ini_);
  host_.SetBeepType(static_cast<UINT>(settings_.beepSoundType));
  if (r.tabPositionInvalid) host_.Beep();
  return true;
}

void CQueltApp::SaveSettingsFile() {
  if (paths_.settingsFile.empty()) return;
  SaveSettings(settings_, ini_);
  recent_.Save(ini_);
  SaveIniFile(files_, paths_.settingsFile, ini_);
}

bool CQueltApp::HandOverToRunningInstance(const CommandLine& cmd) {
  std::vector<std::string> names = SplitFileList(cmd.fileList);
  if (names.empty()) {
    MessageBeep(static_cast<UINT>(-1));
    return true;
  }
  if (settings_.convToLongFileName) {
    for (std::string& n : names) n = LongPathName(n);
  }
  if (!HandOverFiles(DdeServiceName(), names)) MessageBeep(static_cast<UINT>(-1));
  return true;
}

bool CQueltApp::InitInstance() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  wchar_t exe[MAX_PATH + 1] = L"";
  const DWORD exeLen = GetModuleFileNameW(nullptr, exe, MAX_PATH + 1);
  paths_ = DeriveAppPaths(exeLen > 0 && exeLen <= MAX_PATH ? WideToSjis(exe) : std::string());
  const std::string tail = CommandTail();

  // Registration requests from an installer or a user: do it and end.
  if (HasSwitch(tail, "RegServer") || HasSwitch(tail, "UnregServer")) {
    startupAborted_ = true;
    if (HasSwitch(tail, "UnregServer")) {
      UnregisterAutomationServer();
    } else {
      RegisterAutomationServer(exe);
    }
    return false;
  }

  // 1. Instance check.
  LoadSettingsFile();
  cabinet_.Start();
  commandLine_ = ParseCommandLine(tail);
  if (!settings_.multiInstance) {
    const std::wstring mutexName = SjisToWide(InstanceMutexName(paths_));
    if (InstanceMutex::OtherInstanceRunning(mutexName)) {
      HandOverToRunningInstance(commandLine_);
      startupAborted_ = true;
      return false;
    }
    mutex_.Acquire(mutexName);
  }

  // 2. The object-linking runtime.
  if (FAILED(OleInitialize(nullptr))) {
    host_.ShowMessage(kMsgOleInitFailed);
    startupAborted_ = true;
    return false;
  }
  oleInitialized_ = true;

  // 3.-5. Paths and settings are in place; the recent-file list and the
  // shared buffers belong to the parts that use them. The key assignments.
  keys_ = std::make_unique<KeyTable>(files_, host_, paths_.keyFile);
  keys_->Load();
  recording_.SetExeFolder(paths_.exeFolder);
  // Played-back records that are not the frame's go to the active edit window.
  recording_.SetPlaybackTarget([this]() -> PlaybackTarget* { return textWindows_.ActiveEditWindow(); });
  recording_.SetKeys(keys_.get());
  state_.Load(paths_.stateFile);
  SetCustomColours(&state_.Data().customColours);
  globalSearch_.Load(state_.Data());
  OSVERSIONINFOW version{sizeof version};
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  version4_ = !GetVersionExW(&version) || version.dwMajorVersion > 3;
#pragma GCC diagnostic pop
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&icc);

  // 6. Document templates, in this order, and the automation class object.
  HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME));
  MdiFrame::RegisterClass(instance, icon);
  MdiChild::RegisterClass(instance, LoadIconW(instance, MAKEINTRESOURCEW(IDR_TEXTTYPE)));
  auto makeText = [this] { return std::make_unique<CNorbDoc>(editContext_, openKind_, html_); };
  auto makeTextView = [this] { return std::make_unique<CNorbView>(editContext_); };
  auto textMenu = [] { return BuildMenu(kMenuTextDocument).Release(); };
  AddDocTemplate(std::make_unique<DocTemplate>(IDR_TEXTTYPE, ResourceString(IDR_TEXTTYPE), textMenu(), makeText,
                                               makeTextView));
  // The HTML visual document with its own window and menu bar.
  AddDocTemplate(std::make_unique<DocTemplate>(
      IDR_HTMLTYPE, ResourceString(IDR_HTMLTYPE), BuildMenu(kMenuHtmlDocument).Release(),
      [this] { return std::make_unique<CHylDoc>(visualContext_); },
      [this] { return std::make_unique<CHylView>(visualContext_); }));
  // The cabinet file list, with the text document's menu bar.
  AddDocTemplate(std::make_unique<DocTemplate>(
      IDR_TEXTTYPE, ResourceString(IDR_TEXTTYPE), textMenu(), [] { return std::make_unique<CCabinetFileDoc>(); },
      [this] { return std::make_unique<CCabinetFileView>(cabinetFileContext_); }));
  automationServer_.Start(automation_.get());

  // 7. The main frame.
  frame_ = std::make_unique<CMainFrame>(frameContext_);
  if (!frame_->Create(L"Kav Quelt", BuildMenu(kMenuNoDocument).Release())) return false;
  SetMainFrame(frame_.get());
  SetAccelerators(BuildFrameAccelerators());
  ShowMainFrame();
  UpdateRecentMenus();
  DragAcceptFiles(frame_->Hwnd(), TRUE);

  // 8. The cabinet named with /A replaces the current one for this run.
  cabinetPath_ = settings_.initialCabinet ? paths_.defaultCabinet : settings_.cabinetName;
  if (cabinetPath_.empty()) cabinetPath_ = paths_.defaultCabinet;
  if (!commandLine_.cabinetPath.empty() && commandLine_.cabinetPath.size() <= 259)
    cabinetPath_ = commandLine_.cabinetPath;

  // 9. Splash.
  splash_.Create(frame_->Hwnd(), settings_.disableSplash || commandLine_.quiet);

  // 10.-11. The cabinet's files, then the command line's.
  RegisterMicroScroll(instance);
  const bool cabinetRead = cabinet_.ReadAtStartup(cabinetPath_);
  OpenStartupFiles(cabinetRead);

  // 12. Title.
  UpdateFrameTitleFromCabinet();

  // 16. Registry entries of the automation object.
  RegisterAutomationServer(exe);
  RedrawWindow(frame_->Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  return true;
}

void CQueltApp::ShowMainFrame() {
  HWND hwnd = frame_->Hwnd();
  STARTUPINFOW si{};
  si.cb = sizeof si;
  GetStartupInfoW(&si);
  const int requested = (si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : SW_SHOWNORMAL;
  if (settings_.windowPos) {
    const WindowPlacement& p = *settings_.windowPos;
    WINDOWPLACEMENT wp{sizeof wp};
    wp.flags = p.flags;
    wp.showCmd = (requested == SW_SHOWNORMAL || requested == SW_SHOWDEFAULT) ? p.showCmd : requested;
    wp.ptMinPosition = {p.minX, p.minY};
    wp.ptMaxPosition = {p.maxX, p.maxY};
    wp.rcNormalPosition = {p.left, p.top, p.right, p.bottom};
    SetWindowPlacement(hwnd, &wp);
  } else {
    ShowWindow(hwnd, (requested == SW_SHOWNORMAL || requested == SW_SHOWDEFAULT) ? SW_SHOWMAXIMIZED : requested);
  }
  UpdateWindow(hwnd);
}

void CQueltApp::OpenStartupFiles(bool cabinetRead) {
  std::vector<std::string> names = SplitFileList(commandLine_.fileList);
  Document* last = nullptr;
  for (std::string& name : names) {
    if (settings_.convToLongFileName) name = LongPathName(name);
    if (Document* d = OpenFileByName(name, true)) last = d;
  }
  const StartupFilesPlan plan = PlanStartupFiles(cabinetRead, names.size(), settings_.invokeWithoutUntitled != 0);
  if (plan.createUntitled) NewTextDocument();
  if (MdiChild* child = plan.maximise ? ActiveChild() : nullptr)
    SendMessageW(MdiClient(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child->Hwnd()), 0);
  // /L and /C move the caret of the last opened document's first view; a
  // line past the end leaves the caret where it was.
  if (last && commandLine_.line > 0 && !last->Views().empty()) {
    if (auto* view = dynamic_cast<CNorbView*>(last->Views().front()))
      view->JumpTo(commandLine_.line - 1, commandLine_.column > 0 ? commandLine_.column - 1 : 0);
  }
  if (!ActiveChild() && !settings_.invokeWithoutUntitled) {
    NewTextDocument();
    if (MdiChild* child = ActiveChild())
      SendMessageW(MdiClient(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child->Hwnd()), 0);
  }
}

void CQueltApp::UpdateFrameTitleFromCabinet() {
  cabinet_.UpdateFrameTitle();
}

Document* CQueltApp::NewTextDocument() {
  openKind_ = 1;
  html_ = false;
  return Templates().front()->OpenDocumentFile(nullptr);
}

Document* CQueltApp::OpenWithKind(const std::string& path, int openKind, bool html) {
  openKind_ = openKind;
  html_ = html;
  Document* doc = OpenDocumentFile(path);
  if (doc && !doc->PathName().empty()) {
    recent_.Add(doc->PathName());
    UpdateRecentMenus();
  }
  openKind_ = 1;
  html_ = false;
  return doc;
}

Document* CQueltApp::OpenFileByName(const std::string& path, bool ctrlAllowed) {
  const auto kind = ChooseDocumentKind(path, KeyDown(VK_CONTROL), KeyDown(VK_SHIFT), ctrlAllowed);
  return OpenWithKind(path, kind.openKind, kind.html);
}

void CQueltApp::OpenDroppedFiles(const std::vector<std::string>& paths) {
  // The keys are read once, when the drop arrives.
  const auto ctrl = KeyDown(VK_CONTROL), shift = KeyDown(VK_SHIFT);
  for (const std::string& p : paths) {
    const std::string name = settings_.convToLongFileName ? LongPathName(p) : p;
    const auto kind = ChooseDocumentKind(name, ctrl, shift, settings_.enableCtrlOnDDEDrop != 0);
    OpenWithKind(name, kind.openKind, kind.html);
  }
}

bool CQueltApp::OnDDECommand(const std::string& command) {
  std::string path;
  if (!ParseDdeOpenCommand(command, path)) return false;
  if (frame_ && IsIconic(frame_->Hwnd())) ShowWindow(frame_->Hwnd(), SW_RESTORE);
  const auto kind = ChooseDocumentKind(path, false, false, false);
  Document* doc = OpenWithKind(path, kind.openKind, kind.html);
  return doc != nullptr;
}

bool CQueltApp::OnIdle(long count) {
  bool more = WinApp::OnIdle(count);
  if (frame_ && splash_.OnIdle(frame_->Hwnd())) more = true;
  if (frame_ && count == 0) {
    // The window bar follows the open windows, their titles and the active one.
    WindowBarOptions options;
    options.addDocNumber = settings_.addDocNumber != 0;
    options.enableTabBarImage = settings_.enableTabBarImage != 0;
    options.tabBarImageNo = settings_.tabBarImageNo;
    const int before = frame_->WindowBar().Height();
    frame_->WindowBar().Refresh(options);
    if (frame_->WindowBar().Height() != before) SendMessageW(frame_->Hwnd(), WM_SIZE, 0, 0);
    frame_->OnIdleUpdate();
  }
  return more;
}

std::wstring CQueltApp::MenuKeyText(UINT id) {
  return keys_ ? SjisToWide(keys_->MenuKeyTextFor(static_cast<CommandId>(id))) : std::wstring();
}

bool CQueltApp::PreTranslateMessage(MSG& msg) {
  // Every key-down that reaches the frame or its windows is offered to the
  // key assignments first.
  if (frame_ && keys_ && (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) &&
      (msg.hwnd == frame_->Hwnd() || IsChild(frame_->Hwnd(), msg.hwnd))) {
    const KeyAction action = keys_->Dispatch(static_cast<std::uint32_t>(msg.wParam),
                                             (GetKeyState(VK_CONTROL) & 0x8000) != 0,
                                             (GetKeyState(VK_SHIFT) & 0x8000) != 0);
    if (action.kind == KeyAction::Kind::kCommand) {
      SendMessageW(frame_->Hwnd(), WM_COMMAND, MAKEWPARAM(action.command, 0), 0);
      return true;
    }
    if (action.kind == KeyAction::Kind::kOperation) {
      recording_.PlayOperationFile(action.operation, frame_->Hwnd());
      return true;
    }
  }
  // Automatic saving waits for quiet in the edit windows.
  if (frame_ && (msg.message == WM_KEYDOWN || msg.message == WM_CHAR || msg.message == WM_LBUTTONDOWN ||
                 msg.message == WM_RBUTTONDOWN || msg.message == WM_MOUSEWHEEL)) {
    wchar_t cls[32] = L"";
    GetClassNameW(msg.hwnd, cls, 32);
    if (wcscmp(cls, CNorbEV::kWindowClass) == 0 || wcscmp(cls, CNorbBV::kWindowClass) == 0) frame_->OnUserInput();
  }
  return WinApp::PreTranslateMessage(msg);
}

bool CQueltApp::ResidentModeApplies() const {
  return settings_.residentMode && version4_ && !KeyDown(VK_CONTROL);
}

void CQueltApp::OnMainFrameClosing() {
  WINDOWPLACEMENT wp{sizeof wp};
  if (frame_ && GetWindowPlacement(frame_->Hwnd(), &wp)) {
    WindowPlacement p;
    p.flags = wp.flags;
    if (IsZoomed(frame_->Hwnd())) p.flags |= WPF_RESTORETOMAXIMIZED;
    p.showCmd = wp.showCmd;
    p.minX = wp.ptMinPosition.x;
    p.minY = wp.ptMinPosition.y;
    p.maxX = wp.ptMaxPosition.x;
    p.maxY = wp.ptMaxPosition.y;
    p.left = wp.rcNormalPosition.left;
    p.top = wp.rcNormalPosition.top;
    p.right = wp.rcNormalPosition.right;
    p.bottom = wp.rcNormalPosition.bottom;
    settings_.windowPos = p;
  }
}

void CQueltApp::OnCaretMoved(CNorbEV* edit) {
  if (!frame_ || !edit) return;
  // Playback shows the caret's place once, when it ends.
  if (recording_.Recorder().IsPlaying()) return;
  MdiChild* child = ActiveChild();
  auto* view = child ? dynamic_cast<CNorbView*>(child->GetView()) : nullptr;
  if (!view || view->EditWindow() != edit) return;
  auto* doc = static_cast<CNorbDoc*>(view->GetDocument());
  StatusOptions options;
  options.countLogicalLines = edit->TextLayout().Params().countLogicalLines;
  options.displayCharCode = settings_.displayCharCode != 0;
  options.displayAlwaysShiftJis = settings_.displayAlwaysShiftJis != 0;
  options.code = static_cast<CharCodeId>(doc->Store().CharCode());
  options.lineEnd = static_cast<LineEndId>(doc->Store().LineEnd());
  const CaretStatusTexts texts = CaretStatus(edit->TextLayout(), edit->CaretState().pos, options);
  CStatusBar& bar = frame_->StatusBar();
  bar.SetText(StatusPane::kLine, Utf8ToWide(texts.line));
  bar.SetText(StatusPane::kColumnHigh, Utf8ToWide(texts.column1));
  bar.SetText(StatusPane::kColumnLow, Utf8ToWide(texts.column2));
  bar.SetText(StatusPane::kCharCode, Utf8ToWide(texts.charCode));
  // The code and line-end names: only with the Japanese interface.
  const bool names = settings_.displayCodeEnter && !IsEnglishInterface();
  bar.SetText(StatusPane::kCodeName, names ? Utf8ToWide(CharCodeStatusName(options.code)) : std::wstring());
  bar.SetText(StatusPane::kLineEndName, names ? Utf8ToWide(LineEndStatusName(options.lineEnd)) : std::wstring());
}

void CQueltApp::OnChildActivated(MdiChild* child) {
  WinApp::OnChildActivated(child);
  // The status bar shows the caret of the window that became active.
  auto* view = child ? dynamic_cast<CNorbView*>(child->GetView()) : nullptr;
  if (view && view->EditWindow()) OnCaretMoved(view->EditWindow());
}

void CQueltApp::ShowStatusPrompt(const std::wstring& text) {
  if (frame_) frame_->StatusBar().SetText(StatusPane::kPrompt, text);
}

void CQueltApp::OnMultiInstanceChanged() {
  ini_.SetInt(kSettingsSection, "MultiInstance", settings_.multiInstance);
  SaveIniFile(files_, paths_.settingsFile, ini_);
  if (!settings_.multiInstance) mutex_.Acquire(SjisToWide(InstanceMutexName(paths_)));
}

void CQueltApp::OnCommonSettingsChanged(const AppSettings& before) {
  if (!frame_) return;
  frame_->ApplySettings(before);
  // The favourite folders of the file menus.
  UpdateRecentMenus();
  // The margins move the text: every text window lays itself out again.
  if (settings_.leftMarginLM != before.leftMarginLM || settings_.topMarginLM != before.topMarginLM) {
    for (Document* doc : AllDocuments()) {
      if (dynamic_cast<CNorbDoc*>(doc)) doc->UpdateAllViews(nullptr, kHintLayoutReplaced);
    }
  }
  // The rulers show, hide and take their colours and type at once.
  ApplyRulerSettingsToAllViews(*this);
  // "FullPathFileList" shows the file list's names or paths.
  cabinetFiles_.Refresh();
  // Underline and bracket inversion show on the next paint.
  RedrawWindow(frame_->Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

int CQueltApp::ExitInstance() {
  automationServer_.Stop();
  if (!startupAborted_) {
    globalSearch_.Store(state_.Data());
    state_.Save();
    SaveSettingsFile();
    if (!paths_.tempFile.empty()) files_.RemoveFile(paths_.tempFile);
    mutex_.Release();
  }
  SetMainFrame(nullptr);
  frame_.reset();
  if (oleInitialized_) OleUninitialize();
  return 0;
}

DocTemplate* CQueltApp::TemplateForOpen() {
  if (openKind_ == kOpenKindHtmlVisual && Templates().size() > 1) return Templates()[1].get();
  return WinApp::TemplateForOpen();
}

bool CQueltApp::SaveDocumentAs(Document* document) {
  if (auto* visual = dynamic_cast<CHylDoc*>(document)) return visual->SaveAs();
  auto* text = dynamic_cast<CNorbDoc*>(document);
  return text && DoSaveTextDocument(*text, nullptr, true);
}

void CQueltApp::OnFileOpen() { FileOpenCommand(editContext_); }

void CQueltApp::UpdateRecentMenus() {
  if (!frame_) return;
  std::vector<HMENU> menus{frame_->DefaultMenu()};
  for (const auto& t : Templates()) menus.push_back(t->Menu());
  UpdateRecentFileMenus(menus, recent_);
  UpdateFavouriteFolderMenus(menus, settings_.frequentlyUsedDirectory);
  tools_.UpdateToolsMenus(menus);
  DrawMenuBar(frame_->Hwnd());
}

bool CQueltApp::OnCommand(UINT id) {
  if (recording_.OnCommand(id, MainHwnd())) return true;
  if (tagJumps_.OnCommand(id)) return true;
  if (globalSearch_.OnCommand(id)) return true;
  if (extract_.OnCommand(id)) return true;
  if (tools_.OnCommand(id)) return true;
  if (extendedMenus_.OnCommand(id)) return true;
  if (cabinetFiles_.OnCommand(id)) return true;
  if (print_.OnCommand(id)) return true;
  if (id == kCmdCustomise) {
    CustomiseContext context{keys_.get(), &files_, &host_, paths_.exeFolder};
    context.opener = this;
    context.windows = &textWindows_;
    ToolsPageContext tools = tools_.PageContext();
    context.tools = &tools;
    ExtendedMenusPageContext menus{state_.Data().extendedMenus, &state_.Data().tools.tools, &host_, false};
    context.menus = &menus;
    tools.menus = &menus.menus;  // the tool page asks about the menus as edited
    ToolBarPageContext toolBar{frame_ ? frame_->ToolBarLayout() : std::vector<CommandId>(), &host_, false};
    context.toolBar = &toolBar;
    ShowCustomiseSheet(MainHwnd(), context);
    tools_.TakePage(tools);
    if (menus.applied) state_.Data().extendedMenus = menus.menus;
    if (toolBar.applied && frame_) frame_->SetToolBarLayout(toolBar.layout);
    if (context.listWanted) WriteKeyListDocument(context);
    return true;
  }
  if (id >= kRecentFileFirst && id <= kRecentFileLast) {
    const std::size_t i = id - kRecentFileFirst;
    if (i >= recent_.Entries().size()) return true;
    const std::string path = recent_.Entries()[i];
    if (!OpenFileByName(path, true)) {
      // A file that cannot be opened leaves the list.
      recent_.Remove(path);
      UpdateRecentMenus();
    }
    return true;
  }
  switch (id) {
    case ID_FILE_NEW:
      recording_.RecordOperation(ID_FILE_NEW, {});
      NewTextDocument();
      return true;
    case ID_FILE_OPEN:
      OnFileOpen();
      return true;
    case ID_APP_ABOUT:
      MessageBoxW(MainHwnd(), L"Kav Quelt  Version 2.41", L"Quelt", MB_OK | MB_ICONINFORMATION);
      return true;
    default:
      return cabinet_.OnCommand(id);
  }
}

bool CQueltApp::OnUpdateCommand(UINT id, CommandState& state) {
  if (recording_.OnUpdateCommand(id, state)) return true;
  if (tagJumps_.OnUpdateCommand(id, state)) return true;
  if (globalSearch_.OnUpdateCommand(id, state)) return true;
  if (extract_.OnUpdateCommand(id, state)) return true;
  if (tools_.OnUpdateCommand(id, state)) return true;
  if (extendedMenus_.OnUpdateCommand(id, state)) return true;
  if (cabinetFiles_.OnUpdateCommand(id, state)) return true;
  if (print_.OnUpdateCommand(id, state)) return true;
  if (id == kCmdCustomise) return true;
  if (cabinet_.OnUpdateCommand(id, state)) return true;
  if (id >= kRecentFileFirst && id <= kRecentFileLast) {
    state.enabled = id - kRecentFileFirst < recent_.Entries().size();
    return true;
  }
  return id == ID_FILE_NEW || id == ID_FILE_OPEN || id == ID_APP_ABOUT;
}

const CabinetSettings& CQueltApp::CurrentCabinet() const { return cabinet_.Working(); }

}  // namespace quelt::win
