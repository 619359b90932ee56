// The lists of the visual mode's dialogs: the sixteen colours by name, the
// underline and position kinds, and the spacing and offset steps in
// millimetres or inches ("MeasureType"). Texts are UTF-8.
#pragma once

#include <string>
#include <vector>

#include "html/visual_document.h"

namespace quelt {

inline constexpr int kColourNumberCount = 16;
// Colour number n (1..16) of the fixed table as a colour reference.
ColourRef ColourOfNumber(int number);
// The colour number of a colour reference, or 0 when it is none of them.
int NumberOfColour(ColourRef colour);
// The sixteen names in table order (English names in the English variant).
std::vector<std::string> ColourNames(bool english);
// The special entries of a colour list: the default colour ("標準"), the
// colour chooser ("ﾍﾟｲﾝﾄ") and no colour ("なし").
std::string StandardColourName(bool english);
std::string PaintColourName(bool english);
std::string NoColourName(bool english);

std::vector<std::string> UnderlineKindNames();  // なし 実線 太線 点線 破線 二重線 取消し線
std::vector<std::string> RaiseKindNames();      // しない 上付き 下付き 中央

// The spacing list: +3.5 mm down to -3.5 mm in 0.5 mm steps (or +0.14 in
// down to -0.14 in in 0.02 in steps); entry i is the step count
// SpacingStepOfIndex(i), 7 down to -7.
std::vector<std::string> SpacingListTexts(bool inches);
int SpacingStepOfIndex(int index);
int IndexOfSpacingStep(int step);
// The offset list: +1.5 mm down to -1.5 mm (+0.06 in down to -0.06 in),
// steps 3 down to -3.
std::vector<std::string> OffsetListTexts(bool inches);
int OffsetStepOfIndex(int index);
int IndexOfOffsetStep(int step);

}  // namespace quelt
