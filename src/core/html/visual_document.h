// The HTML visual document: a page held as formatted text. Every byte of
// the visual text carries its character attributes; the fonts and the links
// the bytes refer to live in two tables of the document, and the BODY tag's
// page settings beside them.
//
// The model is small on purpose: the visual mode edits pages of a few
// kilobytes, so every limit below is a fixed capacity the view checks
// before it changes anything.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/host.h"
#include "cabinet/cabinet_settings.h"
#include "html/tag_pair.h"
#include "text/char_code.h"

namespace quelt {

// The visual text's size plus 2 must stay below this.
inline constexpr std::size_t kVisualTextLimit = 10000;
inline constexpr std::size_t kMaxVisualTextBytes = kVisualTextLimit - 3;  // 9997
// A larger HTML file is not opened in the visual mode.
inline constexpr std::size_t kMaxVisualFileBytes = 9744;
// The text storage grows in steps of this many bytes.
inline constexpr std::size_t kVisualTextStep = 4096;
inline constexpr int kVisualFontCount = 128;    // entries of the font table
inline constexpr int kVisualLinkCount = 119;    // link indexes 1..119
inline constexpr int kVisualFigureCount = 128;  // figure slots
inline constexpr int kVisualPageLimit = 50;     // layout stops at page 49
inline constexpr std::size_t kMaxVisualTitleBytes = 80;

// Colour of a byte: 0 = none, kVisualBlack = black, otherwise 0x00BBGGRR.
inline constexpr ColourRef kVisualBlack = 0x1000000;

// The vertical position and decoration code of a byte. The bits of
// kDecorationMask belong to other decorations and are left as they are by
// loading; the rest is one of the three codes. The high four bits read 1
// for superscript and 2 for subscript.
inline constexpr std::uint8_t kDecorationMask = 0xC8;
inline constexpr std::uint8_t kPositionNormal = 0;
inline constexpr std::uint8_t kPositionSuper = 23;
inline constexpr std::uint8_t kPositionSub = 35;
inline int PositionKind(std::uint8_t code) { return code >> 4; }  // 1 super, 2 sub
inline std::uint8_t WithPosition(std::uint8_t code, std::uint8_t position) {
  return static_cast<std::uint8_t>((code & kDecorationMask) | position);
}

// How a CR LF stood in the HTML: "<BR>", or a line break of the source.
enum class LineBreakKind : std::uint8_t { kNone = 0, kBr = 1, kSource = 2 };

// Underline kinds of the character dialog (なし, 実線, 太線, 点線, 破線,
// 二重線, 取消し線).
enum class UnderlineKind : std::uint8_t { kNone, kSolid, kThick, kDotted, kDashed, kDouble, kStrikeOut };

// Raised or lowered position of the character dialog (しない, 上付き,
// 下付き, 中央); the offset is kept in raise.
enum class RaiseKind : std::uint8_t { kNone, kRaised, kLowered, kCentre };

// The attributes of one byte of the visual text. Both bytes of a two-byte
// character and of a CR LF carry the same values. The fields after
// lineBreak belong to the visual editor only: loading sets them to 0 and
// saving does not write them.
struct VisualAttr {
  std::uint8_t font = 0;      // index into the font table; 0 = base font
  std::uint8_t link = 0;      // 0 = no link, 1..119 = link table entry
  std::uint8_t position = 0;  // position and decoration code
  ColourRef colour = 0;       // 0 none, kVisualBlack, or a colour
  LineBreakKind lineBreak = LineBreakKind::kNone;
  UnderlineKind underline = UnderlineKind::kNone;
  ColourRef underlineColour = 0;  // 0 = the text colour
  bool shading = false;
  ColourRef shadingColour = 0;  // 0 = grey
  std::int8_t charSpacing = 0;  // steps of 0.5 mm, -7..7
  std::int8_t lineSpacing = 0;  // steps of 0.5 mm, -7..7
  RaiseKind raise = RaiseKind::kNone;
  std::int8_t raiseOffset = 0;  // steps of 0.5 mm, -3..3
  bool operator==(const VisualAttr&) const = default;
};

// The page settings of the BODY tag.
struct BodyColour {
  bool set = false;
  ColourRef colour = 0;
  bool operator==(const BodyColour&) const = default;
};
struct BodySettings {
  std::string title;            // at most 80 bytes
  std::string backgroundImage;  // BACKGROUND
  BodyColour background, text, link, visitedLink, activeLink;  // BGCOLOR TEXT LINK VLINK ALINK
  bool operator==(const BodySettings&) const = default;
};

// A drawing object of the visual editor. Only a straight line anchored at
// the start of a paragraph reaches the HTML (as "<HR>").
enum class FigureKind : int { kFree = 0, kLine = 1, kLine2 = 2, kRectangle = 3, kRoundRect = 4, kEllipse = 5 };
inline constexpr int kFigureNotAnchored = -2;
inline constexpr int kFigureNoFill = -1;
struct VisualFigure {
  FigureKind kind = FigureKind::kFree;
  int penWidth = 1, penColour = 1, penStyle = 0;
  int fill = kFigureNoFill;  // -1 none, 0..127 colour number, 128+ hatch style
  int anchor = kFigureNotAnchored;  // text offset, or -2
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool operator==(const VisualFigure&) const = default;
};

// The font a byte shows in: the platform's logical-font record. Here the
// height holds the size in points; a free entry is all zeros.
using VisualFont = FontRecord;

// The visual document. text and attrs always have the same length.
class VisualDocument {
 public:
  VisualDocument();

  std::string text;              // Shift-JIS, line breaks CR LF
  std::vector<VisualAttr> attrs;  // one per byte of text
  std::array<VisualFont, kVisualFontCount> fonts{};
  std::array<std::string, kVisualLinkCount> links{};  // links[i - 1] is link index i
  BodySettings body;
  std::array<VisualFigure, kVisualFigureCount> figures{};
  CharCodeId code = CharCodeId::kShiftJis;
  LineEndId lineEnd = LineEndId::kCrLf;
  // A UTF-8 or UTF-16 page: the forms its two-form characters came in, and
  // the characters its save cannot give back.
  UnicodeForms forms;
  std::uint64_t lostChars = 0;

  // Empties the text, the tables (the base font stays) and the settings.
  void Clear();
  // The base font (entry 0): face and size of a new document.
  void SetBaseFont(const VisualFont& font);
  const VisualFont& BaseFont() const { return fonts[0]; }

  // The description of HTML size 1..7 with the two flags: the base font
  // with the size's point height, weight 700 or 400, italic as given.
  VisualFont FontOfSize(int size, bool bold, bool italic) const;
  // Loading's form: 0 for size 3 without bold and italic; an equal entry is
  // reused, else the font is added at the first free index; 0 when full.
  int FindOrAddFont(int size, bool bold, bool italic);
  // An equal entry, else the first free one taken; -1 when the table is full.
  int FindOrAddFontRecord(const VisualFont& font);
  // Editing's form: when the table is full, the entries no byte uses are
  // dropped first; still full, the limit message is shown and -1 returned.
  int FindOrAddFontEditing(const VisualFont& font, Host& host);
  // Frees every entry (but the base font) that no byte uses.
  void DropUnusedFonts();

  // The first empty link entry takes href; its index, or 0 when all 119
  // are taken.
  int AddLink(const std::string& href);
  // The HREF of link index i (1..119); empty for 0 or out of range.
  const std::string& LinkText(int index) const;

  // Room check of an edit: a new text size plus 2 of 10000 or more shows
  // the limit message and gives false.
  static bool CheckRoom(std::size_t newSize, Host& host);
  // Figure check: false with the limit message when count more figures
  // would not fit the free slots.
  bool CheckFigureRoom(int count, Host& host) const;
  int FigureCount() const;

  bool operator==(const VisualDocument&) const = default;
};

// The byte offset where the paragraph (logical line) holding offset starts.
std::size_t ParagraphStart(const std::string& text, std::size_t offset);

}  // namespace quelt
