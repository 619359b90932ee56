// The format page (dialog 103): document type, line width, tab columns,
// spacing, the marks and switches, kinsoku and the line-number counting.
#include <windows.h>
#include <commctrl.h>

#include "cabinet/cabinet_dialog_util.h"
#include "cabinet/cabinet_recorder.h"
#include "cabinet/cabinet_service.h"
#include "cabinet/cabinet_sheet.h"
#include "framework/win_text.h"
#include "res/cabinet_ids.h"

namespace quelt::win {
namespace {

struct Switch {
  int id;
  std::uint32_t FormatPageValues::*field;
};
constexpr Switch kSwitches[] = {
    {IDC_FMT_FREECURSOR, &FormatPageValues::freeCursor},
    {IDC_FMT_AUTOINDENT, &FormatPageValues::autoIndent},
    {IDC_FMT_LINEENDMARK, &FormatPageValues::showLineEnds},
    {IDC_FMT_TABMARK, &FormatPageValues::showTabs},
    {IDC_FMT_SAVELINEMARK, &FormatPageValues::saveLineMarks},
    {IDC_FMT_SAVESTRMARK, &FormatPageValues::saveStringMarks},
    {IDC_FMT_WORDWRAP, &FormatPageValues::wordWrap},
    {IDC_FMT_TABBLANKS, &FormatPageValues::tabInsertsBlanks},
    {IDC_FMT_KINSOKU, &FormatPageValues::kinsoku},
};

void Fill(HWND page) {
  const FormatPageValues v = FormatPageFrom(CabinetService::Get().Working());
  HWND combo = GetDlgItem(page, IDC_FMT_DOCTYPE);
  for (int t = 0; t < kDocumentTypes; ++t) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(DocumentTypeName(t)).c_str()));
  }
  SendMessageW(combo, CB_SETCURSEL, v.documentType < 3 ? v.documentType : 0, 0);
  SetDlgItemInt(page, IDC_FMT_LINEWIDTH, v.lineWidth, FALSE);
  SetDlgItemInt(page, IDC_FMT_TABWIDTH, v.tabWidth, FALSE);
  SendDlgItemMessageW(page, IDC_FMT_LINEWIDTH, EM_LIMITTEXT, 3, 0);
  SendDlgItemMessageW(page, IDC_FMT_TABWIDTH, EM_LIMITTEXT, 2, 0);
  SendDlgItemMessageW(page, IDC_FMT_LINEWIDTH_SPIN, UDM_SETRANGE32, 10, 250);
  SendDlgItemMessageW(page, IDC_FMT_LINEWIDTH_SPIN, UDM_SETPOS32, 0, v.lineWidth);
  SendDlgItemMessageW(page, IDC_FMT_TABWIDTH_SPIN, UDM_SETRANGE32, 2, 20);
  SendDlgItemMessageW(page, IDC_FMT_TABWIDTH_SPIN, UDM_SETPOS32, 0, v.tabWidth);
  SetItemSjis(page, IDC_FMT_LINESPACING, FormatTenths(v.lineSpacing));
  SetItemSjis(page, IDC_FMT_CHARSPACING, FormatTenths(v.charSpacing));
  for (const Switch& s : kSwitches) CheckItem(page, s.id, v.*s.field != 0);
  CheckRadioButton(page, IDC_FMT_COUNT_WRAPPED, IDC_FMT_COUNT_LOGICAL,
                   v.lineCounting ? IDC_FMT_COUNT_LOGICAL : IDC_FMT_COUNT_WRAPPED);
}

// Reads the page; false with the failing field selected (and a beep) when a
// value is outside its range.
bool Read(HWND page, FormatPageValues& v) {
  v = FormatPageFrom(CabinetService::Get().Working());
  const LRESULT type = SendDlgItemMessageW(page, IDC_FMT_DOCTYPE, CB_GETCURSEL, 0, 0);
  v.documentType = type >= 0 && type < kDocumentTypes ? static_cast<std::uint32_t>(type) : 0;
  auto number = [&](int id, std::uint32_t low, std::uint32_t high, std::uint32_t& out) {
    BOOL ok = FALSE;
    const UINT n = GetDlgItemInt(page, id, &ok, FALSE);
    if (!ok || n < low || n > high) return false;
    out = n;
    return true;
  };
  struct Field {
    int id;
    bool ok;
  };
  const Field fields[] = {
      {IDC_FMT_LINEWIDTH, number(IDC_FMT_LINEWIDTH, 10, 250, v.lineWidth)},
      {IDC_FMT_TABWIDTH, number(IDC_FMT_TABWIDTH, 2, 20, v.tabWidth)},
      {IDC_FMT_LINESPACING, ParseTenths(GetItemSjis(page, IDC_FMT_LINESPACING), v.lineSpacing)},
      {IDC_FMT_CHARSPACING, ParseTenths(GetItemSjis(page, IDC_FMT_CHARSPACING), v.charSpacing)},
  };
  for (const Field& f : fields) {
    if (!f.ok) {
      CabinetBeep();
      SelectField(page, f.id);
      return false;
    }
  }
  for (const Switch& s : kSwitches) v.*s.field = IsItemChecked(page, s.id) ? 1 : 0;
  v.lineCounting = IsItemChecked(page, IDC_FMT_COUNT_LOGICAL) ? 1 : 0;
  return true;
}

void Apply(HWND page) {
  FormatPageValues v;
  if (!Read(page, v)) return;
  CabinetService& service = CabinetService::Get();
  CabinetRecorder().RecordOperation(ID_CABINET_FORMAT, EncodeFormatRecord(v));
  service.AfterFormatChange(ApplyFormatPage(v, service.Cabinet().Working()));
}

INT_PTR CALLBACK FormatProc(HWND page, UINT msg, WPARAM, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      Fill(page);
      return TRUE;
    case WM_NOTIFY: {
      const auto* nm = reinterpret_cast<const NMHDR*>(lp);
      if (nm->code == PSN_KILLACTIVE) {
        FormatPageValues v;
        return PageResult(page, Read(page, v) ? FALSE : TRUE);
      }
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

PROPSHEETPAGEW FormatPage() { return MakePage(IDD_CABINET_FORMAT, FormatProc); }

}  // namespace quelt::win
