// The keyword page (dialog 106): one keyword per line and the two matching
// flags. The text is checked when the page is left or confirmed.
#include <windows.h>
#include <commctrl.h>

#include "base/host.h"
#include "cabinet/cabinet_service.h"
#include "cabinet/cabinet_dialog_util.h"
#include "cabinet/cabinet_sheet.h"
#include "framework/win_text.h"
#include "res/cabinet_ids.h"

namespace quelt::win {
namespace {

// The page reads at most this many characters of its text; more than the
// check allows, so an oversized text is still refused with its message.
constexpr int kKeywordFieldLimit = 32000;

void Fill(HWND page) {
  const CabinetSettings& s = CabinetService::Get().Working();
  SendDlgItemMessageW(page, IDC_KW_TEXT, EM_LIMITTEXT, kKeywordFieldLimit, 0);
  SetItemSjis(page, IDC_KW_TEXT, KeywordText(s.keywords));
  CheckItem(page, IDC_KW_CASE, s.keywordCaseSensitive != 0);
  CheckItem(page, IDC_KW_WHOLEWORD, s.keywordWholeWord != 0);
}

// Checks the text; shows 59403, 59404 or 59405 and keeps the page when it
// is refused.
bool Check(HWND page) {
  const KeywordPageResult r = ParseKeywordText(GetItemSjis(page, IDC_KW_TEXT));
  if (r.ok) return true;
  CabinetService::Get().GetHost().ShowMessage(r.message);
  SetFocus(GetDlgItem(page, IDC_KW_TEXT));
  return false;
}

void Apply(HWND page) {
  CabinetService& service = CabinetService::Get();
  service.SyncCabinetSave();
  // The cabinet checks once more and commits when "CabinetSave" is on.
  if (service.Cabinet().ApplyKeywordPage(GetItemSjis(page, IDC_KW_TEXT), IsItemChecked(page, IDC_KW_CASE),
                                         IsItemChecked(page, IDC_KW_WHOLEWORD))) {
    service.RedrawTextViews();
  }
}

INT_PTR CALLBACK KeywordProc(HWND page, UINT msg, WPARAM, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      Fill(page);
      return TRUE;
    case WM_NOTIFY: {
      const auto* nm = reinterpret_cast<const NMHDR*>(lp);
      if (nm->code == PSN_KILLACTIVE) return PageResult(page, Check(page) ? FALSE : TRUE);
      if (nm->code == PSN_APPLY) {
        Apply(page);
        return PageResult(page, PSNRET_NOERROR);
      }
      return FALSE;
    }
    default:
      return FALSE;
  }
}

}  // namespace

PROPSHEETPAGEW KeywordPage() { return MakePage(IDD_CABINET_KEYWORD, KeywordProc); }

}  // namespace quelt::win
