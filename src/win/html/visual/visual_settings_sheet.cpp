#include "html/visual/visual_settings_sheet.h"
#include "html/visual/visual_context.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/property_sheet.h"
#include "framework/win_text.h"
#include "html/tag_dialog_util.h"
#include "html/visual/hyl_doc.h"
#include "html/visual_dialog_lists.h"
#include "html/visual_fonts.h"
#include "html/visual_settings_page.h"
#include "res/visual_ids.h"

namespace quelt::win {
namespace {

struct Flag {
  int id;
  int HtmlModeSettings::*field;
};
constexpr Flag kFlags[] = {
    {IDC_VIS_FREECURSOR, &HtmlModeSettings::freeCursor}, {IDC_VIS_WORDWRAP, &HtmlModeSettings::wordWrap},
    {IDC_VIS_ENTER, &HtmlModeSettings::displayEnter},    {IDC_VIS_TAB, &HtmlModeSettings::displayTab},
    {IDC_VIS_POSITION, &HtmlModeSettings::displayCursorPosition},
    {IDC_VIS_DETAIL, &HtmlModeSettings::detailScale},    {IDC_VIS_TRANSPARENT, &HtmlModeSettings::transparent},
};
// Colour numbers 1..16 as list entries 0..15.
constexpr Flag kColours[] = {
    {IDC_VIS_ENTERCOLOR, &HtmlModeSettings::enterColor},
    {IDC_VIS_TABCOLOR, &HtmlModeSettings::tabColor},
    {IDC_VIS_BORDERCOLOR, &HtmlModeSettings::pageBorderColor},
    {IDC_VIS_NUMBERCOLOR, &HtmlModeSettings::pageNumberColor},
};
constexpr int kNumberIds[] = {IDC_VIS_TABWIDTH, IDC_VIS_FONTPOINT, IDC_VIS_LEFTMARGIN, IDC_VIS_TOPMARGIN};

struct SheetState {
  HtmlModeSettings values;
  bool applied = false;
};
SheetState* g_state = nullptr;  // one sheet at a time

void Init(HWND page, const HtmlModeSettings& s) {
  const bool english = IsEnglishInterface();
  std::vector<std::wstring> faces, colours;
  for (const std::string& f : VisualFaceChoices(english)) faces.push_back(SjisToWide(f));
  for (const std::string& c : ColourNames(english)) colours.push_back(Utf8ToWide(c));
  FillList(page, IDC_VIS_FONTNO, faces, s.defaultFontNo);
  FillList(page, IDC_VIS_DLGFONTNO, faces, s.dlgFontNo);
  FillList(page, IDC_VIS_MEASURE, {L"mm", L"inch"}, s.measureType);
  for (const Flag& c : kColours) FillList(page, c.id, colours, s.*c.field - 1);
  for (const Flag& f : kFlags) CheckDlgButton(page, f.id, s.*f.field ? BST_CHECKED : BST_UNCHECKED);
  const VisualNumbers n = NumbersOf(s);
  const int numbers[] = {n.tabWidth, n.defaultFontPoint, n.leftMargin, n.topMargin};
  for (int i = 0; i < 4; ++i) SetDlgItemInt(page, kNumberIds[i], static_cast<UINT>(numbers[i]), TRUE);
}

// Reads the page into s; false (after the beep, with the field selected)
// when a number is out of range.
bool Read(HWND page, HtmlModeSettings& s) {
  int numbers[4];
  for (int i = 0; i < 4; ++i) {
    BOOL ok = FALSE;
    numbers[i] = static_cast<int>(GetDlgItemInt(page, kNumberIds[i], &ok, TRUE));
    if (!ok) numbers[i] = -1;
  }
  HtmlModeSettings v = s;
  if (const auto bad = TakeNumbers({numbers[0], numbers[1], numbers[2], numbers[3]}, v)) {
    TagBeep();
    HWND field = GetDlgItem(page, kNumberIds[static_cast<int>(*bad)]);
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
    return false;
  }
  v.defaultFontNo = ListIndexOr0(page, IDC_VIS_FONTNO);
  v.dlgFontNo = ListIndexOr0(page, IDC_VIS_DLGFONTNO);
  v.measureType = ListIndexOr0(page, IDC_VIS_MEASURE);
  for (const Flag& c : kColours) v.*c.field = ListIndexOr0(page, c.id) + 1;
  for (const Flag& f : kFlags) v.*f.field = IsDlgButtonChecked(page, f.id) == BST_CHECKED ? 1 : 0;
  s = v;
  return true;
}

INT_PTR CALLBACK PageProc(HWND page, UINT msg, WPARAM, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      if (g_state) Init(page, g_state->values);
      return TRUE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lp);
      if (!g_state) break;
      if (header->code == PSN_KILLACTIVE) {
        SetWindowLongPtrW(page, DWLP_MSGRESULT, Read(page, g_state->values) ? FALSE : TRUE);
        return TRUE;
      }
      if (TakePageApply(page, lp, g_state->applied)) return TRUE;
      break;
    }
    default:
      break;
  }
  return FALSE;
}

}  // namespace

bool RunVisualSettingsSheet(const VisualContext& context) {
  SheetState state{context.settings.htmlMode};
  g_state = &state;
  PROPSHEETPAGEW page{};
  page.dwSize = sizeof page;
  page.hInstance = GetModuleHandleW(nullptr);
  page.pszTemplate = MAKEINTRESOURCEW(IDD_VISUAL_SETTINGS);
  page.pfnDlgProc = &PageProc;
  const bool confirmed = RunPropertySheet(context.owner.MainHwnd(), IDS_VISUAL_SETTINGS_TITLE, std::span(&page, 1));
  g_state = nullptr;
  if (!confirmed || !state.applied) return false;
  context.settings.htmlMode = state.values;
  for (Document* doc : context.documents.AllDocuments())
    if (auto* visual = dynamic_cast<CHylDoc*>(doc)) visual->UpdateAllViews(nullptr, kHintVisualChanged);
  return true;
}

}  // namespace quelt::win
