// What automatic saving does with one document.
#pragma once

namespace quelt {

enum class AutoSaveStep { kSkip, kSaveFile, kBackupOnly };

struct AutoSaveDocState {
  bool writeProtected = false;
  bool empty = false;     // the text has no bytes
  bool untitled = false;  // no path yet
  bool modified = false;
};

struct AutoSaveOptions {
  bool autoSave = false;      // "AutoSave"
  bool viewMode = false;      // "ViewMode"
  bool originalFile = true;   // "AutoSaveOriginalFile"
  bool makeBackup = false;    // "MakeBackupFile"
};

// Protected, empty, untitled and unchanged documents are left alone, and
// nothing is saved in browse mode; otherwise the document's own file is
// written, or only a backup copy when the options say so.
AutoSaveStep AutoSaveStepFor(const AutoSaveDocState& doc, const AutoSaveOptions& options);

}  // namespace quelt
