// The "ﾙｰﾗｰ" page (dialog 1558): the two rulers, the line ruler's type and
// the four ruler colours, each an owner-drawn swatch opening the colour
// chooser.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include "res/settings_ids.h"
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

// The chooser's sixteen custom colours, kept for the rest of the run.
COLORREF g_customColours[16] = {};

const Swatch* SwatchOf(int id) {
  for (const Swatch& s : kSwatches) {
    if (s.id == id) return &s;
  }
  return nullptr;
}

void DrawSwatch(const DRAWITEMSTRUCT& di, COLORREF colour) {
  RECT rc = di.rcItem;
  DrawEdge(di.hDC, &rc, (di.itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
  InflateRect(&rc, -2, -2);
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(di.hDC, &rc, brush);
  DeleteObject(brush);
  FrameRect(di.hDC, &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  if (di.itemState & ODS_FOCUS) {
    InflateRect(&rc, 1, 1);
    DrawFocusRect(di.hDC, &rc);
  }
}

void Choose(HWND page, V& v, const Swatch& swatch) {
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = page;
  cc.rgbResult = v.*swatch.colour & 0x00FFFFFF;
  cc.lpCustColors = g_customColours;
  cc.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!ChooseColorW(&cc)) return;
  v.*swatch.colour = cc.rgbResult & 0x00FFFFFF;
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
      DrawSwatch(*di, sheet->ruler.*swatch->colour & 0x00FFFFFF);
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
