// The character dialog in its visual mode: the values it shows for a range
// and the change its choices make. Only what the user changed is applied,
// so bytes of the range that differ keep what they have in every field the
// user left alone.
#pragma once

#include <string>
#include <vector>

#include "html/visual_document.h"
#include "html/visual_format.h"

namespace quelt {

struct VisualCharValues {
  std::string face;  // Shift-JIS
  int points = 11;
  bool bold = false, italic = false;
  ColourRef colour = 0;  // 0 standard (none), kVisualBlack or a colour
  UnderlineKind underline = UnderlineKind::kNone;
  ColourRef underlineColour = 0;  // 0 standard: the text's colour
  bool shading = false;
  ColourRef shadingColour = 0;  // 0 standard: grey
  int charSpacing = 0, lineSpacing = 0;  // steps of 0.5 mm
  RaiseKind raise = RaiseKind::kNone;
  int raiseOffset = 0;  // steps of 0.5 mm
  bool superscript = false, subscript = false;
  bool operator==(const VisualCharValues&) const = default;
};

// The dialog's values for bytes with these attributes.
VisualCharValues CharValuesOf(const VisualDocument& doc, const VisualAttr& a);
// The fields that differ between what was shown and what was chosen.
CharacterChange CharChangeBetween(const VisualCharValues& shown, const VisualCharValues& chosen);

// The sizes the size list offers; any size from kMinCharPoints to
// kMaxCharPoints may be typed.
inline constexpr int kMinCharPoints = 5;
inline constexpr int kMaxCharPoints = 50;
std::vector<int> CharPointChoices();

}  // namespace quelt
