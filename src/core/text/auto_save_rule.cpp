#include "text/auto_save_rule.h"

namespace quelt {

AutoSaveStep AutoSaveStepFor(const AutoSaveDocState& doc, const AutoSaveOptions& options) {
  if (!options.autoSave || doc.writeProtected || doc.empty || options.viewMode) return AutoSaveStep::kSkip;
  if (doc.untitled || !doc.modified) return AutoSaveStep::kSkip;
  if (options.originalFile) return AutoSaveStep::kSaveFile;
  return options.makeBackup ? AutoSaveStep::kBackupOnly : AutoSaveStep::kSkip;
}

}  // namespace quelt
