// The "編集" page (dialog 117) with the mail program dialog (166) it opens.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include "framework/win_text.h"
#include "res/settings_ids.h"
#include "settings/settings_pages.h"

namespace quelt::win {
namespace {

using V = EditPageValues;
constexpr CheckBinding<V> kChecks[] = {
    {IDC_SET_CABINETSAVE, &V::cabinetSave},
    {IDC_SET_INITIALCABINET, &V::initialCabinet},
    {IDC_SET_INITIALCABINETMODE, &V::initialCabinetMode},
    {IDC_SET_INVOKEWITHOUTUNTITLED, &V::invokeWithoutUntitled},
    {IDC_SET_COLORAREACOMMENT, &V::colorAreaComment},
    {IDC_SET_JOINLINESTIGHTLY, &V::joinLinesTightly},
    {IDC_SET_PADSPACEFORMOVING, &V::padSpaceForMoving},
    {IDC_SET_USEDEFAULTEXTENSION, &V::useDefaultExtension},
    {IDC_SET_MULTITEXT, &V::multiText},
    {IDC_SET_CLOSEUNTITLED, &V::closeUntitledWithoutPrompt},
    {IDC_SET_ENABLETABPOSITION, &V::enableTabPosition},
    {IDC_SET_ENABLEDRAGDROPEDIT, &V::enableDragDropEdit},
    {IDC_SET_RESIDENTMODE, &V::residentMode},
    {IDC_SET_MULTIINSTANCE, &V::multiInstance},
    {IDC_SET_VIEWMODE, &V::viewMode},
    {IDC_SET_CLICKABLEURL, &V::clickableUrlEmail},
    {IDC_SET_CLIPHISTORY, &V::clipHistory},
};
constexpr TextBinding<V> kTexts[] = {
    {IDC_SET_TABPOSITION, &V::tabPosition},
    {IDC_SET_COLUMNOUTSTRING, &V::columnOutString},
};

// ---- The mail program dialog: edits the page's values, not the record, so
// cancelling the sheet drops what it changed.

void BrowseMailer(HWND dialog) {
  wchar_t file[MAX_PATH] = L"";
  const std::wstring current = SjisToWide(GetItemSjis(dialog, IDC_MAIL_PATH));
  if (current.size() < MAX_PATH) current.copy(file, current.size());
  const std::wstring filter = DialogFilter(L"Programs(*.exe)|*.exe|All Files(*.*)|*.*||");
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = dialog;
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (GetOpenFileNameW(&ofn)) SetDlgItemTextW(dialog, IDC_MAIL_PATH, file);
}

INT_PTR CALLBACK MailerProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dialog, DWLP_USER, lp);
      const auto* v = reinterpret_cast<const V*>(lp);
      SetItemSjis(dialog, IDC_MAIL_PATH, v->mailerPath);
      SetItemSjis(dialog, IDC_MAIL_ARGUMENT, v->mailerArgument);
      return TRUE;
    }
    case WM_COMMAND:
      switch (LOWORD(wp)) {
        case IDC_MAIL_BROWSE:
          BrowseMailer(dialog);
          return TRUE;
        case IDOK: {
          const std::string path = GetItemSjis(dialog, IDC_MAIL_PATH);
          const std::string argument = GetItemSjis(dialog, IDC_MAIL_ARGUMENT);
          if (!FitsSettingText(path) || !FitsSettingText(argument)) {
            RefuseField(dialog, FitsSettingText(path) ? IDC_MAIL_ARGUMENT : IDC_MAIL_PATH);
            return TRUE;
          }
          auto* v = reinterpret_cast<V*>(GetWindowLongPtrW(dialog, DWLP_USER));
          v->mailerPath = path;
          v->mailerArgument = argument;
          EndDialog(dialog, IDOK);
          return TRUE;
        }
        case IDCANCEL:
          EndDialog(dialog, IDCANCEL);
          return TRUE;
        default:
          return FALSE;
      }
    default:
      return FALSE;
  }
}

// ---- The page.

int Read(HWND page, CommonSettingsSheet& sheet) {
  ReadValues<V>(page, sheet.edit, kChecks, kTexts);
  const auto refused = sheet.edit.FirstInvalid();
  if (!refused) return 0;
  const int id = FieldControl<V>(kTexts, refused);
  return id != 0 ? id : IDC_SET_MAILER;  // the mail program's texts live behind the button
}

INT_PTR CALLBACK EditProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      CommonSettingsSheet& sheet = AttachSheet(page, lp);
      sheet.editOpened = true;
      ShowValues<V>(page, sheet.edit, kChecks, kTexts);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wp) == IDC_SET_MAILER && HIWORD(wp) == BN_CLICKED) {
        if (CommonSettingsSheet* sheet = SheetOf(page)) {
          DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_SETTINGS_MAILER), page, MailerProc,
                          reinterpret_cast<LPARAM>(&sheet->edit));
        }
        return TRUE;
      }
      return FALSE;
    case WM_NOTIFY: {
      INT_PTR result = FALSE;
      return AnswerPageNotify(page, lp, Read, result) ? result : FALSE;
    }
    default:
      return FALSE;
  }
}

}  // namespace

PROPSHEETPAGEW EditSettingsPage(CommonSettingsSheet& sheet) {
  return MakeSettingsPage(IDD_SETTINGS_EDIT, EditProc, sheet);
}

}  // namespace quelt::win
