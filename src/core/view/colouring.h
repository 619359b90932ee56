// Colouring of the text an edit window paints.
//
// The painter works on a cell array built for the range it draws: for every
// byte its column, its row and a colour code (view/colour_codes.h). A paint
// goes like this:
//
//   ColourScheme scheme(ColourOptionsFrom(cabinet.Working(), settings, isHtml));
//   CellArray cells;                        // keep it: its buffers are reused
//   if (ColourRange(store, scheme, view, from, to, tables, marks, cells)) {
//     PaintRun run;
//     for (std::size_t at = 0; NextPaintRun(cells, at, run);) {
//       // draw cells.Bytes() + run.first .. + run.count on row
//       // cells.cells[run.first].row from column cells.cells[run.first].column,
//       // in the colours of run.code (0: default text on default background;
//       // IsBackgroundCode: default text on CodeColour(code); otherwise
//       // CodeColour(code) on the default background). Marked lines and the
//       // tag-jump line override the code for their whole row.
//     }
//   }
//
// ColourRange builds the cells (BuildCellArray) and runs the keyword pass
// and then the comment pass, each writing over the previous:
//   keyword pass: user keywords, HTML fragments (HTML documents), URLs and
//     e-mail addresses ("ClickableUrlEmail"), C and C++ keywords (document
//     types 1 and 2), marked strings (as a background);
//   comment pass: the user line comment (document type 0), or area comments
//     "/*" ... "*/" through the document's AreaCommentTables and line
//     comments "//" (document types 1 and 2). Comments never overwrite a
//     background code, so marked strings stay visible inside them.
//
// Every pass is double-byte aware: a match starts only on a character start
// and never ends inside a character, so both bytes of a double-byte
// character always carry the same code and a run never splits a character.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/types.h"
#include "view/colour_codes.h"

namespace quelt {

class TextStore;
class AreaCommentTables;
struct CabinetSettings;
struct AppSettings;

// A range longer than this is cut (the rest is drawn by later paints) ...
constexpr std::uint32_t kMaxPaintBytes = 30720;
// ... so that its last character starts at most this many bytes after its
// first byte.
constexpr std::uint32_t kPaintCutBytes = 30718;
// A painted run holds at most this many bytes.
constexpr std::uint32_t kMaxRunBytes = 250;
// Bytes before and after the range that the keyword pass looks at, so that
// a URL, an address or a keyword cut by the edge of the window keeps its
// colour: the longest URL, and more than the longest keyword.
constexpr std::uint32_t kLeadContextBytes = 180;
constexpr std::uint32_t kTailContextBytes = 32;

// Everything the passes read from the cabinet and the application settings.
struct ColourOptions {
  int documentType = 0;       // 0 general text, 1 C, 2 C++
  bool htmlDocument = false;  // the document's HTML flag
  // Colours, 0x00BBGGRR.
  std::uint32_t keywordColour = 0xFF0000;
  std::uint32_t cKeywordColour = 0xFF0000;
  std::uint32_t cppKeywordColour = 0x0000FF;
  std::uint32_t commentColour = 0x008000;
  std::uint32_t htmlTagColour = 0x400080;
  std::uint32_t urlColour = 0xFF0000;
  std::uint32_t markStringBack = 0xFFFF00;  // the use flag may be set or clear
  // The user keyword list (at most 200 keywords of 1-30 bytes; empty
  // entries are ignored).
  std::vector<std::string> keywords;
  bool keywordCaseSensitive = true;
  bool keywordWholeWord = true;
  bool colorAreaComment = false;   // "ColorAreaComment"
  bool colorLowerHtmlTag = true;   // "ColorLowerHtmlTag"
  bool clickableUrlEmail = false;  // "ClickableUrlEmail"
  std::string userLineComment;     // "UserLineComment", Shift-JIS
  bool ulCommentFullMode = false;  // "ULCommentFullMode"
};

// The options of the cabinet's working copy and the application settings.
ColourOptions ColourOptionsFrom(const CabinetSettings& cabinet, const AppSettings& app,
                                bool htmlDocument);

// The options with the user keywords prepared for fast matching. Build one
// when the settings change (or per paint: it is cheap) and share it.
class ColourScheme {
 public:
  struct KeywordIndex;  // defined by the keyword pass
  explicit ColourScheme(ColourOptions options = {});
  ~ColourScheme();
  ColourScheme(ColourScheme&&) noexcept;
  ColourScheme& operator=(ColourScheme&&) noexcept;

  const ColourOptions& Options() const { return options_; }
  const KeywordIndex& Keywords() const { return *keywords_; }

 private:
  ColourOptions options_;
  std::unique_ptr<KeywordIndex> keywords_;
};

// What part of the document the window shows.
struct PaintView {
  std::uint32_t topLine = 0;     // first display line shown
  std::uint32_t bottomLine = 0;  // last display line shown, partly visible ones included
  std::int32_t firstColumn = 0;  // first column shown (horizontal scroll)
  int tabWidth = 4;              // columns between tab stops
};

// One byte of the painted range.
struct Cell {
  std::int32_t column = 0;  // relative to the first column shown; negative when scrolled off
  std::int32_t row = 0;     // relative to the top line shown
  ColourCode code = kDefaultCode;
  // Columns of the character starting at this byte: 2 for a double-byte
  // character and for the CR of CR LF, a tab up to its tab stop, otherwise
  // 1; 0 on the second byte of a character (and on the LF of CR LF), whose
  // column is the first byte's column + 1.
  std::uint8_t columns = 0;
};

// The cells of a range [begin, end) with the bytes around it. Keep one per
// window: its buffers are reused from paint to paint.
struct CellArray {
  TextOffset begin = 0;      // first byte of the range
  TextOffset end = 0;        // just after the range's last byte
  TextOffset textBegin = 0;  // offset of bytes[0]: a character start, at most kLeadContextBytes before begin
  TextOffset textEnd = 0;    // just after the last byte in bytes (at most kTailContextBytes after end)
  std::uint32_t firstLine = 0;  // display line of begin
  // The bytes textBegin..textEnd followed by a zero byte.
  std::vector<std::uint8_t> bytes;
  // Per byte of bytes: 1 or 2 on the first byte of a character, 0 on a
  // second byte. CR and LF are single bytes here.
  std::vector<std::uint8_t> charSize;
  std::vector<Cell> cells;  // one per byte of [begin, end)

  std::size_t Size() const { return cells.size(); }
  // The range's own bytes (Size() of them, followed by the rest of bytes).
  const std::uint8_t* Bytes() const { return bytes.data() + (begin - textBegin); }
  // Code of the byte at offset p, which must lie in [begin, end).
  ColourCode CodeAt(TextOffset p) const { return cells[p - begin].code; }
};

// A string mark: its offset and the copy of its text. It is shown only while
// the document's text at its offset still equals the copy.
struct MarkedString {
  TextOffset offset = 0;
  std::string_view text;
};

// Builds the cells of the text between from and to (to is the offset of the
// range's last character, which is included whole). The range is first cut
// to the visible lines (from the start of the top line to the end of the
// bottom one) and then to kMaxPaintBytes. Every code starts at 0. False,
// with an empty array, when nothing of the range is visible, the text is
// empty or the document has not been laid out.
bool BuildCellArray(const TextStore& store, const PaintView& view, TextOffset from, TextOffset to,
                    CellArray& cells);

// The keyword pass over built cells.
void RunKeywordPass(const ColourScheme& scheme, std::span<const MarkedString> marks,
                    const TextStore& store, CellArray& cells);

// The comment pass over built cells. tables may be null (no area comments).
void RunCommentPass(const ColourScheme& scheme, const AreaCommentTables* tables,
                    const TextStore& store, CellArray& cells);

// BuildCellArray, then both passes.
bool ColourRange(const TextStore& store, const ColourScheme& scheme, const PaintView& view,
                 TextOffset from, TextOffset to, const AreaCommentTables* tables,
                 std::span<const MarkedString> marks, CellArray& cells);

// One stretch of cells the painter draws with one text call.
struct PaintRun {
  std::size_t first = 0;  // index into cells
  std::size_t count = 0;  // bytes
  ColourCode code = kDefaultCode;
  // The run is a single control character drawn as a blank: a tab (one
  // byte), CR LF (both bytes, one character wide) or another byte below 0x20.
  bool control = false;
};

// The run starting at cell index `at`, which is advanced past it. Runs hold
// bytes of one row with one code, stop before a control character and never
// exceed kMaxRunBytes or split a double-byte character. False at the end.
bool NextPaintRun(const CellArray& cells, std::size_t& at, PaintRun& run);

}  // namespace quelt
