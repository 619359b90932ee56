// A multiple-document template: which document, view and menu belong
// together, and the documents of that kind that are open.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quelt::win {

class Document;
class View;

class DocTemplate {
 public:
  using DocumentFactory = std::function<std::unique_ptr<Document>()>;
  using ViewFactory = std::function<std::unique_ptr<View>()>;

  // description: "\n<doc name>\n<file-new name>\n<filter>\n<ext>\n<type id>\n<type name>"
  // menu is the menu bar of the kind's windows; the template owns it.
  DocTemplate(UINT resourceId, const std::wstring& description, HMENU menu, DocumentFactory makeDocument,
              ViewFactory makeView);
  ~DocTemplate();

  UINT ResourceId() const { return resourceId_; }
  HMENU Menu() const { return menu_; }
  // The part of the description at index (0 window title, 1 document name ...).
  std::wstring DescriptionPart(int index) const;

  // Opens path in a new document and window, or makes a new untitled
  // document when path is null. Returns the document, or null on failure.
  Document* OpenDocumentFile(const std::string* path);
  // Opens one more window on an open document.
  bool NewWindow(Document* document);
  // Deletes a document whose last view has gone.
  void RemoveDocument(Document* document);
  const std::vector<std::unique_ptr<Document>>& Documents() const { return documents_; }

 private:
  bool CreateFrame(Document* document);

  UINT resourceId_;
  std::wstring description_;
  DocumentFactory makeDocument_;
  ViewFactory makeView_;
  HMENU menu_ = nullptr;
  int untitledCount_ = 0;
  std::vector<std::unique_ptr<Document>> documents_;
};

}  // namespace quelt::win
