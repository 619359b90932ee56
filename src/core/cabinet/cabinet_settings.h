// One copy of a cabinet's settings: the 41-word format block, kinsoku, the
// keyword list and its flags, the three colours outside the block, the
// file-type filters of the three document types and the file list. The
// cabinet keeps two of these, the working copy and the stored copy.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quelt {

constexpr int kFormatWords = 41;          // words of the format block (164 bytes)
constexpr int kDocumentTypes = 3;         // 0 general text, 1 C, 2 C++
constexpr int kMaxKeywords = 200;         // keywords in the keyword list
constexpr int kMaxKeywordBytes = 30;      // bytes of one keyword
constexpr int kMaxFilterPairs = 10;       // filter pairs per document type
constexpr int kMaxFilterTitleChars = 40;  // characters of a filter title
constexpr int kMaxFilterPatternChars = 40;  // characters of a wildcard pattern
constexpr int kMaxCabinetFiles = 200;     // paths in the cabinet's file list
constexpr int kMaxCabinetPathChars = 260; // characters of one path
constexpr int kFontRecordBytes = 60;      // the logical-font record in words 26-40
constexpr int kFontFaceBytes = 32;        // face name inside the font record

// Bit 31 of the three flagged background colours: the colour is in use.
constexpr std::uint32_t kColourUseFlag = 0x80000000u;

// The words of the format block, in file order.
enum FormatWord : int {
  kWordLineWidth = 0,         // wrapping column, 10-250
  kWordTabWidth = 1,          // 2-20
  kWordLineCounting = 2,      // 0 every display line, 1 logical lines only
  kWordLineSpacing = 3,       // tenths of a millimetre, 0-100
  kWordCharSpacing = 4,       // tenths of a millimetre, 0-100
  kWordShowLineEnds = 5,
  kWordShowTabs = 6,
  kWordFreeCursor = 7,
  kWordAutoIndent = 8,
  kWordTabInsertsBlanks = 9,
  kWordSaveLineMarks = 10,
  kWordSaveStringMarks = 11,
  kWordDocumentType = 12,     // 0-2
  kWordMarkLineBack = 13,     // flagged colour
  kWordMarkStringBack = 14,   // flagged colour
  kWordCKeywordColour = 15,
  kWordCppKeywordColour = 16,
  kWordKeywordColour = 17,
  kWordLineEndColour = 18,
  kWordTabColour = 19,
  kWordCommentColour = 20,
  kWordTextColour = 21,
  kWordTextBack = 22,
  kWordTagBack = 23,          // flagged colour
  kWordKeywordCount = 24,     // 0-200
  kWordWordWrap = 25,
  kWordFont = 26,             // words 26-40: the font record
};

using FormatBlock = std::array<std::uint32_t, kFormatWords>;

// The platform's logical-font record as kept in words 26-40; height holds
// the point size.
struct FontRecord {
  std::int32_t height = 0, width = 0, escapement = 0, orientation = 0, weight = 0;
  std::uint8_t italic = 0, underline = 0, strikeOut = 0, charSet = 0;
  std::uint8_t outPrecision = 0, clipPrecision = 0, quality = 0, pitchAndFamily = 0;
  std::array<char, kFontFaceBytes> faceName{};
  bool operator==(const FontRecord&) const = default;
};

FontRecord FontOf(const FormatBlock& block);
void SetFont(FormatBlock& block, const FontRecord& font);

// One file-type filter: a title shown in the file dialog and its wildcards.
struct FilterPair {
  std::string title;
  std::string pattern;
  bool operator==(const FilterPair&) const = default;
};
using FilterList = std::vector<FilterPair>;

struct CabinetSettings {
  FormatBlock block{};
  std::uint32_t kinsoku = 0;
  // The keyword list; its size is always block[kWordKeywordCount].
  std::vector<std::string> keywords;
  std::uint32_t keywordWholeWord = 1;
  std::uint32_t keywordCaseSensitive = 1;
  std::uint32_t cursorLineColour = 0x400080;
  std::uint32_t htmlTagColour = 0x400080;
  std::uint32_t urlColour = 0xFF0000;
  std::array<FilterList, kDocumentTypes> filters;
  std::vector<std::string> files;

  int DocumentType() const;  // word 12, folded into 0-2
  bool operator==(const CabinetSettings&) const = default;
};

// The format block of a new cabinet of document type 0, 1 or 2.
FormatBlock DefaultFormatBlock(int type);
// The default filter text of a type: titles and patterns alternating,
// separated by '|' and ended by "||" (Shift-JIS).
std::string_view DefaultFilterText(int type, bool english);
FilterList DefaultFilters(int type, bool english);
// Every setting at the defaults of a type; filters in the given language.
CabinetSettings DefaultSettings(int type, bool english);

// Splits "title|pattern|...||" into pairs; stops at the empty field.
FilterList ParseFilterText(std::string_view text);
// "title|pattern|" for each pair, then a final "|".
std::string BuildFilterString(const FilterList& pairs);

// A filter pair as the filter page accepts it: a title of at most 40
// characters, a pattern of 1-40 characters, neither holding '|' or a zero.
bool IsValidFilterTitle(std::string_view title);
bool IsValidFilterPattern(std::string_view pattern);
// A keyword of 1-30 bytes without line ends or zero bytes.
bool IsValidKeyword(std::string_view keyword);

// Number of Shift-JIS characters in text (a double-byte character is one).
std::size_t SjisCharCount(std::string_view text);

// The combo-box name (UTF-8) and default extension of a document type.
const char* DocumentTypeName(int type);
const char* DefaultExtension(int type);
// The default extension of the open and save dialogs: the document type's,
// or "html" for an HTML document.
const char* FileDialogExtension(int type, bool htmlDocument);

}  // namespace quelt
