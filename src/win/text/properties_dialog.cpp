#include "text/properties_dialog.h"

#include "framework/info_dialog.h"
#include "framework/win_text.h"
#include "res/text_ids.h"

namespace quelt::win {

void RunPropertiesDialog(HWND owner, const DocumentProperties& p) {
  ShowInfoDialog(owner, IDD_TEXT_PROPERTIES, [&p](HWND dlg) {
    auto set = [dlg](int id, const std::string& sjis) { SetDlgItemTextW(dlg, id, SjisToWide(sjis).c_str()); };
    set(IDC_PROP_NAME, p.name);
    set(IDC_PROP_PATH, p.path);
    set(IDC_PROP_FILESIZE, p.fileSize);
    set(IDC_PROP_CREATED, p.created);
    set(IDC_PROP_MODIFIED, p.modified);
    set(IDC_PROP_CODE, p.code);
    set(IDC_PROP_LINEEND, p.lineEnd);
    set(IDC_PROP_DISPLAYLINES, p.displayLines);
    set(IDC_PROP_LOGICALLINES, p.logicalLines);
    std::wstring size = SjisToWide(p.editSize);
    if (p.editSizeBaseNote) size += L"  [SJIS, CRLFﾍﾞｰｽ]";
    SetDlgItemTextW(dlg, IDC_PROP_EDITSIZE, size.c_str());
  });
}

}  // namespace quelt::win
