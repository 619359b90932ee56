// The application object of the framework: the message loop with idle
// processing, the document templates and the end of the command route.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "base/host.h"
#include "framework/command.h"

namespace quelt::win {

// True while key vk is held down.
bool KeyDown(int vk);

class Document;
class DocTemplate;
class MdiChild;
class MdiFrame;

class WinApp : public CommandTarget {
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
  void IdleNow();
  virtual Host& GetHost() = 0;
  // Saves a document under a name the user chooses; false when cancelled.
  virtual bool SaveDocumentAs(Document* document) = 0;
  // Opens a file, or activates its window when it is open already.
  // The template a file opened by name goes to (the first by default).
  virtual DocTemplate* TemplateForOpen();
  virtual Document* OpenDocumentFile(const std::string& path);

  MdiFrame* MainFrame() const { return mainFrame_; }
  HWND MainHwnd() const;
  HWND MdiClient() const;
  MdiChild* ActiveChild() const;
  Document* ActiveDocument() const;

  void AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate);
  const std::vector<std::unique_ptr<DocTemplate>>& Templates() const { return templates_; }
  std::vector<Document*> AllDocuments() const;
  // Whether doc is one of the open documents (a remembered one may be gone).
  bool IsOpen(const Document* doc) const;

  // Runs a command along the route; false when nobody handled it.
  bool RouteCommand(UINT id);
  bool RouteUpdate(UINT id, CommandState& state);

  // Asks about every modified document, then closes all; false on Cancel.
  bool CloseAllDocuments();
  // Asks every document to save its changes; false when one refused.
  bool SaveAllModified();

  // Notifications from the frames.
  virtual void OnChildActivated(MdiChild* child);

  // The key text a menu item shows after a tab (key assignment), or "".
  virtual std::wstring MenuKeyText(UINT /*id*/) { return {}; }

  // The modeless dialog that takes its keyboard messages before the frame's
  // accelerators (the find and replace dialogs); null when none is open.
  void SetModelessDialog(HWND dialog) { modeless_ = dialog; }
  void OnFrameTitleChanged();

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
