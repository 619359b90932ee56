#include "settings/common_settings_sheet.h"

#include <commctrl.h>

#include <string>

#include "app/quelt_app.h"
#include "res/settings_ids.h"
#include "settings/settings_pages.h"

namespace quelt::win {
namespace {

std::wstring SheetTitle() {
  const wchar_t* text = nullptr;
  const int n =
      LoadStringW(GetModuleHandleW(nullptr), IDS_COMMON_SETTINGS_TITLE, reinterpret_cast<LPWSTR>(&text), 0);
  return n > 0 ? std::wstring(text, static_cast<std::size_t>(n)) : std::wstring(L"Settings");
}

// The values of the opened pages go into the record. Every page was checked
// when it was confirmed, so nothing is refused here.
void ApplyOpenedPages(const CommonSettingsSheet& sheet, AppSettings& s) {
  if (sheet.editOpened) sheet.edit.Apply(s);
  if (sheet.displayOpened) sheet.display.Apply(s);
  if (sheet.foldersOpened) sheet.folders.Apply(s);
  if (sheet.scrollOpened) sheet.scroll.Apply(s);
  if (sheet.rulerOpened) sheet.ruler.Apply(s);
}

}  // namespace

PROPSHEETPAGEW MakeSettingsPage(int dialogId, DLGPROC proc, CommonSettingsSheet& sheet) {
  PROPSHEETPAGEW page{};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_DEFAULT;
  page.hInstance = GetModuleHandleW(nullptr);
  page.pszTemplate = MAKEINTRESOURCEW(dialogId);
  page.pfnDlgProc = proc;
  page.lParam = reinterpret_cast<LPARAM>(&sheet);
  return page;
}

CommonSettingsSheet& AttachSheet(HWND page, LPARAM initParam) {
  auto* sheet = reinterpret_cast<CommonSettingsSheet*>(reinterpret_cast<const PROPSHEETPAGEW*>(initParam)->lParam);
  SetWindowLongPtrW(page, DWLP_USER, reinterpret_cast<LONG_PTR>(sheet));
  return *sheet;
}

CommonSettingsSheet* SheetOf(HWND page) {
  return reinterpret_cast<CommonSettingsSheet*>(GetWindowLongPtrW(page, DWLP_USER));
}

void RefuseField(HWND page, int id) {
  CabinetBeep();
  SelectField(page, id);
}

bool AnswerPageNotify(HWND page, LPARAM lp, ReadPage read, INT_PTR& result) {
  const UINT code = reinterpret_cast<const NMHDR*>(lp)->code;
  if (code != PSN_KILLACTIVE && code != PSN_APPLY) return false;
  CommonSettingsSheet* sheet = SheetOf(page);
  const int refused = sheet ? read(page, *sheet) : 0;
  if (refused != 0) RefuseField(page, refused);
  if (code == PSN_KILLACTIVE) {
    result = PageResult(page, refused != 0 ? TRUE : FALSE);
  } else {
    result = PageResult(page, refused != 0 ? PSNRET_INVALID : PSNRET_NOERROR);
  }
  return true;
}

bool ShowCommonSettings(HWND owner) {
  CQueltApp* app = CQueltApp::Get();
  const AppSettings before = app->Settings();
  CommonSettingsSheet sheet;
  sheet.edit = EditPageValues::FromSettings(before);
  sheet.display = DisplayPageValues::FromSettings(before);
  sheet.folders = FolderPageValues::FromSettings(before);
  sheet.scroll = ScrollPageValues::FromSettings(before);
  sheet.ruler = RulerPageValues::FromSettings(before);
  PROPSHEETPAGEW pages[] = {EditSettingsPage(sheet), DisplaySettingsPage(sheet), FolderSettingsPage(sheet),
                            ScrollSettingsPage(sheet), RulerSettingsPage(sheet)};
  const std::wstring title = SheetTitle();
  PROPSHEETHEADERW header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
  header.hwndParent = owner ? owner : app->MainHwnd();
  header.hInstance = GetModuleHandleW(nullptr);
  header.pszCaption = title.c_str();
  header.nPages = static_cast<UINT>(sizeof pages / sizeof pages[0]);
  header.ppsp = pages;
  if (PropertySheetW(&header) <= 0) return false;

  ApplyOpenedPages(sheet, app->Settings());
  // A second start reads "MultiInstance" before this instance ends.
  if (app->Settings().multiInstance != before.multiInstance) app->OnMultiInstanceChanged();
  app->OnCommonSettingsChanged(before);
  return true;
}

}  // namespace quelt::win
