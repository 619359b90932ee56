#include "framework/colour_chooser.h"

#include <commdlg.h>

namespace quelt::win {
namespace {

CustomColours* g_customColours = nullptr;

}  // namespace

void SetCustomColours(CustomColours* colours) { g_customColours = colours; }

bool ChooseColour(HWND owner, COLORREF& colour) {
  static CustomColours fallback = DefaultCustomColours();
  CustomColours& custom = g_customColours ? *g_customColours : fallback;
  COLORREF customs[kCustomColourCount];
  for (std::size_t i = 0; i < kCustomColourCount; ++i) customs[i] = custom[i];
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = owner;
  cc.rgbResult = colour & 0x00FFFFFF;
  cc.lpCustColors = customs;
  cc.Flags = CC_RGBINIT | CC_FULLOPEN;
  const bool chosen = ChooseColorW(&cc) != FALSE;
  // The custom colours stay as the user left them, also after Cancel.
  for (std::size_t i = 0; i < kCustomColourCount; ++i) custom[i] = customs[i] & 0x00FFFFFF;
  if (chosen) colour = cc.rgbResult & 0x00FFFFFF;
  return chosen;
}

void DrawColourSwatch(const DRAWITEMSTRUCT& di, COLORREF colour) {
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

}  // namespace quelt::win
