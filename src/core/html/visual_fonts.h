// The faces the visual mode offers as its default font ("DefaultFontNo") and
// the base font a new or loaded visual document starts from.
#pragma once

#include <string>
#include <vector>

#include "html/visual_document.h"

namespace quelt {

// The face names (Shift-JIS) of the font choices: four Japanese faces, and
// a fifth Western face in the English variant.
std::vector<std::string> VisualFaceChoices(bool english);
// The base font of a document: the chosen face ("DefaultFontNo", a choice
// outside the list meaning the first) at "DefaultFontPoint" points.
VisualFont VisualBaseFont(int fontNo, int points, bool english);

}  // namespace quelt
