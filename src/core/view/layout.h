// The display layout of a text document: cutting the text into display lines
// (the wrap rule), the document's display-line table that every window on it
// shares, and the conversions between text offsets, display lines and
// columns.
//
// Offsets are byte offsets into the internal text (Shift-JIS with CR LF);
// lines are display-line indices from 0; columns count from 0. A double-byte
// character and the CR LF pair occupy two columns, a tab runs to the next
// multiple of the tab width.
//
// One Layout is bound to one document's TextStore and its LayoutParams. The
// line table itself lives in the store (LineStarts()/LineFlags()) so that it
// survives the window; after every change to the text the caller runs
// Relayout(), after a change of the parameters or the font FullLayout().
#pragma once

#include <cstdint>
#include <vector>

#include "base/host.h"
#include "base/types.h"
#include "text/text_store.h"
#include "view/layout_params.h"
#include "view/text_reader.h"

namespace quelt {

// "No such offset": NextDisplayLineStart of a line that runs to the end.
constexpr std::int64_t kNoOffset = -1;
// Texts at most this long are always searched from line 0 by LineOfOffset.
constexpr std::uint32_t kShortTextBytes = 4096;

// The two scratch arrays a re-layout builds new line entries in, allocated
// once (kMaxDisplayLines entries each) and shared by every window.
struct LayoutScratch {
  LayoutScratch();
  std::vector<TextOffset> starts;
  std::vector<std::uint8_t> flags;
};
// The process-wide scratch arrays.
LayoutScratch& SharedLayoutScratch();

// What a re-layout changed, for repainting and for moving line-bound data.
struct RelayoutResult {
  std::uint32_t firstLine = 0;     // first line whose start or wrapping was recomputed
  std::uint32_t changedEnd = 0;    // lines [firstLine, changedEnd) were recomputed
  std::uint32_t oldLineCount = 0;
  std::uint32_t newLineCount = 0;
  bool truncated = false;          // the text did not fit into kMaxDisplayLines lines
  bool outOfMemory = false;        // the table could not grow; the tail was dropped
  // Lines from changedEnd on are old lines moved by this many places: marks
  // on old lines at or after changedEnd - lineShift move with them.
  std::int64_t lineShift = 0;
  bool LineCountChanged() const { return oldLineCount != newLineCount; }
};

// Where a column of a display line falls in the text.
struct ColumnHit {
  TextOffset offset = 0;   // the character at (or after) the column, or the line's end
  int column = 0;          // the column of `offset` within the line
  // Columns wanted beyond the line's text. With free cursor: wanted - column.
  // Without: the width of the line-end character (2 for CR LF, 0 for a wrapped
  // line or the end of the text) when the wanted column lay past the end.
  int virtualColumns = 0;
  bool pastEnd = false;    // the wanted column lay beyond the line's text
};

class Layout {
 public:
  // host receives "行数オーバーです。" when a layout passes kMaxDisplayLines
  // (may be null); scratch defaults to SharedLayoutScratch().
  Layout(TextStore& store, const LayoutParams& params, Host* host = nullptr,
         LayoutScratch* scratch = nullptr);

  // Replaces the parameters (and gives the store the same lead-byte test).
  // The table is stale until FullLayout() runs. Returns the number of bytes
  // the store replaced to take a lead-byte test that was switched on (a
  // lead byte before a line end becomes a space); the caller marks the
  // document modified when it is not 0.
  std::uint32_t SetParams(const LayoutParams& params);
  const LayoutParams& Params() const { return params_; }
  void SetHost(Host* host) { host_ = host; }
  TextStore& Store() { return *store_; }

  std::uint32_t TextLength() const { return store_->Length(); }
  std::uint32_t LineCount() const { return store_->LineCount(); }
  int MaxColumn() const { return params_.MaxColumn(); }
  std::uint8_t ByteAt(TextOffset p) { return Fresh().At(p); }

  // ---- The wrap rule ----
  // Start of the display line after the one that starts at s, or kNoOffset
  // when that line runs to the end of the text (a final CR LF included).
  std::int64_t NextDisplayLineStart(TextOffset s);
  // Whether the character at p may stand at or beyond the wrap column.
  bool CanHang(TextOffset p);

  // ---- Characters ----
  // Columns of the character at p: 0 at the end, tab width - (column mod tab
  // width) for a tab, 2 for a double-byte character or CR, else 1.
  int CharColumns(TextOffset p);
  // Bytes of the character at p: 2 for a double-byte character and for CR
  // LF, 0 at the end of the text, else 1.
  std::uint32_t CharSize(TextOffset p);
  // Start of the character that ends just before p (0 for p = 0).
  TextOffset CharStartBefore(TextOffset p);

  // ---- Lines ----
  // The display line that contains p; the end of the text belongs to the last
  // line, and so does everything past the last line of a full table. 0 for an
  // empty table.
  std::uint32_t LineOfOffset(TextOffset p) const;
  // First byte of a line; the text length for lines at or past the count.
  TextOffset LineStart(std::uint32_t line) const;
  // Start of the line's last character: its CR when it ends with CR LF; -1
  // for an empty text.
  std::int32_t LineLastChar(std::uint32_t line);
  // Whether the line ends with CR LF.
  bool EndsWithCrLf(std::uint32_t line);
  // Just after the line's text: its CR, the next line's start after a wrap,
  // or the end of the text.
  TextOffset LineTextEnd(std::uint32_t line);
  // Columns of the line's text (without the CR LF).
  int LineWidth(std::uint32_t line) { return ColumnInLine(line, LineTextEnd(line)); }

  // ---- Columns ----
  // Column of p within its display line.
  int ColumnOfOffset(TextOffset p) { return ColumnInLine(LineOfOffset(p), p); }
  // Column of p counted from the start of `line` (p may be that line's end,
  // which is the next line's start after a wrap).
  int ColumnInLine(std::uint32_t line, TextOffset p);
  // The offset at a column of a line. The column is clamped to 0..MaxColumn,
  // the line to the table; a column inside a tab or a double-byte character
  // gives the offset after it.
  ColumnHit OffsetOfColumn(int column, std::uint32_t line, bool freeCursor);

  // ---- Building the table ----
  // Lays the whole text out again into the document's table.
  RelayoutResult FullLayout();
  // Brings the table up to date after one change of the text at p by
  // lengthChange bytes (positive: inserted, negative: deleted). Only the
  // lines from the first one whose wrapping can change up to the start of
  // the next unchanged logical line are recomputed; the rest of the table is
  // moved as one block with its offsets shifted. Call it after every Insert
  // or Delete of the store, with the table as it was before that change.
  // The caller marks the document modified and updates its scroll ranges
  // when the line count changed.
  RelayoutResult Relayout(TextOffset p, std::int32_t lengthChange);
  // The same after a replacement at p of `removed` bytes by `inserted`
  // bytes, done as one change (the table still as it was before it).
  RelayoutResult RelayoutReplaced(TextOffset p, std::uint32_t removed, std::uint32_t inserted);

 private:
  TextReader& Fresh() {
    reader_.Reset();
    return reader_;
  }
  std::int64_t NextStart(TextOffset s);  // the wrap rule on the current reader
  bool Hangs(TextOffset p);
  std::uint8_t FlagOf(TextOffset start);
  std::uint32_t FirstLineToRedo(TextOffset p, std::int32_t lengthChange) const;
  // Produces lines from `start` (line `first`) into the scratch arrays until
  // the text ends, the line `resync` is produced or the limit is reached.
  // Returns the number of lines written; *caughtUp is set when resync was met.
  std::uint32_t Produce(std::uint32_t first, TextOffset start, std::int64_t resync,
                        bool* caughtUp);
  void Install(RelayoutResult& result, std::uint32_t first, std::uint32_t produced,
               std::uint32_t tailFrom, std::uint32_t tailCount, std::int32_t shift);
  void Extend(RelayoutResult& result);
  void Finish(RelayoutResult& result);

  TextStore* store_;
  LayoutParams params_;
  Host* host_;
  LayoutScratch* scratch_;
  TextReader reader_;
};

// The jump search over a line table: the line whose start is the last one
// at or before offset, given that no line holds more than `step` bytes.
// Tables that break that bound still give the right line, more slowly.
std::uint32_t LineOfOffsetIn(const TextOffset* starts, std::uint32_t count,
                             std::uint32_t textLength, TextOffset offset, std::uint32_t step);

}  // namespace quelt
