// How a file becomes the text of a document and how the text goes back to
// disk: detection of code and line end, conversion through the temporary
// file, the size rules, and the save of a document under a path, with the
// Save As flow around it.
#pragma once

#include <functional>
#include <string>

#include "base/file_system.h"
#include "base/host.h"
#include "cipher/cipher.h"
#include "text/char_code.h"
#include "text/text_store.h"

namespace quelt {

struct FileContext {
  FileSystem& fs;
  Host& host;
  // The program's conversion work file ("<exe>.TM1"); empty: files are
  // read without conversion.
  std::string tempFile;
  bool crlfEqualSjis = false;  // the "CrlfEqualSjis" setting
  // Cipher saving: files of the cipher folder are deciphered when opened
  // (after askPassword agrees) and enciphered when saved. Null: none.
  const CipherConfig* cipher = nullptr;
  std::function<bool()> askPassword;
};

// Code and line end of a file from its first kDetectSampleBytes bytes, with
// a forced code as DetectForced takes it; Shift-JIS with CR LF when it
// cannot be read.
Detection DetectFile(FileSystem& fs, const std::string& path, bool crlfEqualSjis,
                     CharCodeId forcedCode = CharCodeId::kAuto);

struct OpenOutcome {
  bool ok = false;
  int hint = kHintNone;    // the update hint the views get
  bool converted = false;  // read through the temporary file, or from UTF-8 or UTF-16
  // UTF-8 and UTF-16: the characters a save would change (those code page
  // 932 cannot hold, malformed ones, and of a pair that came in both forms
  // those of the form not written back), and whether a pair came in both.
  std::uint64_t lostChars = 0;
  bool bothForms = false;
  // Opened write-protected, after its message: a cipher file that the key
  // or the password did not surely open, or a UTF file a save would change.
  bool writeProtected = false;
};

// Reads path into store, which was created with the document's kind. Text
// kind: code and line end are detected (forcedCode 1-3 overrides the code)
// and a file that is not Shift-JIS with CR LF is converted through the
// temporary file; a file over kMaxConvertBytes, or any failure on the way,
// reads the file itself as Shift-JIS with CR LF. UTF-8 and UTF-16 files are
// converted in memory at any size the store can hold; the store takes the
// forms of their two-form characters, and when a save would change any
// character the store is write-protected and the count is shown
// (kMsgUnicodeCharsLost). Binary kind reads the bytes
// unchanged. A file of the cipher folder that deciphers is read from the
// work file, which is removed again, and the store remembers it came from a
// cipher file. The store's code and line end are set. Failures are reported
// (open failed, out of memory) and leave the store empty.
OpenOutcome OpenTextFile(const FileContext& ctx, const std::string& path, CharCodeId forcedCode, TextStore& store);

struct SaveOutcome {
  bool ok = false;
  bool written = false;  // the file on disk now holds `bytes`
  // Written enciphered: no backup, mirror copy or attribute file follows.
  bool enciphered = false;
  std::string bytes;     // what was written, for the backup and mirror copies
};

// Writes the store to path in its code and line end (binary kind and
// Shift-JIS with CR LF unchanged; UTF-8 and UTF-16 at any size, with the
// store's forms of the two-form characters). Everything is converted before anything
// is written, and the old file is replaced only once the new content is
// complete on disk: a refused or failed save leaves it as it was. Failures
// are reported; on success the opened-from-cipher flag is cleared. A
// document of the cipher folder is written enciphered instead (the flag is
// then set), or refused.
SaveOutcome SaveTextFile(const FileContext& ctx, const std::string& path, TextStore& store);

// True when the Save command must ask for a name: the document has no path,
// or its file is gone or read-only.
bool SaveNeedsDialog(FileSystem& fs, const std::string& path);

// ---- Save As ----

struct SaveAsRequest {
  std::string proposedName;
  CharCodeId code = CharCodeId::kShiftJis;
  LineEndId lineEnd = LineEndId::kCrLf;
  bool binary = false;  // the code and line-end lists are disabled
};

struct SaveAsChoice {
  std::string path;
  CharCodeId code = CharCodeId::kAuto;   // kAuto keeps the document's code
  LineEndId lineEnd = LineEndId::kAuto;  // kAuto keeps the document's line end
};

class SaveAsDialog {
 public:
  virtual ~SaveAsDialog() = default;
  // Shows the save dialog; false when it was cancelled.
  virtual bool Run(const SaveAsRequest& request, SaveAsChoice& choice) = 0;
};

struct DocumentNames {
  std::string path;   // empty when untitled
  std::string title;
  int cabinetFileType = 0;  // of the current cabinet: 0 text, 1 C, 2 C++
};

struct DoSaveOutcome {
  bool ok = false;
  std::string path;  // the path saved under
};

// Save As of a document whose file held `lost` characters a save cannot
// give back: TellLostOnSaveAs tells their count again (nothing when there
// are none), and MaySaveOverOriginal refuses, with its message, a target
// that names that file.
void TellLostOnSaveAs(Host& host, std::uint64_t lost);
bool MaySaveOverOriginal(Host& host, std::uint64_t lost, const std::string& target, const std::string& original);

// Saves under path, or (path null) asks for one with the proposed name and
// applies the code and line end chosen. saveDocument writes the document;
// on failure the previous code and line end come back, and a file that this
// save created where none existed is removed again, whether its path came
// from the dialog or from the caller (the automation object's Save As). A
// file that existed before is never removed. A document whose file held
// characters a save cannot give back (the store's LostChars) is told their
// count first (kMsgUnicodeSaveAsLoses) and is never saved over that file
// (kMsgUnicodeNotOverOriginal); once saved elsewhere it has none.
DoSaveOutcome DoSave(FileSystem& fs, Host& host, TextStore& store, const std::string* path, const DocumentNames& names,
                     SaveAsDialog& dialog, const std::function<SaveOutcome(const std::string&)>& saveDocument);

}  // namespace quelt
