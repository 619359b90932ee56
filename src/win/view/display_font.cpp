#include "view/display_font.h"

#include <cstring>
#include <string>

#include "cabinet/cabinet_settings.h"
#include "framework/handles.h"
#include "framework/win_text.h"

namespace quelt::win {
namespace {
// The face used when the cabinet names none.
constexpr wchar_t kDefaultFace[] = L"ＭＳ ゴシック";
constexpr int kDefaultPointSize = 10;
}  // namespace

LOGFONTW DisplayLogFont(const CabinetSettings& cabinet, int logPixelsY) {
  const FontRecord record = FontOf(cabinet.block);
  LOGFONTW lf{};
  const int points = record.height > 0 ? record.height : kDefaultPointSize;
  lf.lfHeight = -MulDiv(points, logPixelsY, 72);
  lf.lfWeight = record.weight ? record.weight : FW_NORMAL;
  lf.lfItalic = record.italic;
  lf.lfUnderline = record.underline;
  lf.lfStrikeOut = record.strikeOut;
  lf.lfCharSet = record.faceName[0] ? record.charSet : SHIFTJIS_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  const std::string face(record.faceName.data(), strnlen(record.faceName.data(), record.faceName.size()));
  const std::wstring wface = face.empty() ? std::wstring(kDefaultFace) : SjisToWide(face);
  wcsncpy(lf.lfFaceName, wface.c_str(), LF_FACESIZE - 1);
  return lf;
}

int DisplayFontCharSet(const CabinetSettings& cabinet) {
  HDC dc = GetDC(nullptr);
  const LOGFONTW lf = DisplayLogFont(cabinet, GetDeviceCaps(dc, LOGPIXELSY));
  const FontHandle font(CreateFontIndirectW(&lf));
  int charSet = lf.lfCharSet;
  if (font) {
    HGDIOBJ old = SelectObject(dc, font.Get());
    TEXTMETRICW tm{};
    if (GetTextMetricsW(dc, &tm)) charSet = tm.tmCharSet;
    SelectObject(dc, old);
  }
  ReleaseDC(nullptr, dc);
  return charSet;
}

}  // namespace quelt::win
