#include "html/visual_dialog_lists.h"

#include <algorithm>
#include <cstdio>

#include "cabinet/cabinet_file.h"

namespace quelt {
namespace {

const char* const kEnglishNames[kColourNumberCount] = {"Black", "Blue",  "Aqua",   "Lime",   "Fuchsia", "Red",
                                                       "Yellow", "White", "Navy",   "Teal",   "Green",   "Purple",
                                                       "Maroon", "Olive", "Gray",   "Silver"};
const char* const kJapaneseNames[kColourNumberCount] = {"黒", "青", "水色", "黄緑", "赤紫", "赤", "黄", "白",
                                                        "紺", "青緑", "緑", "紫", "茶", "ｵﾘｰﾌﾞ", "灰色", "銀"};
constexpr int kMaxSpacing = 7;
constexpr int kMaxOffset = 3;

std::string StepText(int step, bool inches) {
  char buffer[32];
  if (inches) {
    std::snprintf(buffer, sizeof buffer, "%+.2f in", step * 0.02);
  } else {
    std::snprintf(buffer, sizeof buffer, "%+.1f mm", step * 0.5);
  }
  // The middle entry reads 0, without a sign.
  return step == 0 ? (inches ? "0 in" : "0 mm") : buffer;
}

std::vector<std::string> Steps(int max, bool inches) {
  std::vector<std::string> texts;
  for (int step = max; step >= -max; --step) texts.push_back(StepText(step, inches));
  return texts;
}

}  // namespace

ColourRef ColourOfNumber(int number) {
  // The fixed table of the cabinet's colour codes; a number outside it is
  // black.
  return number >= 1 && number <= kColourNumberCount ? ColourFromCode(static_cast<std::uint32_t>(number)) & 0xFFFFFF
                                                      : ColourFromCode(1) & 0xFFFFFF;
}

int NumberOfColour(ColourRef colour) {
  if (colour == kVisualBlack) return 1;
  if (colour == 0) return 0;
  for (int n = 1; n <= kColourNumberCount; ++n)
    if (ColourOfNumber(n) == (colour & 0xFFFFFF)) return n;
  return 0;
}

std::vector<std::string> ColourNames(bool english) {
  const char* const* names = english ? kEnglishNames : kJapaneseNames;
  return {names, names + kColourNumberCount};
}

std::string StandardColourName(bool english) { return english ? "Standard" : "標準"; }
std::string PaintColourName(bool english) { return english ? "Paint" : "ﾍﾟｲﾝﾄ"; }
std::string NoColourName(bool english) { return english ? "None" : "なし"; }

std::vector<std::string> UnderlineKindNames() { return {"なし", "実線", "太線", "点線", "破線", "二重線", "取消し線"}; }
std::vector<std::string> RaiseKindNames() { return {"しない", "上付き", "下付き", "中央"}; }

std::vector<std::string> SpacingListTexts(bool inches) { return Steps(kMaxSpacing, inches); }
int SpacingStepOfIndex(int index) { return kMaxSpacing - std::clamp(index, 0, 2 * kMaxSpacing); }
int IndexOfSpacingStep(int step) { return kMaxSpacing - std::clamp(step, -kMaxSpacing, kMaxSpacing); }

std::vector<std::string> OffsetListTexts(bool inches) { return Steps(kMaxOffset, inches); }
int OffsetStepOfIndex(int index) { return kMaxOffset - std::clamp(index, 0, 2 * kMaxOffset); }
int IndexOfOffsetStep(int step) { return kMaxOffset - std::clamp(step, -kMaxOffset, kMaxOffset); }

}  // namespace quelt
