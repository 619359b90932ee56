// The "表示" page (dialog 140): bars, display switches, the user line
// comment, the counts and the margins in millimetres.
#include <windows.h>
#include <commctrl.h>

#include "res/settings_ids.h"
#include "settings/settings_pages.h"

namespace quelt::win {
namespace {

using V = DisplayPageValues;
constexpr CheckBinding<V> kChecks[] = {
    {IDC_DSP_TOOLBAR, &V::displayToolBar},
    {IDC_DSP_STATUSBAR, &V::displayStatusBar},
    {IDC_DSP_SPLASH, &V::showSplash},
    {IDC_DSP_UNDERLINE, &V::drawUnderLine},
    {IDC_DSP_SAVETAGLAYOUT, &V::saveTagToolBarLayout},
    {IDC_DSP_TABBAR, &V::displayTabBar},
    {IDC_DSP_TABBARTOP, &V::tabBarPosition},
    {IDC_DSP_TABBARBUTTONS, &V::buttonStyleTabBar},
    {IDC_DSP_DOCNUMBER, &V::addDocNumber},
    {IDC_DSP_COMPOSITIONFONT, &V::setCompositionFont},
    {IDC_DSP_INVERTBRACKET, &V::invertBracketArea},
    {IDC_DSP_CODEENTER, &V::displayCodeEnter},
    {IDC_DSP_FULLPATHLIST, &V::fullPathFileList},
    {IDC_DSP_CHARCODE, &V::displayCharCode},
    {IDC_DSP_ALWAYSSJIS, &V::displayAlwaysShiftJis},
    {IDC_DSP_EXTBAR, &V::displayExtBar},
    {IDC_DSP_EXTBARTOP, &V::extBarPosition},
};
constexpr TextBinding<V> kTexts[] = {
    {IDC_DSP_LINECOMMENT, &V::userLineComment},
    {IDC_DSP_EXTMENUCOUNT, &V::extMenuCount},
    {IDC_DSP_RECENTCOUNT, &V::recentFileListCount},
    {IDC_DSP_LEFTMARGIN, &V::leftMargin},
    {IDC_DSP_TOPMARGIN, &V::topMargin},
};

int Read(HWND page, CommonSettingsSheet& sheet) {
  ReadValues<V>(page, sheet.display, kChecks, kTexts);
  return FieldControl<V>(kTexts, sheet.display.FirstInvalid(*sheet.current));
}

INT_PTR CALLBACK DisplayProc(HWND page, UINT msg, WPARAM, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      CommonSettingsSheet& sheet = AttachSheet(page, lp);
      sheet.displayOpened = true;
      ShowValues<V>(page, sheet.display, kChecks, kTexts);
      SendDlgItemMessageW(page, IDC_DSP_EXTMENUCOUNT, EM_LIMITTEXT, 2, 0);
      SendDlgItemMessageW(page, IDC_DSP_RECENTCOUNT, EM_LIMITTEXT, 2, 0);
      SendDlgItemMessageW(page, IDC_DSP_LEFTMARGIN, EM_LIMITTEXT, 5, 0);
      SendDlgItemMessageW(page, IDC_DSP_TOPMARGIN, EM_LIMITTEXT, 5, 0);
      return TRUE;
    }
    case WM_NOTIFY: {
      INT_PTR result = FALSE;
      return AnswerPageNotify(page, lp, Read, result) ? result : FALSE;
    }
    default:
      return FALSE;
  }
}

}  // namespace

PROPSHEETPAGEW DisplaySettingsPage(CommonSettingsSheet& sheet) {
  return MakeSettingsPage(IDD_SETTINGS_DISPLAY, DisplayProc, sheet);
}

}  // namespace quelt::win
