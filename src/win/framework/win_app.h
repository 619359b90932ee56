// The application object of the framework: the message loop with idle
// processing, the document templates and the end of the command route.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "base/host.h"
#include "framework/command.h"
#include "framework/command_route.h"
#include "framework/document_list.h"
#include "framework/owner_window.h"

namespace quelt::win {

// True while key vk is held down.
bool KeyDown(int vk);

class Document;
class DocTemplate;
class MdiChild;
class MdiFrame;

// It is the document list, the owner window and the command route the
// windows are handed.
class WinApp : public CommandTarget, public DocumentList, public OwnerWindow, public CommandRoute {
 public:
  WinApp();
  ~WinApp() override;
  static WinApp* Instance() { return instance_; }

  // Runs InitInstance, the message loop and ExitInstance; the exit code.
  int Run();

  virtual bool InitInstance() = 0;
  virtual int ExitInstance() { return 0; }
  // Idle step after the message queue has emptied; true asks for more.
  virtual bool OnIdle(long count);
  // One whole idle pass now, for a long run that processes the messages
  // itself (so the bars keep following what it changes).
  void IdleNow() override;
  virtual Host& GetHost() = 0;
  // Saves a document under a name the user chooses; false when cancelled.
  virtual bool SaveDocumentAs(Document* document) = 0;
  // Opens a file, or activates its window when it is open already.
  // The template a file opened by name goes to (the first by default).
  virtual DocTemplate* TemplateForOpen();
  virtual Document* OpenDocumentFile(const std::string& path);

  MdiFrame* MainFrame() const { return mainFrame_; }
  HWND MainHwnd() const override;
  HWND MdiClient() const override;
  MdiChild* ActiveChild() const override;
  Document* ActiveDocument() const override;

  void AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate);
  const std::vector<std::unique_ptr<DocTemplate>>& Templates() const override { return templates_; }
  std::vector<Document*> AllDocuments() const override;
  // Whether doc is one of the open documents (a remembered one may be gone).
  bool IsOpen(const Document* doc) const override;

  // Runs a command along the route; false when nobody handled it.
  bool RouteCommand(UINT id) override;
  bool RouteUpdate(UINT id, CommandState& state) override;

  // Asks about every modified document, then closes all; false on Cancel.
  bool CloseAllDocuments();
  // Asks every document to save its changes; false when one refused.
  bool SaveAllModified() override;

  // Notifications from the frames.
  virtual void OnChildActivated(MdiChild* child);

  // The key text a menu item shows after a tab (key assignment), or "".
  std::wstring MenuKeyText(UINT /*id*/) override { return {}; }

  // The modeless dialog that takes its keyboard messages before the frame's
  // accelerators (the find and replace dialogs); null when none is open.
  void SetModelessDialog(HWND dialog) override { modeless_ = dialog; }
  void OnFrameTitleChanged() override;
  void SetFrameBaseTitle(const std::wstring& title) override;

 protected:
  void SetMainFrame(MdiFrame* frame) { mainFrame_ = frame; }
  // The frame's accelerator table; the app owns it.
  void SetAccelerators(HACCEL table);
  // Keyboard messages a dialog or accelerator table takes first.
  virtual bool PreTranslateMessage(MSG& msg);

 private:
  static WinApp* instance_;
  MdiFrame* mainFrame_ = nullptr;
  HACCEL accelerators_ = nullptr;
  HWND modeless_ = nullptr;
  std::vector<std::unique_ptr<DocTemplate>> templates_;
};

}  // namespace quelt::win
