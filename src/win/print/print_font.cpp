#include "print/print_font.h"

#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "base/messages.h"
#include "cabinet/cabinet_font.h"
#include "framework/win_text.h"
#include "print/print_layout.h"

namespace quelt::win {
namespace {

// The face of the default font (the display's default as well).
constexpr wchar_t kDefaultFace[] = L"ＭＳ ゴシック";
constexpr int kDefaultPoints = 10;

}  // namespace

LOGFONTW PrintLogFont(const FontRecord& f, int logPixelsY) {
  LOGFONTW lf{};
  const std::string face = FaceOf(f);
  const int points = f.height > 0 ? f.height : kDefaultPoints;
  lf.lfHeight = PrintFontHeight(logPixelsY, points);
  lf.lfWidth = 0;
  lf.lfWeight = f.weight ? f.weight : FW_NORMAL;
  lf.lfItalic = f.italic;
  lf.lfUnderline = f.underline;
  lf.lfStrikeOut = f.strikeOut;
  lf.lfCharSet = face.empty() ? SHIFTJIS_CHARSET : f.charSet;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = face.empty() ? (FIXED_PITCH | FF_MODERN) : f.pitchAndFamily;
  const std::wstring wface = face.empty() ? std::wstring(kDefaultFace) : SjisToWide(face);
  wcsncpy(lf.lfFaceName, wface.c_str(), LF_FACESIZE - 1);
  return lf;
}

LOGFONTW BandLogFont(int logPixelsY) {
  LOGFONTW lf{};
  const bool english = IsEnglishInterface();
  if (english) {
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
  } else {
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    wcsncpy(lf.lfFaceName, kDefaultFace, LF_FACESIZE - 1);
  }
  lf.lfHeight = PrintFontHeight(logPixelsY, english ? 10 : 9);
  lf.lfWidth = 0;
  lf.lfWeight = FW_NORMAL;
  return lf;
}

bool ChoosePrintFont(HWND owner, FontRecord& font) {
  const int dpi = ScreenDpi();
  LOGFONTW lf = PrintLogFont(font, dpi);
  CHOOSEFONTW cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = owner;
  cf.lpLogFont = &lf;
  cf.Flags = CF_SCREENFONTS | CF_FIXEDPITCHONLY | CF_INITTOLOGFONTSTRUCT;
  if (!ChooseFontW(&cf)) return false;
  font = FromLogFont(lf, std::max(1, (cf.iPointSize + 5) / 10));
  return true;
}

}  // namespace quelt::win
