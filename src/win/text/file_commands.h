// The file commands of a text document: open, save, save as, close, close
// all, delete, rename and properties, over the engine's load and save rules.
#pragma once

#include <windows.h>

#include <string>

#include "framework/command.h"
#include "text/char_code.h"
#include "text/load_save.h"
#include "view/document_files.h"

namespace quelt {
struct AppPaths;
struct AppSettings;
class FileSystem;
class Host;
}  // namespace quelt

namespace quelt::win {

class CipherService;
class CNorbDoc;
class OwnerWindow;
struct EditContext;

// The code forced in the open dialog for the document being opened; the
// document takes it (and it is reset) when it reads its file.
CharCodeId TakeForcedOpenCode();

// What the engine's file reading and writing needs: the file system, the
// host, the conversion work file and the cipher settings.
FileContext DocumentFileContext(const EditContext& context);
FileContext DocumentFileContext(FileSystem& files, Host& host, const AppPaths& paths, const AppSettings& settings,
                                CipherService& cipher, OwnerWindow& owner);

// The open command: the open dialog, then each chosen file.
void FileOpenCommand(const EditContext& context);

// Reads path into the document (the framework's open step).
bool OpenTextDocument(CNorbDoc& doc, const std::string& path);
// Save document (path): writes, marks unmodified, refreshes the status bar.
SaveOutcome SaveTextDocument(CNorbDoc& doc, const std::string& path);
// Do save: under path, or through the save dialog when path is null; with
// replace the document takes the path (and the full path as its title
// under "LongTitle").
bool DoSaveTextDocument(CNorbDoc& doc, const std::string* path, bool replace);
// The Save command: under the document's path, or Save As when it has none
// or its file is missing or read-only.
bool SaveCommand(CNorbDoc& doc);
// The save-modified prompt; true when the close may go on.
bool SaveModifiedTextDocument(CNorbDoc& doc);

// The document commands; they return true when they handled id. The
// document may be gone afterwards.
bool OnTextFileCommand(CNorbDoc& doc, UINT id);
bool OnUpdateTextFileCommand(CNorbDoc& doc, UINT id, CommandState& state);

// The code and line-end panes of the status bar for a document (blank for
// binary documents, with "DisplayCodeEnter" off, or in English).
void ShowDocumentCodeStatus(CNorbDoc& doc);

// The file steps a text document hands on, carried out by the functions
// above.
class TextFileCommands : public TextDocumentFiles {
 public:
  bool Open(CNorbDoc& doc, const std::string& path) override;
  bool Save(CNorbDoc& doc, const std::string& path) override;
  bool SaveModified(CNorbDoc& doc) override;
  bool OnCommand(CNorbDoc& doc, UINT id) override;
  bool OnUpdateCommand(CNorbDoc& doc, UINT id, CommandState& state) override;
};

}  // namespace quelt::win
