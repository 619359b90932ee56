// A view: the child window inside an MDI child frame that shows a document.
#pragma once

#include <windows.h>

#include "framework/command.h"

namespace quelt::win {

class Document;

class View : public CommandTarget {
 public:
  ~View() override;
  Document* GetDocument() const { return document_; }
  HWND Hwnd() const { return hwnd_; }

  // Creates the view's window as a child of parent.
  virtual bool Create(HWND parent) = 0;
  // Called once after the document has been loaded or made new.
  virtual void OnInitialUpdate() {}
  // A hint from the document (text loaded, storage reallocated and so on).
  virtual void OnUpdate(View* /*sender*/, int /*hint*/) {}
  virtual void OnActivate(bool /*active*/) {}
  // True when the status bar's line and column panes show this view's
  // caret while it is active (the text and visual views; not a list).
  virtual bool ShowsCaretPosition() const { return false; }

  void AttachDocument(Document* document);
  void DetachDocument();

 protected:
  HWND hwnd_ = nullptr;

 private:
  Document* document_ = nullptr;
};

}  // namespace quelt::win
