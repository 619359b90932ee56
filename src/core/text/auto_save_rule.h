// What automatic saving does with one document.
#pragma once

#include <string_view>

namespace quelt {

enum class AutoSaveStep { kSkip, kSaveFile, kBackupOnly };

struct AutoSaveDocState {
  bool writeProtected = false;
  bool empty = false;     // the text has no bytes
  bool untitled = false;  // no path yet
  bool modified = false;
  bool onFloppyDrive = false;  // the path lies on drive A:
};

struct AutoSaveOptions {
  bool autoSave = false;      // "AutoSave"
  bool viewMode = false;      // "ViewMode"
  bool originalFile = true;   // "AutoSaveOriginalFile"
  bool makeBackup = false;    // "MakeBackupFile"
  bool cancelForFloppy = false;  // "AutoSaveCancelForFD": leave documents on drive A: alone
};

// True for a path on drive A: ("a:" or "A:\..."), where a saving pass
// would wait for a diskette.
bool IsOnFloppyDrive(std::string_view path);

// Protected, empty, untitled and unchanged documents are left alone, and
// nothing is saved in browse mode; otherwise the document's own file is
// written, or only a backup copy when the options say so.
AutoSaveStep AutoSaveStepFor(const AutoSaveDocState& doc, const AutoSaveOptions& options);

}  // namespace quelt
