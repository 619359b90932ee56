// The visual view's private clipboard format: a range of visual text with
// the attributes of its bytes and the fonts and link texts they use, so a
// cut and paste inside the visual mode keeps the formatting. The plain
// text goes to the clipboard beside it for every other program.
//
// The bytes, little-endian: "QVC" and the version byte 1; the text's
// length (32 bits) and its bytes; per byte 22 bytes of attributes (font,
// link, position, colour 32 bits, line-break kind, underline kind,
// underline colour 32, shading, shading colour 32, character spacing, line
// spacing, raise kind, raise offset); the count of fonts (16 bits) and
// each font as its 60-byte logical-font record (five 32-bit fields, eight
// bytes, the 32-byte face); the count of links (16 bits) and each link as
// its length (16 bits) and bytes. The attributes' font and link indexes
// point into the clip's own lists (a link index 1..n, 0 none).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "html/visual_edit.h"

namespace quelt {

// The name the front end registers the format under.
inline constexpr char kVisualClipFormatName[] = "QueltVisualText";
inline constexpr std::size_t kMaxVisualClipLink = 10000;

struct VisualClip {
  std::string text;
  std::vector<VisualAttr> attrs;
  std::vector<VisualFont> fonts;
  std::vector<std::string> links;
  bool operator==(const VisualClip&) const = default;
};

// The clip of text[start, end) with the fonts and links it uses.
VisualClip MakeVisualClip(const VisualDocument& doc, std::size_t start, std::size_t end);
std::string EncodeVisualClip(const VisualClip& clip);
// False for anything but a well-formed clip: a short or overlong buffer,
// an index outside the clip's lists, a value outside its range, a font
// record of all zeros (a free table entry), text not
// in the internal form, or the two bytes of a character (or of a CR LF)
// with different attributes.
bool DecodeVisualClip(std::string_view bytes, VisualClip& clip);

// Pastes a clip in place of the selection as one action. Its fonts and
// links go into the document's tables (equal entries used again); a font
// table still full after dropping the unused fonts shows the limit
// message, a full link table beeps; then, like a text over the size
// limit, nothing changes.
VisualEditResult PasteVisualClip(VisualEditor& editor, VisualSelection sel, const VisualClip& clip,
                                 int padBlanks = 0);

}  // namespace quelt
