// The "ｾｷｭﾘﾃｨ" page (dialog 1559): automatic saving, backup and mirror
// copies, cipher saving with its folder, key and password.
#include <windows.h>
#include <commdlg.h>

#include <string>

#include "base/path.h"
#include "cabinet/cabinet_dialog_util.h"
#include "cipher/cipher_dialogs.h"
#include "framework/win_text.h"
#include "res/security_ids.h"
#include "settings/settings_pages.h"

namespace quelt::win {
namespace {

using V = SecurityPageValues;

constexpr CheckBinding<V> kChecks[] = {
    {IDC_SEC_AUTOSAVE, &V::autoSave}, {IDC_SEC_BACKUP_ONLY, &V::backupOnly}, {IDC_SEC_BACKUP, &V::makeBackup},
    {IDC_SEC_MIRROR, &V::makeMirror}, {IDC_SEC_CIPHER, &V::doCipher},
};
constexpr TextBinding<V> kTexts[] = {
    {IDC_SEC_INTERVAL, &V::interval},           {IDC_SEC_BACKUP_FOLDER, &V::backupFolder},
    {IDC_SEC_GENERATIONS, &V::generationCount}, {IDC_SEC_MIRROR_FOLDER, &V::mirrorFolder},
    {IDC_SEC_CIPHER_FOLDER, &V::cipherFolder},
};

// Each check box and the controls that belong to it.
struct Group {
  int check;
  int controls[4];
};
constexpr Group kGroups[] = {
    {IDC_SEC_AUTOSAVE, {IDC_SEC_INTERVAL_LABEL, IDC_SEC_INTERVAL, IDC_SEC_BACKUP_ONLY, 0}},
    {IDC_SEC_BACKUP, {IDC_SEC_BACKUP_FOLDER, IDC_SEC_BACKUP_BROWSE, IDC_SEC_GENERATIONS_LABEL, IDC_SEC_GENERATIONS}},
    {IDC_SEC_MIRROR, {IDC_SEC_MIRROR_FOLDER, IDC_SEC_MIRROR_BROWSE, 0, 0}},
    {IDC_SEC_CIPHER, {IDC_SEC_CIPHER_FOLDER, IDC_SEC_CIPHER_BROWSE, IDC_SEC_PASSWORD, IDC_SEC_KEY}},
};

void EnableGroups(HWND page) {
  for (const Group& g : kGroups) {
    const bool on = IsItemChecked(page, g.check);
    for (int id : g.controls) {
      if (id) EnableWindow(GetDlgItem(page, id), on);
    }
  }
}

// A file dialog whose chosen file's folder goes into the field.
void BrowseFolder(HWND page, int field) {
  wchar_t file[MAX_PATH + 1] = L"a.a";
  const std::wstring filter = DialogFilter(L"(All Files *.*)|*.*||");
  const std::wstring start = SjisToWide(FolderForStorage(GetItemSjis(page, field)));
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = page;
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrInitialDir = start.empty() ? nullptr : start.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  if (!GetOpenFileNameW(&ofn)) return;
  SetItemSjis(page, field, FolderForDisplay(FolderOf(WideToSjis(file))));
}

int FieldOf(std::string V::*field) { return FieldControl<V>(kTexts, field); }

int ReadSecurityPage(HWND page, CommonSettingsSheet& sheet) {
  V& v = sheet.security;
  ReadValues<V>(page, v, kChecks, kTexts);
  if (auto invalid = v.FirstInvalid()) return FieldOf(invalid);
  if (auto refused = CheckSecurityFolders(v, *sheet.files, *sheet.host)) return FieldOf(refused);
  return 0;
}

INT_PTR CALLBACK SecurityPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      CommonSettingsSheet& sheet = AttachSheet(page, lp);
      sheet.securityOpened = true;
      SendDlgItemMessageW(page, IDC_SEC_INTERVAL, EM_LIMITTEXT, 5, 0);
      SendDlgItemMessageW(page, IDC_SEC_GENERATIONS, EM_LIMITTEXT, 2, 0);
      for (int id : {IDC_SEC_BACKUP_FOLDER, IDC_SEC_MIRROR_FOLDER, IDC_SEC_CIPHER_FOLDER}) {
        SendDlgItemMessageW(page, id, EM_LIMITTEXT, kMaxSecurityFolder, 0);
      }
      ShowValues<V>(page, sheet.security, kChecks, kTexts);
      EnableGroups(page);
      return TRUE;
    }
    case WM_COMMAND: {
      CommonSettingsSheet* sheet = SheetOf(page);
      if (!sheet) return FALSE;
      switch (LOWORD(wp)) {
        case IDC_SEC_AUTOSAVE:
        case IDC_SEC_BACKUP:
        case IDC_SEC_MIRROR:
        case IDC_SEC_CIPHER:
          EnableGroups(page);
          break;
        case IDC_SEC_BACKUP_BROWSE: BrowseFolder(page, IDC_SEC_BACKUP_FOLDER); break;
        case IDC_SEC_MIRROR_BROWSE: BrowseFolder(page, IDC_SEC_MIRROR_FOLDER); break;
        case IDC_SEC_CIPHER_BROWSE: BrowseFolder(page, IDC_SEC_CIPHER_FOLDER); break;
        case IDC_SEC_KEY: EditCipherKey(page, *sheet->host, sheet->security.secrets.key); break;
        case IDC_SEC_PASSWORD: EditCipherPassword(page, *sheet->host, sheet->security.secrets.password); break;
        default: return FALSE;
      }
      if (HIWORD(wp) == BN_CLICKED) PropSheet_Changed(GetParent(page), page);
      return TRUE;
    }
    case WM_NOTIFY: {
      INT_PTR result = 0;
      if (AnswerPageNotify(page, lp, ReadSecurityPage, result)) return result;
      return FALSE;
    }
    default:
      return FALSE;
  }
}

}  // namespace

PROPSHEETPAGEW SecuritySettingsPage(CommonSettingsSheet& sheet) {
  return MakeSettingsPage(IDD_SETTINGS_SECURITY, SecurityPageProc, sheet);
}

}  // namespace quelt::win
