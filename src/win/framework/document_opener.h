// Opening documents, as the windows and services that open them see it.
// The application decides which template and which open kind a file goes
// to; they only ask.
#pragma once

#include <string>
#include <vector>

namespace quelt::win {

class Document;

class DocumentOpener {
 public:
  // Opens a file with the document kind chosen from the keys held now.
  virtual Document* OpenFileByName(const std::string& path, bool ctrlAllowed) = 0;
  // Opens a file with the given open kind and HTML flag (reset afterwards).
  virtual Document* OpenWithKind(const std::string& path, int openKind, bool html) = 0;
  // A new untitled text document.
  virtual Document* NewTextDocument() = 0;
  virtual void OpenDroppedFiles(const std::vector<std::string>& paths) = 0;
  // Saves a document under a name the user chooses; false when cancelled.
  virtual bool SaveDocumentAs(Document* document) = 0;

 protected:
  ~DocumentOpener() = default;
};

}  // namespace quelt::win
