#include "cabinet/cabinet_sheet.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "app/quelt_app.h"
#include "cabinet/cabinet_recorder.h"
#include "cabinet/cabinet_service.h"
#include "res/cabinet_ids.h"

namespace quelt::win {
namespace {

// A recorded format change being played back: applied without the page.
bool PlayRecordedFormatChange() {
  std::string data;
  if (!CabinetRecorder().TakePlaybackData(ID_CABINET_FORMAT, data)) return false;
  CabinetService& service = CabinetService::Get();
  FormatPageValues values = FormatPageFrom(service.Working());
  if (DecodeFormatRecord(data, values)) {
    service.AfterFormatChange(ApplyFormatPage(values, service.Cabinet().Working()));
  }
  return true;
}

std::wstring SheetTitle() {
  const wchar_t* text = nullptr;
  const int n = LoadStringW(GetModuleHandleW(nullptr), IDS_CABINET_SHEET_TITLE, reinterpret_cast<LPWSTR>(&text), 0);
  return n > 0 ? std::wstring(text, static_cast<std::size_t>(n)) : std::wstring(L"Cabinet");
}

}  // namespace

PROPSHEETPAGEW MakePage(int dialogId, DLGPROC proc) {
  PROPSHEETPAGEW page{};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_DEFAULT;
  page.hInstance = GetModuleHandleW(nullptr);
  page.pszTemplate = MAKEINTRESOURCEW(dialogId);
  page.pfnDlgProc = proc;
  return page;
}

bool ShowCabinetPages(unsigned mask) {
  if (mask == kCabinetPageFormat && PlayRecordedFormatChange()) return true;
  std::vector<PROPSHEETPAGEW> pages;
  if (mask & kCabinetPageFormat) pages.push_back(FormatPage());
  if (mask & kCabinetPageColour) pages.push_back(ColourPage());
  if (mask & kCabinetPageKeyword) pages.push_back(KeywordPage());
  if (mask & kCabinetPageFilter) pages.push_back(FilterPage());
  if (mask & kCabinetPageFiles) pages.push_back(FilesPage());
  if (pages.empty()) return false;
  const std::wstring title = SheetTitle();
  PROPSHEETHEADERW header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
  header.hwndParent = CQueltApp::Get()->MainHwnd();
  header.hInstance = GetModuleHandleW(nullptr);
  header.pszCaption = title.c_str();
  header.nPages = static_cast<UINT>(pages.size());
  header.ppsp = pages.data();
  return PropertySheetW(&header) > 0;
}

}  // namespace quelt::win
