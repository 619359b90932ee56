#include "framework/win_app.h"

#include <algorithm>

#include "base/path.h"
#include "framework/doc_template.h"
#include "framework/document.h"
#include "framework/mdi_child.h"
#include "framework/mdi_frame.h"
#include "framework/view.h"

namespace quelt::win {

WinApp* WinApp::instance_ = nullptr;

namespace {
// How long the message queue stays empty before the idle pass runs, and the
// longest a steady stream of messages can put the pass off.
constexpr DWORD kIdleQuietMs = 8;
constexpr DWORD kIdleMaxDelayMs = 50;
}  // namespace

bool KeyDown(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }

WinApp::WinApp() { instance_ = this; }

WinApp::~WinApp() {
  if (accelerators_) DestroyAcceleratorTable(accelerators_);
  templates_.clear();
  instance_ = nullptr;
}

int WinApp::Run() {
  if (!InitInstance()) return ExitInstance();
  MSG msg;
  long idleCount = 0;
  bool idle = true;
  DWORD idleSince = GetTickCount();  // when the pending idle pass became due
  for (;;) {
    while (idle && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      // One idle pass per burst of messages: an automation client's calls
      // arrive as several messages each, a few milliseconds apart, and the
      // pass (every bar's update handlers) would otherwise run between them
      // all. So the pass waits until the queue has stayed empty a moment,
      // but never longer than kIdleMaxDelayMs after it became due.
      if (idleCount == 0 && GetTickCount() - idleSince < kIdleMaxDelayMs &&
          MsgWaitForMultipleObjectsEx(0, nullptr, kIdleQuietMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE) != WAIT_TIMEOUT)
        continue;
      if (!OnIdle(idleCount++)) idle = false;
    }
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    if (!PreTranslateMessage(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    // Input and paint messages start a new idle cycle; timers do not.
    if (msg.message != WM_TIMER && msg.message != WM_PAINT) {
      if (!idle || idleCount > 0) idleSince = GetTickCount();
      idle = true;
      idleCount = 0;
    }
  }
  return ExitInstance();
}

bool WinApp::OnIdle(long) { return false; }

void WinApp::IdleNow() {
  // A few steps at most: a step that keeps asking for more (a splash
  // window's wait) must not hold the run.
  for (long count = 0; count < 4 && OnIdle(count); ++count) {
  }
}

bool WinApp::PreTranslateMessage(MSG& msg) {
  if (modeless_ && IsWindow(modeless_) && IsDialogMessageW(modeless_, &msg)) return true;
  if (mainFrame_ && msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
    if (TranslateMDISysAccel(MdiClient(), &msg)) return true;
    if (accelerators_ && TranslateAcceleratorW(mainFrame_->Hwnd(), accelerators_, &msg)) return true;
  }
  return false;
}

void WinApp::SetAccelerators(HACCEL table) {
  if (accelerators_) DestroyAcceleratorTable(accelerators_);
  accelerators_ = table;
}

Document* WinApp::OpenDocumentFile(const std::string& path) {
  for (Document* doc : AllDocuments()) {
    if (!doc->PathName().empty() && EqualsNoCase(doc->PathName(), path) && !doc->Views().empty()) {
      if (MdiChild* child = MdiChild::FromView(doc->Views().front())) child->Activate();
      return doc;
    }
  }
  DocTemplate* target = TemplateForOpen();
  return target ? target->OpenDocumentFile(&path) : nullptr;
}

DocTemplate* WinApp::TemplateForOpen() { return templates_.empty() ? nullptr : templates_.front().get(); }

HWND WinApp::MainHwnd() const { return mainFrame_ ? mainFrame_->Hwnd() : nullptr; }
HWND WinApp::MdiClient() const { return mainFrame_ ? mainFrame_->MdiClient() : nullptr; }

MdiChild* WinApp::ActiveChild() const {
  HWND client = MdiClient();
  if (!client) return nullptr;
  return MdiChild::FromHwnd(reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)));
}

Document* WinApp::ActiveDocument() const {
  MdiChild* child = ActiveChild();
  return child && child->GetView() ? child->GetView()->GetDocument() : nullptr;
}

void WinApp::AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate) {
  templates_.push_back(std::move(docTemplate));
}

std::vector<Document*> WinApp::AllDocuments() const {
  std::vector<Document*> docs;
  for (const auto& t : templates_) {
    for (const auto& d : t->Documents()) docs.push_back(d.get());
  }
  return docs;
}

bool WinApp::RouteCommand(UINT id) {
  if (MdiChild* child = ActiveChild(); child && child->RouteCommand(id)) return true;
  if (mainFrame_ && mainFrame_->OnCommand(id)) return true;
  return OnCommand(id);
}

bool WinApp::RouteUpdate(UINT id, CommandState& state) {
  if (MdiChild* child = ActiveChild(); child && child->RouteUpdate(id, state)) return true;
  if (mainFrame_ && mainFrame_->OnUpdateCommand(id, state)) return true;
  return OnUpdateCommand(id, state);
}

bool WinApp::SaveAllModified() {
  for (Document* doc : AllDocuments()) {
    if (!doc->SaveModified()) return false;
  }
  return true;
}

bool WinApp::IsOpen(const Document* doc) const {
  const std::vector<Document*> docs = AllDocuments();
  return doc && std::find(docs.begin(), docs.end(), doc) != docs.end();
}

bool WinApp::CloseAllDocuments() {
  for (Document* doc : AllDocuments()) {
    if (!doc->SaveModified()) return false;
  }
  for (Document* doc : AllDocuments()) doc->OnCloseDocument();
  return true;
}

void WinApp::OnChildActivated(MdiChild* child) {
  if (mainFrame_) mainFrame_->SwitchMenu(child && child->Template() ? child->Template()->Menu() : nullptr);
  OnFrameTitleChanged();
}

void WinApp::SetFrameBaseTitle(const std::wstring& title) {
  if (mainFrame_) mainFrame_->SetBaseTitle(title);
}

void WinApp::OnFrameTitleChanged() {
  if (!mainFrame_) return;
  // With no child left, the frame's own menu returns.
  if (!ActiveChild()) mainFrame_->SwitchMenu(nullptr);
  mainFrame_->UpdateFrameTitle();
}

}  // namespace quelt::win
