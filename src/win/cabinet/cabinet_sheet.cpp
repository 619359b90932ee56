#include "cabinet/cabinet_sheet.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "cabinet/cabinet_service.h"
#include "cabinet/cabinet_recorder.h"
#include "framework/property_sheet.h"
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

bool ShowCabinetPages(unsigned mask, unsigned openAt) {
  if (mask == kCabinetPageFormat && PlayRecordedFormatChange()) return true;
  std::vector<PROPSHEETPAGEW> pages;
  UINT start = 0;
  auto add = [&](unsigned bit, PROPSHEETPAGEW (*make)()) {
    if (!(mask & bit)) return;
    if (bit == openAt) start = static_cast<UINT>(pages.size());
    pages.push_back(make());
  };
  add(kCabinetPageFormat, &FormatPage);
  add(kCabinetPageColour, &ColourPage);
  add(kCabinetPageKeyword, &KeywordPage);
  add(kCabinetPageFilter, &FilterPage);
  add(kCabinetPageFiles, &FilesPage);
  return RunPropertySheet(CabinetService::Get().MainHwnd(), IDS_CABINET_SHEET_TITLE, pages, start);
}

}  // namespace quelt::win
