#include "html/visual_fonts.h"

#include <algorithm>
#include <cstring>

namespace quelt {

namespace {

constexpr std::uint8_t kShiftJisCharSet = 128;
constexpr std::uint8_t kAnsiCharSet = 0;
// "ＭＳ 明朝", "ＭＳ ゴシック", "ＭＳ Ｐ明朝", "ＭＳ Ｐゴシック" in Shift-JIS.
const char* const kJapaneseFaces[] = {
    "\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9",
    "\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e",
    "\x82\x6c\x82\x72\x20\x82\x6f\x96\xbe\x92\xa9",
    "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e",
};
const char* const kWesternFace = "Times New Roman";

}  // namespace

std::vector<std::string> VisualFaceChoices(bool english) {
  std::vector<std::string> faces(std::begin(kJapaneseFaces), std::end(kJapaneseFaces));
  if (english) faces.push_back(kWesternFace);
  return faces;
}

VisualFont VisualBaseFont(int fontNo, int points, bool english) {
  const std::vector<std::string> faces = VisualFaceChoices(english);
  if (fontNo < 0 || fontNo >= static_cast<int>(faces.size())) fontNo = 0;
  const std::string& face = faces[static_cast<std::size_t>(fontNo)];
  VisualFont font;
  font.height = std::clamp(points, 5, 50);
  font.weight = 400;
  font.charSet = face == kWesternFace ? kAnsiCharSet : kShiftJisCharSet;
  std::memcpy(font.faceName.data(), face.data(), std::min(face.size(), font.faceName.size() - 1));
  return font;
}

}  // namespace quelt
