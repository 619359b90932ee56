#include "text/properties_dialog.h"

#include "framework/win_text.h"
#include "res/text_ids.h"

namespace quelt::win {
namespace {

INT_PTR CALLBACK PropertiesProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      const auto& p = *reinterpret_cast<const DocumentProperties*>(lp);
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
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
        EndDialog(dlg, LOWORD(wp));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

void RunPropertiesDialog(HWND owner, const DocumentProperties& properties) {
  DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_TEXT_PROPERTIES), owner, PropertiesProc,
                  reinterpret_cast<LPARAM>(&properties));
}

}  // namespace quelt::win
