// The open documents and the active window, as the windows and services
// that look at them see them. The framework's application object keeps
// them; a window is handed this view of it, not the object.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

namespace quelt::win {

class Document;
class DocTemplate;
class MdiChild;

class DocumentList {
 public:
  virtual std::vector<Document*> AllDocuments() const = 0;
  // Whether doc is one of the open documents (a remembered one may be gone).
  virtual bool IsOpen(const Document* doc) const = 0;
  virtual MdiChild* ActiveChild() const = 0;
  virtual Document* ActiveDocument() const = 0;
  // The MDI client window, which activates and arranges the children.
  virtual HWND MdiClient() const = 0;
  // The document templates in the order they were registered (text, HTML
  // visual, cabinet file list).
  virtual const std::vector<std::unique_ptr<DocTemplate>>& Templates() const = 0;
  // Asks every document to save its changes; false when one refused.
  virtual bool SaveAllModified() = 0;

 protected:
  ~DocumentList() = default;
};

}  // namespace quelt::win
