// Character attributes and links of a range of the visual text, each
// change one undo step of the editor.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "html/visual_edit.h"

namespace quelt {

// What the character dialog changes: a field left empty keeps each byte's
// own value.
struct CharacterChange {
  std::optional<std::string> face;  // face name, Shift-JIS, at most 31 bytes kept
  std::optional<int> points;        // size in points (wins over htmlSize)
  std::optional<int> htmlSize;      // HTML size 1..7
  std::optional<bool> bold;
  std::optional<bool> italic;
  std::optional<ColourRef> colour;  // 0 none, kVisualBlack, or a colour
  std::optional<UnderlineKind> underline;
  std::optional<ColourRef> underlineColour;
  std::optional<bool> shading;
  std::optional<ColourRef> shadingColour;
  std::optional<int> charSpacing;   // steps of 0.5 mm, cut to -7..7
  std::optional<int> lineSpacing;   // steps of 0.5 mm, cut to -7..7
  std::optional<RaiseKind> raise;
  std::optional<int> raiseOffset;   // steps of 0.5 mm, cut to -3..3
  std::optional<bool> superscript;  // on wins over subscript on
  std::optional<bool> subscript;
};

inline constexpr int kMaxSpacingSteps = 7;
inline constexpr int kMaxRaiseSteps = 3;
inline constexpr std::size_t kMaxLinkSelection = 256;  // a link's text must be shorter

// Applies the change to text[start, end). The fonts go through the
// editing form of the font table; when a font cannot be had the message is
// shown and nothing changes. False when nothing changed.
bool ApplyCharacterChange(VisualEditor& editor, std::size_t start, std::size_t end, const CharacterChange& c);

// The character dialog's starting values: those of the first byte of the
// range (the attributes new text at the caret takes for an empty range).
VisualAttr AttrsOfRange(const VisualEditor& editor, std::size_t start, std::size_t end);

// The link command's range: the selection, or without one the run of
// bytes round the caret that carry the caret's link (empty when none).
struct LinkRange {
  std::size_t start = 0, end = 0;
  bool Empty() const { return start == end; }
};
LinkRange LinkRangeOf(const VisualDocument& doc, VisualSelection sel);

// The destination the link dialog shows: the link of the whole range when
// all of its bytes carry one index, else empty. A range of 256 bytes or
// more shows its message and gives nullopt: the command does nothing.
std::optional<std::string> LinkForDialog(VisualEditor& editor, LinkRange range);

// Sets the link on the range: an equal entry of the table is used again,
// else the first empty one; when all 119 are taken the entries no byte
// uses are freed and the search made again; still full, the default beep
// and no change. An empty destination takes the link off the range.
bool SetLink(VisualEditor& editor, LinkRange range, const std::string& destination);

// The link index for a destination, found or added as SetLink does; 0
// when the table is full (the caller beeps).
int FindOrAddLink(VisualDocument& doc, const std::string& destination);

}  // namespace quelt
