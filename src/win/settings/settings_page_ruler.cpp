// The "ﾙｰﾗｰ" page (dialog 1558): the two rulers, the line ruler's type and
// the four ruler colours, each an owner-drawn swatch opening the colour
// chooser.
#include <windows.h>
#include <commctrl.h>

#include "res/settings_ids.h"
#include "framework/colour_chooser.h"
#include "settings/settings_pages.h"

namespace quelt::win {
namespace {

using V = RulerPageValues;
constexpr CheckBinding<V> kChecks[] = {
    {IDC_RUL_RULERBAR, &V::displayRulerBar},
    {IDC_RUL_LINEBAR, &V::displayLineBar},
};

struct Swatch {
  int id;
  std::uint32_t V::*colour;
};
constexpr Swatch kSwatches[] = {
    {IDC_RUL_RULERCURSOR, &V::rulerCursorColorref},
    {IDC_RUL_RULERBACK, &V::rulerBackColorref},
    {IDC_RUL_LINECURSOR, &V::lineCursorColorref},
    {IDC_RUL_LINEBACK, &V::lineBackColorref},
};

const Swatch* SwatchOf(int id) {
  for (const Swatch& s : kSwatches) {
    if (s.id == id) return &s;
  }
  return nullptr;
}

void Choose(HWND page, V& v, const Swatch& swatch) {
  COLORREF colour = v.*swatch.colour & 0x00FFFFFF;
  if (!ChooseColour(page, colour)) return;
  v.*swatch.colour = colour;
  InvalidateRect(GetDlgItem(page, swatch.id), nullptr, TRUE);
}

// The colours live in the sheet as they are chosen; the rest is read here.
int Read(HWND page, CommonSettingsSheet& sheet) {
  for (const auto& c : kChecks) sheet.ruler.*c.field = IsItemChecked(page, c.id);
  sheet.ruler.figureRuler = IsItemChecked(page, IDC_RUL_NUMBERS);
  return 0;
}

INT_PTR CALLBACK RulerProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      CommonSettingsSheet& sheet = AttachSheet(page, lp);
      sheet.rulerOpened = true;
      for (const auto& c : kChecks) CheckItem(page, c.id, sheet.ruler.*c.field);
      CheckRadioButton(page, IDC_RUL_SCALE, IDC_RUL_NUMBERS,
                       sheet.ruler.figureRuler ? IDC_RUL_NUMBERS : IDC_RUL_SCALE);
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto* di = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      const Swatch* swatch = SwatchOf(static_cast<int>(di->CtlID));
      CommonSettingsSheet* sheet = SheetOf(page);
      if (!swatch || !sheet) return FALSE;
      DrawColourSwatch(*di, sheet->ruler.*swatch->colour & 0x00FFFFFF);
      return TRUE;
    }
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED) {
        const Swatch* swatch = SwatchOf(LOWORD(wp));
        CommonSettingsSheet* sheet = SheetOf(page);
        if (swatch && sheet) {
          Choose(page, sheet->ruler, *swatch);
          return TRUE;
        }
      }
      return FALSE;
    case WM_NOTIFY: {
      INT_PTR result = FALSE;
      return AnswerPageNotify(page, lp, Read, result) ? result : FALSE;
    }
    default:
      return FALSE;
  }
}

}  // namespace

PROPSHEETPAGEW RulerSettingsPage(CommonSettingsSheet& sheet) {
  return MakeSettingsPage(IDD_SETTINGS_RULER, RulerProc, sheet);
}

}  // namespace quelt::win
