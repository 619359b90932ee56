// The current cabinet: a working copy of the settings, which display and
// editing read, and a stored copy, which is what the cabinet file holds. A
// change goes to the working copy and is committed (and the file rewritten)
// at once when the application setting "CabinetSave" is on.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/file_system.h"
#include "base/host.h"
#include "cabinet/cabinet_file.h"
#include "cabinet/cabinet_settings.h"

namespace quelt {

// The type choice of a new cabinet that copies the current one.
constexpr int kCopyCurrentCabinet = 3;

// What the cabinet needs of the open text documents; the front end
// implements it with its windows.
class CabinetDocuments {
 public:
  virtual ~CabinetDocuments() = default;
  // The open text documents in window order; untitled ones have an empty
  // path. Placement is that of the frame of the document's first view.
  virtual std::vector<CabinetDocument> Collect() = 0;
  // Offers every text document for saving, then closes it.
  virtual void CloseAll() = 0;
  // Opens the documents of a cabinet just read: kind, placement (shown
  // hidden first, then with its show state), protection and positions, and
  // activates the active one (or maximises the first).
  virtual void Reopen(const std::vector<CabinetDocument>& documents) = 0;
  // Opens a new untitled text document.
  virtual void OpenUntitled() = 0;
};

enum class ChangeCabinetResult {
  kSameCabinet,  // the chosen cabinet is the current one: beeped
  kUnreadable,   // the chosen file could not be read
  kMalformed,    // the chosen file is not a cabinet: 59398 shown
  kSaveFailed,   // the current cabinet could not be saved; nothing changed
  kChanged,      // the chosen cabinet is current and was read
  kReadFailed,   // the chosen cabinet is current but reading it failed
};

enum class NewCabinetResult {
  kNoType,    // no document type chosen: beeped
  kBadName,   // the name is not a valid file name: 59401 shown
  kFailed,    // creation failed; the previous cabinet is current again
  kCreated,
};

class CCabinet {
 public:
  // Starts from the defaults of document type 0.
  CCabinet(FileSystem& fs, Host& host);

  void SetDocuments(CabinetDocuments* documents) { documents_ = documents; }
  // The application setting "CabinetSave".
  void SetCabinetSave(bool on) { cabinetSave_ = on; }
  bool CabinetSave() const { return cabinetSave_; }

  // Full path of the cabinet file; empty when none is known.
  const std::string& Path() const { return path_; }
  void SetPath(std::string path) { path_ = std::move(path); }

  CabinetSettings& Working() { return working_; }
  const CabinetSettings& Working() const { return working_; }
  const CabinetSettings& Stored() const { return stored_; }

  // Both copies to the defaults of document type 0-2; filters in the
  // current interface language; the keyword list and file list emptied.
  void ResetToDefaults(int type);
  // Copies the working copy into the stored copy and rewrites the file
  // without closing documents. False when the file could not be written.
  bool Commit();
  // To be called after every change of the working copy: commits when
  // "CabinetSave" is on. False only when a commit failed.
  bool NoteChange();
  // The file-dialog filter text of a document type: "title|pattern|...|".
  std::string FilterString(int type) const;

  // Reads the cabinet file at Path() into both copies; with reopenFiles,
  // reopens its documents. False (settings untouched) when there is no such
  // file, it cannot be read ("Failed to read from Cabinet") or it is
  // malformed (59398).
  bool ReadCabinet(bool reopenFiles);
  // Writes the stored copy and the open documents to Path(); with
  // closeDocuments, closes every text document afterwards. On failure shows
  // "Failed to write to Cabinet" and closes nothing.
  bool SaveCabinet(bool closeDocuments);
  // Creates a new cabinet file at a full path: type 0-2 with that type's
  // defaults, kCopyCurrentCabinet as a copy of the current one. Asks 59400
  // before overwriting; 59401 for an invalid path, 59402 when it cannot be
  // written. On success the path is current.
  bool CreateCabinet(const std::string& path, int type);

  // Change cabinet: save the current one closing its documents, then read
  // the chosen one and reopen its documents.
  ChangeCabinetResult ChangeCabinet(const std::string& path);
  // New cabinet: name as typed (a full path; ".cab" is appended when it has
  // no extension), type 0-3 or -1 for none chosen. On failure the previous
  // cabinet is read again and the caller shows the dialog again.
  NewCabinetResult NewCabinet(std::string_view name, int type);

  // The keyword page: checks the text (59403, 59404, 59405 shown and false
  // on failure, nothing changed) and takes the keywords and both flags.
  bool ApplyKeywordPage(std::string_view text, bool caseSensitive, bool wholeWord);

 private:
  // Reads and checks a cabinet file; shows the failure messages.
  bool LoadImage(const std::string& path, CabinetImage& image, bool& unreadable);
  std::vector<CabinetDocument> OpenDocuments();

  FileSystem& fs_;
  Host& host_;
  CabinetDocuments* documents_ = nullptr;
  bool cabinetSave_ = true;
  std::string path_;
  CabinetSettings working_;
  CabinetSettings stored_;
};

// Whether text is a usable Windows path: not empty, at most 259 characters,
// no control characters or <>"|?*, a colon only after a drive letter, and a
// name after the last folder separator.
bool IsValidPathName(std::string_view path);
// The cabinet path for a typed name: ".cab" appended when no '.' is among
// its last four characters. False when the name is not a valid path.
bool CabinetPathForName(std::string_view name, std::string& path);

}  // namespace quelt
