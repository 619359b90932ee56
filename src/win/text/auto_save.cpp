#include "text/auto_save.h"
#include "view/edit_context.h"

#include "backup/backup_files.h"
#include "text/auto_save_rule.h"
#include "text/file_commands.h"
#include "app/settings.h"
#include "cipher/cipher_service.h"
#include "framework/document_list.h"
#include "view/norb_doc.h"

namespace quelt::win {

void AutoSaveTextDocuments(const EditContext& ctx) {
  const AppSettings& s = ctx.settings;
  const AutoSaveOptions options{s.autoSave != 0, s.viewMode != 0, s.autoSaveOriginalFile != 0, s.makeBackupFile != 0,
                                s.autoSaveCancelForFD != 0};
  for (Document* d : ctx.documents.AllDocuments()) {
    auto* doc = dynamic_cast<CNorbDoc*>(d);
    if (!doc) continue;
    const AutoSaveDocState state{doc->Store().WriteProtect(), doc->Store().Length() == 0, doc->PathName().empty(),
                                 doc->IsModified(), IsOnFloppyDrive(doc->PathName())};
    switch (AutoSaveStepFor(state, options)) {
      case AutoSaveStep::kSaveFile:
        SaveTextDocument(*doc, doc->PathName());
        break;
      case AutoSaveStep::kBackupOnly:
        WriteBackupOnly(ctx.files, ctx.host, BackupOptionsOf(s), ctx.cipher.Config(), doc->Store(),
                        doc->PathName());
        break;
      case AutoSaveStep::kSkip:
        break;
    }
  }
}

}  // namespace quelt::win
