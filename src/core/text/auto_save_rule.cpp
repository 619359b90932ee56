#include "text/auto_save_rule.h"

namespace quelt {

AutoSaveStep AutoSaveStepFor(const AutoSaveDocState& doc, const AutoSaveOptions& options) {
  if (!options.autoSave || doc.writeProtected || doc.empty || options.viewMode) return AutoSaveStep::kSkip;
  if (doc.untitled || !doc.modified) return AutoSaveStep::kSkip;
  if (options.cancelForFloppy && doc.onFloppyDrive) return AutoSaveStep::kSkip;
  if (options.originalFile) return AutoSaveStep::kSaveFile;
  return options.makeBackup ? AutoSaveStep::kBackupOnly : AutoSaveStep::kSkip;
}

bool IsOnFloppyDrive(std::string_view path) {
  return path.size() >= 2 && (path[0] == 'a' || path[0] == 'A') && path[1] == ':';
}

}  // namespace quelt
