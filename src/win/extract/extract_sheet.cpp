#include "extract/extract_sheet.h"

#include <commctrl.h>

#include "cabinet/cabinet_dialog_util.h"
#include "extract/extract_entry_editing.h"
#include "framework/property_sheet.h"
#include "res/extract_ids.h"

namespace quelt::win {

PROPSHEETPAGEW CExtPage::Page(int dialogId) {
  PROPSHEETPAGEW page{};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_DEFAULT;
  page.hInstance = GetModuleHandleW(nullptr);
  page.pszTemplate = MAKEINTRESOURCEW(dialogId);
  page.pfnDlgProc = Proc;
  page.lParam = reinterpret_cast<LPARAM>(this);
  return page;
}

INT_PTR CALLBACK CExtPage::Proc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    auto* self = reinterpret_cast<CExtPage*>(reinterpret_cast<const PROPSHEETPAGEW*>(lp)->lParam);
    SetWindowLongPtrW(page, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    self->OnInit(page);
    return TRUE;
  }
  auto* self = reinterpret_cast<CExtPage*>(GetWindowLongPtrW(page, DWLP_USER));
  if (!self) return FALSE;
  switch (msg) {
    case WM_COMMAND:
      return self->OnCommand(page, LOWORD(wp), HIWORD(wp)) ? TRUE : FALSE;
    case WM_NOTIFY: {
      const UINT code = reinterpret_cast<const NMHDR*>(lp)->code;
      if (code != PSN_KILLACTIVE && code != PSN_APPLY) return FALSE;
      const int refused = self->Read(page);
      if (refused != 0) {
        CabinetBeep();
        SelectField(page, refused);
      }
      if (code == PSN_KILLACTIVE) return PageResult(page, refused != 0 ? TRUE : FALSE);
      return PageResult(page, refused != 0 ? PSNRET_INVALID : PSNRET_NOERROR);
    }
    default:
      return FALSE;
  }
}

namespace {

struct Check {
  int id;
  bool ExtractSettings::*field;
};
constexpr Check kChecks[] = {
    {IDC_EXTS_DISPLAY, &ExtractSettings::displayWhileExtracting},
    {IDC_EXTS_INFORMATION, &ExtractSettings::showInformation},
    {IDC_EXTS_ADD_SEPARATOR, &ExtractSettings::addSeparator},
    {IDC_EXTS_CASE, &ExtractSettings::caseSensitive},
    {IDC_EXTS_REGEX, &ExtractSettings::regularExpression},
    {IDC_EXTS_WIDTH, &ExtractSettings::distinguishWidth},
};
constexpr int kStepButtons[] = {IDC_EXTS_STEP_BOTH, IDC_EXTS_STEP_1, IDC_EXTS_STEP_2};

}  // namespace

void CExtSetPage::OnInit(HWND page) {
  const ExtractSettings& s = values_.settings;
  const int step = s.step >= kExtractBothSteps && s.step <= kExtractStep2 ? s.step : kExtractBothSteps;
  CheckRadioButton(page, IDC_EXTS_STEP_BOTH, IDC_EXTS_STEP_2, kStepButtons[step]);
  for (const Check& c : kChecks) CheckItem(page, c.id, s.*c.field);
  CheckItem(page, IDC_EXTS_RECORD, values_.recordOperation);
  SetItemSjis(page, IDC_EXTS_SEPARATOR, s.separator);
}

int CExtSetPage::Read(HWND page) {
  ExtractSettings& s = values_.settings;
  const std::string separator = GetItemSjis(page, IDC_EXTS_SEPARATOR);
  if (!IsValidSeparatorText(separator)) return IDC_EXTS_SEPARATOR;
  s.separator = separator;
  for (int step = kExtractBothSteps; step <= kExtractStep2; ++step) {
    if (IsItemChecked(page, kStepButtons[step])) s.step = step;
  }
  for (const Check& c : kChecks) s.*c.field = IsItemChecked(page, c.id);
  values_.recordOperation = IsItemChecked(page, IDC_EXTS_RECORD);
  return 0;
}

bool CExtPS::DoModal(HWND owner) {
  PROPSHEETPAGEW pages[] = {set_.Page(IDD_EXTRACT_SET), step1_.Page(IDD_EXTRACT_STEP1),
                            step2_.Page(IDD_EXTRACT_STEP2)};
  return RunPropertySheet(owner, IDS_EXTRACT_TITLE, pages);
}

}  // namespace quelt::win
