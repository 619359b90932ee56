#include "print/page_layout_dialog.h"

#include <cstring>
#include <string>

#include "cabinet/cabinet_dialog_util.h"
#include "framework/win_text.h"
#include "print/page_layout_fields.h"
#include "print/print_font.h"
#include "res/print_ids.h"

namespace quelt::win {
namespace {

struct DialogState {
  PageLayout layout;  // the working copy; the caller's record changes on OK
};

void ShowFontName(HWND dlg, const FontRecord& font) {
  const std::string face(font.faceName.data(), strnlen(font.faceName.data(), font.faceName.size()));
  const std::wstring points = std::to_wstring(font.height > 0 ? font.height : 10);
  const std::wstring name = face.empty() ? std::wstring(L"(既定のﾌｫﾝﾄ)") : SjisToWide(face);
  SetDlgItemTextW(dlg, IDC_PL_FONT_NAME, (name + L"  " + points + L"pt").c_str());
}

void FillCombo(HWND dlg, int id, std::initializer_list<const wchar_t*> items, int selected) {
  for (const wchar_t* item : items) SendDlgItemMessageW(dlg, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  SendDlgItemMessageW(dlg, id, CB_SETCURSEL, selected, 0);
}

int ComboIndex(HWND dlg, int id) {
  const LRESULT i = SendDlgItemMessageW(dlg, id, CB_GETCURSEL, 0, 0);
  return i == CB_ERR ? 0 : static_cast<int>(i);
}

void Fill(HWND dlg, const PageLayout& l) {
  const PageLayoutTexts t = PageLayoutToTexts(l);
  SetItemSjis(dlg, IDC_PL_TOP, t.topMargin);
  SetItemSjis(dlg, IDC_PL_BOTTOM, t.bottomMargin);
  SetItemSjis(dlg, IDC_PL_LEFT, t.leftMargin);
  SetItemSjis(dlg, IDC_PL_RIGHT, t.rightMargin);
  SetItemSjis(dlg, IDC_PL_LINE_SPACING, t.lineSpacing);
  SetItemSjis(dlg, IDC_PL_CHAR_SPACING, t.charSpacing);
  SetItemSjis(dlg, IDC_PL_FIRST_PAGE, t.firstPageNumber);
  SetItemSjis(dlg, IDC_PL_FIRST_LINE, t.firstLineNumber);
  SetItemSjis(dlg, IDC_PL_HEADER, t.headerText);
  SetItemSjis(dlg, IDC_PL_FOOTER, t.footerText);
  CheckItem(dlg, IDC_PL_LINE_NUMBERS, l.printLineNumbers);
  FillCombo(dlg, IDC_PL_HEADER_PRINTED, {L"する", L"しない"}, l.header.printed ? 0 : 1);
  FillCombo(dlg, IDC_PL_FOOTER_PRINTED, {L"する", L"しない"}, l.footer.printed ? 0 : 1);
  FillCombo(dlg, IDC_PL_HEADER_POSITION, {L"左端", L"中央", L"右端"}, l.header.position);
  FillCombo(dlg, IDC_PL_FOOTER_POSITION, {L"左端", L"中央", L"右端"}, l.footer.position);
  ShowFontName(dlg, l.printFont);
}

// The field of a refused value.
int FieldId(PageLayoutField f) {
  switch (f) {
    case PageLayoutField::kTopMargin: return IDC_PL_TOP;
    case PageLayoutField::kBottomMargin: return IDC_PL_BOTTOM;
    case PageLayoutField::kLeftMargin: return IDC_PL_LEFT;
    case PageLayoutField::kRightMargin: return IDC_PL_RIGHT;
    case PageLayoutField::kLineSpacing: return IDC_PL_LINE_SPACING;
    case PageLayoutField::kCharSpacing: return IDC_PL_CHAR_SPACING;
    case PageLayoutField::kFirstPageNumber: return IDC_PL_FIRST_PAGE;
    case PageLayoutField::kFirstLineNumber: return IDC_PL_FIRST_LINE;
    case PageLayoutField::kHeaderText: return IDC_PL_HEADER;
    case PageLayoutField::kFooterText: return IDC_PL_FOOTER;
    default: return 0;
  }
}

// Takes the fields into the working copy; false (a beep, the refused field
// selected) when one does not hold a valid value.
bool Take(HWND dlg, PageLayout& l) {
  PageLayoutTexts t;
  t.topMargin = GetItemSjis(dlg, IDC_PL_TOP);
  t.bottomMargin = GetItemSjis(dlg, IDC_PL_BOTTOM);
  t.leftMargin = GetItemSjis(dlg, IDC_PL_LEFT);
  t.rightMargin = GetItemSjis(dlg, IDC_PL_RIGHT);
  t.lineSpacing = GetItemSjis(dlg, IDC_PL_LINE_SPACING);
  t.charSpacing = GetItemSjis(dlg, IDC_PL_CHAR_SPACING);
  t.firstPageNumber = GetItemSjis(dlg, IDC_PL_FIRST_PAGE);
  t.firstLineNumber = GetItemSjis(dlg, IDC_PL_FIRST_LINE);
  t.headerText = GetItemSjis(dlg, IDC_PL_HEADER);
  t.footerText = GetItemSjis(dlg, IDC_PL_FOOTER);
  const PageLayoutField refused = ApplyPageLayoutTexts(t, l);
  if (refused != PageLayoutField::kNone) {
    CabinetBeep();
    SelectField(dlg, FieldId(refused));
    return false;
  }
  l.printLineNumbers = IsItemChecked(dlg, IDC_PL_LINE_NUMBERS);
  l.header.printed = ComboIndex(dlg, IDC_PL_HEADER_PRINTED) == 0;
  l.footer.printed = ComboIndex(dlg, IDC_PL_FOOTER_PRINTED) == 0;
  l.header.position = ComboIndex(dlg, IDC_PL_HEADER_POSITION);
  l.footer.position = ComboIndex(dlg, IDC_PL_FOOTER_POSITION);
  return true;
}

INT_PTR CALLBACK Proc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* s = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dlg, DWLP_USER, lp);
      Fill(dlg, reinterpret_cast<DialogState*>(lp)->layout);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wp)) {
        case IDC_PL_FONT:
          if (ChoosePrintFont(dlg, s->layout.printFont)) ShowFontName(dlg, s->layout.printFont);
          return TRUE;
        case IDOK:
          if (Take(dlg, s->layout)) EndDialog(dlg, IDOK);
          return TRUE;
        case IDCANCEL:
          EndDialog(dlg, IDCANCEL);
          return TRUE;
        default:
          return FALSE;
      }
    default:
      return FALSE;
  }
}

}  // namespace

bool EditPageLayout(HWND owner, PageLayout& layout) {
  DialogState state{layout};
  if (DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PAGE_LAYOUT), owner, Proc,
                      reinterpret_cast<LPARAM>(&state)) != IDOK) {
    return false;
  }
  layout = state.layout;
  return true;
}

}  // namespace quelt::win
