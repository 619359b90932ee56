#include "cabinet/cabinet_font.h"

#include <windows.h>
#include <commdlg.h>

#include <cstring>

#include "cabinet/cabinet_service.h"
#include "base/sjis.h"
#include "cabinet/cabinet_dialog_util.h"
#include "cabinet/cabinet_recorder.h"
#include "framework/win_text.h"
#include "res/cabinet_ids.h"

namespace quelt::win {
int ScreenDpi() {
  HDC dc = GetDC(nullptr);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return dpi;
}

std::string FaceOf(const FontRecord& f) {
  const std::size_t n = strnlen(f.faceName.data(), f.faceName.size());
  return std::string(f.faceName.data(), n);
}

// The face name into the 32-byte field: at most 31 bytes, never half of a
// double-byte character.
static void SetFace(FontRecord& f, const std::string& face) {
  f.faceName.fill(0);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(face.data());
  std::size_t end = 0;
  while (end < face.size()) {
    const std::size_t size = SjisCharSize(bytes, face.size(), end);
    if (end + size > f.faceName.size() - 1) break;
    end += size;
  }
  std::memcpy(f.faceName.data(), face.data(), end);
}

namespace {

LOGFONTW ToLogFont(const FontRecord& f, int dpi) {
  LOGFONTW lf{};
  // The record keeps the point size where the platform keeps a height.
  lf.lfHeight = f.height > 0 ? -MulDiv(f.height, dpi, 72) : 0;
  lf.lfWidth = f.width;
  lf.lfEscapement = f.escapement;
  lf.lfOrientation = f.orientation;
  lf.lfWeight = f.weight;
  lf.lfItalic = f.italic;
  lf.lfUnderline = f.underline;
  lf.lfStrikeOut = f.strikeOut;
  lf.lfCharSet = f.charSet;
  lf.lfOutPrecision = f.outPrecision;
  lf.lfClipPrecision = f.clipPrecision;
  lf.lfQuality = f.quality;
  lf.lfPitchAndFamily = f.pitchAndFamily;
  const std::wstring face = SjisToWide(FaceOf(f));
  wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return lf;
}

}  // namespace

FontRecord FromLogFont(const LOGFONTW& lf, int points) {
  FontRecord f;
  f.height = points;
  f.width = lf.lfWidth;
  f.escapement = lf.lfEscapement;
  f.orientation = lf.lfOrientation;
  f.weight = lf.lfWeight;
  f.italic = lf.lfItalic;
  f.underline = lf.lfUnderline;
  f.strikeOut = lf.lfStrikeOut;
  f.charSet = lf.lfCharSet;
  f.outPrecision = lf.lfOutPrecision;
  f.clipPrecision = lf.lfClipPrecision;
  f.quality = lf.lfQuality;
  f.pitchAndFamily = lf.lfPitchAndFamily;
  SetFace(f, WideToSjis(lf.lfFaceName));
  return f;
}

namespace {

// Asks the user; false when cancelled.
bool ChooseFont(FontRecord& chosen) {
  CabinetService& service = CabinetService::Get();
  const int dpi = ScreenDpi();
  const FontRecord stored = FontOf(service.Cabinet().Stored().block);
  LOGFONTW lf = ToLogFont(stored, dpi);
  CHOOSEFONTW cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = CabinetService::Get().MainHwnd();
  cf.lpLogFont = &lf;
  cf.Flags = CF_SCREENFONTS | CF_FIXEDPITCHONLY | (stored.faceName[0] ? CF_INITTOLOGFONTSTRUCT : 0);
  if (!ChooseFontW(&cf)) return false;
  bool limited = false;
  const int points = LimitFontPoints((cf.iPointSize + 5) / 10, dpi, limited);
  if (limited) CabinetBeep();
  chosen = FromLogFont(lf, points);
  return true;
}

}  // namespace

void RunCabinetFontCommand() {
  CabinetService& service = CabinetService::Get();
  FontRecord chosen;
  std::string data;
  if (CabinetRecorder().TakePlaybackData(ID_CABINET_FONT, data)) {
    // Playback: the record comes from the recording, no chooser is shown.
    if (!DecodeFontRecord(data, chosen)) return;
  } else {
    if (!ChooseFont(chosen)) return;
    CabinetRecorder().RecordOperation(ID_CABINET_FONT, EncodeFontRecord(chosen));
  }
  FormatBlock& block = service.Cabinet().Working().block;
  if (FontOf(block) == chosen) return;
  SetFont(block, chosen);
  service.RelayoutTextDocuments();
  service.NoteChange();
}

}  // namespace quelt::win
