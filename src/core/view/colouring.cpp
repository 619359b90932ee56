// The cell array of a painted range and its runs.
#include "view/colouring.h"

#include <algorithm>

#include "app/settings.h"
#include "cabinet/cabinet_settings.h"
#include "text/text_store.h"
#include "view/colour_scan.h"

namespace quelt {
namespace {

// The display line holding p, searched between lo and hi (inclusive).
std::uint32_t LineHolding(const TextStore& store, TextOffset p, std::uint32_t lo, std::uint32_t hi) {
  while (lo < hi) {
    const std::uint32_t mid = lo + (hi - lo + 1) / 2;
    if (store.LineStart(mid) <= p) {
      lo = mid;
    } else {
      hi = mid - 1;
    }
  }
  return lo;
}

// Columns of a tab standing at column col.
int TabColumns(int col, int tabWidth) { return tabWidth - col % tabWidth; }

}  // namespace

ColourOptions ColourOptionsFrom(const CabinetSettings& cabinet, const AppSettings& app,
                                bool htmlDocument) {
  ColourOptions o;
  o.documentType = cabinet.DocumentType();
  o.htmlDocument = htmlDocument;
  o.keywordColour = cabinet.block[kWordKeywordColour];
  o.cKeywordColour = cabinet.block[kWordCKeywordColour];
  o.cppKeywordColour = cabinet.block[kWordCppKeywordColour];
  o.commentColour = cabinet.block[kWordCommentColour];
  o.markStringBack = cabinet.block[kWordMarkStringBack];
  o.htmlTagColour = cabinet.htmlTagColour;
  o.urlColour = cabinet.urlColour;
  o.keywords = cabinet.keywords;
  o.keywordCaseSensitive = cabinet.keywordCaseSensitive != 0;
  o.keywordWholeWord = cabinet.keywordWholeWord != 0;
  o.colorAreaComment = app.colorAreaComment != 0;
  o.colorLowerHtmlTag = app.colorLowerHtmlTag != 0;
  o.clickableUrlEmail = app.clickableUrlEmail != 0;
  o.userLineComment = app.userLineComment;
  o.ulCommentFullMode = app.uLCommentFullMode != 0;
  return o;
}

bool BuildCellArray(const TextStore& store, const PaintView& view, TextOffset from, TextOffset to,
                    CellArray& cells) {
  cells.cells.clear();
  cells.bytes.assign(1, 0);
  cells.charSize.clear();
  cells.begin = cells.end = cells.textBegin = cells.textEnd = 0;
  cells.firstLine = 0;

  const std::uint32_t length = store.Length();
  const std::uint32_t lines = store.LineCount();
  if (length == 0 || lines == 0 || view.topLine >= lines) return false;
  const std::uint32_t top = view.topLine;
  const std::uint32_t bottom = std::min(view.bottomLine, lines - 1);
  if (bottom < top) return false;
  const TextOffset visibleBegin = store.LineStart(top);
  const TextOffset visibleEnd = bottom + 1 < lines ? store.LineStart(bottom + 1) : length;

  const LeadByteTest lead = store.Lead();
  StoreReader reader(store);
  from = std::max(from, visibleBegin);
  TextOffset toEnd = length;
  if (to < length) {
    const std::uint8_t c = reader.At(to);
    const bool pair = (lead(c) && to + 1 < length) || (c == kCr && reader.At(to + 1) == kLf);
    toEnd = to + (pair ? 2 : 1);
  }
  TextOffset end = std::min({toEnd, visibleEnd, length});
  if (from >= end) return false;
  // The range is cut after kPaintCutBytes anyway (a full table's last line
  // may hold megabytes): copy no more than that.
  end = static_cast<TextOffset>(std::min<std::uint64_t>(end, std::uint64_t{from} + kPaintCutBytes + 2));

  // Columns of the bytes before `from` on its display line.
  const std::uint32_t firstLine = LineHolding(store, from, top, bottom);
  const int tabWidth = view.tabWidth > 0 ? view.tabWidth : 4;
  int col = 0;
  for (TextOffset at = store.LineStart(firstLine); at < from;) {
    const std::uint8_t c = reader.At(at);
    if (c == '\t') {
      col += TabColumns(col, tabWidth);
      ++at;
    } else if (lead(c) && at + 1 < length) {
      col += 2;
      at += 2;
    } else {
      ++col;
      ++at;
    }
  }

  // The bytes, with context either side for the keyword pass.
  const TextOffset wanted = from > kLeadContextBytes ? from - kLeadContextBytes : 0;
  TextOffset textBegin = reader.CharStartOf(wanted, lead);
  if (textBegin < wanted) textBegin += 2;
  const TextOffset textEnd = static_cast<TextOffset>(std::min<std::uint64_t>(std::uint64_t{end} + kTailContextBytes, length));
  const std::uint32_t n = textEnd - textBegin;
  cells.bytes.resize(n + 1);
  store.CopyOut(textBegin, n, cells.bytes.data());
  cells.bytes[n] = 0;

  // Cells: one per byte up to `end`, the range cut so that its last
  // character starts at most kPaintCutBytes after `from`.
  const std::uint8_t* text = cells.bytes.data();
  const std::uint32_t base = from - textBegin;
  std::uint32_t line = firstLine;
  TextOffset nextLine = line + 1 < lines ? store.LineStart(line + 1) : UINT32_MAX;
  cells.cells.reserve(std::min<std::uint32_t>(end - from, kMaxPaintBytes));
  for (TextOffset at = from; at < end;) {
    if (at - from > kPaintCutBytes) {
      end = at;
      break;
    }
    while (at >= nextLine) {
      ++line;
      nextLine = line + 1 < lines ? store.LineStart(line + 1) : UINT32_MAX;
      col = 0;
    }
    const std::uint8_t c = text[at - textBegin];
    Cell cell;
    cell.column = col - view.firstColumn;
    cell.row = static_cast<std::int32_t>(line - top);
    int size = 1;
    if (c == '\t') {
      cell.columns = static_cast<std::uint8_t>(TabColumns(col, tabWidth));
    } else if ((lead(c) && at + 1 < length) || (c == kCr && at + 1 < length && text[at + 1 - textBegin] == kLf)) {
      cell.columns = 2;
      size = 2;
    } else {
      cell.columns = 1;
    }
    cells.cells.push_back(cell);
    if (size == 2) {
      Cell second = cell;
      second.column = cell.column + 1;
      second.columns = 0;
      cells.cells.push_back(second);
    }
    col += cell.columns;
    at += size;
  }
  end = from + static_cast<TextOffset>(cells.cells.size());

  // Character starts over all the bytes; CR and LF are single bytes here.
  cells.charSize.assign(n + 1, 0);
  for (std::uint32_t i = 0; i < n;) {
    std::uint32_t size = (lead(text[i]) && i + 1 < n) ? 2 : 1;
    if (size == 2 && i + 1 == base) size = 1;  // the range always starts a character
    cells.charSize[i] = static_cast<std::uint8_t>(size);
    i += size;
  }

  cells.begin = from;
  cells.end = end;
  cells.textBegin = textBegin;
  cells.textEnd = textEnd;
  cells.firstLine = firstLine;
  return true;
}

bool ColourRange(const TextStore& store, const ColourScheme& scheme, const PaintView& view,
                 TextOffset from, TextOffset to, const AreaCommentTables* tables,
                 std::span<const MarkedString> marks, CellArray& cells) {
  if (!BuildCellArray(store, view, from, to, cells)) return false;
  RunKeywordPass(scheme, marks, store, cells);
  RunCommentPass(scheme, tables, store, cells);
  return true;
}

bool NextPaintRun(const CellArray& cells, std::size_t& at, PaintRun& run) {
  const std::size_t size = cells.Size();
  if (at >= size) return false;
  const std::uint8_t* text = cells.Bytes();
  const std::uint8_t* charSize = cells.charSize.data() + (cells.begin - cells.textBegin);
  run.first = at;
  run.code = cells.cells[at].code;
  if (text[at] < 0x20) {
    run.control = true;
    run.count = (text[at] == kCr && at + 1 < size && text[at + 1] == kLf) ? 2 : 1;
    at += run.count;
    return true;
  }
  run.control = false;
  const std::int32_t row = cells.cells[at].row;
  std::size_t i = at;
  while (i < size) {
    if (text[i] < 0x20 || cells.cells[i].row != row || cells.cells[i].code != run.code) break;
    const std::size_t step = std::max<std::size_t>(charSize[i], 1);
    if (i + step - at > kMaxRunBytes || i + step > size) break;
    i += step;
  }
  if (i == at) i = at + 1;  // never stall on a malformed cell
  run.count = i - at;
  at = i;
  return true;
}

}  // namespace quelt
