// The document commands of the file menu as decisions: the save-modified
// prompt, Close All, Delete and Rename. The user is asked through Host.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "base/host.h"

namespace quelt {

// The save-modified prompt: an unmodified document goes on at once;
// otherwise Yes saves (save() returns false when that failed or was
// cancelled, which stops), No goes on, Cancel stops. True: go on.
bool SaveModifiedPrompt(Host& host, bool modified, const std::string& title, const std::function<bool()>& save);

// A document as Close All sees it.
class ClosableDocument {
 public:
  virtual ~ClosableDocument() = default;
  virtual bool HasPath() const = 0;
  virtual bool IsModified() const = 0;
  virtual std::string Title() const = 0;
  // Saves under its path, or through Save As without one.
  virtual bool Save() = 0;
  virtual void Close() = 0;
};

// Closes the documents in turn and stops at the first whose close is
// cancelled. An untitled document closes without a prompt when
// closeUntitledWithoutPrompt ("CloseUntitledWithoutPrompt") is on. True
// when every document was closed.
bool CloseAllDocuments(Host& host, const std::vector<ClosableDocument*>& documents, bool closeUntitledWithoutPrompt);

enum class DeleteOutcome : int { kCancelled = 0, kDeleted = 1, kFailed = 2 };

// Asks whether to delete the document and its file; deletes it on OK. A
// failed deletion beeps. kDeleted: close the document without a prompt.
DeleteOutcome DeleteDocumentFile(Host& host, FileSystem& fs, const std::string& path);

// The rename dialog's name field takes 1 to this many bytes.
constexpr std::size_t kMaxRenameNameBytes = 260;

enum class RenameOutcome : int {
  kUnchanged = 0,  // the same path: the dialog just closes
  kRenamed = 1,    // the file moved to newPath
  kRefused = 2,    // beeped: the dialog stays open with the name selected
};

// Renames the document's file to newName in the same folder. A name that is
// empty, too long or holds a folder separator or a character no file name
// may hold, a name that another file already has, and a failed move are
// refused with a beep. A change of letter case alone is a rename.
RenameOutcome RenameDocumentFile(Host& host, FileSystem& fs, const std::string& oldPath, const std::string& newName,
                                 std::string& newPath);

}  // namespace quelt
