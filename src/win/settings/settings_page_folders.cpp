// The "ﾃﾞｨﾚｸﾄﾘ" page (dialog 127): the four favourite folders, each with a
// browse button; and the "ｽｸﾛｰﾙ" page (dialog 128).
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include "framework/win_text.h"
#include "res/settings_ids.h"
#include "settings/settings_pages.h"

namespace quelt::win {
namespace {

constexpr int kFolderIds[kFavouriteFolderCount] = {IDC_DIR_FOLDER1, IDC_DIR_FOLDER2, IDC_DIR_FOLDER3,
                                                   IDC_DIR_FOLDER4};
constexpr int kBrowseIds[kFavouriteFolderCount] = {IDC_DIR_BROWSE1, IDC_DIR_BROWSE2, IDC_DIR_BROWSE3,
                                                   IDC_DIR_BROWSE4};

// The folder chooser opens on the folder the field names.
int CALLBACK BrowseCallback(HWND chooser, UINT msg, LPARAM, LPARAM data) {
  if (msg == BFFM_INITIALIZED && data) SendMessageW(chooser, BFFM_SETSELECTIONW, TRUE, data);
  return 0;
}

void BrowseFolder(HWND page, int index) {
  const int field = kFolderIds[index];
  const std::wstring current = SjisToWide(GetItemSjis(page, field));
  wchar_t display[MAX_PATH] = L"";
  BROWSEINFOW bi{};
  bi.hwndOwner = page;
  bi.pszDisplayName = display;
  bi.ulFlags = BIF_RETURNONLYFSDIRS;
  bi.lpfn = BrowseCallback;
  bi.lParam = current.empty() ? 0 : reinterpret_cast<LPARAM>(current.c_str());
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&bi);
  if (!chosen) return;
  wchar_t path[MAX_PATH] = L"";
  if (SHGetPathFromIDListW(chosen, path)) SetDlgItemTextW(page, field, path);
  CoTaskMemFree(chosen);
}

int ReadFolders(HWND page, CommonSettingsSheet& sheet) {
  for (int i = 0; i < kFavouriteFolderCount; ++i) {
    sheet.folders.folders[static_cast<std::size_t>(i)] = GetItemSjis(page, kFolderIds[i]);
  }
  const int refused = sheet.folders.FirstInvalid();
  return refused >= 0 ? kFolderIds[refused] : 0;
}

INT_PTR CALLBACK FolderProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      CommonSettingsSheet& sheet = AttachSheet(page, lp);
      sheet.foldersOpened = true;
      for (int i = 0; i < kFavouriteFolderCount; ++i) {
        SetItemSjis(page, kFolderIds[i], sheet.folders.folders[static_cast<std::size_t>(i)]);
      }
      return TRUE;
    }
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED) {
        for (int i = 0; i < kFavouriteFolderCount; ++i) {
          if (LOWORD(wp) == kBrowseIds[i]) {
            BrowseFolder(page, i);
            return TRUE;
          }
        }
      }
      return FALSE;
    case WM_NOTIFY: {
      INT_PTR result = FALSE;
      return AnswerPageNotify(page, lp, ReadFolders, result) ? result : FALSE;
    }
    default:
      return FALSE;
  }
}

// ---- ｽｸﾛｰﾙ

using S = ScrollPageValues;
constexpr CheckBinding<S> kScrollChecks[] = {
    {IDC_SCR_ONENOTREPEAT, &S::oneScrollNotRepeat},
    {IDC_SCR_AUTOBREAK, &S::autoScrollBreak},
};
constexpr TextBinding<S> kScrollTexts[] = {
    {IDC_SCR_LINECOUNT, &S::scrollLineCount},
    {IDC_SCR_AUTOINTERVAL, &S::autoScrollInt},
    {IDC_SCR_AUTOCOUNT, &S::autoScrollCount},
    {IDC_SCR_WHEELLINES, &S::wheelLineCount},
};

int ReadScroll(HWND page, CommonSettingsSheet& sheet) {
  ReadValues<S>(page, sheet.scroll, kScrollChecks, kScrollTexts);
  return FieldControl<S>(kScrollTexts, sheet.scroll.FirstInvalid());
}

INT_PTR CALLBACK ScrollProc(HWND page, UINT msg, WPARAM, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      CommonSettingsSheet& sheet = AttachSheet(page, lp);
      sheet.scrollOpened = true;
      ShowValues<S>(page, sheet.scroll, kScrollChecks, kScrollTexts);
      for (const auto& t : kScrollTexts) SendDlgItemMessageW(page, t.id, EM_LIMITTEXT, 3, 0);
      return TRUE;
    }
    case WM_NOTIFY: {
      INT_PTR result = FALSE;
      return AnswerPageNotify(page, lp, ReadScroll, result) ? result : FALSE;
    }
    default:
      return FALSE;
  }
}

}  // namespace

PROPSHEETPAGEW FolderSettingsPage(CommonSettingsSheet& sheet) {
  return MakeSettingsPage(IDD_SETTINGS_FOLDERS, FolderProc, sheet);
}

PROPSHEETPAGEW ScrollSettingsPage(CommonSettingsSheet& sheet) {
  return MakeSettingsPage(IDD_SETTINGS_SCROLL, ScrollProc, sheet);
}

}  // namespace quelt::win
