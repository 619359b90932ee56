#include "html/visual_char_dialog.h"

#include <cstring>

namespace quelt {

VisualCharValues CharValuesOf(const VisualDocument& doc, const VisualAttr& a) {
  const VisualFont& font = doc.fonts[a.font] == VisualFont{} ? doc.fonts[0] : doc.fonts[a.font];
  VisualCharValues v;
  v.face.assign(font.faceName.data(), strnlen(font.faceName.data(), font.faceName.size()));
  v.points = font.height;
  v.bold = font.weight > 400;
  v.italic = font.italic != 0;
  v.colour = a.colour;
  v.underline = a.underline;
  v.underlineColour = a.underlineColour;
  v.shading = a.shading;
  v.shadingColour = a.shadingColour;
  v.charSpacing = a.charSpacing;
  v.lineSpacing = a.lineSpacing;
  v.raise = a.raise;
  v.raiseOffset = a.raiseOffset;
  v.superscript = PositionKind(a.position) == 1;
  v.subscript = PositionKind(a.position) == 2;
  return v;
}

CharacterChange CharChangeBetween(const VisualCharValues& shown, const VisualCharValues& chosen) {
  CharacterChange c;
  if (chosen.face != shown.face) c.face = chosen.face;
  if (chosen.points != shown.points) c.points = chosen.points;
  if (chosen.bold != shown.bold) c.bold = chosen.bold;
  if (chosen.italic != shown.italic) c.italic = chosen.italic;
  if (chosen.colour != shown.colour) c.colour = chosen.colour;
  if (chosen.underline != shown.underline) c.underline = chosen.underline;
  if (chosen.underlineColour != shown.underlineColour) c.underlineColour = chosen.underlineColour;
  if (chosen.shading != shown.shading) c.shading = chosen.shading;
  if (chosen.shadingColour != shown.shadingColour) c.shadingColour = chosen.shadingColour;
  if (chosen.charSpacing != shown.charSpacing) c.charSpacing = chosen.charSpacing;
  if (chosen.lineSpacing != shown.lineSpacing) c.lineSpacing = chosen.lineSpacing;
  if (chosen.raise != shown.raise) c.raise = chosen.raise;
  if (chosen.raiseOffset != shown.raiseOffset) c.raiseOffset = chosen.raiseOffset;
  // Superscript and subscript exclude each other: a change of either sets
  // both as chosen.
  if (chosen.superscript != shown.superscript || chosen.subscript != shown.subscript) {
    c.superscript = chosen.superscript;
    c.subscript = chosen.subscript && !chosen.superscript;
  }
  return c;
}

std::vector<int> CharPointChoices() { return {6, 8, 9, 10, 11, 12, 14, 15, 16, 18, 20, 22, 24, 26, 28, 36, 48}; }

}  // namespace quelt
